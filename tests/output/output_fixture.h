#pragma once
// Small templates and width files written for the output tests.
#include <QString>
#include <QStringList>
#include <ostream>

// Readable QString values in test failures.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace wm4::test {

// The fixture folder with the hand-written templates (Page1, Page2, Page6)
// and their width files.
QString OutputFixtureFolder();

// The header every test template shares: fonts Arial (f0), Arial Narrow (f1)
// and Wingdings (f2), letter paper, then the hidden header marker.
QString TemplateHeader();

// Writes "Page<N>.rtf": the header, `body`, a closing brace.
void WriteTemplate(const QString& folder, int page, const QString& body);

// Writes "PAGE<N>.DAT" with `lines` lines of field kind 0 and width B.
void WriteWidths(const QString& folder, int page, int lines, double width);

// The document's pages: its text split at "\page ".
QStringList DocumentPages(const QString& document);

}  // namespace wm4::test
