#include "data_files.h"

#include <QDir>
#include <QFile>
#include <algorithm>

namespace wm4::test {

QList<int> PagesWithFiles(const QString& folder, const QString& prefix, const QString& suffix) {
    QList<int> pages;
    const QStringList names =
        QDir(dataDir() + u'/' + folder).entryList({prefix + u'*' + suffix}, QDir::Files);
    for (const QString& name : names) {
        bool ok = false;
        const int page =
            name.mid(prefix.size(), name.size() - prefix.size() - suffix.size()).toInt(&ok);
        if (ok) pages.append(page);
    }
    std::sort(pages.begin(), pages.end());
    return pages;
}

QString ReadLatin1(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return QString();
    return QString::fromLatin1(f.readAll());
}

QList<Marker> TemplateMarkers(const QString& rtf) {
    // The merge's grammar: "/", a kind character, one to three digits, "/".
    static const QRegularExpression re(QStringLiteral(R"(/([*<$#%&+~^])(\d{1,3})/)"));
    QList<Marker> markers;
    auto it = re.globalMatch(rtf);
    while (it.hasNext()) {
        const auto m = it.next();
        markers.append({m.captured(1).at(0), m.captured(2).toInt()});
    }
    return markers;
}

}  // namespace wm4::test
