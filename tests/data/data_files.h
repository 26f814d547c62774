#pragma once
// The shipped data files of the source tree, for the consistency tests.
#include <QList>
#include <QRegularExpression>
#include <QSet>
#include <QString>

namespace wm4::test {

inline QString dataDir() {
    return QStringLiteral(WM4_SOURCE_DATA_DIR);
}

// Page numbers of the files "prefix" + N + "suffix" in a data subfolder.
QList<int> PagesWithFiles(const QString& folder, const QString& prefix, const QString& suffix);

QString ReadLatin1(const QString& path);

// A field marker of a template: kind character and slot.
struct Marker {
    QChar kind;
    int slot;
};
QList<Marker> TemplateMarkers(const QString& rtf);

}  // namespace wm4::test
