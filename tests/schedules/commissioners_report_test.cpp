#include "schedules/commissioners_report.h"

#include "schedule_fixture.h"
#include "schedules/identifier_forms.h"

namespace wm4 {
namespace {

// Asset: 1 description, 2 value, 4 voucher, 36 identifier form, 37 report.
// Expense: 1 description, 2 amount, 3 check number, 10 identifier form,
// 11 report.
test::Cells Receipt(const QString& description, const QString& value, const QString& voucher) {
    return {{1, description}, {2, value}, {4, voucher}, {37, "X"}};
}
test::Cells Disbursement(const QString& description, const QString& amount,
                         const QString& checkNumber) {
    return {{1, description}, {2, amount}, {3, checkNumber}, {11, "X"}};
}

QStringList texts(const AccountRow& row) {
    return {row.description, row.checkNumber, row.disbursement, row.receipt};
}

using CommissionersReportTest = test::ScheduleTest;

TEST_F(CommissionersReportTest, OneReceipt) {
    data.answers.NoOfCommRep = 0;  // as the run leaves it
    test::AddRow(data.ASchedList, Receipt("Sale of piano", "$100.00", "V-17"));
    BuildCommissionersReport(data, buffers, wrapper);
    const QList<QStringList> expected = {
        {"RECEIPTS *****************************", "", "", ""},
        {"", "", "", ""},
        {"Sale of piano", "V-17", "", "$100.00"},
        {"********** Total of Receipts", "", "", "100.00"},
    };
    ASSERT_EQ(buffers.commissionersReport.rows.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(texts(buffers.commissionersReport.rows.row(i)), expected[i]) << i;
    EXPECT_EQ(data.answers.NoOfCommRep, 1);
}

TEST_F(CommissionersReportTest, SectionAtZeroIsLeftOut) {
    test::AddRow(data.ASchedList, Receipt("Refund", "$10.00", "V-1"));
    test::AddRow(data.ASchedList, Receipt("Correction", "($10.00)", "V-2"));
    test::AddRow(data.ESchedList, Disbursement("Appraiser | fee", "$250.00", "2001"));
    BuildCommissionersReport(data, buffers, wrapper);
    const QList<QStringList> expected = {
        {"DISBURSEMENTS *****************************", "", "", ""},
        {"", "", "", ""},
        {"Appraiser", "2001", "$250.00", ""},
        {"fee", "", "", ""},
        {"********** Total of Disbursements", "", "250.00", ""},
    };
    ASSERT_EQ(buffers.commissionersReport.rows.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(texts(buffers.commissionersReport.rows.row(i)), expected[i]) << i;
    EXPECT_DOUBLE_EQ(buffers.commissionersReport.receiptsTotal, 0);
}

// Receipts of `lines` lines: rows = 2 + lines + 2.
TEST_F(CommissionersReportTest, FortyTwoRowsACopy) {
    for (const auto& [rows, copies] :
         {std::pair{42, 1}, std::pair{43, 2}, std::pair{84, 2}, std::pair{85, 3}}) {
        data.ASchedList.clear();
        test::AddRow(data.ASchedList, Receipt(test::Lines(rows - 4), "$1.00", ""));
        BuildCommissionersReport(data, buffers, wrapper);
        EXPECT_EQ(data.answers.NoOfCommRep, copies) << rows;
    }
}

TEST_F(CommissionersReportTest, NoMarkedRowsGiveNoCopy) {
    BuildCommissionersReport(data, buffers, wrapper);
    EXPECT_EQ(data.answers.NoOfCommRep, 0);
    EXPECT_EQ(buffers.commissionersReport.rows.size(), 0);
}

TEST_F(CommissionersReportTest, HundredCopiesReport2503AndLeaveTheCounter) {
    data.answers.NoOfCommRep = 0;
    test::AddRow(data.ASchedList, Receipt(test::Lines(99 * 42 + 1 - 4), "$1.00", ""));
    BuildCommissionersReport(data, buffers, wrapper);
    EXPECT_EQ(reports.numbers(), QList<int>({25039}));
    EXPECT_EQ(data.answers.NoOfCommRep, 0);
}

TEST(IdentifierForms, TenEntriesAForm) {
    for (const auto& [assets, expenses, forms] :
         {std::tuple{0, 0, 0}, std::tuple{1, 0, 1}, std::tuple{6, 4, 1}, std::tuple{10, 1, 2},
          std::tuple{0, 20, 2}, std::tuple{21, 0, 3}}) {
        CaseData data;
        for (int i = 0; i < assets; ++i) test::AddRow(data.ASchedList, {{36, "X"}});
        for (int i = 0; i < expenses; ++i) test::AddRow(data.ESchedList, {{10, "X"}});
        test::AddRow(data.ASchedList, {{37, "X"}});  // marked for another form
        EXPECT_EQ(CountIdentifierForms(data), forms) << assets << " + " << expenses;
    }
}

}  // namespace
}  // namespace wm4
