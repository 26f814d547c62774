// The relief, transfer and letter pages inside a full calculation run: their
// copies follow the counted rows, and a Form 5.1 message stops the run
// before the later forms (among them the attorney's fee on the 5.1 total).
#include "calc/calc_case.h"
#include "calc/run/calculate_complete.h"
#include "forms/page101.h"

namespace wm4 {
namespace {

using test::CalcCaseTest;
using namespace test::columns;

constexpr int WillLetter = 42;

class ReliefRun : public CalcCaseTest {
protected:
    void SetUp() override {
        ctx.today = [] { return QDate(2024, 7, 4); };
        gi(0, "Carl Smith");
        gi(4, "2021-17");
        gi(16, "3/1/2021");
        gi(21, "J. Counsel");
        gi(28, "Ann Lee");
        addKin({{KinName, "Ann Lee"}, {KinGender, "F"}, {WillLetter, "X"}});
        addKin({{KinName, "Tom Lee"}, {KinGender, "M"}, {WillLetter, "X"}, {KinSsn, "123"}});
        addAsset({{AssetDescription, "House"},
                  {AssetValue, "$20,000.00"},
                  {AssetForm5_1, "X"},
                  {AssetCategory5_1, "Real property"}});
        addAsset({{AssetDescription, "Car"},
                  {AssetValue, "$5,000.00"},
                  {AssetForm5_1, "X"},
                  {AssetCategory5_1, "1st auto to spouse"},
                  {AssetBmv3774, "X"},
                  {AssetDistributees, "Tom Lee"}});
        addAsset({{AssetDescription, "Truck"},
                  {AssetBmv3774, "X"},
                  {AssetIdentifiers, "X"},
                  {AssetDistributees, "Ann Lee, Tom Lee"},
                  {85, "VIN-9"}});
        a().setAnswer(18, 0, 14, "X");  // the 25,000 ceiling
    }
};

TEST_F(ReliefRun, PagesFollowTheCountedRows) {
    CalculateComplete(ctx);

    EXPECT_TRUE(reports.numbers().isEmpty());
    EXPECT_EQ(a().PgCt[98], 2);
    EXPECT_EQ(slot(98, 0, 0), "Tom Lee");
    EXPECT_EQ(slot(98, 1, 0), "Ann Lee (1/2)");  // two applicants, half each
    EXPECT_EQ(slot(98, 1, 3), "Tom Lee (1/2)");
    EXPECT_EQ(slot(20, 57), "20,000.00");
    EXPECT_EQ(slot(20, 4), "5,000.00");
    EXPECT_EQ(slot(101, 8), "20,000.00");  // the attorney's fee takes the 5.1 total
    EXPECT_EQ(slot(111, 0, 4), "VIN-9");
    EXPECT_EQ(slot(116, 1, 10), "Mr. Lee");
    EXPECT_EQ(slot(121, 0, 5), "Ann Lee");
    EXPECT_EQ(slot(123, 13), "July 4, 2024");
}

TEST_F(ReliefRun, ExceededCeilingStopsTheRunAfterForm5_1) {
    data.ASchedList.setCell(AssetValue, 0, "$25,000.01");
    a().setAnswer(page101::Page, 0, page101::AssetsRelieved, "from the last run");

    CalculateComplete(ctx);

    EXPECT_EQ(reports.numbers(), QList<int>{31020});
    EXPECT_EQ(slot(20, 57), "25,000.01");
    EXPECT_EQ(slot(101, 8), "from the last run");
    EXPECT_EQ(slot(116, 0, 5), "");  // the letters were not reached
}

}  // namespace
}  // namespace wm4
