// The building blocks: write rules, list areas with overridden slots, long
// dates, fiduciary names, inherited slots, category wordings.
#include <gtest/gtest.h>

#include <stdexcept>

#include "calc/calc_case.h"
#include "calc/units/blocks.h"
#include "calc/units/categories.h"
#include "calc/units/units.h"
#include "forms/page000.h"
#include "forms/page005.h"
#include "forms/page007.h"
#include "forms/page008.h"
#include "forms/page013.h"
#include "forms/page014.h"
#include "forms/page066.h"
#include "forms/page076.h"

namespace wm4::test {
namespace {

using units::Category;
using units::PageCopy;
using units::Write;

class Blocks : public CalcCaseTest {};

TEST_F(Blocks, KeptWritesLeaveOverriddenSlotsAlonePlainWritesDoNot) {
    gi(page0::FiduciaryName, QStringLiteral("Ann Fid"));
    gi(page0::AttorneyName, QStringLiteral("Lee Atty"));
    overrideSlot(page13::Page, 0, page13::Applicant,
                 QStringLiteral("Typed Fiduciary"));  // Form 4.1: kept
    overrideSlot(page14::Page, 0, page14::Attorney,
                 QStringLiteral("Typed Attorney"));  // Form 4.2: plain
    units::Calc13(ctx, 0);
    units::Calc14(ctx, 0);
    EXPECT_EQ(slot(page13::Page, 0, page13::Applicant), "Typed Fiduciary");
    EXPECT_EQ(slot(page14::Page, 0, page14::Attorney), "Lee Atty");
}

TEST_F(Blocks, OverriddenWaiverSlotDropsThatPersonAndKeepsTheRestInPlace) {
    // Form 2.1 lists names from slot 4; the user typed over the third.
    markedPersons(18, 4);
    overrideSlot(page5::Page, 0, page5::Names.start + 2, QStringLiteral("Typed Name"));
    a().setAnswer(page5::Page, 0, page5::Names.start + 5, QStringLiteral("stale"));
    units::Calc5(ctx, 0);
    EXPECT_EQ(slot(page5::Page, 0, page5::Names.start), "Person 1");
    EXPECT_EQ(slot(page5::Page, 0, page5::Names.start + 1), "Person 2");
    EXPECT_EQ(slot(page5::Page, 0, page5::Names.start + 2), "Typed Name");
    EXPECT_EQ(slot(page5::Page, 0, page5::Names.start + 3), "Person 4");
    EXPECT_EQ(slot(page5::Page, 0, page5::Names.start + 4), "");
    EXPECT_EQ(slot(page5::Page, 0, page5::Names.start + 5), "");  // the list area is emptied first
    EXPECT_TRUE(reports.numbers().isEmpty());
}

TEST_F(Blocks, DatesInLongForm) {
    struct Case {
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {{"3/4/2021", "March 4, 2021"},
                          {"March 4, 2021", "March 4, 2021"},
                          {"", ""},
                          {"n/a", "n/a"}};
    for (const Case& c : cases) {
        a().setAnswer(page7::Page, 0, page7::DateWillPresented,
                      QString::fromLatin1(c.typed));  // Form 2.3 slot 4
        units::Calc7(ctx, 0);
        EXPECT_EQ(slot(page7::Page, 0, page7::DateWillPresented), QString::fromLatin1(c.shown))
            << c.typed;
    }
}

TEST_F(Blocks, FiduciaryNamesWithAndWithoutCoFiduciary) {
    gi(page0::FiduciaryName, QStringLiteral("Ann Fid"));
    EXPECT_EQ(units::fiduciaryNames(ctx), "Ann Fid");
    gi(page0::CoFiduciaryName, QStringLiteral("Bob Cofid"));
    EXPECT_EQ(units::fiduciaryNames(ctx), "Ann Fid & Bob Cofid");
    EXPECT_EQ(units::fiduciaryNames(ctx, QStringLiteral(" / ")), "Ann Fid / Bob Cofid");
}

TEST_F(Blocks, PartyBlocksAndCaptions) {
    const std::pair<int, const char*> answers[] = {
        {0, "Jane Doe"},  {1, "Judges"},    {3, "Wendmoor"},    {4, "2026 es 1"}, {8, "1 Main St"},
        {9, "Twp"},       {10, "Ellery"},   {11, "Wendmoor"},   {12, "Ohio"},     {13, "43917"},
        {16, "1/2/2026"}, {21, "Lee Atty"}, {22, "2 Court St"}, {23, "Ellery"},   {24, "Ohio"},
        {25, "43917"},    {26, "555-0100"}, {27, "0012345"}};
    for (const auto& [answer, text] : answers) gi(answer, QString::fromLatin1(text));
    units::Calc18(ctx, 0);  // Form 5.0 front: caption, decedent 4-10, attorney 19-23
    const char* expected[][2] = {
        {"2", "JANE DOE"},  {"3", "2026 ES 1"}, {"4", "1/2/2026"},    {"5", "1 Main St"},
        {"6", "Ellery"},    {"7", "Wendmoor"},  {"8", "Twp"},         {"9", "Ohio"},
        {"10", "43917"},    {"19", "Lee Atty"}, {"20", "2 Court St"}, {"21", "Ellery, Ohio  43917"},
        {"22", "555-0100"}, {"23", "0012345"}};
    for (const auto& [s, text] : expected)
        EXPECT_EQ(slot(18, 0, QString::fromLatin1(s).toInt()), QString::fromLatin1(text)) << s;
    units::Calc66(ctx, 0);  // Form 13.3: the full caption as typed
    EXPECT_EQ(slot(page66::Page, 0, page66::County), "Wendmoor");
    EXPECT_EQ(slot(page66::Page, 0, page66::EstateOf), "Jane Doe");
    units::Calc76(ctx, 0);  // Form 5.5: upper-cased
    EXPECT_EQ(slot(page76::Page, 0, page76::Judges), "JUDGES");
    EXPECT_EQ(slot(page76::Page, 0, page76::CaseNumber), "2026 es 1");  // the case number as typed
}

TEST_F(Blocks, SignerIsTheFiduciaryOrTheAttorney) {
    gi(page0::FiduciaryName, QStringLiteral("Ann Fid"));
    gi(page0::AttorneyName, QStringLiteral("Lee Atty"));
    gi(page0::AttorneyRegistration, QStringLiteral("0012345"));
    a().setAnswer(page8::Page, 0, page8::AdministratorWwaSigns,
                  QStringLiteral("X"));  // Form 2.4: a fiduciary box
    units::Calc8(ctx, 0);
    EXPECT_EQ(slot(page8::Page, 0, page8::Signer), "Ann Fid");
    EXPECT_EQ(slot(page8::Page, 0, page8::AttorneyRegistrationNumber), "");
    a().setAnswer(page8::Page, 0, page8::AdministratorWwaSigns, QString());
    a().setAnswer(page8::Page, 0, page8::AttorneySigns, QStringLiteral("X"));  // the attorney's box
    units::Calc8(ctx, 0);
    EXPECT_EQ(slot(page8::Page, 0, page8::Signer), "Lee Atty");
    EXPECT_EQ(slot(page8::Page, 0, page8::AttorneyRegistrationNumber), "0012345");
}

TEST_F(Blocks, AWriteOutsideThePageStopsTheRun) {
    PageCopy pc(ctx, 7, 0);  // page 7 has slots 0 ... 25
    ASSERT_EQ(MaxSlot[7], 25);
    EXPECT_NO_THROW(pc.put(MaxSlot[7], QStringLiteral("last")));
    EXPECT_THROW(pc.put(MaxSlot[7] + 1, QStringLiteral("beyond")), std::out_of_range);
    EXPECT_THROW(pc.text(-1), std::out_of_range);
}

TEST_F(Blocks, GuardedUnitReportsWhatGoesWrongAndTheRunGoesOn) {
    EXPECT_NO_THROW(units::runGuarded(29397, [] { throw std::out_of_range("slot"); }));
    EXPECT_EQ(reports.numbers(), QList<int>{29397});
    reports.clear();
    units::Calc39(ctx, 0);  // Form 8.2 runs under that guard
    EXPECT_TRUE(reports.numbers().isEmpty());
}

// The category names the forms look for are recognised in the category
// list's wording, the forms' own and the prior-version import's, in any case.
TEST(Categories, EveryWordingOfACategoryIsRecognised) {
    struct Case {
        const char* cell;
        Category category;
        bool matches;
    };
    const Case cases[] = {
        {"1st auto to spouse", Category::FirstAutoToSpouse, true},
        {"1st Automobile To Spouse", Category::FirstAutoToSpouse, true},
        {"1st automobile", Category::FirstAutoToSpouse, true},
        {"1ST AUTO TO SPOUSE", Category::FirstAutoToSpouse, true},
        {"2nd auto to spouse", Category::SecondAutoToSpouse, true},
        {"2nd automobile", Category::SecondAutoToSpouse, true},
        {"2nd auto to spouse", Category::FirstAutoToSpouse, false},
        {"Stocks and bonds", Category::StocksAndBonds, true},
        {"Stocks & Bonds", Category::StocksAndBonds, true},
        {"STOCKS AND BONDS", Category::StocksAndBonds, true},
        {"Motor vehicle", Category::MotorVehicle, true},
        {"Real estate", Category::RealEstate, true},
        {"Real property", Category::RealEstate, false},
        {"Others", Category::Other, false},
        {"Not used for this asset", Category::Other, false},
        {"", Category::Accounts, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(units::categoryMatches(QString::fromLatin1(c.cell), c.category), c.matches)
            << c.cell;
}

}  // namespace
}  // namespace wm4::test
