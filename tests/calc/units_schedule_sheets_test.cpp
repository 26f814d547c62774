// Schedule sheets: which buffer rows a copy shows, where they go, and the
// kept sheet numbers.
#include <gtest/gtest.h>

#include "calc/calc_case.h"
#include "calc/units/units.h"
#include "forms/page030.h"
#include "forms/page031.h"
#include "forms/page061.h"
#include "forms/page062.h"
#include "forms/page063.h"
#include "forms/page064.h"
#include "forms/page065.h"
#include "forms/page155.h"
#include "forms/page156.h"

namespace wm4::test {
namespace {

class ScheduleSheets : public CalcCaseTest {
protected:
    // An inventory of `rows` rows "row i" valued "i.00", laid out on
    // `pages` printed pages.
    void inventory(int rows, int pages) {
        for (int i = 0; i < rows; ++i) {
            InventoryRow& row = buffers.inventory.rows.at(i);
            row.description = QStringLiteral("row %1").arg(i);
            row.value = QStringLiteral("%1.00").arg(i);
        }
        buffers.inventory.totalPages = pages;
    }
};

TEST_F(ScheduleSheets, InventoryCopiesShowTheirRowsAndSheetNumbers) {
    inventory(100, 3);  // 86 rows on sheet 1 (pages 1, 2), 14 on the front of sheet 2
    units::Calc30(ctx, 0);
    units::Calc31(ctx, 0);
    units::Calc30(ctx, 1);
    units::Calc31(ctx, 1);
    EXPECT_EQ(slot(page30::Page, 0, page30::Lines.start), "row 0");
    EXPECT_EQ(slot(page30::Page, 0, page30::Lines.start + 2), "0.00");
    EXPECT_EQ(slot(30, 0, 6 + 3 * 35), "row 35");
    EXPECT_EQ(slot(page31::Page, 0, page31::Lines.start), "row 36");
    EXPECT_EQ(slot(31, 0, 3 + 3 * 49), "row 85");
    EXPECT_EQ(slot(page30::Page, 1, page30::Lines.start), "row 86");
    EXPECT_EQ(slot(30, 1, 6 + 3 * 14), "");
    // The schedule's 3 pages print on 4 sides: the last back, empty, is
    // numbered with them ("Page 4 of 4", not "Page __ of __").
    EXPECT_EQ(slot(page30::Page, 0, page30::PageNumber), "1");
    EXPECT_EQ(slot(page30::Page, 0, page30::NumberOfPages), "4");
    EXPECT_EQ(slot(page31::Page, 0, page31::PageNumber), "2");
    EXPECT_EQ(slot(page30::Page, 1, page30::PageNumber), "3");
    EXPECT_EQ(slot(page31::Page, 1, page31::PageNumber), "4");
    EXPECT_EQ(slot(page31::Page, 1, page31::NumberOfPages), "4");
}

// Every empty back of the two-sided schedules (6.1, 13.1, 13.2) is numbered.
TEST_F(ScheduleSheets, EmptyBacksAreNumberedWithTheSidesPrinted) {
    buffers.account.totalPages = 3;  // 2 sheets, the second ending on its front
    buffers.assetsRemaining.totalPages = 1;
    units::Calc62(ctx, 1);
    units::Calc63(ctx, 1);
    units::Calc64(ctx, 0);
    units::Calc65(ctx, 0);
    const struct {
        int page, copy, number, count;
    } sides[] = {{page62::Page, 1, page62::PageNumber, page62::NumberOfPages},
                 {page63::Page, 1, page63::PageNumber, page63::NumberOfPages},
                 {page64::Page, 0, page64::PageNumber, page64::NumberOfPages},
                 {page65::Page, 0, page65::PageNumber, page65::NumberOfPages}};
    const char* expected[][2] = {{"3", "4"}, {"4", "4"}, {"1", "2"}, {"2", "2"}};
    for (size_t i = 0; i < std::size(sides); ++i) {
        SCOPED_TRACE(sides[i].page);
        EXPECT_EQ(slot(sides[i].page, sides[i].copy, sides[i].number), expected[i][0]);
        EXPECT_EQ(slot(sides[i].page, sides[i].copy, sides[i].count), expected[i][1]);
    }
}

TEST_F(ScheduleSheets, OverriddenSheetNumberIsKeptAndLinesAreRewritten) {
    inventory(3, 1);
    overrideSlot(page30::Page, 0, page30::PageNumber, QStringLiteral("7"));
    overrideSlot(page30::Page, 0, page30::Lines.start + 3, QStringLiteral("typed"));
    units::Calc30(ctx, 0);
    EXPECT_EQ(slot(page30::Page, 0, page30::PageNumber), "7");
    EXPECT_EQ(slot(page30::Page, 0, page30::Lines.start + 3), "row 1");
}

// Items come with the worksheet's "$", subtotals without: the sheets copy
// both as the schedule wrote them.
TEST_F(ScheduleSheets, MoneyColumnsCopyTheScheduleTextsAsTheyStand) {
    inventory(2, 1);
    buffers.inventory.rows.at(0).value = QStringLiteral("$3,500.00");
    buffers.account.rows.at(0).receipt = QStringLiteral("$12,345.67");
    buffers.account.rows.at(1).disbursement = QStringLiteral("$ 250.00");
    buffers.account.totalPages = 1;
    units::Calc30(ctx, 0);
    units::Calc62(ctx, 0);
    EXPECT_EQ(slot(page30::Page, 0, page30::Lines.start + 2), "$3,500.00");
    EXPECT_EQ(slot(page30::Page, 0, page30::Lines.start + 5), "1.00");
    EXPECT_EQ(slot(62, 0, 6 + 3), "$12,345.67");
    EXPECT_EQ(slot(62, 0, 6 + 4 + 2), "$ 250.00");
}

TEST_F(ScheduleSheets, ClaimsOnTheFirstSheetAndItsContinuations) {
    for (int i = 0; i < 60; ++i)
        buffers.insolvency.rows.at(i).description = QStringLiteral("claim %1").arg(i);
    a().NoOf24_5 = 2;
    units::Calc155(ctx, 0);
    units::Calc156(ctx, 1);
    EXPECT_EQ(slot(page155::Page, 0, page155::Lines.start + 1), "claim 0");
    EXPECT_EQ(slot(page155::Page, 0, page155::PageNumber), "1");
    EXPECT_EQ(slot(page155::Page, 0, page155::NumberOfPages), "3");
    EXPECT_EQ(slot(page156::Page, 1, page156::Lines.start + 1), "claim 52");
    EXPECT_EQ(slot(156, 1, 8 + 6 * 7), "claim 59");
    EXPECT_EQ(slot(156, 1, 8 + 6 * 8), "");
    EXPECT_EQ(slot(page156::Page, 1, page156::PageNumber), "3");
}

TEST_F(ScheduleSheets, AccountSummaryTakesTheScheduleTotals) {
    buffers.account.receiptSubtotals = {100, 0, 0, 0, 50, 0};
    buffers.account.receiptsTotal = 150;
    buffers.account.disbursementSubtotals[3] = 40.5;
    buffers.account.disbursementsTotal = 40.5;
    units::Calc61(ctx, 0);
    EXPECT_EQ(slot(page61::Page, 0, page61::PersonalPropertyNotSold), "100.00");
    EXPECT_EQ(slot(page61::Page, 0, page61::TotalReceipts), "150.00");
    EXPECT_EQ(slot(page61::Page, 0, page61::DebtsAndClaimsAgainstTheEstate), "40.50");
    EXPECT_EQ(slot(page61::Page, 0, page61::TotalDisbursements), "40.50");
    EXPECT_EQ(slot(page61::Page, 0, page61::BalanceRemainingInTheFiduciaryHands), "109.50");
}

}  // namespace
}  // namespace wm4::test
