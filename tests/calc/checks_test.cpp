// The checks of the run and the shared capacity routines the units use.
#include <gtest/gtest.h>

#include "calc/calc_case.h"
#include "calc/checks/category_test.h"
#include "calc/checks/dollar_ceilings.h"
#include "calc/checks/item_capacity.h"
#include "calc/checks/line_capacity.h"
#include "calc/checks/person_capacity.h"
#include "case/worksheet_columns.h"

namespace wm4 {
namespace {

using test::CalcCase;
using test::X;

struct CheckTest : CalcCase, ::testing::Test {};

// ----- A: the category test -------------------------------------------------

TEST_F(CheckTest, EveryCategoryRuleReportsItsRowWhenTheCategoryIsMissing) {
    for (const CategoryRule& rule : CategoryRules()) {
        for (const char* missing : {"", "0", "Not used for this asset", "Not used for this expense",
                                    "NOT USED ON THIS EXPENSE"}) {
            CalcCase f;
            auto row = {std::pair<int, QString>{1, "The item"},
                        {rule.sendColumn, X},
                        {rule.categoryColumn, QString::fromLatin1(missing)}};
            rule.grid == Grid::Asset ? f.addAsset(row) : f.addExpense(row);
            EXPECT_FALSE(Test4Errs(f.data));
            ASSERT_EQ(f.reports.numbers(), QList<int>{rule.errNo}) << rule.form << missing;
            EXPECT_EQ(f.reports.reports()[0].text, "The item");
        }
    }
}

TEST_F(CheckTest, ForAnExpenseSentToForm24_4TheOnItemCountsAsMissing) {
    // The expense list's first item reads "on", not "for": a claim left on it
    // was never categorised and would drop out of the schedule of claims.
    addExpense({{expenseColumn::Description, "Hospital bill"},
                {expenseColumn::ToForm24_4, X},
                {expenseColumn::Category24_4, "Not used on this expense"}});
    EXPECT_FALSE(Test4Errs(data));
    EXPECT_EQ(reports.numbers(), QList<int>{16140});
}

TEST_F(CheckTest, CategoryTestStopsAtTheFirstAssetFaultAndSkipsExpenses) {
    addExpense({{expenseColumn::Description, "Funeral"},
                {expenseColumn::ToForm13_0, X}});  // no Form 13.0 category
    addAsset({{assetColumn::Description, "Cash"},
              {assetColumn::ToForm3_0, X},
              {assetColumn::Category3_0, "Real Estate"}});  // categorised
    addAsset({{assetColumn::Description, "Old car"},
              {assetColumn::ToForm13_0, X},
              {assetColumn::ToForm6_0, X},
              {assetColumn::Category6_0, ""}});  // 6.0 (rule 6) before 13.0 (rule 9)
    addAsset({{assetColumn::Description, "Boat"}, {assetColumn::ToForm3_0, X}});  // never reached
    EXPECT_FALSE(Test4Errs(data));
    ASSERT_EQ(reports.numbers(), QList<int>{16060});
    EXPECT_EQ(reports.reports()[0].text, "Old car");
}

TEST_F(CheckTest, CategorisedAndUnmarkedRowsPass) {
    addAsset({{assetColumn::Description, "Cash"},
              {assetColumn::ToForm3_0, X},
              {assetColumn::Category3_0, "Readily Ascertainable Value"}});
    addAsset({{assetColumn::Description, "Unsent"},
              {assetColumn::ToForm3_0, "x"}});  // only "X" marks a row
    addExpense({{expenseColumn::Description, "Claim"},
                {expenseColumn::ToForm24_4, X},
                {expenseColumn::Category24_4, "(3) Funeral"}});
    EXPECT_TRUE(Test4Errs(data));
    EXPECT_TRUE(reports.reports().isEmpty());
}

// ----- C: person capacities ---------------------------------------------------

TEST_F(CheckTest, TheSurplusPersonIsTakenOffTheFormOnePerRun) {
    const PersonCapacity& form2_1 = *personCapacity(5);
    markedKin(form2_1.kinColumn, 36);

    const PersonSelection first = SelectPersons(data, form2_1);
    EXPECT_EQ(first.rows.size(), 34);
    EXPECT_TRUE(first.overflow);
    EXPECT_EQ(reports.numbers(), QList<int>{29060});
    EXPECT_EQ(data.KSchedList.cell(form2_1.kinColumn, 34), "");  // the 35th is off
    EXPECT_EQ(data.KSchedList.cell(form2_1.kinColumn, 35), X);   // the 36th stays

    reports.clear();
    const PersonSelection second = SelectPersons(data, form2_1);
    EXPECT_EQ(second.rows.back(), 33);
    EXPECT_EQ(reports.numbers(), QList<int>{29060});
    EXPECT_EQ(data.KSchedList.cell(form2_1.kinColumn, 35), "");

    reports.clear();
    const PersonSelection third = SelectPersons(data, form2_1);
    EXPECT_FALSE(third.overflow);
    EXPECT_TRUE(reports.reports().isEmpty());
}

TEST_F(CheckTest, Form9_0KeepsTheSurplusPersonAndReportsEveryRun) {
    const PersonCapacity& form9_0 = *personCapacity(40);
    markedKin(form9_0.kinColumn, 6);
    for (int run = 0; run < 2; ++run) {
        reports.clear();
        EXPECT_TRUE(SelectPersons(data, form9_0).overflow);
        ASSERT_EQ(reports.numbers(), QList<int>{30219});
        EXPECT_EQ(reports.reports()[0].text, "Form 9.0");
        EXPECT_EQ(data.KSchedList.cell(form9_0.kinColumn, 5), X);
    }
}

TEST_F(CheckTest, PersonSlotsFollowTheFormLayout) {
    EXPECT_EQ(personSlot(*personCapacity(35), 2), 8 + 14);  // minors 7 slots apart
    EXPECT_EQ(personSlot(*personCapacity(3), 7), 27);
    EXPECT_EQ(personCapacity(2), nullptr);
}

// ----- E: line capacities -----------------------------------------------------

TEST_F(CheckTest, LinePlacementFollowsWhatTheBoxDoesAfterAnOverflow) {
    struct Case {
        quint16 box;
        int used, wanted;
        int lines;
        bool overflow, endsPage;
    } cases[] = {
        {29170, 20, 2, 2, false, false},  // exactly full: no message
        {29170, 20, 3, 2, true, true},    // 5.1 other assets: ends the page
        {29200, 1, 3, 1, true, false},    // 5.6 personalty: only the row stops
        {29200, 2, 1, 0, true, false},    // a later row finds no room and reports again
        {29299, 10, 4, 4, true, false},   // 3.0 back: text kept whole, message warns
    };
    for (const Case& c : cases) {
        reports.clear();
        const LinePlacement p = PlaceLines(*lineCapacity(c.box), c.used, c.wanted);
        EXPECT_EQ(p.lines, c.lines) << c.box;
        EXPECT_EQ(p.overflow, c.overflow) << c.box;
        EXPECT_EQ(p.endsPage, c.endsPage) << c.box;
        EXPECT_EQ(reports.numbers(), c.overflow ? QList<int>{c.box} : QList<int>{}) << c.box;
    }
}

// ----- F: item capacities -----------------------------------------------------

TEST_F(CheckTest, AThirdVehicleOnForm5_10IsLeftOutWithOneMessage) {
    const ItemCapacity& vehicles = *itemCapacity(30019);
    EXPECT_TRUE(ItemFits(vehicles, 0));
    EXPECT_TRUE(ItemFits(vehicles, 1));
    EXPECT_FALSE(ItemFits(vehicles, 2));
    EXPECT_FALSE(ItemFits(vehicles, 3));
    EXPECT_EQ(reports.numbers(), QList<int>{30019});
    EXPECT_EQ(vehicles.after, ItemOverflow::ListStops);
}

// ----- G: dollar ceilings -----------------------------------------------------

TEST_F(CheckTest, ReliefTotalAgainstTheCheckedCeilings) {
    struct Case {
        std::initializer_list<int> boxes;
        const char* total;
        QList<int> expected;
    } cases[] = {
        {{14}, "25,000.00", {}},
        {{14}, "25,000.01", {31020}},
        {{13, 17}, "90,000.00", {31010, 31050}},
        {{18}, "100,000.00", {}},
        {{}, "1,000,000.00", {}},
    };
    for (const Case& c : cases) {
        CalcCase f;
        for (int box : c.boxes) f.a().setAnswer(Form5_0Page, 0, box, X);
        f.a().setAnswer(Form5_1FrontPage, 0, Form5_1TotalSlot, QString::fromLatin1(c.total));
        EXPECT_EQ(CheckReliefCeilings(f.a()), c.expected.isEmpty()) << c.total;
        EXPECT_EQ(f.reports.numbers(), c.expected) << c.total;
    }
}

TEST_F(CheckTest, AutomobilesToTheSpouseUpToTheAllowance) {
    EXPECT_TRUE(CheckAutomobileAllowance(40000.0 + 25000.0, ErrForm5_1Automobiles));
    EXPECT_TRUE(reports.reports().isEmpty());
    EXPECT_FALSE(CheckAutomobileAllowance(40000.0 + 25000.01, ErrForm5_1Automobiles));
    EXPECT_FALSE(CheckAutomobileAllowance(65000.01, ErrForm6_0Automobiles));
    EXPECT_EQ(reports.numbers(), (QList<int>{31070, 31080}));
}

}  // namespace
}  // namespace wm4
