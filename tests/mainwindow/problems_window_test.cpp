// The Problems panel in the real main window: a run's reports are listed in
// one panel instead of one dialog each; an entry opens its page copy or its
// worksheet row; the list copies as text; the preference brings back the
// dialogs; Tools > Check Case lists the run's reports and the rules'
// findings.
#include <QAction>
#include <QClipboard>
#include <QDockWidget>
#include <QTreeWidget>

#include "calc/casecheck/place_text.h"
#include "case/worksheet_columns.h"
#include "ui/mainwindow/desktop_preferences.h"
#include "ui/mainwindow/desktop_reports.h"
#include "ui/problems/problems_dock.h"
#include "ui/problems/problems_panel.h"
#include "window_fixture.h"
#include "worksheets/window/worksheet_window.h"

namespace wm4::test {
namespace {

// Watches for modal dialogs while it lives, closing each and noting its
// class (unlike onNextModal, it is gone when the test ends, so it never
// takes a later test's dialog).
class ModalWatch {
public:
    explicit ModalWatch(std::function<void(QWidget*)> act = {}) : m_act(std::move(act)) {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) return;
            seen << QString::fromLatin1(modal->metaObject()->className());
            if (m_act) m_act(modal);
            modal->close();
        });
        m_timer.start(5);
    }
    QStringList seen;

private:
    std::function<void(QWidget*)> m_act;
    QTimer m_timer;
};

class ProblemsWindow : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        problems = InstallProblemsPanel(*window);
        // The desktop's handler: a report outside the list is a dialog.
        InstallDesktopReportHandler();
    }
    // Rows sent to the inventory without its category.
    void addUncategorisedAssets(int count) {
        WorksheetStore& assets = session().data().ASchedList;
        assets.setRowCount(count);
        for (int r = 0; r < count; ++r) {
            assets.setCell(assetColumn::Description, r, QStringLiteral("Asset %1").arg(r + 1));
            assets.setCell(assetColumn::Value, r, QStringLiteral("$10.00"));
            assets.setCell(assetColumn::ToForm6_0, r, QStringLiteral("X"));  // no category
        }
    }
    QTreeWidget* list() { return problems->panel().list(); }
    void doubleClick(int index) {
        QTreeWidgetItem* item = list()->topLevelItem(index);
        ASSERT_NE(item, nullptr);
        const QRect rect = list()->visualItemRect(item);
        ASSERT_TRUE(list()->isVisible());
        ASSERT_FALSE(rect.isEmpty()) << rect.width() << "x" << rect.height();
        // A double-click is a press and release, then the second press as
        // a double-click event.
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, rect.center());
    }

    ProblemsDock* problems = nullptr;
};

TEST_F(ProblemsWindow, FortyUncategorisedRowsAreOneListAndNoDialog) {
    addUncategorisedAssets(40);
    ModalWatch dialogs;
    window->RefreshClick();
    EXPECT_EQ(dialogs.seen, QStringList{});
    EXPECT_TRUE(answers().ErrFlag);  // the run stopped at its gate, as before
    const QList<Problem>& listed = problems->panel().problems();
    ASSERT_EQ(listed.size(), 40);
    for (int r = 0; r < 40; ++r) {
        EXPECT_EQ(listed[r].number, "16060");
        EXPECT_EQ(listed[r].place, ReportPlace::worksheetRow(1, r));
        EXPECT_TRUE(listed[r].text.contains(QStringLiteral("Asset %1.").arg(r + 1)))
            << listed[r].text.toStdString();
    }
    EXPECT_EQ(list()->topLevelItemCount(), 40);
    EXPECT_EQ(list()->topLevelItem(2)->text(3), "Asset Worksheet, row 3");
    EXPECT_TRUE(problems->dock().isVisible());

    // The list stays until the next run, which replaces it.
    session().data().ASchedList.setRowCount(1);
    session().data().ASchedList.clearRow(0);
    window->RefreshClick();
    EXPECT_TRUE(problems->panel().problems().isEmpty());
    EXPECT_FALSE(answers().ErrFlag);
}

TEST_F(ProblemsWindow, ReportsOutsideARunKeepTheirDialog) {
    ModalWatch dialogs;
    ReportError(11080);
    EXPECT_EQ(dialogs.seen, QStringList{"wm4::TfrmErrorDlg"});
    EXPECT_TRUE(problems->panel().problems().isEmpty());
}

TEST_F(ProblemsWindow, ThePreferenceBringsBackOneDialogPerReport) {
    SetReportDialogsPreferred(session().settings(), true);
    addUncategorisedAssets(3);
    ModalWatch dialogs;
    window->RefreshClick();
    EXPECT_EQ(dialogs.seen, QStringList{"wm4::TfrmErrorDlg"});  // the first row, as before
    EXPECT_TRUE(problems->panel().problems().isEmpty());
    EXPECT_TRUE(answers().ErrFlag);
}

TEST_F(ProblemsWindow, DoubleClickOpensThePageCopyOrTheWorksheetRow) {
    problems->panel().setProblems({{"1", "on the inventory", "", ReportPlace::pageCopy(28, 0)},
                                   {"2", "a kin row", "", ReportPlace::worksheetRow(0, 2)}});
    problems->dock().show();
    QTest::qWait(20);  // laid out
    doubleClick(0);
    EXPECT_EQ(window->CurrentPage(), 28);

    session().data().KSchedList.setRowCount(4);
    for (int r = 0; r < 4; ++r)
        session().data().KSchedList.setCell(kinColumn::Name, r,
                                            QStringLiteral("Person %1").arg(r + 1));
    int rowShown = -1;
    ModalWatch worksheet([&rowShown](QWidget* modal) {
        if (auto* sheet = qobject_cast<WorksheetWindow*>(modal)) rowShown = sheet->currentRow();
    });
    doubleClick(1);
    EXPECT_EQ(worksheet.seen.size(), 1);
    EXPECT_EQ(rowShown, 2);
}

TEST_F(ProblemsWindow, TheListCopiesAsTextAndTheMenuShowsIt) {
    addUncategorisedAssets(2);
    window->RefreshClick();
    problems->panel().copyToClipboard();
    const QStringList copied = QApplication::clipboard()->text().split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(copied.size(), 2);
    EXPECT_TRUE(copied[1].startsWith("16060\t")) << copied[1].toStdString();
    EXPECT_TRUE(copied[1].endsWith("\tAsset Worksheet, row 2")) << copied[1].toStdString();

    QAction* item = window->action(QStringLiteral("mnuProblems"));
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->isChecked());
    item->trigger();
    EXPECT_FALSE(problems->dock().isVisible());
    item->trigger();
    EXPECT_TRUE(problems->dock().isVisible());
}

TEST_F(ProblemsWindow, CheckCaseListsTheFindingsOfTheRichSample) {
    nextOpen = QStringLiteral(WM4_TEST_FIXTURES_DIR "/rich_sample.wm4");
    window->OpenClick();
    ASSERT_EQ(window->ClientFileName(), nextOpen);
    QAction* check = window->action(QStringLiteral("mnuCheckCase"));
    ASSERT_NE(check, nullptr);
    ASSERT_TRUE(check->isEnabled());
    check->trigger();
    EXPECT_TRUE(problems->panel().problems().isEmpty());
    EXPECT_TRUE(problems->dock().isVisible());  // "No problems."

    // Two inconsistencies: a notice without an address, a name misspelled.
    session().data().KSchedList.setCell(kinColumn::Street, 3, QString());
    session().data().ASchedList.setCell(assetColumn::Distributees, 4,
                                        QStringLiteral("Thomas R Whitcombe"));
    check->trigger();
    const QList<Problem>& listed = problems->panel().problems();
    ASSERT_EQ(listed.size(), 2);
    EXPECT_EQ(listed[0].number, "notice-address");
    EXPECT_EQ(listed[0].place, ReportPlace::worksheetRow(0, 3));
    EXPECT_EQ(listed[1].number, "name-spelling");
}

}  // namespace
}  // namespace wm4::test
