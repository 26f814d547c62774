// The window's tables: Next and Prior, the recent list, the sizing by screen
// width and the copy-choice texts.
#include <gtest/gtest.h>

#include "case/answers.h"
#include "forms/page001.h"
#include "forms/page098.h"
#include "ui/dialogs/copy_choice.h"
#include "ui/mainwindow/navigation_rules.h"
#include "ui/mainwindow/recent_files.h"
#include "ui/mainwindow/window_sizing.h"

namespace wm4 {
namespace {

TEST(NavigationRules, NextAndPriorLeadWhereTheTablesSay) {
    struct Case {
        int page, copy;
        std::optional<int> next;
        int prior;
    };
    const Case cases[] = {
        {1, 0, 200, 200 - 1},  // prior of copy 0 is hidden; the code is never used
        {1, 2, 202, 201},
        {2, 0, 101, 100},
        {30, 1, 3101, 3100},
        {31, 0, 3001, 3000},
        {3, 0, 400, 0},
        {4, 0, std::nullopt, 300},
        {6, 2, 603, 601},
        {121, 0, 12101, 12099},
        {150, 0, std::nullopt, 0},
        {0, 0, std::nullopt, 0},
        {58, 1, 5702, 5701},
        {157, 0, 15800, 0},
        {158, 0, std::nullopt, 15700},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "page " << c.page << " copy " << c.copy);
        EXPECT_EQ(NextCode(c.page, c.copy), c.next);
        if (c.page != 1 || c.copy != 0) {
            EXPECT_EQ(PriorCode(c.page, c.copy), c.prior);
        }
    }
}

TEST(NavigationRules, ButtonsShowOnlyWhereTheMoveExists) {
    TAnswer a;
    a.NoOf1_0 = 3;
    a.NoOf6_1 = 2;
    a.NoOf2_2 = 0;
    struct Case {
        int page, copy;
        bool next, prior;
    };
    const Case cases[] = {
        {1, 0, true, false},    {2, 0, true, true},     {2, 2, false, true},
        {1, 2, true, true},     {30, 0, true, false},   {30, 1, true, true},
        {31, 1, false, true},   {31, 0, true, true},    {3, 0, true, false},
        {4, 0, false, true},    {121, 0, true, false},  {121, 1, false, true},
        {150, 0, false, false}, {151, 0, false, false}, {6, 0, false, false},
        {0, 0, false, false},   {102, 0, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "page " << c.page << " copy " << c.copy);
        const StepButtons b = StepButtonsFor(a, c.page, c.copy);
        EXPECT_EQ(b.next, c.next);
        EXPECT_EQ(b.prior, c.prior);
    }
}

TEST(RecentFiles, MostRecentFirstAtMostNineAndCaseBlindPromotion) {
    QStringList recent;
    for (int i = 0; i < 12; ++i) RememberRecentFile(recent, QStringLiteral("/c/f%1.wm4").arg(i));
    ASSERT_EQ(recent.size(), 9);
    EXPECT_EQ(recent.front(), QStringLiteral("/c/f11.wm4"));
    EXPECT_EQ(recent.back(), QStringLiteral("/c/f3.wm4"));
    EXPECT_TRUE(PromoteRecentFile(recent, QStringLiteral("/C/F5.WM4")));
    EXPECT_EQ(recent.front(), QStringLiteral("/c/f5.wm4"));
    EXPECT_EQ(recent.size(), 9);
    EXPECT_TRUE(PromoteRecentFile(recent, QStringLiteral("/x/untitled.WM4")));
    EXPECT_EQ(recent.front(), QStringLiteral("/c/f5.wm4"));
    EXPECT_FALSE(PromoteRecentFile(recent, QStringLiteral("/c/new.wm4")));
}

TEST(WindowSizing, ScreenWidthTable) {
    struct Case {
        int screen, window, tree;
        double scale;
        bool narrow;
    };
    const Case cases[] = {
        {800, 0, 0, 0.9, true},      {1024, 1024, 0, 1, false},   {1152, 1100, 112, 1, false},
        {1176, 1100, 136, 1, false}, {1280, 1280, 240, 1, false}, {1366, 1366, 326, 1, false},
        {1400, 1400, 360, 1, false}, {1919, 1400, 360, 1, false}, {1920, 1435, 384, 1, false},
        {10000, 800, 244, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.screen);
        const WindowSizing s = SizingForScreenWidth(c.screen);
        EXPECT_EQ(s.windowWidth, c.window);
        EXPECT_EQ(s.treeWidth, c.tree);
        EXPECT_DOUBLE_EQ(s.pageScale, c.scale);
        EXPECT_EQ(s.tooNarrow, c.narrow);
    }
    EXPECT_EQ(WindowHeightForScreen(1080), 999);
    EXPECT_EQ(WindowHeightForScreen(1024), 948);
}

TEST(CopyChoice, QuestionsAndItemTexts) {
    TAnswer a;
    a.NoOf1_0 = 3;
    a.setAnswer(page1::Page, 0, page1::Persons[1], QStringLiteral("Alice Green"));
    a.setAnswer(page1::Page, 2, page1::Persons[1], QStringLiteral("Carol Green"));
    CopyChoice c = CopyChoiceFor(a, 1);
    EXPECT_EQ(c.question,
              QStringLiteral("There is more than one page of Form 1.0. Please make your selection "
                             "in the drop-down box below"));
    EXPECT_EQ(c.items, (QStringList{QStringLiteral("Alice Green"), QStringLiteral("Page 2"),
                                    QStringLiteral("Carol Green")}));

    a.NoOf6_1 = 2;
    EXPECT_EQ(CopyChoiceFor(a, 30).items,
              (QStringList{QStringLiteral("Page No. 1"), QStringLiteral("Page No. 3")}));
    EXPECT_EQ(CopyChoiceFor(a, 31).items,
              (QStringList{QStringLiteral("Page 1"), QStringLiteral("Page 2")}));

    a.NoOf12 = 2;
    EXPECT_EQ(CopyChoiceFor(a, 57).items.value(1), QStringLiteral("Certificate of Transfer No. 2"));
    EXPECT_EQ(CopyChoiceFor(a, 100).items, (QStringList{QString(), QString()}));
    a.NoOf3774 = 2;
    a.setAnswer(page98::Page, 1, page98::Year, QStringLiteral("2019"));
    a.setAnswer(page98::Page, 1, page98::Make, QStringLiteral("Buick"));
    EXPECT_EQ(CopyChoiceFor(a, 98).items,
              (QStringList{QStringLiteral("Page 1"), QStringLiteral("2019 Buick")}));
    EXPECT_EQ(CopyChoiceFor(a, 98).question,
              QStringLiteral("There is more than one Form 3774 (Motor Vehicle Transfer). Please "
                             "make your selection in the drop-down box below"));
    a.NoOfCommRep = 2;
    EXPECT_TRUE(CopyChoiceFor(a, 71).question.startsWith(
        QStringLiteral("There is more than one page of the Commissioner's Report. Please")));
    EXPECT_TRUE(CopyChoiceFor(a, 84).items.isEmpty());
}

}  // namespace
}  // namespace wm4
