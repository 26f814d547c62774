// Form 5.10: one line per item, with item limits; the category list's
// wordings ("Stocks and bonds") and the forms' ("Stocks & Bonds") both count.
#include "calc/calc_case.h"
#include "calc/fees/calc_ttls.h"
#include "calc/relief/relief_units.h"
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
    gi(16, "1/2/2020");
    gi(8, "1 Main St");
    addAsset5_10("Motor vehicle", "2015 Ford | blue", "$4,000");
    addAsset5_10("MOTOR VEHICLE", "2012 Honda", "3500");
    addAsset5_10("Motor Vehicle", "1999 Boat trailer", "$100.00");

    Calc72(ctx, 0);

    EXPECT_EQ(reports.numbers(), QList<int>{30019});
    EXPECT_EQ(slot(72, 4), "1/2/2020");
    EXPECT_EQ(slot(72, 5), "1 Main St");
    EXPECT_EQ(slot(72, 13), "X");
    EXPECT_EQ(slot(72, 14), "2015 Ford");  // first line only
    EXPECT_EQ(slot(72, 15), "$4,000");     // the value cell as typed
    EXPECT_EQ(slot(72, 16), "2012 Honda");
    EXPECT_EQ(slot(72, 17), "3500");
}

TEST_F(Form5_10, BackSortsTheAssetsIntoTheirSections) {
    gi(4, "2021-17");
    gi(21, "J. Counsel");
    gi(28, "Ann Lee");
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
    EXPECT_EQ(slot(73, 0), "2021-17");
    EXPECT_EQ(slot(73, 1), "X");
    EXPECT_EQ(slot(73, 2), "Checking");
    EXPECT_EQ(slot(73, 3), "$10.00");
    EXPECT_EQ(slot(73, 6), "X");
    EXPECT_EQ(slot(73, 7), "ACME shares");
    EXPECT_EQ(slot(73, 9), "Savings bond");
    EXPECT_EQ(slot(73, 10), "$30.00");
    EXPECT_EQ(slot(73, 11), "X");
    EXPECT_EQ(slot(73, 12), "$50.00");
    EXPECT_EQ(slot(73, 13), "X");
    EXPECT_EQ(slot(73, 14), "Tools");
    EXPECT_EQ(slot(73, 15), "$60.00");
    EXPECT_EQ(slot(73, 18), "1,210.00");
    EXPECT_EQ(slot(73, 19), "J. Counsel");
    EXPECT_EQ(slot(73, 24), "Ann Lee");
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
        EXPECT_EQ(slot(73, 12), "") << c.category;                // the page ended before it
        EXPECT_EQ(slot(73, 18), "previous total") << c.category;  // not reached
    }
}

}  // namespace
}  // namespace wm4
