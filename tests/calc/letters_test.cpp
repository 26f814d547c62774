// The enclosure letters: addressees from the kin rows, the fiduciaries or
// the court; salutations; today's date in long form; kept slots.
#include "calc/calc_case.h"
#include "calc/letters/letter_units.h"
#include "case/worksheet_columns.h"
#include "forms/page000.h"
#include "forms/page061.h"
#include "forms/page116.h"
#include "forms/page117.h"
#include "forms/page119.h"
#include "forms/page121.h"
#include "forms/page122.h"
#include "forms/page123.h"
#include "forms/page125.h"

namespace wm4 {
namespace {

using test::CalcCaseTest;
using namespace test::columns;

constexpr int WillLetter = 42, InventoryLetter = 43, AppraiserLetter = 45, InsuranceLetter = 46;

class Letters : public CalcCaseTest {
protected:
    void SetUp() override {
        ctx.today = [] { return QDate(2024, 7, 4); };
        gi(page0::DecedentName, "Carl Smith");
        gi(page0::CaseNumber, "2021-17");
        gi(page0::DecedentLastName, "Smith");
        gi(page0::DecedentFirstName, "Carl");
        gi(page0::DecedentMiddleName, "A.");
        typeAttorney();
        gi(page0::FiduciaryName, "Ann Lee");
        gi(page0::FiduciaryStreet, "4 Pine St");
        gi(page0::FiduciaryCity, "Kent");
        gi(page0::FiduciaryState, "OH");
        gi(page0::FiduciaryZip, "44240");
        gi(page0::FiduciaryTitle, "Executor");
    }
};

TEST_F(Letters, SalutationsOfKinAddressees) {
    struct Case {
        const char* name;
        const char* gender;
        const char* salutation;
    };
    const Case cases[] = {
        {"Mary Ann Jones", "F", "Ms. Jones"},  // the last of three words
        {"Tom Jones", "M", "Mr. Jones"},
        {"Pat Jones", "", "Ms. Jones"},  // no gender
        {"Cher", "F", "Ms. "},           // no blank: the title alone
        {"Prince", "M", "Mr. "},
    };
    for (const Case& c : cases)
        addKin({{KinName, c.name}, {KinGender, c.gender}, {WillLetter, "X"}});
    int copy = 0;
    for (const Case& c : cases) {
        Calc116(ctx, copy);
        EXPECT_EQ(slot(page116::Page, copy, page116::Name), c.name);
        EXPECT_EQ(slot(page116::Page, copy, page116::Salutation), c.salutation) << c.name;
        ++copy;
    }
}

TEST_F(Letters, WillLetterFillsTheCommonParts) {
    gi(page0::DecedentGenderMark, "X");
    addKin({{KinName, "Tom Jones"},
            {KinStreet, "9 Oak"},
            {KinCityLine, "Kent, OH  44240"},
            {KinGender, "M"},
            {WillLetter, "X"}});

    Calc116(ctx, 0);

    EXPECT_EQ(slot(page116::Page, page116::Attorney), "J. Counsel");
    EXPECT_EQ(slot(page116::Page, page116::Title), "Attorney at Law");
    EXPECT_EQ(slot(page116::Page, page116::Street), "2 Court St");
    EXPECT_EQ(slot(page116::Page, page116::LetterheadCityStateAndZIP), "Akron, OH  44308");
    EXPECT_EQ(slot(page116::Page, page116::Telephone), "330-555-0100");
    EXPECT_EQ(slot(page116::Page, page116::Date), "July 4, 2024");
    EXPECT_EQ(slot(page116::Page, page116::StreetAddress), "9 Oak");
    EXPECT_EQ(slot(page116::Page, page116::AddresseeCityStateAndZIP), "Kent, OH  44240");
    EXPECT_EQ(slot(page116::Page, page116::EstateOf), "Carl Smith");
    EXPECT_EQ(slot(page116::Page, page116::CaseNumber), "2021-17");
    EXPECT_EQ(slot(page116::Page, page116::DecedentAsTheLetterNames), "Mr. Smith");
    EXPECT_EQ(slot(page116::Page, page116::Fiduciary), "Ann Lee");
    EXPECT_EQ(slot(page116::Page, page116::FiduciaryTitle), "Executor");
    EXPECT_EQ(slot(page116::Page, page116::DecedentFullName), "Carl A. Smith");
    EXPECT_EQ(slot(page116::Page, page116::DecedentSecondMention), "Mr. Smith");
    EXPECT_EQ(slot(page116::Page, page116::SignedBy), "J. Counsel");
}

// An overridden salutation stays on its copy; the other copies are
// recomputed.
TEST_F(Letters, OverriddenSalutationStaysOnItsCopy) {
    addKin({{KinName, "Tom Jones"}, {KinGender, "M"}, {InventoryLetter, "X"}});
    addKin({{KinName, "Sue Park"}, {KinGender, "F"}, {InventoryLetter, "X"}});
    overrideSlot(page117::Page, 1, page117::Salutation, "Aunt Sue");
    a().setAnswer(page117::Page, 0, page117::Salutation, "stale");

    Calc117(ctx, 0);
    Calc117(ctx, 1);

    EXPECT_EQ(slot(page117::Page, 0, page117::Salutation), "Mr. Jones");
    EXPECT_EQ(slot(page117::Page, 1, page117::Salutation), "Aunt Sue");
    EXPECT_EQ(slot(page117::Page, 1, page117::Name), "Sue Park");
    EXPECT_EQ(slot(page117::Page, 1, page117::Date), "July 4, 2024");
}

TEST_F(Letters, AppointmentLetterWithoutCoFiduciary) {
    gi(page0::FiduciaryGenderMark, "X");
    a().setAnswer(page121::Page, 1, page121::Name, "former co-fiduciary");
    a().setAnswer(page121::Page, 1, page121::Salutation, "Ms. Former");

    Calc121(ctx, 0);
    Calc121(ctx, 1);

    EXPECT_EQ(slot(page121::Page, 0, page121::Name), "Ann Lee");
    EXPECT_EQ(slot(page121::Page, 0, page121::StreetAddress), "4 Pine St");
    EXPECT_EQ(slot(page121::Page, 0, page121::AddresseeCityStateAndZIP), "Kent, OH  44240");
    EXPECT_EQ(slot(page121::Page, 0, page121::Salutation), "Mr. Lee");
    EXPECT_EQ(slot(page121::Page, 0, page121::FiduciaryTitle), "Executor");
    EXPECT_EQ(slot(page121::Page, 0, page121::DecedentAsTheLetterNames), "Mrs. Smith");
    for (int s : {page121::Name, page121::StreetAddress, page121::AddresseeCityStateAndZIP,
                  page121::Salutation})
        EXPECT_EQ(slot(page121::Page, 1, s), "") << "slot " << s;
    EXPECT_EQ(slot(page121::Page, 1, page121::Date), "July 4, 2024");  // still calculated

    gi(page0::CoFiduciaryName, "Bea Cole");
    gi(page0::CoFiduciaryTitle, "Co-Executor");
    Calc121(ctx, 1);
    EXPECT_EQ(slot(page121::Page, 1, page121::Name), "Bea Cole");
    EXPECT_EQ(slot(page121::Page, 1, page121::Salutation), "Ms. Cole");
    EXPECT_EQ(slot(page121::Page, 1, page121::FiduciaryTitle), "Co-Executor");
}

TEST_F(Letters, CourtLetterHasFixedAddressAndSalutation) {
    Calc123(ctx, 0);
    EXPECT_EQ(slot(page123::Page, page123::Name), "Wendmoor County Probate Court");
    EXPECT_EQ(slot(page123::Page, page123::StreetAddress), "1 Fenwick Plaza");
    EXPECT_EQ(slot(page123::Page, page123::AddresseeCityStateAndZIP), "Ellery, Ohio  43917");
    EXPECT_EQ(slot(page123::Page, page123::Salutation), "Madam or Sir");
    EXPECT_EQ(slot(page123::Page, page123::Date), "July 4, 2024");
    EXPECT_EQ(slot(page123::Page, page123::SignedBy), "J. Counsel");
}

TEST_F(Letters, AppraiserLetterNamesTheRealEstateSentToForm3_0) {
    addKin({{KinName, "Al Apprais"}, {KinGender, "M"}, {AppraiserLetter, "X"}});
    addAsset({{AssetForm3_0, "X"},
              {AssetCategory3_0, "Readily Ascertainable Value"},
              {assetColumn::RealtyHouseNumber, "7"}});
    addAsset({{AssetForm3_0, "X"},
              {AssetCategory3_0, "real estate"},
              {assetColumn::RealtyHouseNumber, "12"},
              {assetColumn::RealtyStreetName, "Oak Lane"},
              {assetColumn::RealtyCityStateZip, "Akron, OH 44300"}});

    Calc125(ctx, 0);

    EXPECT_EQ(slot(page125::Page, page125::Salutation), "Mr. Apprais");
    EXPECT_EQ(slot(page125::Page, page125::Decedent), "Carl A. Smith");
    // The city line names its state: no second "Ohio" after the ZIP.
    EXPECT_EQ(slot(page125::Page, page125::RealEstateToBeAppraised),
              "12 Oak Lane, Akron, OH 44300");
    EXPECT_EQ(slot(page125::Page, page125::SignedBy), "J. Counsel");
    // A city line with the city alone is completed with the state.
    data.ASchedList.setCell(assetColumn::RealtyCityStateZip, 1, QStringLiteral("Akron"));
    Calc125(ctx, 0);
    EXPECT_EQ(slot(page125::Page, page125::RealEstateToBeAppraised), "12 Oak Lane, Akron, Ohio");
}

TEST_F(Letters, InsuranceLetterSalutationSlot) {
    addKin({{KinName, "Bea Cole"}, {KinGender, "F"}, {InsuranceLetter, "X"}});
    Calc122(ctx, 0);
    EXPECT_EQ(slot(page122::Page, page122::Salutation), "Ms. Cole");
    EXPECT_EQ(slot(page122::Page, page122::Decedent), "Carl Smith");
    EXPECT_EQ(slot(page122::Page, page122::SignedBy), "J. Counsel");
    EXPECT_EQ(slot(page122::Page, page122::Date), "July 4, 2024");
}

// The inventory letter asks each addressee for the waiver the kin worksheet
// sends the addressee to sign; the account letter dates the account as
// 13.0 does, not as the letter.
TEST_F(Letters, EnclosuresAreTheAddresseesOwn) {
    constexpr int InventoryBackWaiver = 28, Waiver6_2 = 29, AccountLetter = 44;
    addKin({{KinName, "Tom Jones"},
            {InventoryLetter, "X"},
            {InventoryBackWaiver, "X"},
            {AccountLetter, "X"}});
    addKin({{KinName, "Sue Park"}, {InventoryLetter, "X"}, {Waiver6_2, "X"}});
    Calc117(ctx, 0);
    Calc117(ctx, 1);
    EXPECT_EQ(slot(page117::Page, 0, page117::WaiverEnclosed),
              "Waiver of Notice of Hearing on the back of the inventory (Form 6.0)");
    EXPECT_EQ(slot(page117::Page, 1, page117::WaiverEnclosed),
              "Waiver of Notice of Hearing on Inventory (Form 6.2)");

    a().setAnswer(page61::Page, 0, page61::DateTheAccountIsSigned, "8/10/2024");
    Calc119(ctx, 0);
    EXPECT_EQ(slot(page119::Page, 0, page119::Date), "July 4, 2024");
    EXPECT_EQ(slot(page119::Page, 0, page119::DateOfTheAccountCopy), "August 10, 2024");
}

}  // namespace
}  // namespace wm4
