// wendmoor4 print-worksheet kin|asset|expense|time CASE OUT.rtf [--pdf OUT.pdf]:
// the worksheet's printout.
#include "app/cmd_print_common.h"
#include "app/commands.h"
#include "app/output_paths.h"
#include "output/document/worksheet_printout.h"

namespace wm4 {

namespace {

struct WorksheetName {
    const char* name;
    WorksheetKind kind;
};

constexpr WorksheetName WorksheetNames[] = {
    {"kin", WorksheetKind::Kin},
    {"asset", WorksheetKind::Asset},
    {"expense", WorksheetKind::Expense},
    {"time", WorksheetKind::Time},
};

}  // namespace

void RunPrintWorksheet(const CommandArgs& args) {
    const QString sheet = args.argument(0, "worksheet (kin, asset, expense or time)");
    const QString casePath = args.argument(1, "case file");
    const QString rtfPath = args.argument(2, "output RTF file");
    args.expectArguments(3);
    const WorksheetName* chosen = nullptr;
    for (const WorksheetName& w : WorksheetNames)
        if (sheet == QLatin1String(w.name)) chosen = &w;
    if (!chosen)
        throw CommandError(
            QStringLiteral("print-worksheet: the worksheet must be kin, asset, expense or time"));
    RefuseCaseAsOutputs(args, casePath, PrintedOutputs(args, rtfPath));

    EngineSession session(args);
    session.readCase(casePath);
    DocumentPrinter printer = PrinterFor(session);
    WritePrintedDocument(args, rtfPath,
                         printer.WorksheetDocument(chosen->kind, session.wrapper(), casePath));
}

}  // namespace wm4
