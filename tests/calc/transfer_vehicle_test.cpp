// The vehicle papers: transferees found among the kin rows (BMV 3774 takes
// two), the first vehicle of BMV 3773, and Form 9.C's upper-case search and
// inherited lines.
#include "calc/calc_case.h"
#include "calc/transfer/transfer_units.h"
#include "forms/page000.h"
#include "forms/page003.h"
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
        gi(page0::DecedentName, "Carl Smith");
        gi(page0::DecedentLastName, "Smith");
        gi(page0::DecedentFirstName, "Carl");
        gi(page0::DecedentMiddleName, "A.");
        gi(page0::DecedentStreet, "1 Main St");
        gi(page0::DecedentCity, "Akron");
        gi(page0::DecedentState, "OH");
        gi(page0::DecedentZip, "44300");
        gi(page0::DeathDate, "May 1, 2020");
        gi(page0::FiduciaryName, "Ann Lee");
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

    // Two persons and no shares typed: none is stated (the program divides
    // nothing on its own).
    EXPECT_EQ(slot(page98::Page, 0, page98::Applicant), "John Smith");
    EXPECT_EQ(slot(page98::Page, 0, page98::ApplicantSocialSecurityNumber), "111-22-3333");
    EXPECT_EQ(slot(page98::Page, 0, page98::ApplicantAddress), "5 Elm St, Kent, OH  44240");
    EXPECT_EQ(slot(page98::Page, 0, page98::SecondApplicant), "Mary Smith");
    EXPECT_EQ(slot(page98::Page, 0, page98::SecondApplicantSocialSecurityNumber), "444");
    EXPECT_EQ(slot(page98::Page, 0, page98::SecondApplicantAddress), "9 Oak, ");
    EXPECT_EQ(slot(page98::Page, 0, page98::SignedBy), "John Smith");
    EXPECT_EQ(slot(page98::Page, 0, page98::TransferFromTheEstateOfADecedent), "X");
    EXPECT_EQ(slot(page98::Page, 0, page98::PreviousTitleNumber), "T-77");
    EXPECT_EQ(slot(page98::Page, 0, page98::HowObtained),
              "inherited/purchased from decedent's estate");
    EXPECT_EQ(slot(page98::Page, 0, page98::PreviousOwner), "Carl A. Smith, deceased");
    EXPECT_EQ(slot(page98::Page, 0, page98::PreviousOwnerAddress),
              "1 Main St, Akron, OH  44300");  // the city with its comma
    EXPECT_EQ(slot(page98::Page, 0, page98::FurtherApplicantsMoreThanTwoDistributees),
              "");  // nobody beyond the form's two lines
    EXPECT_EQ(slot(page98::Page, 0, page98::Year), "2015");
    EXPECT_EQ(slot(page98::Page, 0, page98::VehicleIdentificationNumber), "VIN1");
    EXPECT_EQ(slot(page98::Page, 0, page98::Model), "Focus");
    EXPECT_EQ(slot(page98::Page, 0, page98::BodyType), "Sedan");
    EXPECT_EQ(slot(page98::Page, 0, page98::Make), "Ford");
    EXPECT_EQ(slot(page98::Page, 0, page98::Value), "$4,000");

    EXPECT_EQ(slot(page98::Page, 1, page98::Applicant), "Doe");
    EXPECT_EQ(slot(page98::Page, 1, page98::SecondApplicant), "");
}

TEST_F(VehicleForms, Bmv3774KeepsAnOverriddenTransferee) {
    addKin({{KinName, "John Smith"}});
    addAsset({{AssetBmv3774, "X"}, {AssetDistributees, "John Smith"}});
    overrideSlot(page98::Page, 0, page98::Applicant, "Smith Family Trust");

    Calc98(ctx, 0);

    EXPECT_EQ(slot(page98::Page, 0, page98::Applicant), "Smith Family Trust");
    EXPECT_EQ(slot(page98::Page, 0, page98::SignedBy),
              "Smith Family Trust");  // follows the page's transferee
}

TEST_F(VehicleForms, Bmv3774ContinuesApplicantsBeyondTwoWithTheirShares) {
    addKin({{KinName, "Ann Roe"}, {KinStreet, "1 A St"}, {KinCityLine, "Kent, OH  44240"}});
    addKin({{KinName, "Bob Roe"}, {KinStreet, "2 B St"}, {KinCityLine, "Kent, OH  44240"}});
    addKin({{KinName, "Cy Roe"}, {KinStreet, "3 C St"}, {KinCityLine, "Kent, OH  44240"}});
    addAsset({{AssetBmv3774, "X"}, {AssetDistributees, "Cy Roe 1/4, Bob Roe 1/4, Ann Roe 1/2"}});

    Calc98(ctx, 0);

    EXPECT_EQ(slot(page98::Page, 0, page98::Applicant), "Ann Roe (1/2)");
    EXPECT_EQ(slot(page98::Page, 0, page98::SecondApplicant), "Bob Roe (1/4)");
    EXPECT_EQ(slot(page98::Page, 0, page98::FurtherApplicantsMoreThanTwoDistributees),
              "Further applicants: | Cy Roe (1/4), 3 C St, Kent, OH  44240");
    EXPECT_EQ(slot(page98::Page, 0, page98::SignedBy), "Ann Roe");  // signs without the share
}

// The surviving spouse swears to BMV 3773: the spouse is the affiant, the
// pronoun is the decedent's, and both vehicles the spouse takes are listed
// with their total.
// BMV 3773 speaks of vehicles not passing "by the will" only where there is one.
TEST_F(VehicleForms, Bmv3773SpeaksOfTheWillOnlyInATestateEstate) {
    Calc97(ctx, 0);
    EXPECT_EQ(slot(page97::Page, page97::VehiclesOwned), "owned these motor vehicle(s):");
    a().setAnswer(page3::Page, 0, page3::DateOfTheWill, QStringLiteral("6/1/2015"));
    Calc97(ctx, 0);
    EXPECT_EQ(slot(page97::Page, page97::VehiclesOwned),
              "owned these motor vehicle(s), which did not pass to anyone else by the will:");
}

TEST_F(VehicleForms, Bmv3773IsTheSpousesAffidavitForTwoVehicles) {
    ctx.today = [] { return QDate(2024, 3, 5); };
    gi(page0::SpouseName, "Jane Smith");
    gi(page0::SpouseStreet, "1 Main St");
    gi(page0::SpouseCity, "Akron");
    gi(page0::SpouseState, "OH");
    gi(page0::SpouseZip, "44300");
    gi(page0::DecedentGenderMark, "X");
    addAsset({{AssetDescription, "not marked"}, {Year, "1990"}});
    addAsset({{AssetBmv3773, "X"}, {Year, "2018"}, {Make, "Honda"}, {AssetValue, "$9,000"}});
    addAsset({{AssetBmv3773, "X"}, {Year, "2001"}, {Make, "Buick"}, {AssetValue, "$1,500.50"}});
    addAsset({{AssetBmv3773, "X"}, {Year, "1999"}, {Make, "a third: not on the form"}});

    Calc97(ctx, 0);

    EXPECT_EQ(slot(page97::Page, page97::CountyVenue), "WENDMOOR");
    EXPECT_EQ(slot(page97::Page, page97::Date), "3/5/2024");
    EXPECT_EQ(slot(page97::Page, page97::Decedent), "Carl Smith");
    EXPECT_EQ(slot(page97::Page, page97::CountyOfTheDecedentResidence), "WENDMOOR");
    EXPECT_EQ(slot(page97::Page, page97::DecedentHeOrShe), "he");  // "the decedent is the husband"
    EXPECT_EQ(slot(page97::Page, page97::DecedentFullName), "Carl A. Smith");
    EXPECT_EQ(slot(page97::Page, page97::DateOfDeath), "May 1, 2020");
    EXPECT_EQ(slot(page97::Page, page97::SurvivingSpouseAffiant),
              "JANE SMITH");  // the spouse, not the fiduciary Ann Lee
    EXPECT_EQ(slot(page97::Page, page97::SpouseAddress), "1 Main St, Akron, OH  44300");
    EXPECT_EQ(slot(page97::Page, page97::VehicleFromTheAssetWorksheetVehicleDetailsYear), "2018");
    EXPECT_EQ(slot(page97::Page, page97::VehicleFromTheAssetWorksheetVehicleDetailsMake), "Honda");
    EXPECT_EQ(slot(page97::Page, page97::VehicleFromTheAssetWorksheetVehicleDetailsValue),
              "$9,000");
    EXPECT_EQ(slot(page97::Page, page97::SecondVehicleTheSecondAssetRowSentToBMV3773Year), "2001");
    EXPECT_EQ(slot(page97::Page, page97::SecondVehicleTheSecondAssetRowSentToBMV3773Make), "Buick");
    EXPECT_EQ(slot(page97::Page, page97::SecondVehicleTheSecondAssetRowSentToBMV3773Value),
              "$1,500.50");
    EXPECT_EQ(slot(page97::Page, page97::TotalValueOfTheVehiclesTaken), "10,500.50");

    gi(page0::DecedentGenderMark, "");
    gi(page0::DecedentGenderMark2, "X");
    Calc97(ctx, 0);
    EXPECT_EQ(slot(page97::Page, page97::DecedentHeOrShe), "she");  // "the decedent is a woman"
    gi(page0::DecedentGenderMark2, "");
    Calc97(ctx, 0);
    EXPECT_EQ(slot(page97::Page, page97::DecedentHeOrShe), "he or she");
    // Without a mark the spouse's kin row tells: a widow's husband.
    addKin({{KinName, "Jane Smith"}, {KinGender, "F"}});
    Calc97(ctx, 0);
    EXPECT_EQ(slot(page97::Page, page97::DecedentHeOrShe), "he");

    // Without a marked vehicle the vehicle lines keep what the user typed.
    data.ASchedList.clear();
    a().setAnswer(page97::Page, 0, page97::VehicleFromTheAssetWorksheetVehicleDetailsYear, "1967");
    Calc97(ctx, 0);
    EXPECT_EQ(slot(page97::Page, page97::VehicleFromTheAssetWorksheetVehicleDetailsYear), "1967");
    EXPECT_EQ(slot(page97::Page, page97::VehicleFromTheAssetWorksheetVehicleDetailsMake), "Honda");
}

TEST_F(VehicleForms, Form9CSearchesUpperCasedAndInheritsTheHearingLines) {
    gi(page0::Judge, "Judge Park");
    gi(page0::AttorneyName, "J. Counsel");
    gi(page0::AttorneyRegistration, "0012345");
    addKin({{KinName, "mary smith"}, {KinStreet, "9 Oak"}, {KinCityLine, "Kent, OH  44240"}});
    addAsset({{AssetForm9C, "X"}, {AssetDistributees, "MARY SMITH"}, {Body, "Truck"}});
    addAsset({{AssetForm9C, "X"}, {AssetDistributees, "nobody we know"}});
    a().setAnswer(page127::Page, 0, page127::DateSigned, "June 1, 2024");
    a().setAnswer(page127::Page, 0, page127::DateOfTheEntry, "10:00 a.m.");
    a().setAnswer(page127::Page, 1, page127::DateOfTheEntry, "2:00 p.m.");

    Calc127(ctx, 0);
    Calc127(ctx, 1);

    EXPECT_EQ(slot(page127::Page, 0, page127::EstateOf), "CARL SMITH");
    EXPECT_EQ(slot(page127::Page, 0, page127::MotorVehicle), "X");
    EXPECT_EQ(slot(page127::Page, 0, page127::BodyType), "Truck");
    EXPECT_EQ(slot(page127::Page, 0, page127::Transferee), "MARY SMITH");
    EXPECT_EQ(slot(page127::Page, 0, page127::StreetAddress), "9 Oak");
    EXPECT_EQ(slot(page127::Page, 0, page127::CityStateAndZIP), "Kent, OH  44240");
    EXPECT_EQ(slot(page127::Page, 0, page127::Fiduciary), "Ann Lee");
    EXPECT_EQ(slot(page127::Page, 0, page127::Attorney), "J. Counsel");
    EXPECT_EQ(slot(page127::Page, 0, page127::AttorneyRegistrationNumber), "0012345");
    EXPECT_EQ(slot(page127::Page, 0, page127::Judge), "Judge Park");

    EXPECT_EQ(slot(page127::Page, 1, page127::StreetAddress), "");
    EXPECT_EQ(slot(page127::Page, 1, page127::DateSigned), "June 1, 2024");   // inherited
    EXPECT_EQ(slot(page127::Page, 1, page127::DateOfTheEntry), "2:00 p.m.");  // its own
    EXPECT_EQ(slot(page127::Page, 1, page127::Judge), "");  // the judge is on the first copy only
}

}  // namespace
}  // namespace wm4
