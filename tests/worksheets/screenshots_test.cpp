// Pictures of the four worksheet windows over the rich sample case, for a
// person to look at. Runs only when WM4_SCREENSHOT_DIR names a folder:
//   WM4_SCREENSHOT_DIR=/tmp/shots QT_QPA_PLATFORM=xcb
//     xvfb-run -s "-screen 0 1920x1080x24" build/tests/test_worksheets
//     --gtest_filter='*Screenshot*'
// The windows open over a stand-in main window that fills the screen.
#include <gtest/gtest.h>

#include <QDir>
#include <QScreen>
#include <QTest>

#include "session/case_session.h"
#include "support/qt_app.h"
#include "worksheets/open_worksheet.h"
#include "worksheets/window/worksheet_window.h"

namespace wm4::test {
namespace {

TEST(WorksheetScreenshots, EachWindowOverTheRichSample) {
    const QString folder = qEnvironmentVariable("WM4_SCREENSHOT_DIR");
    if (folder.isEmpty()) GTEST_SKIP() << "WM4_SCREENSHOT_DIR not set";
    widgetApp();
    QDir().mkpath(folder);
    ProgramSettings settings;
    settings.DefaultRate = 250;
    CaseSession session(settings);
    ASSERT_TRUE(session.openCase(QStringLiteral(WM4_TEST_FIXTURES_DIR "/rich_sample.wm4")));

    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget mainWindow;
    mainWindow.setGeometry(screen);
    mainWindow.show();
    const std::pair<WorksheetKind, const char*> kinds[] = {{WorksheetKind::Asset, "asset"},
                                                           {WorksheetKind::Expense, "expense"},
                                                           {WorksheetKind::Kin, "kin"},
                                                           {WorksheetKind::Time, "time"}};
    for (const auto& [kind, name] : kinds) {
        std::unique_ptr<WorksheetWindow> window = CreateWorksheet(kind, session, &mainWindow);
        window->show();
        (void)QTest::qWaitForWindowExposed(window.get());
        window->showRow(1);
        QTest::qWait(200);
        const QString file = QStringLiteral("%1/%2_%3x%4.png")
                                 .arg(folder, name)
                                 .arg(screen.width())
                                 .arg(screen.height());
        EXPECT_TRUE(window->grab().save(file)) << file.toStdString();
        window->close();
    }
}

}  // namespace
}  // namespace wm4::test
