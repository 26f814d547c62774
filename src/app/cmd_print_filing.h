#pragma once
// The e-filing options of the print command: --addenda (continuation
// addenda), --typed-signatures ("/s/ NAME" on the signers' lines) and
// --pdf-folder (one PDF per form). The
// command line takes only its switches, not the desktop's saved options, so
// that a script prints the same packet on every machine.
#include "app/command_line.h"
#include "files/filing_options.h"
#include "output/pdf/form_pdfs.h"

namespace wm4 {

FilingOptions FilingOptionsOf(const CommandArgs& args);

// The paths the PDFs of --pdf-folder DIR take.
QStringList FormPdfPaths(const CommandArgs& args, const QList<FormPdf>& forms);

// --pdf-folder DIR (with --forms): one PDF per form of the packet just built
// into DIR (made when missing), named by form number and title; prints each
// path written on standard output once all are.
void WriteFormPdfsOf(const CommandArgs& args, const QList<FormPdf>& forms, const QString& document);

}  // namespace wm4
