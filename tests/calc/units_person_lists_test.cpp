// Person lists: Form 1.0, the multi-person and one-person notices, and the
// waivers and consents with their capacities.
#include <gtest/gtest.h>

#include "calc/calc_case.h"
#include "calc/units/units.h"
#include "forms/page001.h"
#include "forms/page006.h"
#include "forms/page016.h"

namespace wm4::test {
namespace {

constexpr int kFront = 10, kBack = 11, kForm2_1 = 18, kForm4_4 = 22, kForm9_0 = 32, kForm6_4C = 15,
              kForm10_0 = 33, kForm13_5 = 38;

class PersonLists : public CalcCaseTest {};

TEST_F(PersonLists, Form1_0FrontSkipsTheSpouseButTheRowKeepsItsPlace) {
    gi(42, QStringLiteral("Person 2"));
    markedPersons(kFront, 12);
    units::Calc1(ctx, 0);
    EXPECT_EQ(slot(1, 0, 5), "Person 2");  // the spouse line
    EXPECT_EQ(slot(1, 0, 8), "Surviving Spouse");
    // Persons 1 and 3 ... 10 on copy 0 (Person 2 is the spouse, already shown).
    EXPECT_EQ(slot(1, 0, 11), "Person 1");
    EXPECT_EQ(slot(1, 0, 17), "Person 3");
    EXPECT_EQ(slot(1, 0, 11 + 6 * 8), "Person 10");
    EXPECT_EQ(slot(1, 0, 11 + 6 * 9), "");
    // Copy 1 takes the marked rows 10 ... 20: persons 11 and 12.
    units::Calc1(ctx, 1);
    EXPECT_EQ(slot(1, 1, 5), "Person 11");
    EXPECT_EQ(slot(1, 1, 6), "Street 11");
    EXPECT_EQ(slot(1, 1, 11), "Person 12");
    EXPECT_EQ(slot(1, 1, 17), "");
    EXPECT_EQ(slot(1, 1, 7), "City 11");  // no spouse line on later copies
}

TEST_F(PersonLists, Form1_0NameOfThreeLinesShowsItsFirstTwo) {
    // 1.75 in of 11-point text holds 22 characters with the test measurer.
    addKin({{1, QStringLiteral("Bartholomew Alexander Montgomery-Fitzwilliam the Third")},
            {kFront, QStringLiteral("X")},
            {kBack, QStringLiteral("X")}});
    units::Calc1(ctx, 0);
    EXPECT_EQ(slot(1, 0, 10), "Bartholomew Alexander ");
    EXPECT_EQ(slot(1, 0, 11), "Montgomery-Fitzwilliam ");
    EXPECT_EQ(slot(1, 0, 12), "");  // the street, not the third line
    // The back's 2.75 in name box holds 36 characters: two lines.
    units::Calc2(ctx, 0);
    EXPECT_EQ(slot(2, 0, 1), "Bartholomew Alexander ");
    EXPECT_EQ(slot(2, 0, 2), "Montgomery-Fitzwilliam the Third");
}

// The column is the birth date of a minor: adults' dates stay off the form,
// and a minor listed ticks the form's minor box.
TEST_F(PersonLists, Form1_0GivesBirthDatesOfMinorsOnly) {
    gi(16, QStringLiteral("1/15/2026"));
    gi(42, QStringLiteral("Sue Spouse"));
    gi(48, QStringLiteral("6/2/1944"));
    addKin({{1, QStringLiteral("Adult Son")}, {5, QStringLiteral("11/2/1971")}, {kFront, X}});
    addKin({{1, QStringLiteral("Turns Eighteen")}, {5, QStringLiteral("1/15/2008")}, {kFront, X}});
    addKin({{1, QStringLiteral("Minor Heir")},
            {5, QStringLiteral("1/16/2008")},
            {kFront, X},
            {kBack, X}});
    units::Calc1(ctx, 0);
    EXPECT_EQ(slot(1, 0, 9), "");  // the spouse
    EXPECT_EQ(slot(1, 0, 15), "");
    EXPECT_EQ(slot(1, 0, 21), "");  // eighteen on the day of death
    EXPECT_EQ(slot(1, 0, 27), "1/16/2008");
    EXPECT_EQ(slot(1, 0, 71), "X");
    units::Calc2(ctx, 0);
    EXPECT_EQ(slot(2, 0, 5), "1/16/2008");

    data.KSchedList.setCell(10, 2, QString());  // no minor on the front: the box is not ticked
    a().setAnswer(page1::Page, 0, page1::MinorListed, QString());
    units::Calc1(ctx, 0);
    EXPECT_EQ(slot(1, 0, 71), "");
}

TEST_F(PersonLists, Form4_4SevenPersonsOnTwoCopiesWithInheritedHearingDetails) {
    markedPersons(kForm4_4, 7);
    a().setAnswer(page16::Page, 0, page16::DateOfTheHearing, QStringLiteral("3/10/2026"));
    a().setAnswer(page16::Page, 0, page16::TimeOfTheHearing, QStringLiteral("9:00 a.m."));
    a().setAnswer(page16::Page, 0, page16::PlaceOfTheHearing, QStringLiteral("Courtroom 2"));
    a().setAnswer(page16::Page, 1, page16::PlaceOfTheHearing,
                  QStringLiteral("Courtroom 5"));  // typed on the second notice
    a().setAnswer(16, 1, 13, QStringLiteral("stale"));
    units::Calc16(ctx, 0);
    units::Calc16(ctx, 1);
    EXPECT_EQ(slot(16, 0, 4), "Person 1");
    EXPECT_EQ(slot(16, 0, 16), "Person 5");
    EXPECT_EQ(slot(16, 0, 18), "City 5");
    EXPECT_EQ(slot(16, 1, 4), "Person 6");
    EXPECT_EQ(slot(16, 1, 7), "Person 7");
    EXPECT_EQ(slot(16, 1, 10), "");
    EXPECT_EQ(slot(16, 1, 13), "");
    EXPECT_EQ(slot(16, 0, 20), "March 10, 2026");
    EXPECT_EQ(slot(16, 1, 20), "March 10, 2026");
    EXPECT_EQ(slot(16, 1, 21), "9:00 a.m.");
    EXPECT_EQ(slot(16, 1, 22), "Courtroom 5");
}

TEST_F(PersonLists, OnePersonNoticeTakesTheCopysPerson) {
    markedPersons(kForm13_5, 3);
    units::Calc68(ctx, 2);
    EXPECT_EQ(slot(68, 2, 4), "Person 3");
    EXPECT_EQ(slot(68, 2, 5), "Street 3");
    EXPECT_EQ(slot(68, 2, 6), "City 3");
}

TEST_F(PersonLists, SurplusWaiverPersonIsTakenOffTheForm) {
    markedPersons(kForm2_1, 36);
    units::Calc5(ctx, 0);
    EXPECT_EQ(reports.numbers(), QList<int>{29060});
    EXPECT_EQ(slot(5, 0, 4), "Person 1");
    EXPECT_EQ(slot(5, 0, 37), "Person 34");
    EXPECT_EQ(data.KSchedList.cell(kForm2_1, 34), "");   // the 35th: off the form
    EXPECT_EQ(data.KSchedList.cell(kForm2_1, 35), "X");  // the 36th: until the next run
    reports.clear();
    units::Calc5(ctx, 0);
    EXPECT_EQ(reports.numbers(), QList<int>{29060});
    EXPECT_EQ(data.KSchedList.cell(kForm2_1, 35), "");
}

TEST_F(PersonLists, Form9_0KeepsTheSurplusPersonMarkedAndEnds) {
    gi(21, QStringLiteral("Lee Atty"));
    markedPersons(kForm9_0, 6);
    units::Calc40(ctx, 0);
    ASSERT_EQ(reports.numbers(), QList<int>{30219});
    EXPECT_EQ(reports.reports().first().text, "Form 9.0");
    EXPECT_EQ(slot(40, 0, 17), "Person 5");
    EXPECT_EQ(data.KSchedList.cell(kForm9_0, 5), "X");
    EXPECT_EQ(slot(40, 0, 18), "");  // the attorney block after the list is not written
}

TEST_F(PersonLists, Form6_4CListsThirtyNames) {
    markedPersons(kForm6_4C, 30);
    units::Calc129(ctx, 0);
    EXPECT_TRUE(reports.numbers().isEmpty());
    EXPECT_EQ(slot(129, 0, 36), "Person 30");
    addKin({{1, QStringLiteral("Person 31")}, {kForm6_4C, QStringLiteral("X")}});
    units::Calc129(ctx, 0);
    EXPECT_EQ(reports.numbers(), QList<int>{29060});
}

TEST_F(PersonLists, Form10_0BackSlot1IsTheSpouseUntilAPersonConsents) {
    gi(42, QStringLiteral("Spouse Name"));
    units::Calc47(ctx, 0);
    EXPECT_EQ(slot(47, 0, 1), "Spouse Name");
    markedPersons(kForm10_0, 2);
    units::Calc47(ctx, 0);
    EXPECT_EQ(slot(47, 0, 1), "Person 1");
    EXPECT_EQ(slot(47, 0, 2), "Person 2");
}

TEST_F(PersonLists, Form2_2SignerIsTheFiduciaryWhenBothAreTicked) {
    gi(21, QStringLiteral("Lee Atty"));
    gi(27, QStringLiteral("0012345"));
    gi(28, QStringLiteral("Ann Fid"));
    gi(29, QStringLiteral("1 Elm St"));
    markedPersons(19, 2);
    a().setAnswer(page6::Page, 0, page6::AttorneySigns, QStringLiteral("X"));  // the attorney's box
    a().setAnswer(page6::Page, 0, page6::AdministratorWwaSigns,
                  QStringLiteral("X"));  // a fiduciary's box
    a().setAnswer(page6::Page, 0, page6::DateWillAdmitted, QStringLiteral("2/20/2026"));
    units::Calc6(ctx, 0);
    units::Calc6(ctx, 1);
    EXPECT_EQ(slot(6, 0, 15), "Ann Fid");
    EXPECT_EQ(slot(6, 0, 16), "1 Elm St");
    EXPECT_EQ(slot(6, 0, 24), "Ann Fid");
    EXPECT_EQ(slot(6, 1, 4), "Person 2");
    EXPECT_EQ(slot(6, 1, 10), "February 20, 2026");  // typed once, on the first notice
    // The second notice, with no box of its own, is signed as the first.
    EXPECT_EQ(slot(6, 1, 20), "X");
    EXPECT_EQ(slot(6, 1, 15), "Ann Fid");
    EXPECT_EQ(slot(6, 1, 24), "Ann Fid");
}

TEST_F(PersonLists, Form2_2NoticeWithItsOwnSigningBoxKeepsIt) {
    gi(21, QStringLiteral("Lee Atty"));
    gi(27, QStringLiteral("0012345"));
    gi(28, QStringLiteral("Ann Fid"));
    markedPersons(19, 2);
    a().setAnswer(page6::Page, 0, page6::ExecutorSigns,
                  QStringLiteral("X"));  // the executor signs the first
    a().setAnswer(page6::Page, 1, page6::AttorneySigns,
                  QStringLiteral("X"));  // the attorney the second
    units::Calc6(ctx, 0);
    units::Calc6(ctx, 1);
    EXPECT_EQ(slot(6, 1, 19), "");
    EXPECT_EQ(slot(6, 1, 15), "Lee Atty");
    EXPECT_EQ(slot(6, 1, 25), "0012345");
}

// Each notice to a distributee names what the distribution in kind gives
// that person, and only that.
TEST_F(PersonLists, Form10_4ListsThePropertyOfItsDistributee) {
    constexpr int kForm10_4 = 35, kAssetForm10_0 = 26;
    addKin({{1, QStringLiteral("Tom Son")}, {kForm10_4, X}});
    addKin({{1, QStringLiteral("Ann Fid")}, {kForm10_4, X}});
    addAsset({{1, QStringLiteral("100 shares | Ohio Power")},
              {5, QStringLiteral("Tom Son")},
              {kAssetForm10_0, X}});
    addAsset({{1, QStringLiteral("Piano")},
              {5, QStringLiteral("Ann Fid, Tom Son")},
              {kAssetForm10_0, X}});
    addAsset({{1, QStringLiteral("Not distributed")}, {5, QStringLiteral("Tom Son")}});
    units::Calc52(ctx, 0);
    units::Calc52(ctx, 1);
    EXPECT_EQ(slot(52, 0, 14), "100 shares  Ohio Power | Piano");
    EXPECT_EQ(slot(52, 1, 14), "Piano");
    overrideSlot(52, 1, 14, QStringLiteral("Piano, delivered"));
    units::Calc52(ctx, 1);
    EXPECT_EQ(slot(52, 1, 14), "Piano, delivered");
}

TEST_F(PersonLists, Form12_1PersonsEntitledAreTheKinNamedInTheParcelsDistributees) {
    addKin({{1, QStringLiteral("Ann Fid")}, {4, QStringLiteral("Daughter")}});
    addKin({{1, QStringLiteral("Someone Else")}});
    addKin({{1, QStringLiteral("Tom Son")}, {2, QStringLiteral("9 Oak St")}});
    addAsset({{1, QStringLiteral("Lot 17 | Riverside Addition")},
              {5, QStringLiteral("Tom Son, Ann Fid")},
              {28, QStringLiteral("X")}});
    a().setAnswer(57, 0, 12, QStringLiteral("1/2"));  // the share, typed by the user
    units::Calc57(ctx, 0);
    units::Calc58(ctx, 0);
    EXPECT_EQ(slot(58, 0, 1), "Lot 17");
    EXPECT_EQ(slot(58, 0, 2), "Riverside Addition");
    EXPECT_EQ(slot(57, 0, 8), "Ann Fid");  // in the order of the kin rows
    EXPECT_EQ(slot(57, 0, 11), "Daughter");
    EXPECT_EQ(slot(57, 0, 12), "1/2");
    EXPECT_EQ(slot(57, 0, 13), "Tom Son");
    EXPECT_EQ(slot(57, 0, 14), "9 Oak St");
    EXPECT_EQ(slot(57, 0, 18), "");
    EXPECT_EQ(slot(58, 0, 39), "1");  // the certificate number of the front
    EXPECT_TRUE(reports.numbers().isEmpty());
}

}  // namespace
}  // namespace wm4::test
