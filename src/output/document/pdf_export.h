#pragma once
// PDF from produced RTF documents, by LibreOffice headless.
#include <QString>
#include <QStringList>

namespace wm4 {

// Converts `rtfPath` to `pdfPath` with `soffice --headless --convert-to pdf`.
// LibreOffice runs with a profile folder of its own (removed afterwards), so
// the conversion works while the user has LibreOffice open. Throws
// DocumentError when LibreOffice is not installed or the conversion fails.
void ConvertToPdf(const QString& rtfPath, const QString& pdfPath);

// Converts every document of rtfPaths in one LibreOffice run into outFolder,
// each as its base name + ".pdf". program: the LibreOffice program to run
// (empty: the one FindWordExe finds).
//
// LibreOffice now and then aborts on its first start with a fresh profile
// (more often on a busy machine), so a run that crashes, fails or leaves a
// document unconverted is tried once more with another fresh profile; a
// second failure throws DocumentError naming the documents and what
// LibreOffice said.
void ConvertAllToPdf(const QStringList& rtfPaths, const QString& outFolder,
                     const QString& program = QString());

// True when a LibreOffice program for the conversion is installed.
bool PdfConversionAvailable();

}  // namespace wm4
