// wendmoor4 resave IN.wm4 OUT.wm4: reads a case and writes it back.
#include "app/commands.h"
#include "app/engine_session.h"

namespace wm4 {

void RunResave(const CommandArgs& args) {
    const QString in = args.argument(0, "input case file");
    const QString out = args.argument(1, "output case file");
    args.expectArguments(2);
    EngineSession session(args);
    session.readCase(in);
    session.saveCase(out);
}

}  // namespace wm4
