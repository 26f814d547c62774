// wendmoor4 dump CASE --page N [--copy C]: one line per slot, index TAB
// flag (0/1) TAB text.
// wendmoor4 dump CASE --sheet kin|asset|expense|time: one line per row, the
// row's cells joined by TAB.
#include "app/commands.h"
#include "app/engine_session.h"

namespace wm4 {

namespace {

struct SheetName {
    const char* name;
    WorksheetStore CaseData::*store;
};

constexpr SheetName SheetNames[] = {
    {"kin", &CaseData::KSchedList},
    {"asset", &CaseData::ASchedList},
    {"expense", &CaseData::ESchedList},
    {"time", &CaseData::TSchedList},
};

void dumpPage(const TAnswer& a, int page, int copy) {
    for (int slot = 0; slot <= MaxSlot[page]; ++slot)
        PrintLine(QStringLiteral("%1\t%2\t%3")
                      .arg(slot)
                      .arg(a.ovRide(page, copy, slot) ? 1 : 0)
                      .arg(a.answer(page, copy, slot)));
}

void dumpSheet(const WorksheetStore& store) {
    for (int r = 0; r < store.rowCount(); ++r) PrintLine(store.row(r).join(u'\t'));
}

}  // namespace

void RunDump(const CommandArgs& args) {
    const QString path = args.argument(0, "case file");
    args.expectArguments(1);
    if (args.has("page") == args.has("sheet"))
        throw CommandError(QStringLiteral("dump: give either --page N or --sheet NAME"));
    if (args.has("copy") && !args.has("page"))
        throw CommandError(QStringLiteral("dump: --copy goes with --page"));

    const WorksheetStore CaseData::*sheet = nullptr;
    if (args.has("sheet")) {
        for (const SheetName& s : SheetNames)
            if (args.option("sheet") == QLatin1String(s.name)) sheet = s.store;
        if (!sheet)
            throw CommandError(QStringLiteral("dump: --sheet must be kin, asset, expense or time"));
    }
    const int page = args.intOption("page", 0, 0, PageCount - 1);
    const int copy = args.intOption("copy", 0, 0, CopyCount - 1);

    EngineSession session(args);
    session.readCase(path);
    if (sheet)
        dumpSheet(session.data().*sheet);
    else
        dumpPage(session.answers(), page, copy);
}

}  // namespace wm4
