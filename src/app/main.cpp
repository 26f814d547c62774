// Wendmoor4: the desktop application, or one command-line command when the
// first argument names one.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quillon"));
    QApplication::setApplicationName(QStringLiteral("Wendmoor4"));
    QLabel label(QStringLiteral("Wendmoor4 is being built. The desktop window arrives with the main window."));
    label.setMargin(24);
    label.setWindowTitle(QStringLiteral("Wendmoor4"));
    label.show();
    return app.exec();
}
