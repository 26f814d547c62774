// Form 5.10: one line per item, with item limits; the category list's
// wordings ("Stocks and bonds") and the forms' ("Stocks & Bonds") both count.
#include "calc/calc_case.h"
#include "calc/fees/calc_ttls.h"
#include "calc/relief/relief_units.h"
#include "forms/page000.h"
#include "forms/page072.h"
#include "forms/page073.h"

namespace wm4 {
namespace {

using test::CalcCaseTest;
using namespace test::columns;

class Form5_10 : public CalcCaseTest {
protected:
    int addAsset5_10(const QString& category, const QString& description, const QString& value) {
        return addAsset({{AssetForm5_10, "X"},
                         {AssetCategory5_10, category},
                         {AssetDescription, description},
                         {AssetValue, value}});
    }
};

TEST_F(Form5_10, FrontListsTwoVehiclesAndReportsTheThird) {
    gi(page0::DeathDate, "1/2/2020");
    gi(page0::DecedentStreet, "1 Main St");
    addAsset5_10("Motor vehicle", "2015 Ford | blue", "$4,000");
    addAsset5_10("MOTOR VEHICLE", "2012 Honda", "3500");
    addAsset5_10("Motor Vehicle", "1999 Boat trailer", "$100.00");

    Calc72(ctx, 0);

    EXPECT_EQ(reports.numbers(), QList<int>{30019});
    EXPECT_EQ(slot(page72::Page, page72::DateOfDeath), "1/2/2020");
    EXPECT_EQ(slot(page72::Page, page72::DecedentStreetAddress), "1 Main St");
    EXPECT_EQ(slot(page72::Page, page72::HoldsVehicles), "X");
    EXPECT_EQ(slot(page72::Page, page72::VehicleLines.start), "2015 Ford");  // first line only
    EXPECT_EQ(slot(page72::Page, page72::VehicleLines.start + 1),
              "$4,000");  // the value cell as typed
    EXPECT_EQ(slot(page72::Page, page72::VehicleLines.start + 2), "2012 Honda");
    EXPECT_EQ(slot(page72::Page, page72::VehicleLines.start + 3), "3500");
}

TEST_F(Form5_10, BackSortsTheAssetsIntoTheirSections) {
    gi(page0::CaseNumber, "2021-17");
    gi(page0::AttorneyName, "J. Counsel");
    gi(page0::FiduciaryName, "Ann Lee");
    addAsset5_10("Accounts", "Checking", "$10.00");
    addAsset5_10("Stocks and bonds", "ACME shares", "$20.00");  // the category list's item
    addAsset5_10("STOCKS & BONDS", "Savings bond", "$30.00");   // the forms' name
    addAsset5_10("Real estate", "House", "$40.00");
    addAsset5_10("Real Estate", "Lot", "$50.00");  // the last real estate is shown
    addAsset5_10("Other", "Tools", "$60.00");
    addAsset5_10("", "Not categorised", "$1,000.00");  // counts toward the total only

    ASSERT_TRUE(CalcTtls(ctx));
    Calc73(ctx, 0);

    EXPECT_TRUE(reports.numbers().isEmpty());
    EXPECT_EQ(slot(page73::Page, page73::CaseNumber), "2021-17");
    EXPECT_EQ(slot(page73::Page, page73::HoldsAccounts), "X");
    EXPECT_EQ(slot(page73::Page, page73::AccountLines.start), "Checking");
    EXPECT_EQ(slot(page73::Page, page73::AccountLines.start + 1), "$10.00");
    EXPECT_EQ(slot(page73::Page, page73::HoldsStocksAndBonds), "X");
    EXPECT_EQ(slot(page73::Page, page73::SecurityLines.start), "ACME shares");
    EXPECT_EQ(slot(page73::Page, page73::SecurityLines.start + 2), "Savings bond");
    EXPECT_EQ(slot(page73::Page, page73::SecurityLines.start + 3), "$30.00");
    EXPECT_EQ(slot(page73::Page, page73::HoldsRealEstate), "X");
    EXPECT_EQ(slot(page73::Page, page73::ValueOfTheRealEstate), "$50.00");
    EXPECT_EQ(slot(page73::Page, page73::HoldsOtherAssets), "X");
    EXPECT_EQ(slot(page73::Page, page73::OtherAssetLines.start), "Tools");
    EXPECT_EQ(slot(page73::Page, page73::OtherAssetLines.start + 1), "$60.00");
    EXPECT_EQ(slot(page73::Page, page73::TotalOfTheAssets), "1,210.00");
    EXPECT_EQ(slot(page73::Page, page73::Attorney), "J. Counsel");
    EXPECT_EQ(slot(page73::Page, page73::Fiduciary), "Ann Lee");
}

// Each listed section of the back holds two items; the third ends the page
// (no total, no blocks), whatever the section.
TEST_F(Form5_10, ThirdItemOfASectionEndsTheBack) {
    struct Case {
        const char* category;
        int secondLineSlot;
        int errNo;
    };
    const Case cases[] = {
        {"Accounts", 4, 30029},
        {"Stocks and bonds", 9, 30039},
        {"other", 16, 30049},
    };
    for (const Case& c : cases) {
        data.ASchedList.clear();
        a().clearCopy(73, 0);
        reports.clear();
        a().setAnswer(page73::Page, 0, page73::TotalOfTheAssets, "previous total");
        addAsset5_10(c.category, "One", "$1.00");
        addAsset5_10(c.category, "Two", "$2.00");
        addAsset5_10(c.category, "Three", "$3.00");
        addAsset5_10("Real estate", "House", "$4.00");

        Calc73(ctx, 0);

        EXPECT_EQ(reports.numbers(), QList<int>{c.errNo}) << c.category;
        EXPECT_EQ(slot(73, c.secondLineSlot), "Two") << c.category;
        EXPECT_EQ(slot(page73::Page, page73::ValueOfTheRealEstate), "")
            << c.category;  // the page ended before it
        EXPECT_EQ(slot(page73::Page, page73::TotalOfTheAssets), "previous total")
            << c.category;  // not reached
    }
}

}  // namespace
}  // namespace wm4
