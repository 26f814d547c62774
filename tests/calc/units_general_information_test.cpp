// The General Information unit: dates, the spouse who is the fiduciary, and
// the kin rows of the spouse and the fiduciaries; Form 7.0(A)'s age.
#include <gtest/gtest.h>

#include "calc/calc_case.h"
#include "calc/units/units.h"
#include "case/worksheet_columns.h"
#include "forms/page000.h"
#include "forms/page079.h"

namespace wm4::test {
namespace {

class GeneralInformation : public CalcCaseTest {
protected:
    void fiduciary() {
        gi(page0::FiduciaryName, QStringLiteral("Ann Fid"));
        gi(page0::FiduciaryStreet, QStringLiteral("1 Elm St"));
        gi(page0::FiduciaryCity, QStringLiteral("Ellery"));
        gi(page0::FiduciaryState, QStringLiteral("Ohio"));
        gi(page0::FiduciaryZip, QStringLiteral("43917"));
        gi(page0::FiduciaryPhone, QStringLiteral("555-0101"));
        gi(page0::FiduciaryDetail, QStringLiteral("Daughter"));
    }
    int rowsNamed(const QString& name) const {
        int n = 0;
        for (int row = 0; row < data.KSchedList.rowCount(); ++row)
            n += data.KSchedList.cell(kinColumn::Name, row) == name;
        return n;
    }
};

TEST_F(GeneralInformation, DatesInLongFormUnlessOverridden) {
    gi(page0::DecedentBirthDate, QStringLiteral("3/4/1941"));
    overrideSlot(page0::Page, 0, page0::DeathDate, QStringLiteral("1/15/2026"));
    units::Calc0(ctx, 0);
    EXPECT_EQ(slot(page0::Page, 0, page0::DecedentBirthDate), "March 4, 1941");
    EXPECT_EQ(slot(page0::Page, 0, page0::DeathDate), "1/15/2026");
}

TEST_F(GeneralInformation, SpouseWhoIsTheFiduciaryTakesTheFiduciarysAnswersOnEveryRun) {
    fiduciary();
    gi(page0::SpouseName, QStringLiteral("Old Spouse"));
    gi(page0::SpouseIsFiduciary, QStringLiteral("X"));
    units::Calc0(ctx, 0);
    EXPECT_EQ(slot(page0::Page, 0, page0::SpouseName), "Ann Fid");
    EXPECT_EQ(slot(page0::Page, 0, page0::SpouseCity), "Ellery");
    EXPECT_EQ(slot(page0::Page, 0, page0::SpousePhone), "555-0101");
    EXPECT_EQ(slot(page0::Page, 0, page0::SpouseDetail), "Daughter");
    // One kin row for the person who is spouse and fiduciary.
    EXPECT_EQ(rowsNamed(QStringLiteral("Ann Fid")), 1);
    EXPECT_EQ(data.KSchedList.cell(kinColumn::CityStateZip, 0), "Ellery, Ohio  43917");
}

TEST_F(GeneralInformation, KinRowOfAPersonIsUpdatedOrAdded) {
    fiduciary();
    gi(page0::FiduciaryGenderMark, QStringLiteral("X"));
    addKin({{kinColumn::Name, QStringLiteral("Ann Fid")},
            {kinColumn::Street, QStringLiteral("old street")},
            {kinColumn::Gender, QStringLiteral("F")}});
    addKin({{kinColumn::Name, QStringLiteral("Someone")}});
    addKin({{kinColumn::Name, QStringLiteral("Ann Fid")},
            {kinColumn::Street, QStringLiteral("older street")}});
    gi(page0::CoFiduciaryName, QStringLiteral("Bob Cofid"));
    gi(page0::CoFiduciaryStreet, QStringLiteral("9 Oak St"));
    gi(page0::CoFiduciaryCity,
       QStringLiteral("Dayton"));  // no state: the city line is still written on a new row
    units::Calc0(ctx, 0);
    // The last row of that name is updated; the first stays as it was.
    EXPECT_EQ(data.KSchedList.cell(kinColumn::Street, 0), "old street");
    EXPECT_EQ(data.KSchedList.cell(kinColumn::Street, 2), "1 Elm St");
    EXPECT_EQ(data.KSchedList.cell(kinColumn::Gender, 2), "M");
    ASSERT_EQ(data.KSchedList.rowCount(), 4);
    EXPECT_EQ(data.KSchedList.cell(kinColumn::Name, 3), "Bob Cofid");
    EXPECT_EQ(data.KSchedList.cell(kinColumn::CityStateZip, 3), "Dayton,   ");
    EXPECT_EQ(data.KSchedList.cell(kinColumn::Gender, 3), "F");
    // A second run finds the rows it added.
    units::Calc0(ctx, 0);
    EXPECT_EQ(data.KSchedList.rowCount(), 4);
}

TEST_F(GeneralInformation, EmptyFirstKinRowIsUsedAndTheCityLineNeedsAState) {
    gi(page0::SpouseName, QStringLiteral("Sue Spouse"));
    gi(page0::SpouseStreet, QStringLiteral("5 Pine St"));
    gi(page0::SpouseCity, QStringLiteral("Ellery"));
    units::Calc0(ctx, 0);
    ASSERT_EQ(data.KSchedList.rowCount(), 1);
    EXPECT_EQ(data.KSchedList.cell(kinColumn::Name, 0), "Sue Spouse");
    EXPECT_EQ(data.KSchedList.cell(kinColumn::Gender, 0), "");  // the decedent's marks say nothing
    data.KSchedList.setCell(kinColumn::CityStateZip, 0, QStringLiteral("typed city line"));
    units::Calc0(ctx, 0);  // no state answer: the row's city line stays
    EXPECT_EQ(data.KSchedList.cell(kinColumn::CityStateZip, 0), "typed city line");
}

// The spouse's kin row takes the gender opposite the decedent's marks: the
// widow of a husband is "F" (her letters say "Ms."), the widower of a woman
// "M"; without a mark the row keeps what the worksheet holds.
TEST_F(GeneralInformation, SpouseGenderFollowsTheDecedentsMarks) {
    struct Case {
        const char* husband;  // answer 51
        const char* woman;    // answer 52
        const char* gender;
    };
    const Case cases[] = {{"X", "", "F"}, {"", "X", "M"}, {"", "", "typed"}};
    gi(page0::SpouseName, QStringLiteral("Sue Spouse"));
    addKin({{kinColumn::Name, QStringLiteral("Sue Spouse")}});
    for (const Case& c : cases) {
        data.KSchedList.setCell(kinColumn::Gender, 0, QStringLiteral("typed"));
        gi(page0::DecedentGenderMark, c.husband);
        gi(page0::DecedentGenderMark2, c.woman);
        units::Calc0(ctx, 0);
        EXPECT_EQ(data.KSchedList.cell(kinColumn::Gender, 0), c.gender) << c.husband << c.woman;
    }
}

TEST_F(GeneralInformation, Form7_0AAgeAtDeath) {
    struct Case {
        const char* birth;
        const char* death;
        const char* age;
    };
    const Case cases[] = {
        {"12/31/1950", "1/1/2020", "69 years"},
        {"1/1/1950", "1/1/2020", "70 years"},
        {"March 4, 1941", "January 15, 2026", "84 years"},  // as Calc0 leaves them
        {"", "1/1/2020", ""},
        {"unknown", "1/1/2020", ""},
    };
    for (const Case& c : cases) {
        gi(page0::DecedentBirthDate, QString::fromLatin1(c.birth));
        gi(page0::DeathDate, QString::fromLatin1(c.death));
        units::Calc79(ctx, 0);
        EXPECT_EQ(slot(page79::Page, 0, page79::AgeAtDeath), QString::fromLatin1(c.age)) << c.birth;
    }
    gi(page0::DecedentLastName, QStringLiteral("Doe"));
    gi(page0::DecedentFirstName, QStringLiteral("Jane"));
    gi(page0::DecedentMiddleName, QStringLiteral("Q."));
    units::Calc79(ctx, 0);
    EXPECT_EQ(slot(page79::Page, 0, page79::Name), "Jane Q.  Doe");
    EXPECT_TRUE(reports.numbers().isEmpty());
}

}  // namespace
}  // namespace wm4::test
