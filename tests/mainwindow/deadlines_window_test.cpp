// The Deadlines panel in the main window: a date typed on General Information
// shows its deadline after Refresh, and Window > Deadlines hides and shows
// the dock.
#include <QAction>
#include <QDockWidget>
#include <QTreeWidget>

#include "ui/deadlines/deadlines_dock.h"
#include "ui/deadlines/deadlines_panel.h"
#include "window_fixture.h"

namespace wm4::test {
namespace {

class DeadlinesWindow : public WindowTest {};

TEST_F(DeadlinesWindow, ADateTypedOnThePageShowsItsDeadlineAfterRefresh) {
    DeadlinesPanel* panel = InstallDeadlinesPanel(*window);
    ASSERT_NE(panel, nullptr);
    panel->setToday([] { return QDate(2026, 2, 1); });
    typeInto(QStringLiteral("Date of death"), QStringLiteral("1/15/2026"));
    window->RefreshClick();
    auto* list = panel->findChild<QTreeWidget*>();
    ASSERT_NE(list, nullptr);
    ASSERT_GE(list->topLevelItemCount(), 1);
    EXPECT_EQ(list->topLevelItem(0)->text(0), QStringLiteral("7/15/2026"));
    EXPECT_EQ(list->topLevelItem(0)->text(4), QStringLiteral("R.C. 2117.06(B)"));

    auto* dock = window->findChild<QDockWidget*>(QStringLiteral("dockDeadlines"));
    ASSERT_NE(dock, nullptr);
    QAction* item = window->action(QStringLiteral("mnuDeadlines"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+D")));
    ASSERT_TRUE(dock->isVisible());
    item->trigger();
    EXPECT_FALSE(dock->isVisible());
    EXPECT_FALSE(item->isChecked());
    item->trigger();
    EXPECT_TRUE(dock->isVisible());
}

// Every row reads at 4.5:1 on the list, the waiting ones too, and what a row
// waits for is in its tool tip in full.
TEST_F(DeadlinesWindow, EveryRowIsReadableAndSaysInFullWhatItWaitsFor) {
    DeadlinesPanel* panel = InstallDeadlinesPanel(*window);
    panel->setToday([] { return QDate(2026, 2, 1); });
    typeInto(QStringLiteral("Date of death"), QStringLiteral("1/15/2026"));
    window->RefreshClick();
    auto* list = panel->findChild<QTreeWidget*>();
    ASSERT_GE(list->topLevelItemCount(), 1);
    const QColor base = list->palette().color(QPalette::Base);
    bool waiting = false;
    for (int r = 0; r < list->topLevelItemCount(); ++r) {
        QTreeWidgetItem* item = list->topLevelItem(r);
        for (int c = 0; c < list->columnCount(); ++c)
            EXPECT_GE(ContrastRatio(item->foreground(c).color(), base), 4.5)
                << item->text(0).toStdString();
        if (item->text(0).startsWith(QStringLiteral("waiting"))) {
            waiting = true;
            EXPECT_TRUE(item->toolTip(1).contains(item->text(0))) << item->text(0).toStdString();
        }
    }
    EXPECT_TRUE(waiting) << "the case has a deadline that waits for a date";
    // The palette's own greyed text (about 1.8:1) is what the rows are kept from.
    EXPECT_GE(ContrastRatio(ReadableMutedText(list->palette()), base), 4.5);
}

}  // namespace
}  // namespace wm4::test
