// wendmoor4 calc IN.wm4 OUT.wm4: reads a case, runs the full calculation,
// saves the case and prints every copy counter as NAME=VALUE in field order.
// Reports of the run go to standard error as REPORT lines (the command
// framework's report handler).
#include "app/commands.h"
#include "app/engine_session.h"

namespace wm4 {

void RunCalc(const CommandArgs& args) {
    const QString in = args.argument(0, "input case file");
    const QString out = args.argument(1, "output case file");
    args.expectArguments(2);
    EngineSession session(args);
    session.readCase(in);
    // A run stopped at a fault is no calculated case: nothing is saved.
    session.calculateToTheEnd(QStringLiteral("Nothing was saved."));
    // Saved first: a case that could not be saved prints no counters, so
    // nothing on standard output looks like a finished run.
    session.saveCase(out);
    for (const CopyCounterField& counter : CopyCounterFields)
        PrintLine(QStringLiteral("%1=%2")
                      .arg(QLatin1String(counter.name))
                      .arg(session.answers().*(counter.field)));
}

}  // namespace wm4
