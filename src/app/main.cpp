// Wendmoor4: the desktop application, or one command-line command when the
// first argument names one.
#include <QApplication>
#include <QLabel>

#include "app/commands.h"
#include "app/runtime_folder.h"

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
    QLabel label(QStringLiteral(
        "Wendmoor4 is being built. The desktop window arrives with the main window."));
    label.setMargin(24);
    label.setWindowTitle(QStringLiteral("Wendmoor4"));
    label.show();
    return app.exec();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && looksLikeCommand(argv[1])) return runCommandLine(argc, argv);
    return runDesktop(argc, argv);
}
