// The vehicle papers: transferees found among the kin rows (BMV 3774 takes
// two), the first vehicle of BMV 3773, and Form 9.C's upper-case search and
// inherited lines.
#include "calc/calc_case.h"
#include "calc/transfer/transfer_units.h"
#include "forms/page097.h"
#include "forms/page098.h"
#include "forms/page127.h"

namespace wm4 {
namespace {

using test::CalcCaseTest;
using namespace test::columns;

constexpr int Year = 71, Serial = 72, Make = 73, Body = 74, Model = 75, Title = 76;

class VehicleForms : public CalcCaseTest {
protected:
    void SetUp() override {
        gi(0, "Carl Smith");
        gi(5, "Smith");
        gi(6, "Carl");
        gi(7, "A.");
        gi(8, "1 Main St");
        gi(10, "Akron");
        gi(12, "OH");
        gi(13, "44300");
        gi(16, "May 1, 2020");
        gi(28, "Ann Lee");
    }
};

TEST_F(VehicleForms, Bmv3774TakesTwoTransfereesInKinOrder) {
    addKin({{KinStreet, "a row without a name"}});  // names nobody
    addKin({{KinName, "John Smith"},
            {KinSsn, "111-22-3333"},
            {KinStreet, "5 Elm St"},
            {KinCityLine, "Kent, OH  44240"}});
    addKin({{KinName, "Doe"}});  // a surname alone matches by containment
    addKin({{KinName, "Mary Smith"}, {KinSsn, "444"}, {KinStreet, "9 Oak"}});
    addAsset({{AssetBmv3774, "X"},
              {AssetDistributees, "Mary Smith, John Smith"},
              {Title, "T-77"},
              {Year, "2015"},
              {Serial, "VIN1"},
              {Model, "Focus"},
              {Body, "Sedan"},
              {Make, "Ford"},
              {AssetValue, "$4,000"}});
    addAsset({{AssetBmv3774, "X"}, {AssetDistributees, "Jane Doe"}});
    a().setAnswer(page98::Page, 1, page98::SecondApplicant, "stale transferee");

    Calc98(ctx, 0);
    Calc98(ctx, 1);

    // Two persons and no shares typed: each takes half.
    EXPECT_EQ(slot(98, 0, 0), "John Smith (1/2)");
    EXPECT_EQ(slot(98, 0, 1), "111-22-3333");
    EXPECT_EQ(slot(98, 0, 2), "5 Elm St, Kent, OH  44240");
    EXPECT_EQ(slot(98, 0, 3), "Mary Smith (1/2)");
    EXPECT_EQ(slot(98, 0, 4), "444");
    EXPECT_EQ(slot(98, 0, 5), "9 Oak, ");
    EXPECT_EQ(slot(98, 0, 44), "John Smith");
    EXPECT_EQ(slot(98, 0, 6), "X");
    EXPECT_EQ(slot(98, 0, 7), "T-77");
    EXPECT_EQ(slot(98, 0, 8), "inherited/purchased from decedent's estate");
    EXPECT_EQ(slot(98, 0, 9), "Carl A. Smith, deceased");
    EXPECT_EQ(slot(98, 0, 10), "1 Main St, Akron, OH  44300");  // the city with its comma
    EXPECT_EQ(slot(98, 0, 45), "");  // nobody beyond the form's two lines
    EXPECT_EQ(slot(98, 0, 26), "2015");
    EXPECT_EQ(slot(98, 0, 27), "VIN1");
    EXPECT_EQ(slot(98, 0, 28), "Focus");
    EXPECT_EQ(slot(98, 0, 29), "Sedan");
    EXPECT_EQ(slot(98, 0, 30), "Ford");
    EXPECT_EQ(slot(98, 0, 32), "$4,000");

    EXPECT_EQ(slot(98, 1, 0), "Doe");
    EXPECT_EQ(slot(98, 1, 3), "");
}

TEST_F(VehicleForms, Bmv3774KeepsAnOverriddenTransferee) {
    addKin({{KinName, "John Smith"}});
    addAsset({{AssetBmv3774, "X"}, {AssetDistributees, "John Smith"}});
    overrideSlot(98, 0, 0, "Smith Family Trust");

    Calc98(ctx, 0);

    EXPECT_EQ(slot(98, 0, 0), "Smith Family Trust");
    EXPECT_EQ(slot(98, 0, 44), "Smith Family Trust");  // follows the page's transferee
}

TEST_F(VehicleForms, Bmv3774ContinuesApplicantsBeyondTwoWithTheirShares) {
    addKin({{KinName, "Ann Roe"}, {KinStreet, "1 A St"}, {KinCityLine, "Kent, OH  44240"}});
    addKin({{KinName, "Bob Roe"}, {KinStreet, "2 B St"}, {KinCityLine, "Kent, OH  44240"}});
    addKin({{KinName, "Cy Roe"}, {KinStreet, "3 C St"}, {KinCityLine, "Kent, OH  44240"}});
    addAsset({{AssetBmv3774, "X"}, {AssetDistributees, "Cy Roe 1/4, Bob Roe 1/4, Ann Roe 1/2"}});

    Calc98(ctx, 0);

    EXPECT_EQ(slot(98, 0, 0), "Ann Roe (1/2)");
    EXPECT_EQ(slot(98, 0, 3), "Bob Roe (1/4)");
    EXPECT_EQ(slot(98, 0, 45), "Further applicants: | Cy Roe (1/4), 3 C St, Kent, OH  44240");
    EXPECT_EQ(slot(98, 0, 44), "Ann Roe");  // signs without the share
}

// The surviving spouse swears to BMV 3773: the spouse is the affiant, the
// pronoun is the decedent's, and both vehicles the spouse takes are listed
// with their total.
TEST_F(VehicleForms, Bmv3773IsTheSpousesAffidavitForTwoVehicles) {
    ctx.today = [] { return QDate(2024, 3, 5); };
    gi(42, "Jane Smith");
    gi(43, "1 Main St");
    gi(44, "Akron");
    gi(45, "OH");
    gi(46, "44300");
    gi(51, "X");
    addAsset({{AssetDescription, "not marked"}, {Year, "1990"}});
    addAsset({{AssetBmv3773, "X"}, {Year, "2018"}, {Make, "Honda"}, {AssetValue, "$9,000"}});
    addAsset({{AssetBmv3773, "X"}, {Year, "2001"}, {Make, "Buick"}, {AssetValue, "$1,500.50"}});
    addAsset({{AssetBmv3773, "X"}, {Year, "1999"}, {Make, "a third: not on the form"}});

    Calc97(ctx, 0);

    EXPECT_EQ(slot(97, 0), "WENDMOOR");
    EXPECT_EQ(slot(97, 1), "3/5/2024");
    EXPECT_EQ(slot(97, 2), "Carl Smith");
    EXPECT_EQ(slot(97, 3), "WENDMOOR");
    EXPECT_EQ(slot(97, 4), "he");  // "the decedent is the husband"
    EXPECT_EQ(slot(97, 5), "Carl A. Smith");
    EXPECT_EQ(slot(97, 6), "May 1, 2020");
    EXPECT_EQ(slot(97, 22), "JANE SMITH");  // the spouse, not the fiduciary Ann Lee
    EXPECT_EQ(slot(97, 23), "1 Main St, Akron, OH  44300");
    EXPECT_EQ(slot(97, 8), "2018");
    EXPECT_EQ(slot(97, 10), "Honda");
    EXPECT_EQ(slot(97, 14), "$9,000");
    EXPECT_EQ(slot(97, 15), "2001");
    EXPECT_EQ(slot(97, 17), "Buick");
    EXPECT_EQ(slot(97, 21), "$1,500.50");
    EXPECT_EQ(slot(97, 7), "10,500.50");

    gi(51, "");
    gi(52, "X");
    Calc97(ctx, 0);
    EXPECT_EQ(slot(97, 4), "she");  // "the decedent is a woman"
    gi(52, "");
    Calc97(ctx, 0);
    EXPECT_EQ(slot(97, 4), "he or she");
    // Without a mark the spouse's kin row tells: a widow's husband.
    addKin({{KinName, "Jane Smith"}, {KinGender, "F"}});
    Calc97(ctx, 0);
    EXPECT_EQ(slot(97, 4), "he");

    // Without a marked vehicle the vehicle lines keep what the user typed.
    data.ASchedList.clear();
    a().setAnswer(page97::Page, 0, page97::VehicleFromTheAssetWorksheetVehicleDetailsYear, "1967");
    Calc97(ctx, 0);
    EXPECT_EQ(slot(97, 8), "1967");
    EXPECT_EQ(slot(97, 10), "Honda");
}

TEST_F(VehicleForms, Form9CSearchesUpperCasedAndInheritsTheHearingLines) {
    gi(2, "Judge Park");
    gi(21, "J. Counsel");
    gi(27, "0012345");
    addKin({{KinName, "mary smith"}, {KinStreet, "9 Oak"}, {KinCityLine, "Kent, OH  44240"}});
    addAsset({{AssetForm9C, "X"}, {AssetDistributees, "MARY SMITH"}, {Body, "Truck"}});
    addAsset({{AssetForm9C, "X"}, {AssetDistributees, "nobody we know"}});
    a().setAnswer(page127::Page, 0, page127::DateSigned, "June 1, 2024");
    a().setAnswer(page127::Page, 0, page127::DateOfTheEntry, "10:00 a.m.");
    a().setAnswer(page127::Page, 1, page127::DateOfTheEntry, "2:00 p.m.");

    Calc127(ctx, 0);
    Calc127(ctx, 1);

    EXPECT_EQ(slot(127, 0, 2), "CARL SMITH");
    EXPECT_EQ(slot(127, 0, 4), "X");
    EXPECT_EQ(slot(127, 0, 10), "Truck");
    EXPECT_EQ(slot(127, 0, 24), "MARY SMITH");
    EXPECT_EQ(slot(127, 0, 25), "9 Oak");
    EXPECT_EQ(slot(127, 0, 26), "Kent, OH  44240");
    EXPECT_EQ(slot(127, 0, 27), "Ann Lee");
    EXPECT_EQ(slot(127, 0, 34), "J. Counsel");
    EXPECT_EQ(slot(127, 0, 35), "0012345");
    EXPECT_EQ(slot(127, 0, 36), "Judge Park");

    EXPECT_EQ(slot(127, 1, 25), "");
    EXPECT_EQ(slot(127, 1, 28), "June 1, 2024");  // inherited
    EXPECT_EQ(slot(127, 1, 29), "2:00 p.m.");     // its own
    EXPECT_EQ(slot(127, 1, 36), "");              // the judge is on the first copy only
}

}  // namespace
}  // namespace wm4
