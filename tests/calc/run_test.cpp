// The calculation run: copy counters and thresholds, the page copy counts,
// the gates, re-entry, and the stage-3 order table.
#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "calc/calc_case.h"
#include "calc/page_units.h"
#include "calc/run/calculate_complete.h"
#include "calc/run/stage_order.h"
#include "case/page_catalogue.h"
#include "case/worksheet_columns.h"
#include "forms/page099.h"

namespace wm4 {
namespace {

using test::CalcCase;
using test::X;

struct RunTest : CalcCase, ::testing::Test {
    // Page 99 computes on every complete run; its base slot tells whether
    // stage 3 got that far.
    bool feePagesRan() { return !a().answer(page99::Page, 0, page99::TotalBase).isEmpty(); }
};

TEST_F(RunTest, AnEmptyCaseCountsOnlyTheSpouseLineAndTheAppointmentLetters) {
    CalculateComplete(ctx);
    EXPECT_TRUE(reports.reports().isEmpty());
    for (const CopyCounterField& field : CopyCounterFields) {
        const int expected = QLatin1String(field.name) == "NoOf1_0" ? 1 : 0;
        // The schedules that always print a page (a grand total) may count one.
        if (QLatin1String(field.name) == "NoOf13_2") continue;
        EXPECT_EQ(a().*(field.field), expected) << field.name;
    }
    EXPECT_EQ(a().PgCt[1], 1);
    EXPECT_EQ(a().PgCt[2], 1);
    EXPECT_EQ(a().PgCt[121], 2);
    EXPECT_EQ(a().PgCt[16], 0);
    EXPECT_TRUE(feePagesRan());
    EXPECT_FALSE(a().CalcActive);
}

TEST_F(RunTest, KinCountersAndTheirCopyThresholds) {
    struct Case {
        int column, marked;
        int TAnswer::*counter;
        int copies;
        int page;
    } cases[] = {
        {10, 10, &TAnswer::NoOf1_0, 1, 1},  // spouse line + 10 fill the front
        {10, 11, &TAnswer::NoOf1_0, 2, 2},     {11, 15, &TAnswer::NoOf1_0, 1, 1},
        {11, 16, &TAnswer::NoOf1_0, 2, 2},     {22, 0, &TAnswer::NoOf4_4, 0, 16},
        {22, 5, &TAnswer::NoOf4_4, 1, 16},     {22, 6, &TAnswer::NoOf4_4, 2, 16},
        {26, 11, &TAnswer::NoOf5_3, 3, 23},    {30, 3, &TAnswer::NoOf6_3, 3, 33},
        {34, 10, &TAnswer::NoOf10_2, 2, 50},   {35, 2, &TAnswer::NoOf10_4, 2, 52},
        {38, 4, &TAnswer::NoOf13_5, 4, 68},    {39, 10, &TAnswer::NoOf13_7b, 1, 70},
        {39, 11, &TAnswer::NoOf13_7b, 2, 70},  {16, 2, &TAnswer::NoOf24_2, 2, 153},
        {19, 40, &TAnswer::NoOf2_2, 40, 6},    {42, 2, &TAnswer::NoOfWillLtr, 2, 116},
        {43, 3, &TAnswer::NoOfInvLtr, 3, 117}, {44, 1, &TAnswer::NoOfAcctLtr, 1, 119},
        {46, 2, &TAnswer::NoOfInsLtr, 2, 122},
    };
    for (const Case& c : cases) {
        CalcCase f;
        f.markedKin(c.column, c.marked);
        PrepareCopiesAndSchedules(f.ctx);
        EXPECT_EQ(f.a().*(c.counter), c.copies) << "column " << c.column << ", " << c.marked;
        EXPECT_EQ(f.a().PgCt[c.page], c.copies) << "page " << c.page;
        EXPECT_TRUE(f.reports.reports().isEmpty()) << "column " << c.column;
    }
}

TEST_F(RunTest, AssetCountersAndTheirPages) {
    addAsset({{assetColumn::Description, "House"}, {assetColumn::ToForm12_0, X}});
    addAsset({{assetColumn::Description, "Lot"},
              {assetColumn::ToForm12_0, X},
              {assetColumn::ToBmv3774, X}});
    addAsset({{assetColumn::Description, "Car"},
              {assetColumn::ToForm9_C, X},
              {assetColumn::ToSpouseAffidavit, X},
              {assetColumn::ToStockPower, X}});
    PrepareCopiesAndSchedules(ctx);
    EXPECT_EQ(a().NoOf12, 2);
    for (int page : {55, 56, 57, 58, 59, 100, 196}) EXPECT_EQ(a().PgCt[page], 2) << page;
    EXPECT_EQ(a().PgCt[98], 1);
    EXPECT_EQ(a().PgCt[127], 1);
    EXPECT_EQ(a().PgCt[102], 1);
    EXPECT_EQ(a().PgCt[115], 1);
}

TEST_F(RunTest, FortyOneNoticesOfProbateReportOnceAndEndTheRunAfterCounting) {
    markedKin(19, 41);
    CalculateComplete(ctx);
    EXPECT_EQ(reports.numbers(), QList<int>{25020});
    EXPECT_EQ(a().NoOf2_2, 40);
    EXPECT_EQ(a().PgCt[6], 40);
    EXPECT_TRUE(a().ErrFlag);
    EXPECT_FALSE(feePagesRan());
}

TEST_F(RunTest, ACategoryFaultReportsOnceAndCalculatesNoPage) {
    addAsset({{assetColumn::Description, "Painting"},
              {assetColumn::ToForm3_0, X},
              {assetColumn::Category3_0, "Not used for this asset"}});
    addExpense({{expenseColumn::Description, "Funeral"}, {expenseColumn::ToForm13_0, X}});
    a().NoOf4_4 = 3;  // from an earlier run
    CalculateComplete(ctx);
    EXPECT_EQ(reports.numbers(), QList<int>{16010});
    EXPECT_EQ(reports.reports()[0].text, "Painting");
    EXPECT_EQ(a().NoOf4_4, 3);  // the counting stage did not run either
    EXPECT_FALSE(feePagesRan());
}

TEST_F(RunTest, MessagesOfPagesUpToTwentyEndTheRunAtTheGate) {
    markedKin(17, 9);  // Form 2.0 front lists 8 waiving persons
    CalculateComplete(ctx);
    EXPECT_EQ(reports.numbers(), QList<int>{29010});
    EXPECT_FALSE(feePagesRan());
}

TEST_F(RunTest, MessagesOfLaterPagesLeaveTheRunToFinish) {
    markedKin(12, 11);  // the attorney-fee consent holds 10 (page 43)
    CalculateComplete(ctx);
    EXPECT_EQ(reports.numbers(), QList<int>{29130});
    EXPECT_TRUE(feePagesRan());
    EXPECT_FALSE(a().CalcActive);
}

TEST_F(RunTest, ARunClearsTheErrorFlagOfThePreviousOne) {
    a().ErrFlag = true;
    CalculateComplete(ctx);
    EXPECT_FALSE(a().ErrFlag);
    EXPECT_TRUE(feePagesRan());
}

TEST_F(RunTest, ACallDuringARunReturnsAtOnce) {
    int hookCalls = 0;
    ctx.storeOpenWorksheets = [&] {
        ++hookCalls;
        EXPECT_TRUE(a().CalcActive);
        CalculateComplete(ctx);  // as from a handler reached during a dialog
    };
    CalculateComplete(ctx);
    EXPECT_EQ(hookCalls, 1);
    EXPECT_FALSE(a().CalcActive);
    EXPECT_TRUE(feePagesRan());
}

TEST_F(RunTest, AnExceptionLeavesTheRunInactive) {
    ctx.storeOpenWorksheets = [] { throw std::runtime_error("grid gone"); };
    EXPECT_THROW(CalculateComplete(ctx), std::runtime_error);
    EXPECT_FALSE(a().CalcActive);
    ctx.storeOpenWorksheets = nullptr;
    CalculateComplete(ctx);
    EXPECT_TRUE(feePagesRan());
}

TEST_F(RunTest, TheWorksheetHookRunsBeforeTheCount) {
    ctx.storeOpenWorksheets = [&] { markedKin(22, 6); };  // unsaved edits of a window
    CalculateComplete(ctx);
    EXPECT_EQ(a().NoOf4_4, 2);
}

TEST_F(RunTest, CountsBeyondTheStoreAreHeldToItAndReported) {
    struct Case {
        bool kinRows;
        int column, rows;
        int TAnswer::*counter;
        int page;
    } cases[] = {
        {true, 30, 120, &TAnswer::NoOf6_3, 33},     // one Form 6.3 notice per person
        {false, 28, 100, &TAnswer::NoOf12, 55},     // one certificate of transfer per asset
        {false, 36, 995, &TAnswer::NoOfCPID, 111},  // ten identifiers a form
    };
    for (const Case& c : cases) {
        CalcCase f;
        WorksheetStore& store = c.kinRows ? f.data.KSchedList : f.data.ASchedList;
        store.setRowCount(c.rows);
        for (int row = 0; row < c.rows; ++row) store.setCell(c.column, row, X);
        PrepareCopiesAndSchedules(f.ctx);
        EXPECT_EQ(f.a().*(c.counter), 99) << c.page;
        EXPECT_EQ(f.a().PgCt[c.page], 99) << c.page;
        EXPECT_EQ(f.reports.numbers(), QList<int>{18012}) << c.page;
    }
}

// ----- the stage-3 order table -----------------------------------------------

TEST(StageOrderTest, EveryUnitRunsAndMultiCopyPagesUseTheirCatalogueCounter) {
    std::multiset<int> ran;
    for (const StageStep& step : StageOrder()) {
        for (int i = 0; i < step.pages.count; ++i) {
            const int page = step.pages.pages[i];
            ran.insert(page);
            const PageEntry* entry = catalogueEntry(page);
            ASSERT_NE(entry, nullptr) << page;
            EXPECT_EQ(entry->copyCounter, step.counter) << page;
            EXPECT_EQ(entry->fixedCopies, step.fixedCopies) << page;
        }
    }
    EXPECT_EQ(ran.count(128), 2u);
    for (int page = 0; page < PageCount; ++page) {
        if (pageUnit(page)) {
            EXPECT_GE(ran.count(page), 1u) << "unit of page " << page;
        }
        if (page != 128) {
            EXPECT_LE(ran.count(page), 1u) << page;
        }
    }
    // Pages without a calculation never run (the Form Tracker has one: its
    // deadlines).
    for (int page : {78, 103, 130, 180, 199}) EXPECT_EQ(ran.count(page), 0u) << page;
}

TEST(StageOrderTest, TheGateFollowsPageTwenty) {
    const auto order = StageOrder();
    int lastPageBeforeGate = -1;
    for (const StageStep& step : order) {
        if (step.action == StageAction::Gate) break;
        if (step.pages.count) lastPageBeforeGate = step.pages.pages[step.pages.count - 1];
    }
    EXPECT_EQ(lastPageBeforeGate, 20);
}

}  // namespace
}  // namespace wm4
