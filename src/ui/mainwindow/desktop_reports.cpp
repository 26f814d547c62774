#include "ui/mainwindow/desktop_reports.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>

#include "messages/report.h"
#include "ui/dialogs/error_dlg.h"

namespace wm4 {

void InstallDesktopReportHandler() {
    setReportHandler([](const Report& report) {
        QApplication::beep();
        try {
            TfrmErrorDlg dlg(report, QApplication::activeWindow());
            // Centred on the screen, as a dialog of the application.
            if (QScreen* screen = QGuiApplication::primaryScreen())
                dlg.move(screen->geometry().center() - dlg.rect().center());
            dlg.exec();
        } catch (const std::exception&) {
            QMessageBox::information(QApplication::activeWindow(), QStringLiteral("Wendmoor4"),
                                     QStringLiteral("Unknown Error."));
        }
    });
}

}  // namespace wm4
