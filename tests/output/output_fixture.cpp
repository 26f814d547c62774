#include "output/output_fixture.h"

#include <QDir>
#include <QFile>
#include <QTextStream>
#include <stdexcept>

namespace wm4::test {

namespace {
void writeFile(const QString& path, const QString& text) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) throw std::runtime_error("cannot write fixture");
    file.write(text.toLatin1());
}
}  // namespace

QString OutputFixtureFolder() {
    return QStringLiteral(WM4_TEST_FIXTURES_DIR "/output");
}

QString TemplateHeader() {
    return QStringLiteral(
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
        "{\\f1\\fswiss\\fcharset0 Arial Narrow;}{\\f2\\fnil\\fcharset2 Wingdings;}}\r\n"
        "\\paperw12240\\paperh15840\\margl1080\\margr1080\\margt720\\margb720\r\n"
        "\\v\\'b7\\v0 ");
}

void WriteTemplate(const QString& folder, int page, const QString& body) {
    writeFile(QDir(folder).filePath(QStringLiteral("Page%1.rtf").arg(page)),
              TemplateHeader() + body + QStringLiteral("\r\n}\r\n"));
}

void WriteWidths(const QString& folder, int page, int lines, double width) {
    QString text;
    for (int k = 0; k < lines; ++k)
        text += QStringLiteral("%1 0 0 0.0 1.0 %2 0\r\n").arg(k).arg(width);
    writeFile(QDir(folder).filePath(QStringLiteral("PAGE%1.DAT").arg(page)), text);
}

QStringList DocumentPages(const QString& document) {
    return document.split(QStringLiteral("\\page "));
}

}  // namespace wm4::test
