#pragma once
// What the print commands share: the printer over a session's case and the
// writing of the document (and of its PDF with --pdf).
#include "app/command_line.h"
#include "app/engine_session.h"
#include "output/document/document_printer.h"

namespace wm4 {

// The printer over the session's case, its template and width folders and
// its measurer.
DocumentPrinter PrinterFor(EngineSession& session);

// The files a print command writes besides the per-form PDFs: the RTF and
// the --pdf file.
QStringList PrintedOutputs(const CommandArgs& args, const QString& rtfPath);

// Writes the document to `rtfPath`; with --pdf also converts it.
void WritePrintedDocument(const CommandArgs& args, const QString& rtfPath, const QString& document);

}  // namespace wm4
