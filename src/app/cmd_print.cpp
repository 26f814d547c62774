// wendmoor4 print CASE OUT.rtf --forms LIST: the full calculation, then the
// packet of the listed forms (check-box names of the packet, comma-separated,
// or "all").
// wendmoor4 print CASE OUT.rtf --page N [--copy C]: the page copy merged as
// it stands, without a calculation.
// Both take --pdf OUT.pdf, --addenda and --typed-signatures; --forms also
// --pdf-folder DIR (one PDF per form).
#include "app/cmd_print_common.h"
#include "app/cmd_print_filing.h"
#include "app/commands.h"
#include "app/output_paths.h"
#include "output/document/packet.h"
#include "output/pdf/form_pdfs.h"

namespace wm4 {

void RunPrint(const CommandArgs& args) {
    const QString casePath = args.argument(0, "case file");
    const QString rtfPath = args.argument(1, "output RTF file");
    args.expectArguments(2);
    if (args.has(QStringLiteral("forms")) == args.has(QStringLiteral("page")))
        throw CommandError(QStringLiteral("print: give either --forms LIST or --page N"));
    if (args.has(QStringLiteral("copy")) && !args.has(QStringLiteral("page")))
        throw CommandError(QStringLiteral("print: --copy goes with --page"));
    if (args.has(QStringLiteral("pdf-folder")) && !args.has(QStringLiteral("forms")))
        throw CommandError(QStringLiteral("print: --pdf-folder goes with --forms"));

    QSet<QString> selection;
    if (args.has(QStringLiteral("forms"))) {
        QStringList unknown;
        selection = PacketSelection(args.option(QStringLiteral("forms")), &unknown);
        if (!unknown.isEmpty())
            throw CommandError(QStringLiteral("print: no form has the check box %1 (use the "
                                              "packet's names such as cbx1_0, or \"all\")")
                                   .arg(unknown.join(QStringLiteral(", "))));
    }
    const int page = args.intOption(QStringLiteral("page"), 0, 0, PageCount - 1);
    const int copy = args.intOption(QStringLiteral("copy"), 0, 0, CopyCount - 1);

    RefuseCaseAsOutputs(args, casePath, PrintedOutputs(args, rtfPath));

    EngineSession session(args);
    session.readCase(casePath);
    DocumentPrinter printer = PrinterFor(session);
    printer.setFilingOptions(FilingOptionsOf(args));
    printer.setScreenFolder(session.settings().PSFFolder);
    QString document;
    if (args.has(QStringLiteral("forms"))) {
        // A packet from a run stopped at a fault would print the answers of
        // an earlier run beside half-calculated forms.
        session.calculateToTheEnd(QStringLiteral("No packet was written."));
        // "all" means the forms of this case: decided on the calculated answers.
        selection =
            PacketSelection(args.option(QStringLiteral("forms")), nullptr, &session.answers());
        document = printer.PacketDocument(selection);
    } else {
        document = printer.PageDocument(page, copy);
    }
    QList<FormPdf> formPdfs;
    if (args.has(QStringLiteral("pdf-folder"))) {
        formPdfs = PlanFormPdfs(printer.packet().formSpans(), CaptionOf(session.answers()));
        RefuseCaseAsOutputs(args, casePath, FormPdfPaths(args, formPdfs));
    }
    WritePrintedDocument(args, rtfPath, document);
    if (args.has(QStringLiteral("pdf-folder"))) WriteFormPdfsOf(args, formPdfs, document);
}

}  // namespace wm4
