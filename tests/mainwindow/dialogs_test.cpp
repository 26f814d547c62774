// The error dialog and the desktop report handler.
#include <QLabel>
#include <QPushButton>

#include "messages/report.h"
#include "ui/dialogs/error_dlg.h"
#include "ui/mainwindow/desktop_reports.h"
#include "window_fixture.h"

namespace wm4::test {
namespace {

TEST(ErrorDialog, ShowsTheReportsTwoLines) {
    windowApp();
    struct Case {
        quint16 number;
        const char* messageStart;
        const char* advice;
    };
    const Case cases[] = {
        {30500, "3050-A schedule (inventory, account", ""},
        {29299, "", "You must reduce the amount of text sent to the form referred to above. "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        const Report report = buildReport(c.number, QString());
        TfrmErrorDlg dlg(report);
        EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Error/Warning/Notice Dialog"));
        EXPECT_EQ(dlg.messageText(), report.message);
        EXPECT_TRUE(dlg.messageText().startsWith(QString::fromUtf8(c.messageStart)));
        EXPECT_EQ(dlg.adviceText(), QString::fromUtf8(c.advice));
        EXPECT_EQ(dlg.size(), QSize(537, 336));
        auto* ok = dlg.findChild<QPushButton*>(QStringLiteral("cbtnOk"));
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(ok->accessibleName(), QStringLiteral("Ok"));
    }
    const Report quoted = buildReport(21202, QStringLiteral("13/45/2020"));
    TfrmErrorDlg dlg(quoted);
    EXPECT_TRUE(dlg.messageText().contains(QStringLiteral("13/45/2020")));
    EXPECT_TRUE(dlg.adviceText().startsWith(QStringLiteral("You can probably click OK")));
}

TEST(DesktopReports, AReportShowsTheDialogAndSetsErrFlag) {
    windowApp();
    bool errFlag = false;
    const ScopedErrFlagTarget target(&errFlag);
    const ReportHandler previous = setReportHandler({});
    InstallDesktopReportHandler();
    QString shown;
    auto came = onNextModal([&](QWidget* modal) {
        auto* dlg = qobject_cast<TfrmErrorDlg*>(modal);
        ASSERT_NE(dlg, nullptr);
        shown = dlg->messageText();
        dlg->findChild<QPushButton*>(QStringLiteral("cbtnOk"))->click();
    });
    ReportError(30500);
    setReportHandler(previous);
    ASSERT_TRUE(*came);
    EXPECT_TRUE(shown.startsWith(QStringLiteral("3050-A schedule"))) << shown.toStdString();
    EXPECT_TRUE(errFlag);
}

}  // namespace
}  // namespace wm4::test
