#pragma once
// Small hand-written files for the file tests: a client file or prior-version
// file is built line by line, with every page not named left out (count -1).
#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include "case/answers.h"

namespace wm4::test {

// One page copy of a hand-written file: the slot texts and flag lines that
// differ from an empty slot with flag "0".
struct CopyText {
    QMap<int, QString> texts;
    QMap<int, QString> flags;
};

// A client or prior-version file's page part: pages with their copies; every
// other page is written with the count line "-1".
using PagesText = QMap<int, QList<CopyText>>;

inline QStringList pageLines(const PagesText& pages) {
    QStringList lines;
    for (int page = 0; page < PageCount; ++page) {
        const QList<CopyText> copies = pages.value(page);
        lines << QString::number(int(copies.size()) - 1);
        for (int copy = 0; copy < copies.size(); ++copy) {
            lines << QStringLiteral("Page %1; No.%2; Count %3")
                         .arg(page)
                         .arg(copy)
                         .arg(MaxSlot[page]);
            for (int slot = 0; slot <= MaxSlot[page]; ++slot)
                lines << copies[copy].texts.value(slot) << copies[copy].flags.value(slot, "0");
        }
    }
    return lines;
}

// A worksheet section as the client file holds it: columns of rows.
inline QStringList sheetLines(const QString& title, int columns, const QList<QStringList>& rows) {
    QStringList lines{title, "Column Count", QString::number(columns), "Row Count",
                      QString::number(rows.size())};
    for (int c = 0; c < columns; ++c)
        for (const QStringList& row : rows) lines << row.value(c);
    return lines;
}

// Lines joined with CR LF (or LF alone), Latin-1 bytes.
inline QByteArray fileBytes(const QStringList& lines, const char* lineEnd = "\r\n") {
    QByteArray bytes;
    for (const QString& line : lines) bytes += line.toLatin1() + lineEnd;
    return bytes;
}

}  // namespace wm4::test
