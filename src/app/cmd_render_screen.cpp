// wendmoor4 render-screen CASE N [--copy C] OUT.png: loads page N's screen
// offscreen, shows the answers of copy C (default 0) of the case in it and
// writes a picture of it.
#include <QBuffer>
#include <QImage>

#include "app/commands.h"
#include "app/engine_session.h"
#include "app/output_paths.h"
#include "files/atomic_save.h"
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

    RefuseCaseAsOutput(args, casePath, outPath);

    EngineSession session(args);
    session.readCase(casePath);
    const QImage image =
        RenderPageScreen(session.answers(), session.settings().PSFFolder, page, copy);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "PNG"))
        throw CommandError(QStringLiteral("render-screen: the screen of page %1 could not be "
                                          "drawn")
                               .arg(page));
    SaveFileAtomically(outPath, png);
}

}  // namespace wm4
