#include "app/cmd_print_filing.h"

#include <QDir>

#include "app/engine_session.h"
#include "output/document/document_printer.h"
#include "output/pdf/form_pdfs.h"

namespace wm4 {

FilingOptions FilingOptionsOf(const CommandArgs& args) {
    FilingOptions options;
    options.addenda = args.has(QStringLiteral("addenda"));
    options.typedSignatures = args.has(QStringLiteral("typed-signatures"));
    return options;
}

void WriteFormPdfsOf(const CommandArgs& args, EngineSession& session, DocumentPrinter& printer,
                     const QString& document) {
    const QString folder = args.option(QStringLiteral("pdf-folder"));
    if (!QDir().mkpath(folder))
        throw CommandError(QStringLiteral("print: cannot make the folder %1").arg(folder));
    const QList<FormPdf> forms =
        PlanFormPdfs(printer.packet().formSpans(), CaptionOf(session.answers()));
    for (const QString& path : WriteFormPdfs(document, forms, folder)) PrintLine(path);
}

}  // namespace wm4
