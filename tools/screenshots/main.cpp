// Screenshots of the main window as a user sees it, for reviewing the look:
//   wm4_screenshots CASE OUT_DIR CODE...
// shows the window on CASE, and for each navigation code (page x 100 + copy)
// shows that page copy and saves OUT_DIR/page<code>.png of the whole screen.
// A code written "c<code>" opens the copy choice of that page instead and
// takes the screen with the dialog open (OUT_DIR/choose<code>.png).
// Run it under a virtual display, for example:
//   xvfb-run -s "-screen 0 1920x1080x24" build/tools/screenshots/wm4_screenshots ...
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include "files/settings.h"
#include "session/case_session.h"
#include "ui/mainwindow/desktop_reports.h"
#include "ui/mainwindow/main_window.h"

namespace {

void settle() {
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QThread::msleep(25);
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 4) {
        qWarning("usage: wm4_screenshots CASE OUT_DIR CODE...");
        return 1;
    }
    wm4::InstallDesktopReportHandler();
    // A private set of folders: the user's settings stay untouched.
    QTemporaryDir home;
    wm4::ProgramSettings settings = wm4::DefaultSettings(QStringLiteral(WM4_SOURCE_DATA_DIR));
    settings.ClientFolder = home.filePath(QStringLiteral("Files"));
    settings.SettingsFolder = home.filePath(QStringLiteral("config"));
    settings.TempFolder = home.filePath(QStringLiteral("Temp"));
    wm4::TfrmMain window(settings);
    window.start(args[1]);
    window.show();
    window.session().calculate();
    QDir().mkpath(args[2]);
    const QDir out(args[2]);
    for (const QString& arg : args.mid(3)) {
        if (arg.startsWith(u'c')) {
            const QString code = arg.mid(1);
            QTimer::singleShot(300, [&] {
                settle();
                window.screen()->grabWindow(0).save(
                    out.filePath(QStringLiteral("choose%1.png").arg(code)));
                if (QWidget* dlg = QApplication::activeModalWidget()) dlg->close();
            });
            window.ContinuationDlg(code.toInt());
            continue;
        }
        window.DisplayAPage(arg.toInt());
        settle();
        window.screen()->grabWindow(0).save(out.filePath(QStringLiteral("page%1.png").arg(arg)));
    }
    window.setCaseModified(false);
    return 0;
}
