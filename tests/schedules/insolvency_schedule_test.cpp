#include "schedules/insolvency_schedule.h"

#include "forms/page056.h"
#include "schedule_fixture.h"
#include "schedules/inventory_schedule.h"

namespace wm4 {
namespace {

// Expense: 1 description, 2 amount, 21 to Form 24.4, 22 class category,
// 23 estimated payment, 24 rejected.
test::Cells Claim(const QString& description, const QString& amount, const QString& category,
                  const QString& payment = {}, const QString& rejected = {}) {
    return {{1, description}, {2, amount},   {21, "X"},
            {22, category},   {23, payment}, {24, rejected}};
}

QStringList texts(const InsolvencyRow& row) {
    return {row.claimNumber, row.description,      row.classCode,
            row.amount,      row.estimatedPayment, row.rejected};
}

using InsolvencyScheduleTest = test::ScheduleTest;

// Each class's header row, word for word, with "***" in the number column;
// one claim in each class, entered last class first.
TEST_F(InsolvencyScheduleTest, EveryClassPrintsItsHeaderAsTheFormHasIt) {
    const struct {
        const char* category;
        const char* header;
    } classes[] = {
        {"(1) Costs and expenses of administration", "(1) ADMINISTRATIVE EXPENSES"},  // spelt right
        {"(2) Funeral expenses", "(2) FUNERAL EXPENSES TO $4,000"},
        {"(3) Support", "(3) SPOUSAL & CHILD SUPPORT"},
        {"(4) Preference", "(4) PREFERENCE DEBTS"},
        {"(5) Last sickness", "(5) LAST SICKNESS EXPS"},
        {"(6) Funeral over", "(6) EXCESS FUNERAL EXPS"},
        {"(7) Nursing home", "(7) LAST NURSING HOME STAY"},
        {"(8) Taxes", "(8) PERSONALTY TAXES, ETC."},
        {"(9) Wages", "(9) MANUAL LABOR"},
        {"(10) Other", "(10) OTHER DEBTS"},
    };
    for (int k = int(std::size(classes)) - 1; k >= 0; --k)
        test::AddRow(data.ESchedList, Claim("claim", "$1.00", classes[k].category));
    CountInsolvencySchedule(data, buffers, wrapper);
    BuildInsolvencySchedule(data, buffers, wrapper);
    QList<QStringList> headers;
    for (int i = 0; i < buffers.insolvency.rows.size(); ++i)
        if (buffers.insolvency.rows.row(i).claimNumber == QLatin1String("***"))
            headers.append(texts(buffers.insolvency.rows.row(i)));
    QList<QStringList> expected;
    for (const auto& c : classes) expected.append({"***", c.header, "", "", "", ""});
    EXPECT_EQ(headers, expected);
    // The claims are numbered 1 to 10 in class order.
    EXPECT_EQ(buffers.insolvency.rows.row(2).claimNumber, "1");
    EXPECT_EQ(buffers.insolvency.rows.row(2).classCode, "(1)");
}

TEST_F(InsolvencyScheduleTest, ClassesInOrderAndClaimsNumberedAcrossThem) {
    auto& expenses = data.ESchedList;
    test::AddRow(expenses, Claim("Funeral home", "$3,000.00", "(2) FUNERAL EXPENSES", "$3,000.00"));
    test::AddRow(expenses,
                 Claim("Attorney | fees", "$1,000.00", "(1) ADMINISTRATIVE", "$1,000.00"));
    test::AddRow(expenses, Claim("Flowers", "$200.00", "(2) FUNERAL EXPENSES", "$0.00", "X"));
    // No payment is estimated for the credit card: its class's subtotal
    // leaves the payment cell empty, while the grand total sums the others.
    test::AddRow(expenses, Claim("Credit card", "$900.00", "(10) OTHER DEBTS"));
    // Lines + 1 each: 2 + 3 + 2 + 2; classes 3 x 4; grand total 4.
    EXPECT_EQ(CountInsolvencySchedule(data, buffers, wrapper), 2);
    EXPECT_EQ(buffers.insolvency.rowCount, 25);
    EXPECT_DOUBLE_EQ(buffers.insolvency.subtotals[9], 900);
    EXPECT_DOUBLE_EQ(buffers.insolvency.subtotals[0], 1000);
    EXPECT_DOUBLE_EQ(buffers.insolvency.grandTotal, 5100);
    BuildInsolvencySchedule(data, buffers, wrapper);

    const QList<QStringList> expected = {
        {"***", "(1) ADMINISTRATIVE EXPENSES", "", "", "", ""},
        {"", "", "", "", "", ""},
        {"1", "Attorney", "(1)", "$1,000.00", "$1,000.00", "N"},
        {"", "fees", "", "", "", ""},
        {"", "SUBTOTAL", "", "1,000.00", "1,000.00", ""},
        {"", "", "", "", "", ""},
        {"***", "(2) FUNERAL EXPENSES TO $4,000", "", "", "", ""},
        {"", "", "", "", "", ""},
        {"2", "Funeral home", "(2)", "$3,000.00", "$3,000.00", "N"},
        {"3", "Flowers", "(2)", "$200.00", "$0.00", "Y"},
        {"", "SUBTOTAL", "", "3,200.00", "3,000.00", ""},
        {"", "", "", "", "", ""},
        {"***", "(10) OTHER DEBTS", "", "", "", ""},
        {"", "", "", "", "", ""},
        {"4", "Credit card", "(10)", "$900.00", "", "N"},
        {"", "SUBTOTAL", "", "900.00", "", ""},
        {"", "", "", "", "", ""},
        {"", "Grand Total ", "", "5,100.00", "4,000.00", ""},
    };
    ASSERT_EQ(buffers.insolvency.rows.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(texts(buffers.insolvency.rows.row(i)), expected[i]) << i;
}

TEST_F(InsolvencyScheduleTest, UnclassedClaimCountsButIsNotListed) {
    test::AddRow(data.ESchedList, Claim("Unsorted | bill", "$50.00", ""));
    EXPECT_EQ(CountInsolvencySchedule(data, buffers, wrapper), 1);
    EXPECT_EQ(buffers.insolvency.rowCount, 3);
    EXPECT_DOUBLE_EQ(buffers.insolvency.grandTotal, 0);
    BuildInsolvencySchedule(data, buffers, wrapper);
    EXPECT_EQ(buffers.insolvency.rows.size(), 0);
}

TEST_F(InsolvencyScheduleTest, NoClaimsGiveTheFirstSheetOnly) {
    EXPECT_EQ(CountInsolvencySchedule(data, buffers, wrapper), 1);
    BuildInsolvencySchedule(data, buffers, wrapper);
    EXPECT_EQ(buffers.insolvency.rows.size(), 0);
}

// Unclassed claims of `lines` lines count lines + 1 rows each.
TEST_F(InsolvencyScheduleTest, SheetsFromTheRowCount) {
    struct Case {
        int rows, sheets;
    };
    for (const Case c : {Case{2, 1}, Case{22, 1}, Case{23, 2}, Case{40, 2}, Case{52, 2},
                         Case{53, 3}, Case{82, 3}, Case{83, 4}}) {
        data.ESchedList.clear();
        test::AddRow(data.ESchedList, Claim(test::Lines(c.rows - 1), "$1.00", "none"));
        EXPECT_EQ(CountInsolvencySchedule(data, buffers, wrapper), c.sheets) << c.rows;
        EXPECT_EQ(buffers.insolvency.rowCount, c.rows);
    }
    EXPECT_TRUE(reports.numbers().isEmpty());
}

TEST_F(InsolvencyScheduleTest, FourValuesForForm24) {
    test::AddRow(data.ASchedList,
                 {{1, "Car"}, {2, "$4,000.00"}, {22, "X"}, {53, "TANGIBLE PERSONAL PROPERTY"}});
    test::AddRow(data.ASchedList,
                 {{1, "Bank"}, {2, "$600.00"}, {22, "X"}, {53, "INTANGIBLE PERSONAL PROPERTY"}});
    test::AddRow(data.ASchedList,
                 {{1, "House"}, {2, "$80,000.00"}, {22, "X"}, {53, "REAL PROPERTY"}});
    data.answers.setAnswer(page56::Page, 0, page56::ValueOfThisRealEstate, "$20,000.00");
    CountInventorySchedule(data, buffers, wrapper);
    CountInsolvencySchedule(data, buffers, wrapper);
    const auto& s = buffers.insolvency;
    EXPECT_DOUBLE_EQ(s.tangibleSubtotal, 4000);
    EXPECT_DOUBLE_EQ(s.intangibleSubtotal, 600);
    EXPECT_DOUBLE_EQ(s.page56Value, 20000);
    EXPECT_DOUBLE_EQ(s.realLessPage56, 60000);
}

TEST_F(InsolvencyScheduleTest, HundredSheetsReport2501) {
    test::AddRow(data.ESchedList, Claim(test::Lines(22 + 98 * 30), "$1.00", "none"));
    EXPECT_EQ(CountInsolvencySchedule(data, buffers, wrapper), 100);
    EXPECT_EQ(buffers.insolvency.sheets, 100);
    EXPECT_EQ(reports.numbers(), QList<int>({25019}));
}

TEST_F(InsolvencyScheduleTest, BuildStopsAtTheEndOfTheBuffer) {
    test::AddRow(data.ESchedList, Claim(test::Lines(ScheduleBufferRows), "$1.00", "(4) TAXES"));
    CountInsolvencySchedule(data, buffers, wrapper);
    reports.clear();
    BuildInsolvencySchedule(data, buffers, wrapper);
    EXPECT_EQ(reports.numbers(), QList<int>({30500}));
    EXPECT_EQ(buffers.insolvency.rows.size(), ScheduleBufferRows);
}

}  // namespace
}  // namespace wm4
