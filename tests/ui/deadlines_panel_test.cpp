// The Deadlines panel shows the open case's deadlines with their status in
// words, follows a newly opened case, and exports the same dates as a
// calendar.
#include "ui/deadlines/deadlines_panel.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "files/client_file.h"
#include "forms/page000.h"
#include "session/case_session.h"
#include "support/qt_app.h"

namespace wm4 {
namespace {

QTreeWidget* tree(DeadlinesPanel& panel) {
    for (QTreeWidget* t : panel.findChildren<QTreeWidget*>())
        if (t->accessibleName() == QLatin1String("Deadlines of the case")) return t;
    return nullptr;
}

TEST(DeadlinesPanel, ListsTheCasesDeadlinesAndFollowsAnOpenedCase) {
    test::widgetApp();
    QTemporaryDir dir;
    CaseSession session(DefaultSettings(dir.path()));
    session.answers().setAnswer(page0::Page, 0, page0::DeathDate, QStringLiteral("1/15/2026"));
    DeadlinesPanel panel(session);
    panel.setToday([] { return QDate(2026, 7, 20); });
    QTreeWidget* list = tree(panel);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->topLevelItemCount(), 5);  // no spouse: no spouse's rights
    EXPECT_EQ(list->topLevelItem(0)->text(0), QStringLiteral("7/15/2026"));
    EXPECT_EQ(list->topLevelItem(0)->text(1), QStringLiteral("passed"));  // a bar date
    EXPECT_EQ(list->topLevelItem(0)->text(4), QStringLiteral("R.C. 2117.06(B)"));
    EXPECT_TRUE(list->topLevelItem(1)->text(0).startsWith(QStringLiteral("waiting for: ")));

    // Opening another case shows its deadlines at once.
    CaseData other;
    other.answers.setAnswer(page0::Page, 0, page0::DeathDate, QStringLiteral("7/1/2026"));
    other.answers.setAnswer(page0::Page, 0, page0::SpouseName, QStringLiteral("Eleanor Whitcombe"));
    WriteClientFile(other, dir.filePath(QStringLiteral("other.wm4")));
    ASSERT_TRUE(session.openCase(dir.filePath(QStringLiteral("other.wm4"))));
    ASSERT_EQ(list->topLevelItemCount(), 6);
    EXPECT_EQ(list->topLevelItem(0)->text(0), QStringLiteral("1/4/2027"))
        << "January 1 and the weekend are closed days";
    EXPECT_EQ(list->topLevelItem(0)->text(1), QStringLiteral("bar date"));

    const QString ics = dir.filePath(QStringLiteral("deadlines.ics"));
    ASSERT_TRUE(panel.exportCalendar(ics));
    QFile file(ics);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count("BEGIN:VEVENT"), 1);
}

}  // namespace
}  // namespace wm4
