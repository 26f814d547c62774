// The desktop window as the program runs it, with the recovery copy kept and
// the case locked, over the private folders of a test (ROOT/Files,
// ROOT/config, ...): opens CASE, makes the edits the recovery test looks for,
// says "EDITED" on standard output and runs until it is killed, or until a
// line on standard input asks it to:
//
//   save   saves the case, then says "SAVED"
//   quit   closes the window without saving (a clean exit)
//
//   wm4_recovery_driver ROOT CASE.wm4
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QSocketNotifier>
#include <cstdio>

#include "case/worksheet_columns.h"
#include "files/settings.h"
#include "session/case_session.h"
#include "ui/mainwindow/main_window.h"
#include "ui/mainwindow/recovery_keeper.h"
#include "ui/pagescreen/page_screen.h"

namespace {

QLineEdit* field(wm4::TfrmMain& window, const QString& name) {
    for (auto* edit : window.pageScreen().panel()->findChildren<QLineEdit*>())
        if (edit->accessibleName() == name) return edit;
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fputs("usage: wm4_recovery_driver ROOT CASE.wm4\n", stderr);
        return 1;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    wm4::ProgramSettings settings = wm4::DefaultSettings(QStringLiteral(WM4_SOURCE_DATA_DIR));
    settings.ClientFolder = root.filePath(QStringLiteral("Files"));
    settings.WM3Folder = root.filePath(QStringLiteral("WM3"));
    settings.TempFolder = root.filePath(QStringLiteral("Temp"));
    settings.SettingsFolder = root.filePath(QStringLiteral("config"));
    settings.RecentFiles.clear();

    wm4::TfrmMain window(settings);
    window.session().setLockCases(true);
    wm4::InstallRecoveryKeeper(window);
    window.start(QString::fromLocal8Bit(argv[2]));
    window.show();
    QApplication::setActiveWindow(&window);

    // A field typed and left, a field typed and still focused, a worksheet cell.
    QLineEdit* death = field(window, QStringLiteral("Date of death"));
    QLineEdit* street = field(window, QStringLiteral("Street address (domicile)"));
    if (!death || !street) return 2;
    death->setFocus();
    death->setText(QStringLiteral("2/1/2026"));
    window.CommitFocusedEdit();
    street->setFocus();
    street->setText(QStringLiteral("99 Recovered Road"));
    window.session().data().KSchedList.setCell(wm4::kinColumn::Name, 0,
                                               QStringLiteral("Edited Kin Name"));
    window.setCaseModified(true);
    std::puts("EDITED");
    std::fflush(stdout);

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QByteArray pending;
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buffer[256];
        const ssize_t n = read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            input.setEnabled(false);
            return;
        }
        pending.append(buffer, n);
        for (qsizetype end; (end = pending.indexOf('\n')) >= 0; pending.remove(0, end + 1)) {
            const QByteArray command = pending.left(end).trimmed();
            if (command == "save") {
                window.SaveClick();
                std::puts(window.CaseModified() ? "NOT SAVED" : "SAVED");
                std::fflush(stdout);
            } else if (command == "quit") {
                window.setCaseModified(false);
                window.close();
            }
        }
    });
    return app.exec();
}
