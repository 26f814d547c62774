// wendmoor4 import IN.wm3 OUT.wm4: imports a prior-version case, runs the
// full calculation and saves the case.
#include "app/commands.h"
#include "app/engine_session.h"

namespace wm4 {

void RunImport(const CommandArgs& args) {
    const QString in = args.argument(0, "prior-version file");
    const QString out = args.argument(1, "output case file");
    args.expectArguments(2);
    EngineSession session(args);
    session.importWM3(in);
    session.calculate();
    session.saveCase(out);
}

}  // namespace wm4
