// Showing another page must not store the old page's controls into the new
// one: the focused box loses the focus while its page is cleared.
#include <QApplication>
#include <QLineEdit>

#include "commands/commands_fixture.h"
#include "forms/page000.h"
#include "forms/page028.h"
#include "mainwindow/window_fixture.h"

namespace wm4 {
namespace {

class PageChangeTest : public test::WindowTest {};

TEST_F(PageChangeTest, TheFocusedBoxOfTheOldPageStaysOnItsPage) {
    nextOpen = test::richSamplePath();
    window->OpenClick();
    // General Information opens with its first box focused; Form 6.0's
    // appraiser (slot 13) is empty in the sample.
    ASSERT_TRUE(qobject_cast<QLineEdit*>(QApplication::focusWidget()));
    const QString before = answers().answer(page28::Page, 0, page28::Appraiser);
    const QString generalInformation = answers().answer(page0::Page, 0, page0::DecedentZip);
    window->DisplayAPage(2800);
    QApplication::processEvents();
    EXPECT_EQ(answers().answer(page28::Page, 0, page28::Appraiser), before);
    EXPECT_EQ(answers().answer(page0::Page, 0, page0::DecedentZip), generalInformation);
}

}  // namespace
}  // namespace wm4
