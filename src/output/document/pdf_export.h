#pragma once
// PDF from a produced RTF document, by LibreOffice headless.
#include <QString>

namespace wm4 {

// Converts `rtfPath` to `pdfPath` with `soffice --headless --convert-to pdf`.
// LibreOffice runs with a profile folder of its own (removed afterwards), so
// the conversion works while the user has LibreOffice open. Throws
// DocumentError when LibreOffice is not installed or the conversion fails.
void ConvertToPdf(const QString& rtfPath, const QString& pdfPath);

// True when a LibreOffice program for the conversion is installed.
bool PdfConversionAvailable();

}  // namespace wm4
