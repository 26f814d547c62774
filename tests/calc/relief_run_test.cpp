// The relief, transfer and letter pages inside a full calculation run: their
// copies follow the counted rows, and a Form 5.1 message stops the run
// before the later forms (among them the attorney's fee on the 5.1 total).
#include "calc/calc_case.h"
#include "calc/run/calculate_complete.h"
#include "forms/page000.h"
#include "forms/page018.h"
#include "forms/page020.h"
#include "forms/page098.h"
#include "forms/page101.h"
#include "forms/page111.h"
#include "forms/page116.h"
#include "forms/page121.h"
#include "forms/page123.h"

namespace wm4 {
namespace {

using test::CalcCaseTest;
using namespace test::columns;

constexpr int WillLetter = 42;

class ReliefRun : public CalcCaseTest {
protected:
    void SetUp() override {
        ctx.today = [] { return QDate(2024, 7, 4); };
        gi(page0::DecedentName, "Carl Smith");
        gi(page0::CaseNumber, "2021-17");
        gi(page0::DeathDate, "3/1/2021");
        gi(page0::AttorneyName, "J. Counsel");
        gi(page0::FiduciaryName, "Ann Lee");
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
        a().setAnswer(page18::Page, 0, page18::Ceiling25000, "X");
    }
};

TEST_F(ReliefRun, PagesFollowTheCountedRows) {
    CalculateComplete(ctx);

    EXPECT_TRUE(reports.numbers().isEmpty());
    EXPECT_EQ(a().PgCt[98], 2);
    EXPECT_EQ(slot(page98::Page, 0, page98::Applicant), "Tom Lee");
    EXPECT_EQ(slot(page98::Page, 1, page98::Applicant),
              "Ann Lee");  // two applicants, no share stated by the data
    EXPECT_EQ(slot(page98::Page, 1, page98::SecondApplicant), "Tom Lee");
    EXPECT_EQ(slot(page20::Page, page20::TotalToBeRelieved), "20,000.00");
    EXPECT_EQ(slot(page20::Page, page20::FirstAutomobile), "5,000.00");
    EXPECT_EQ(slot(page101::Page, page101::AssetsRelieved),
              "20,000.00");  // the attorney's fee takes the 5.1 total
    EXPECT_EQ(slot(page111::Page, 0, page111::Entries.start), "VIN-9");
    EXPECT_EQ(slot(page116::Page, 1, page116::Salutation), "Mr. Lee");
    EXPECT_EQ(slot(page121::Page, 0, page121::Name), "Ann Lee");
    EXPECT_EQ(slot(page123::Page, page123::Date), "July 4, 2024");
}

TEST_F(ReliefRun, ExceededCeilingStopsTheRunAfterForm5_1) {
    data.ASchedList.setCell(AssetValue, 0, "$25,000.01");
    a().setAnswer(page101::Page, 0, page101::AssetsRelieved, "from the last run");

    CalculateComplete(ctx);

    EXPECT_EQ(reports.numbers(), QList<int>{31020});
    EXPECT_EQ(slot(page20::Page, page20::TotalToBeRelieved), "25,000.01");
    EXPECT_EQ(slot(page101::Page, page101::AssetsRelieved), "from the last run");
    EXPECT_EQ(slot(page116::Page, 0, page116::Name), "");  // the letters were not reached
}

}  // namespace
}  // namespace wm4
