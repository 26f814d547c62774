#include "app/cmd_print_common.h"

#include "output/document/pdf_export.h"
#include "output/document/send_document.h"
#include "output/textfit/text_wrapper.h"

namespace wm4 {

DocumentPrinter PrinterFor(EngineSession& session) {
    return DocumentPrinter(session.data(), session.wrapper().measurer(),
                           session.settings().RTFFolder, session.settings().DATFolder);
}

QStringList PrintedOutputs(const CommandArgs& args, const QString& rtfPath) {
    QStringList outputs{rtfPath};
    if (args.has(QStringLiteral("pdf"))) outputs << args.option(QStringLiteral("pdf"));
    return outputs;
}

void WritePrintedDocument(const CommandArgs& args, const QString& rtfPath,
                          const QString& document) {
    WriteRtfDocument(rtfPath, document);
    if (args.has(QStringLiteral("pdf"))) ConvertToPdf(rtfPath, args.option(QStringLiteral("pdf")));
}

}  // namespace wm4
