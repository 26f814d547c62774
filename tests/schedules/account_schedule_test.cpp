#include "schedules/account_schedule.h"

#include "schedule_fixture.h"

namespace wm4 {
namespace {

// Asset: 1 description, 2 value, 29 to Form 13.0, 56 category.
// Expense: 1 description, 2 amount, 3 check number, 6 category, 9 to Form 13.0.
test::Cells Receipt(const QString& description, const QString& value, const QString& category) {
    return {{1, description}, {2, value}, {29, "X"}, {56, category}};
}
test::Cells Disbursement(const QString& description, const QString& amount,
                         const QString& checkNumber, const QString& category) {
    return {{1, description}, {2, amount}, {3, checkNumber}, {6, category}, {9, "X"}};
}

using AccountScheduleTest = test::ScheduleTest;

QStringList texts(const AccountRow& row) {
    return {row.description, row.checkNumber, row.disbursement, row.receipt};
}

TEST_F(AccountScheduleTest, OneIncomeReceiptOfThreeLines) {
    test::AddRow(data.ASchedList, Receipt("Dividend | Acme Corp. | 2023", "$1,250.00", "Income"));
    EXPECT_EQ(CountAccountSchedule(data, buffers, wrapper), 1);
    EXPECT_EQ(buffers.account.rowCount, 11);  // 3 lines + 4 + 4
    EXPECT_EQ(buffers.account.totalPages, 1);
    EXPECT_DOUBLE_EQ(buffers.account.receiptsTotal, 1250);
    BuildAccountSchedule(data, buffers, wrapper);

    const auto& rows = buffers.account.rows;
    EXPECT_EQ(rows.size(), 10);
    const QList<QStringList> expected = {
        {"RECEIPTS *****************************", "", "", ""},
        {"", "", "", ""},
        {"INCOME ****", "", "", ""},
        {"", "", "", ""},
        {"Dividend", "", "", "$1,250.00"},
        {"Acme Corp.", "", "", ""},
        {"2023", "", "", ""},
        {"**********Income Subtotal", "", "", "1,250.00"},
        {"", "", "", ""},
        {"********** Grand Total of Receipts", "", "", "1,250.00"},
    };
    for (int i = 0; i < expected.size(); ++i) EXPECT_EQ(texts(rows.row(i)), expected[i]) << i;
    EXPECT_TRUE(reports.numbers().isEmpty());
}

TEST_F(AccountScheduleTest, ReceiptsAndDisbursementsInTableOrder) {
    auto& assets = data.ASchedList;
    auto& expenses = data.ESchedList;
    test::AddRow(assets, Receipt("Interest", "$10.00", "OTHER RECEIPTS"));
    test::AddRow(assets, Receipt("Household goods", "$500.00", "personal property not sold"));
    test::AddRow(assets, Receipt("Lottery ticket", "$5.00", "Nothing of the list"));
    test::AddRow(expenses, Disbursement("Court costs", "$100.00", "1001",
                                        "Other Administrative Costs and Expenses"));
    test::AddRow(expenses, Disbursement("Refund", "$0.00", "1002", "OTHER DISBURSEMENTS"));
    test::AddRow(expenses, Disbursement("Fiduciary fee", "$300.00", "1003",
                                        "FIDUCIARY FEES THIS ACCOUNTING PERIOD"));

    // Lines 3 + 3; receipt groups 2 x 4 + 4; disbursement groups 2 x 4 + 4.
    EXPECT_EQ(CountAccountSchedule(data, buffers, wrapper), 1);
    EXPECT_EQ(buffers.account.rowCount, 30);
    EXPECT_DOUBLE_EQ(buffers.account.receiptsTotal, 510);
    EXPECT_DOUBLE_EQ(buffers.account.disbursementsTotal, 400);
    BuildAccountSchedule(data, buffers, wrapper);

    const QList<QStringList> expected = {
        {"RECEIPTS *****************************", "", "", ""},
        {"", "", "", ""},
        {"PERSONAL PROPERTY NOT SOLD ***", "", "", ""},
        {"", "", "", ""},
        {"Household goods", "", "", "$500.00"},
        {"********** Personal Property Not Sold Subtotal", "", "", "500.00"},
        {"", "", "", ""},
        {"OTHER RECEIPTS ****", "", "", ""},
        {"", "", "", ""},
        {"Interest", "", "", "$10.00"},
        {"**********Other Receipts Subtotal", "", "", "10.00"},
        {"", "", "", ""},
        {"********** Grand Total of Receipts", "", "", "510.00"},
        {"", "", "", ""},
        {"DISBURSEMENTS *****************************", "", "", ""},
        {"", "", "", ""},
        {"FIDUCIARY FEES THIS ACCOUNTING PERIOD ***", "", "", ""},
        {"", "", "", ""},
        {"Fiduciary fee", "1003", "$300.00", ""},
        {"********** Fiduciary Fees This Accounting Period Subtotal", "", "300.00", ""},
        {"", "", "", ""},
        {"OTHER ADMINISTRATIVE COSTS & EXPENSES ***", "", "", ""},
        {"", "", "", ""},
        {"Court costs", "1001", "$100.00", ""},
        {"********** Other Administrative Costs & Expenses Subtotal", "", "100.00", ""},
        {"", "", "", ""},
        {"********** Grand Total of Disbursements", "", "400.00", ""},
    };
    ASSERT_EQ(buffers.account.rows.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(texts(buffers.account.rows.row(i)), expected[i]) << i;
}

// Every group's header and subtotal row, word for word, in printing order:
// one receipt or disbursement of 1.00 in each category.
TEST_F(AccountScheduleTest, EveryGroupPrintsItsHeaderAndSubtotalAsTheFormHasThem) {
    const struct {
        const char* category;
        const char* header;
        const char* subtotal;
    } receipts[] =
        {
            {"PERSONAL PROPERTY NOT SOLD", "PERSONAL PROPERTY NOT SOLD ***",
             "********** Personal Property Not Sold Subtotal"},
            {"PROCEEDS FROM SALE OF PERSONAL PROPERTY",
             "PROCEEDS FROM SALE OF PERSONAL PROPERTY ***",
             "********** Proceeds From Sale of Personal Property Subtotal"},
            // The form's row ends "Subtotal of" with nothing after it; the
            // stray word is left off.
            {"REAL PROPERTY NOT SOLD", "REAL PROPERTY NOT SOLD ***",
             "********** Real Property Not Sold Subtotal"},
            {"PROCEEDS FROM SALE OF REAL PROPERTY", "PROCEEDS FROM SALE OF REAL PROPERTY ***",
             "********** Proceeds From Sale of Real Property Subtotal"},
            {"INCOME", "INCOME ****", "**********Income Subtotal"},
            {"OTHER RECEIPTS", "OTHER RECEIPTS ****", "**********Other Receipts Subtotal"},
        },
      disbursements[] = {
          {"FIDUCIARY FEES THIS ACCOUNTING PERIOD", "FIDUCIARY FEES THIS ACCOUNTING PERIOD ***",
           "********** Fiduciary Fees This Accounting Period Subtotal"},
          {"ATTORNEY FEES THIS ACCOUNTING PERIOD", "ATTORNEY FEES THIS ACCOUNTING PERIOD ***",
           "********** Attorney Fees This Accounting Period Subtotal"},
          {"OTHER ADMINISTRATIVE COSTS AND EXPENSES", "OTHER ADMINISTRATIVE COSTS & EXPENSES ***",
           "********** Other Administrative Costs & Expenses Subtotal"},
          {"DEBTS AND CLAIMS AGAINST ESTATE", "DEBTS & CLAIMS AGAINST ESTATE ***",
           "********** Debts & Claims Against Estate Subtotal"},
          {"OHIO AND FEDERAL ESTATE TAXES", "OHIO & FEDERAL ESTATE TAXES ***",
           "********** Ohio & Federal Estate Taxes Subtotal"},
          {"PERSONAL PROPERTY DISTRIBUTED IN KIND", "PERSONAL PROPERTY DISTRIBUTED IN KIND ***",
           "********** Personal Property Distributed in Kind Subtotal"},
          {"REAL PROPERTY TRANSFERRED", "REAL PROPERTY TRANSFERRED ***",
           "********** Real Property Transferred Subtotal"},
          {"OTHER DISTRIBUTIONS TO BENEFICIARIES", "OTHER DISTRIBUTIONS TO BENEFICIARIES ***",
           "********** Other Distributions To Beneficiaries Subtotal"},
          {"OTHER DISBURSEMENTS", "OTHER DISBURSEMENTS ***",
           "********** Other Disbursements Subtotal"},
      };
    // Entered in reverse order: the schedule prints in the groups' order.
    for (int i = int(std::size(receipts)) - 1; i >= 0; --i)
        test::AddRow(data.ASchedList, Receipt("item", "$1.00", receipts[i].category));
    for (int i = int(std::size(disbursements)) - 1; i >= 0; --i)
        test::AddRow(data.ESchedList, Disbursement("item", "$1.00", "", disbursements[i].category));

    QList<QStringList> expected = {{"RECEIPTS *****************************", "", "", ""}};
    for (const auto& g : receipts) {
        expected.append({g.header, "", "", ""});
        expected.append({"item", "", "", "$1.00"});
        expected.append({g.subtotal, "", "", "1.00"});
    }
    expected.append({"********** Grand Total of Receipts", "", "", "6.00"});
    expected.append({"DISBURSEMENTS *****************************", "", "", ""});
    // The disbursements' subtotals and total stand under their heading.
    for (const auto& g : disbursements) {
        expected.append({g.header, "", "", ""});
        expected.append({"item", "", "$1.00", ""});
        expected.append({g.subtotal, "", "1.00", ""});
    }
    expected.append({"********** Grand Total of Disbursements", "", "9.00", ""});

    CountAccountSchedule(data, buffers, wrapper);
    BuildAccountSchedule(data, buffers, wrapper);
    QList<QStringList> printed;
    for (int i = 0; i < buffers.account.rows.size(); ++i)
        if (!buffers.account.rows.row(i).description.isEmpty())
            printed.append(texts(buffers.account.rows.row(i)));
    EXPECT_EQ(printed, expected);
}

// An entry stays on one sheet: a receipt of three lines that would take rows
// 89 to 91 starts the second sheet at row 90, row 89 left empty, and the
// counter counts that row too.
TEST_F(AccountScheduleTest, AnEntryIsNotSplitAcrossTwoSheets) {
    for (int i = 0; i < 85; ++i) test::AddRow(data.ASchedList, Receipt("item", "$1.00", "INCOME"));
    test::AddRow(data.ASchedList, Receipt("Bond | series | 2020", "$5.00", "INCOME"));
    // Rows 0-3 section and group headers, 4-88 the one-line items.
    EXPECT_EQ(CountAccountSchedule(data, buffers, wrapper), 2);
    EXPECT_EQ(buffers.account.rowCount, 85 + 3 + 8 + 1);
    EXPECT_EQ(buffers.account.totalPages, 3);
    BuildAccountSchedule(data, buffers, wrapper);
    const auto& rows = buffers.account.rows;
    EXPECT_EQ(texts(rows.row(88)), QStringList({"item", "", "", "$1.00"}));
    EXPECT_EQ(texts(rows.row(89)), QStringList({"", "", "", ""}));
    EXPECT_EQ(texts(rows.row(90)), QStringList({"Bond", "", "", "$5.00"}));
    EXPECT_EQ(rows.row(92).description, "2020");
    EXPECT_EQ(rows.row(93).description, "**********Income Subtotal");
    EXPECT_EQ(rows.row(95).description, "********** Grand Total of Receipts");
    EXPECT_EQ(rows.size(), 96);
    EXPECT_TRUE(reports.numbers().isEmpty());
}

TEST_F(AccountScheduleTest, NothingMarkedGivesNoSchedule) {
    test::AddRow(data.ASchedList, {{1, "Not sent"}, {2, "$5.00"}, {56, "INCOME"}});
    EXPECT_EQ(CountAccountSchedule(data, buffers, wrapper), 0);
    EXPECT_EQ(buffers.account.totalPages, 0);
    BuildAccountSchedule(data, buffers, wrapper);
    EXPECT_EQ(buffers.account.rows.size(), 0);
}

TEST_F(AccountScheduleTest, ZeroTotalsDecideWhatIsPrinted) {
    // A receipt group at 0 is printed without the receipts section; a
    // disbursement group at 0 is left out with the whole section.
    test::AddRow(data.ASchedList, Receipt("Worthless stock", "$0.00", "INCOME"));
    test::AddRow(data.ESchedList,
                 Disbursement("Voided check", "$0.00", "7", "OTHER DISBURSEMENTS"));
    EXPECT_EQ(CountAccountSchedule(data, buffers, wrapper), 1);
    EXPECT_EQ(buffers.account.rowCount, 1 + 4 + 1);
    BuildAccountSchedule(data, buffers, wrapper);
    const QList<QStringList> expected = {
        {"INCOME ****", "", "", ""},
        {"", "", "", ""},
        {"Worthless stock", "", "", "$0.00"},
        {"**********Income Subtotal", "", "", "0.00"},
    };
    ASSERT_EQ(buffers.account.rows.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(texts(buffers.account.rows.row(i)), expected[i]) << i;
}

TEST_F(AccountScheduleTest, AmountsThatCancelOutTotalExactlyZero) {
    // 0.10 + 0.20 - 0.30 is not 0 in binary fractions; in cents it is.
    for (const char* amount : {"$0.10", "$0.20", "($0.30)"}) {
        test::AddRow(data.ASchedList, Receipt("Adjustment", amount, "OTHER RECEIPTS"));
        test::AddRow(data.ESchedList,
                     Disbursement("Adjustment", amount, "", "OTHER DISBURSEMENTS"));
    }
    CountAccountSchedule(data, buffers, wrapper);
    EXPECT_EQ(buffers.account.receiptsTotal, 0);
    EXPECT_EQ(buffers.account.disbursementsTotal, 0);
    EXPECT_EQ(buffers.account.rowCount, 6 + 4);  // no disbursement group or section
    BuildAccountSchedule(data, buffers, wrapper);
    EXPECT_EQ(buffers.account.rows.size(), 6);
    EXPECT_EQ(texts(buffers.account.rows.row(5)),
              QStringList({"**********Other Receipts Subtotal", "", "", "0.00"}));
}

TEST_F(AccountScheduleTest, UncategorisedReceiptCountsButIsNotPrinted) {
    test::AddRow(data.ASchedList, Receipt("Car", "$900.00", ""));
    test::AddRow(data.ASchedList, Receipt("Rent", "$100.00", "INCOME"));
    CountAccountSchedule(data, buffers, wrapper);
    EXPECT_EQ(buffers.account.rowCount, 2 + 4 + 4);
    EXPECT_DOUBLE_EQ(buffers.account.receiptsTotal, 100);
    BuildAccountSchedule(data, buffers, wrapper);
    for (int i = 0; i < buffers.account.rows.size(); ++i)
        EXPECT_NE(buffers.account.rows.row(i).description, "Car");
}

// One INCOME receipt of `lines` lines: rows = lines + 8.
TEST_F(AccountScheduleTest, SheetsAndPagesAtTheBoundaries) {
    struct Case {
        int rows, sheets, pages;
    };
    for (const Case c : {Case{11, 1, 1}, Case{40, 1, 1}, Case{41, 1, 2}, Case{90, 1, 2},
                         Case{91, 2, 3}, Case{130, 2, 3}, Case{131, 2, 4}, Case{180, 2, 4}}) {
        data.ASchedList.clear();
        test::AddRow(data.ASchedList, Receipt(test::Lines(c.rows - 8), "$1.00", "INCOME"));
        EXPECT_EQ(CountAccountSchedule(data, buffers, wrapper), c.sheets) << c.rows;
        EXPECT_EQ(buffers.account.rowCount, c.rows);
        EXPECT_EQ(buffers.account.totalPages, c.pages) << c.rows;
    }
    EXPECT_TRUE(reports.numbers().isEmpty());
}

TEST_F(AccountScheduleTest, HundredSheetsReport2501) {
    test::AddRow(data.ASchedList, Receipt(test::Lines(99 * 90 + 1 - 8), "$1.00", "INCOME"));
    EXPECT_EQ(CountAccountSchedule(data, buffers, wrapper), 100);
    EXPECT_EQ(buffers.account.sheets, 100);
    EXPECT_EQ(buffers.account.totalPages, 0);
    EXPECT_EQ(reports.numbers(), QList<int>({25019}));  // 2501, advice 9
}

TEST_F(AccountScheduleTest, BuildStopsAtTheEndOfTheBuffer) {
    test::AddRow(data.ASchedList, Receipt(test::Lines(ScheduleBufferRows), "$1.00", "INCOME"));
    const int copies = CountAccountSchedule(data, buffers, wrapper);
    EXPECT_EQ(copies, 100);  // 112 sheets, capped at the copies a page has
    EXPECT_EQ(buffers.account.sheets, 112);
    reports.clear();
    BuildAccountSchedule(data, buffers, wrapper);
    EXPECT_EQ(reports.numbers(), QList<int>({30500}));
    EXPECT_EQ(buffers.account.rows.size(), ScheduleBufferRows);
    EXPECT_EQ(buffers.account.rows.row(ScheduleBufferRows - 1).description, "item");
}

TEST_F(AccountScheduleTest, UnreadableValueCountsAsZero) {
    test::AddRow(data.ASchedList, Receipt("Bond", "$12.x0", "INCOME"));
    test::AddRow(data.ASchedList, Receipt("Rent", "$100.00", "INCOME"));
    CountAccountSchedule(data, buffers, wrapper);
    EXPECT_DOUBLE_EQ(buffers.account.receiptSubtotals[4], 100);
    ASSERT_EQ(reports.numbers().size(), 1);
    EXPECT_EQ(reports.numbers().first() / 10, 2120);
}

}  // namespace
}  // namespace wm4
