// wendmoor4 render-screen CASE N [--copy C] OUT.png: loads page N's screen
// offscreen, shows the answers of copy C (default 0) of the case in it and
// writes a picture of it.
#include <QImage>

#include "app/commands.h"
#include "app/engine_session.h"
#include "ui/pagescreen/render_screen.h"

namespace wm4 {

void RunRenderScreen(const CommandArgs& args) {
    const QString casePath = args.argument(0, "case file");
    const QString pageText = args.argument(1, "page number");
    const QString outPath = args.argument(2, "output picture");
    args.expectArguments(3);
    bool ok = false;
    const int page = pageText.toInt(&ok);
    if (!ok || page < 0 || page >= PageCount)
        throw CommandError(
            QStringLiteral("render-screen: page must be 0 to %1").arg(PageCount - 1));
    const int copy = args.intOption(QStringLiteral("copy"), 0, 0, CopyCount - 1);

    EngineSession session(args);
    session.readCase(casePath);
    const QImage image =
        RenderPageScreen(session.answers(), session.settings().PSFFolder, page, copy);
    if (image.isNull() || !image.save(outPath, "PNG"))
        throw CommandError(QStringLiteral("render-screen: cannot write \"%1\"").arg(outPath));
}

}  // namespace wm4
