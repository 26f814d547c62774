// Wendmoor4: the desktop application, or one command-line command when the
// first argument names one.
#include <QApplication>

#include "app/commands.h"
#include "app/runtime_folder.h"
#include "files/settings.h"
#include "session/case_session.h"
#include "ui/commands/window_commands.h"
#include "ui/deadlines/deadlines_dock.h"
#include "ui/mainwindow/desktop_reports.h"
#include "ui/mainwindow/main_window.h"
#include "ui/mainwindow/recovery_keeper.h"
#include "ui/problems/problems_dock.h"

namespace {

void nameTheApplication() {
    QApplication::setOrganizationName(QStringLiteral("Quillon"));
    QApplication::setApplicationName(QStringLiteral("Wendmoor4"));
}

// A first argument that is neither a command nor a case file is a mistyped
// command, not a case to open.
bool looksLikeCommand(const char* arg) {
    const QString text = QString::fromLocal8Bit(arg);
    return !text.endsWith(QStringLiteral(".wm4"), Qt::CaseInsensitive);
}

int runCommandLine(int argc, char** argv) {
    // Commands run headless; render-screen still needs widgets.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const wm4::PrivateRuntimeFolder runtimeFolder;  // outlives the application
    QApplication app(argc, argv);
    nameTheApplication();
    return wm4::RunCommand(QApplication::arguments().mid(1));
}

int runDesktop(int argc, char** argv) {
    QApplication app(argc, argv);
    nameTheApplication();
    wm4::InstallDesktopReportHandler();
    const QString dataFolder = wm4::ResolveDataFolder(
        QString(), QApplication::applicationDirPath(), QStringLiteral(WM4_BUILD_TREE_DIR),
        QStringLiteral(WM4_SOURCE_DATA_DIR), QStringLiteral(WM4_INSTALL_DATA_DIR));
    wm4::TfrmMain window(wm4::DefaultSettings(dataFolder));
    // A case open here is locked: a second copy opens it read-only.
    window.session().setLockCases(true);
    // Override, printing, Tools, Help and the display adjustments.
    new wm4::WindowCommands(window);
    wm4::InstallDeadlinesPanel(window);
    // A calculation's reports in one list; Tools > Check Case.
    wm4::InstallProblemsPanel(window);
    // The recovery copy every 2 minutes while the case has unsaved changes.
    wm4::RecoveryKeeper* recovery = wm4::InstallRecoveryKeeper(window);
    const QStringList args = QApplication::arguments();
    // A case named on the command line is read before the first page shows.
    window.start(args.size() > 1 ? args[1] : QString());
    window.show();
    // After a crash: the copy it left, offered over the window.
    recovery->offerRestore();
    return app.exec();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && looksLikeCommand(argv[1])) return runCommandLine(argc, argv);
    return runDesktop(argc, argv);
}
