// Person lists: Form 1.0, the multi-person and one-person notices, and the
// waivers and consents with their capacities.
#include <gtest/gtest.h>

#include "calc/calc_case.h"
#include "calc/units/units.h"
#include "case/worksheet_columns.h"
#include "forms/page000.h"
#include "forms/page001.h"
#include "forms/page002.h"
#include "forms/page005.h"
#include "forms/page006.h"
#include "forms/page016.h"
#include "forms/page017.h"
#include "forms/page040.h"
#include "forms/page047.h"
#include "forms/page052.h"
#include "forms/page057.h"
#include "forms/page058.h"
#include "forms/page068.h"
#include "forms/page129.h"

namespace wm4::test {
namespace {

constexpr int kFront = 10, kBack = 11, kForm2_1 = 18, kForm4_4 = 22, kForm9_0 = 32, kForm6_4C = 15,
              kForm10_0 = 33, kForm13_5 = 38;

class PersonLists : public CalcCaseTest {};

TEST_F(PersonLists, Form1_0FrontSkipsTheSpouseButTheRowKeepsItsPlace) {
    gi(page0::SpouseName, QStringLiteral("Person 2"));
    markedPersons(kFront, 12);
    units::Calc1(ctx, 0);
    EXPECT_EQ(slot(page1::Page, 0, page1::Persons.start + 1), "Person 2");  // the spouse line
    EXPECT_EQ(slot(page1::Page, 0, page1::Persons.start + 4), "Surviving Spouse");
    // Persons 1 and 3 ... 10 on copy 0 (Person 2 is the spouse, already shown).
    EXPECT_EQ(slot(page1::Page, 0, page1::Persons.start + 7), "Person 1");
    EXPECT_EQ(slot(page1::Page, 0, page1::Persons.start + 13), "Person 3");
    EXPECT_EQ(slot(1, 0, 11 + 6 * 8), "Person 10");
    EXPECT_EQ(slot(1, 0, 11 + 6 * 9), "");
    // Copy 1 takes the marked rows 10 ... 20: persons 11 and 12.
    units::Calc1(ctx, 1);
    EXPECT_EQ(slot(page1::Page, 1, page1::Persons.start + 1), "Person 11");
    EXPECT_EQ(slot(page1::Page, 1, page1::Persons.start + 2), "Street 11");
    EXPECT_EQ(slot(page1::Page, 1, page1::Persons.start + 7), "Person 12");
    EXPECT_EQ(slot(page1::Page, 1, page1::Persons.start + 13), "");
    EXPECT_EQ(slot(page1::Page, 1, page1::Persons.start + 3),
              "City 11");  // no spouse line on later copies
}

TEST_F(PersonLists, Form1_0NameOfThreeLinesShowsItsFirstTwo) {
    // 1.75 in of 11-point text holds 22 characters with the test measurer.
    addKin({{kinColumn::Name,
             QStringLiteral("Bartholomew Alexander Montgomery-Fitzwilliam the Third")},
            {kFront, QStringLiteral("X")},
            {kBack, QStringLiteral("X")}});
    units::Calc1(ctx, 0);
    EXPECT_EQ(slot(page1::Page, 0, page1::Persons.start + 6), "Bartholomew Alexander ");
    EXPECT_EQ(slot(page1::Page, 0, page1::Persons.start + 7), "Montgomery-Fitzwilliam ");
    EXPECT_EQ(slot(page1::Page, 0, page1::Persons.start + 8),
              "");  // the street, not the third line
    // The back's 2.75 in name box holds 36 characters: two lines.
    units::Calc2(ctx, 0);
    EXPECT_EQ(slot(page2::Page, 0, page2::Persons.start), "Bartholomew Alexander ");
    EXPECT_EQ(slot(page2::Page, 0, page2::Persons.start + 1), "Montgomery-Fitzwilliam the Third");
}

// The column is the birth date of a minor: adults' dates stay off the form,
// and a minor listed ticks the form's minor box.
TEST_F(PersonLists, Form1_0GivesBirthDatesOfMinorsOnly) {
    gi(page0::DeathDate, QStringLiteral("1/15/2026"));
    gi(page0::SpouseName, QStringLiteral("Sue Spouse"));
    gi(page0::SpouseBirthDate, QStringLiteral("6/2/1944"));
    addKin({{kinColumn::Name, QStringLiteral("Adult Son")},
            {kinColumn::BirthDate, QStringLiteral("11/2/1971")},
            {kFront, X}});
    addKin({{kinColumn::Name, QStringLiteral("Turns Eighteen")},
            {kinColumn::BirthDate, QStringLiteral("1/15/2008")},
            {kFront, X}});
    addKin({{kinColumn::Name, QStringLiteral("Minor Heir")},
            {kinColumn::BirthDate, QStringLiteral("1/16/2008")},
            {kFront, X},
            {kBack, X}});
    units::Calc1(ctx, 0);
    EXPECT_EQ(slot(page1::Page, 0, page1::Persons.start + 5), "");  // the spouse
    EXPECT_EQ(slot(page1::Page, 0, page1::Persons.start + 11), "");
    EXPECT_EQ(slot(page1::Page, 0, page1::Persons.start + 17), "");  // eighteen on the day of death
    EXPECT_EQ(slot(page1::Page, 0, page1::Persons.start + 23), "1/16/2008");
    EXPECT_EQ(slot(page1::Page, 0, page1::MinorListed), "X");
    units::Calc2(ctx, 0);
    EXPECT_EQ(slot(page2::Page, 0, page2::Persons.start + 4), "1/16/2008");

    data.KSchedList.setCell(kinColumn::ToForm1_0Front, 2,
                            QString());  // no minor on the front: the box is not ticked
    a().setAnswer(page1::Page, 0, page1::MinorListed, QString());
    units::Calc1(ctx, 0);
    EXPECT_EQ(slot(page1::Page, 0, page1::MinorListed), "");
}

TEST_F(PersonLists, Form4_4SevenPersonsOnTwoCopiesWithInheritedHearingDetails) {
    markedPersons(kForm4_4, 7);
    a().setAnswer(page16::Page, 0, page16::DateOfTheHearing, QStringLiteral("3/10/2026"));
    a().setAnswer(page16::Page, 0, page16::TimeOfTheHearing, QStringLiteral("9:00 a.m."));
    a().setAnswer(page16::Page, 0, page16::PlaceOfTheHearing, QStringLiteral("Courtroom 2"));
    a().setAnswer(page16::Page, 1, page16::PlaceOfTheHearing,
                  QStringLiteral("Courtroom 5"));  // typed on the second notice
    a().setAnswer(page16::Page, 1, page16::Notified.start + 9, QStringLiteral("stale"));
    units::Calc16(ctx, 0);
    units::Calc16(ctx, 1);
    EXPECT_EQ(slot(page16::Page, 0, page16::Notified.start), "Person 1");
    EXPECT_EQ(slot(page16::Page, 0, page16::Notified.start + 12), "Person 5");
    EXPECT_EQ(slot(page16::Page, 0, page16::Notified.start + 14), "City 5");
    EXPECT_EQ(slot(page16::Page, 1, page16::Notified.start), "Person 6");
    EXPECT_EQ(slot(page16::Page, 1, page16::Notified.start + 3), "Person 7");
    EXPECT_EQ(slot(page16::Page, 1, page16::Notified.start + 6), "");
    EXPECT_EQ(slot(page16::Page, 1, page16::Notified.start + 9), "");
    EXPECT_EQ(slot(page16::Page, 0, page16::DateOfTheHearing), "March 10, 2026");
    EXPECT_EQ(slot(page16::Page, 1, page16::DateOfTheHearing), "March 10, 2026");
    EXPECT_EQ(slot(page16::Page, 1, page16::TimeOfTheHearing), "9:00 a.m.");
    EXPECT_EQ(slot(page16::Page, 1, page16::PlaceOfTheHearing), "Courtroom 5");
}

TEST_F(PersonLists, OnePersonNoticeTakesTheCopysPerson) {
    markedPersons(kForm13_5, 3);
    units::Calc68(ctx, 2);
    EXPECT_EQ(slot(page68::Page, 2, page68::Name), "Person 3");
    EXPECT_EQ(slot(page68::Page, 2, page68::StreetAddress), "Street 3");
    EXPECT_EQ(slot(page68::Page, 2, page68::CityStateAndZIP), "City 3");
}

TEST_F(PersonLists, SurplusWaiverPersonIsTakenOffTheForm) {
    markedPersons(kForm2_1, 36);
    units::Calc5(ctx, 0);
    EXPECT_EQ(reports.numbers(), QList<int>{29060});
    EXPECT_EQ(slot(page5::Page, 0, page5::Names.start), "Person 1");
    EXPECT_EQ(slot(page5::Page, 0, page5::Names.start + 33), "Person 34");
    EXPECT_EQ(data.KSchedList.cell(kForm2_1, 34), "");   // the 35th: off the form
    EXPECT_EQ(data.KSchedList.cell(kForm2_1, 35), "X");  // the 36th: until the next run
    reports.clear();
    units::Calc5(ctx, 0);
    EXPECT_EQ(reports.numbers(), QList<int>{29060});
    EXPECT_EQ(data.KSchedList.cell(kForm2_1, 35), "");
}

TEST_F(PersonLists, Form9_0KeepsTheSurplusPersonMarkedAndEnds) {
    gi(page0::AttorneyName, QStringLiteral("Lee Atty"));
    markedPersons(kForm9_0, 6);
    units::Calc40(ctx, 0);
    ASSERT_EQ(reports.numbers(), QList<int>{30219});
    EXPECT_EQ(reports.reports().first().text, "Form 9.0");
    EXPECT_EQ(slot(page40::Page, 0, page40::Consent5), "Person 5");
    EXPECT_EQ(data.KSchedList.cell(kForm9_0, 5), "X");
    EXPECT_EQ(slot(page40::Page, 0, page40::Attorney),
              "");  // the attorney block after the list is not written
}

TEST_F(PersonLists, Form6_4CListsThirtyNames) {
    markedPersons(kForm6_4C, 30);
    units::Calc129(ctx, 0);
    EXPECT_TRUE(reports.numbers().isEmpty());
    EXPECT_EQ(slot(page129::Page, 0, page129::Names.start + 29), "Person 30");
    addKin({{kinColumn::Name, QStringLiteral("Person 31")}, {kForm6_4C, QStringLiteral("X")}});
    units::Calc129(ctx, 0);
    EXPECT_EQ(reports.numbers(), QList<int>{29060});
}

TEST_F(PersonLists, Form10_0BackSlot1IsTheSpouseUntilAPersonConsents) {
    gi(page0::SpouseName, QStringLiteral("Spouse Name"));
    units::Calc47(ctx, 0);
    EXPECT_EQ(slot(page47::Page, 0, page47::Consents.start), "Spouse Name");
    markedPersons(kForm10_0, 2);
    units::Calc47(ctx, 0);
    EXPECT_EQ(slot(page47::Page, 0, page47::Consents.start), "Person 1");
    EXPECT_EQ(slot(page47::Page, 0, page47::Consents.start + 1), "Person 2");
}

TEST_F(PersonLists, Form2_2SignerIsTheFiduciaryWhenBothAreTicked) {
    gi(page0::AttorneyName, QStringLiteral("Lee Atty"));
    gi(page0::AttorneyRegistration, QStringLiteral("0012345"));
    gi(page0::FiduciaryName, QStringLiteral("Ann Fid"));
    gi(page0::FiduciaryStreet, QStringLiteral("1 Elm St"));
    markedPersons(19, 2);
    a().setAnswer(page6::Page, 0, page6::AttorneySigns, QStringLiteral("X"));  // the attorney's box
    a().setAnswer(page6::Page, 0, page6::AdministratorWwaSigns,
                  QStringLiteral("X"));  // a fiduciary's box
    a().setAnswer(page6::Page, 0, page6::DateWillAdmitted, QStringLiteral("2/20/2026"));
    units::Calc6(ctx, 0);
    units::Calc6(ctx, 1);
    EXPECT_EQ(slot(page6::Page, 0, page6::Signer), "Ann Fid");
    EXPECT_EQ(slot(page6::Page, 0, page6::SignedByStreetAddress), "1 Elm St");
    EXPECT_EQ(slot(page6::Page, 0, page6::NoticeGivenBy), "Ann Fid");
    EXPECT_EQ(slot(page6::Page, 1, page6::NotifiedName), "Person 2");
    EXPECT_EQ(slot(page6::Page, 1, page6::DateWillAdmitted),
              "February 20, 2026");  // typed once, on the first notice
    // The second notice, with no box of its own, is signed as the first.
    EXPECT_EQ(slot(page6::Page, 1, page6::AdministratorWwaSigns), "X");
    EXPECT_EQ(slot(page6::Page, 1, page6::Signer), "Ann Fid");
    EXPECT_EQ(slot(page6::Page, 1, page6::NoticeGivenBy), "Ann Fid");
}

TEST_F(PersonLists, Form2_2NoticeWithItsOwnSigningBoxKeepsIt) {
    gi(page0::AttorneyName, QStringLiteral("Lee Atty"));
    gi(page0::AttorneyRegistration, QStringLiteral("0012345"));
    gi(page0::FiduciaryName, QStringLiteral("Ann Fid"));
    markedPersons(19, 2);
    a().setAnswer(page6::Page, 0, page6::ExecutorSigns,
                  QStringLiteral("X"));  // the executor signs the first
    a().setAnswer(page6::Page, 1, page6::AttorneySigns,
                  QStringLiteral("X"));  // the attorney the second
    units::Calc6(ctx, 0);
    units::Calc6(ctx, 1);
    EXPECT_EQ(slot(page6::Page, 1, page6::ExecutorSigns), "");
    EXPECT_EQ(slot(page6::Page, 1, page6::Signer), "Lee Atty");
    EXPECT_EQ(slot(page6::Page, 1, page6::AttorneyRegistrationNumber), "0012345");
}

// Each notice to a distributee names what the distribution in kind gives
// that person, and only that.
TEST_F(PersonLists, Form10_4ListsThePropertyOfItsDistributee) {
    constexpr int kForm10_4 = 35, kAssetForm10_0 = 26;
    addKin({{kinColumn::Name, QStringLiteral("Tom Son")}, {kForm10_4, X}});
    addKin({{kinColumn::Name, QStringLiteral("Ann Fid")}, {kForm10_4, X}});
    addAsset({{assetColumn::Description, QStringLiteral("100 shares | Ohio Power")},
              {assetColumn::Distributees, QStringLiteral("Tom Son")},
              {kAssetForm10_0, X}});
    addAsset({{assetColumn::Description, QStringLiteral("Piano")},
              {assetColumn::Distributees, QStringLiteral("Ann Fid, Tom Son")},
              {kAssetForm10_0, X}});
    addAsset({{assetColumn::Description, QStringLiteral("Not distributed")},
              {assetColumn::Distributees, QStringLiteral("Tom Son")}});
    units::Calc52(ctx, 0);
    units::Calc52(ctx, 1);
    EXPECT_EQ(slot(page52::Page, 0, page52::PropertyDistributedToThisPerson),
              "100 shares  Ohio Power | Piano");
    EXPECT_EQ(slot(page52::Page, 1, page52::PropertyDistributedToThisPerson), "Piano");
    overrideSlot(page52::Page, 1, page52::PropertyDistributedToThisPerson,
                 QStringLiteral("Piano, delivered"));
    units::Calc52(ctx, 1);
    EXPECT_EQ(slot(page52::Page, 1, page52::PropertyDistributedToThisPerson), "Piano, delivered");
}

TEST_F(PersonLists, Form12_1PersonsEntitledAreTheKinNamedInTheParcelsDistributees) {
    addKin({{kinColumn::Name, QStringLiteral("Ann Fid")},
            {kinColumn::Relationship, QStringLiteral("Daughter")}});
    addKin({{kinColumn::Name, QStringLiteral("Someone Else")}});
    addKin({{kinColumn::Name, QStringLiteral("Tom Son")},
            {kinColumn::Street, QStringLiteral("9 Oak St")}});
    addAsset({{assetColumn::Description, QStringLiteral("Lot 17 | Riverside Addition")},
              {assetColumn::Distributees, QStringLiteral("Tom Son, Ann Fid")},
              {assetColumn::ToForm12_0, QStringLiteral("X")}});
    a().setAnswer(page57::Page, 0, page57::Persons.start + 4,
                  QStringLiteral("1/2"));  // the share, typed by the user
    units::Calc57(ctx, 0);
    units::Calc58(ctx, 0);
    EXPECT_EQ(slot(page58::Page, 0, page58::Lines.start), "Lot 17");
    EXPECT_EQ(slot(page58::Page, 0, page58::Lines.start + 1), "Riverside Addition");
    EXPECT_EQ(slot(page57::Page, 0, page57::Persons.start),
              "Ann Fid");  // in the order of the kin rows
    EXPECT_EQ(slot(page57::Page, 0, page57::Persons.start + 3), "Daughter");
    EXPECT_EQ(slot(page57::Page, 0, page57::Persons.start + 4), "1/2");
    EXPECT_EQ(slot(page57::Page, 0, page57::Persons.start + 5), "Tom Son");
    EXPECT_EQ(slot(page57::Page, 0, page57::Persons.start + 6), "9 Oak St");
    EXPECT_EQ(slot(page57::Page, 0, page57::Persons.start + 10), "");
    EXPECT_EQ(slot(page58::Page, 0, page58::CertificateNumber),
              "1");  // the certificate number of the front
    EXPECT_TRUE(reports.numbers().isEmpty());
}

}  // namespace
// 4.5 prints one bond sentence: the amount and surety, or that bond is
// dispensed with; a bond answer without a figure is never printed as an amount.
TEST_F(PersonLists, Form4_5StatesEitherTheBondOrThatItIsDispensedWith) {
    struct Case {
        const char* bond;
        const char* surety;
        bool dispensed;
        const char* sentence;
    };
    const Case cases[] = {
        {"$40,000.00", "Buckeye Surety Company", false,
         "Bond is set in the amount of $40,000.00, with Buckeye Surety Company as surety."},
        {"25000", "", false, "Bond is set in the amount of $25000."},
        {"None", "", false, "Bond is dispensed with."},
        {"dispensed with", "", false, "Bond is dispensed with."},
        {"None", "", true, "Bond is dispensed with."},
        {"$10,000", "Buckeye Surety Company", true, "Bond is dispensed with."},
        {"", "", false,
         "Bond is set in the amount of $____________, with ______________________________ as "
         "surety."},
    };
    for (const Case& c : cases) {
        a().setAnswer(page17::Page, 0, page17::Bond, QString::fromUtf8(c.bond));
        a().setAnswer(page17::Page, 0, page17::Surety, QString::fromUtf8(c.surety));
        a().setAnswer(page17::Page, 0, page17::BondIsDispensedWith, c.dispensed ? X : QString());
        units::Calc17(ctx, 0);
        EXPECT_EQ(slot(page17::Page, 0, page17::BondOrder), QString::fromUtf8(c.sentence))
            << c.bond << " / " << c.dispensed;
    }
}

}  // namespace wm4::test
