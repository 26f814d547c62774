// wendmoor4 import IN.wm3 OUT.wm4: imports a prior-version case, runs the
// full calculation and saves the case. A calculation stopped at a fault
// still saves the imported case, and the command fails saying so.
#include "app/commands.h"
#include "app/engine_session.h"
#include "app/output_paths.h"

namespace wm4 {

void RunImport(const CommandArgs& args) {
    const QString in = args.argument(0, "prior-version file");
    const QString out = args.argument(1, "output case file");
    args.expectArguments(2);
    RefuseCaseAsOutput(args, in, out);
    EngineSession session(args);
    session.importWM3(in);
    const RunOutcome outcome = session.calculate();
    // The imported answers are kept even when the run stopped: the fault is
    // mended in the case, not in the prior-version file.
    session.saveCase(out);
    if (!outcome.finished)
        throw CommandError(
            QStringLiteral("import: the imported case was saved as \"%1\". ").arg(out) +
            StoppedRunText(outcome));
}

}  // namespace wm4
