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

}  // namespace
}  // namespace wm4::test
