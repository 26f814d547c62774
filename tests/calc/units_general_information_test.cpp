// The General Information unit: dates, the spouse who is the fiduciary, and
// the kin rows of the spouse and the fiduciaries; Form 7.0(A)'s age.
#include <gtest/gtest.h>

#include "calc/calc_case.h"
#include "calc/units/units.h"
#include "forms/page000.h"
#include "forms/page079.h"

namespace wm4::test {
namespace {

class GeneralInformation : public CalcCaseTest {
protected:
    void fiduciary() {
        gi(28, QStringLiteral("Ann Fid"));
        gi(29, QStringLiteral("1 Elm St"));
        gi(30, QStringLiteral("Ellery"));
        gi(31, QStringLiteral("Ohio"));
        gi(32, QStringLiteral("43917"));
        gi(33, QStringLiteral("555-0101"));
        gi(57, QStringLiteral("Daughter"));
    }
    int rowsNamed(const QString& name) const {
        int n = 0;
        for (int row = 0; row < data.KSchedList.rowCount(); ++row)
            n += data.KSchedList.cell(1, row) == name;
        return n;
    }
};

TEST_F(GeneralInformation, DatesInLongFormUnlessOverridden) {
    gi(14, QStringLiteral("3/4/1941"));
    overrideSlot(0, 0, 16, QStringLiteral("1/15/2026"));
    units::Calc0(ctx, 0);
    EXPECT_EQ(slot(page0::Page, 0, page0::DecedentBirthDate), "March 4, 1941");
    EXPECT_EQ(slot(page0::Page, 0, page0::DeathDate), "1/15/2026");
}

TEST_F(GeneralInformation, SpouseWhoIsTheFiduciaryTakesTheFiduciarysAnswersOnEveryRun) {
    fiduciary();
    gi(42, QStringLiteral("Old Spouse"));
    gi(50, QStringLiteral("X"));
    units::Calc0(ctx, 0);
    EXPECT_EQ(slot(page0::Page, 0, page0::SpouseName), "Ann Fid");
    EXPECT_EQ(slot(page0::Page, 0, page0::SpouseCity), "Ellery");
    EXPECT_EQ(slot(page0::Page, 0, page0::SpousePhone), "555-0101");
    EXPECT_EQ(slot(page0::Page, 0, page0::SpouseDetail), "Daughter");
    // One kin row for the person who is spouse and fiduciary.
    EXPECT_EQ(rowsNamed(QStringLiteral("Ann Fid")), 1);
    EXPECT_EQ(data.KSchedList.cell(3, 0), "Ellery, Ohio  43917");
}

TEST_F(GeneralInformation, KinRowOfAPersonIsUpdatedOrAdded) {
    fiduciary();
    gi(53, QStringLiteral("X"));
    addKin({{1, QStringLiteral("Ann Fid")},
            {2, QStringLiteral("old street")},
            {6, QStringLiteral("F")}});
    addKin({{1, QStringLiteral("Someone")}});
    addKin({{1, QStringLiteral("Ann Fid")}, {2, QStringLiteral("older street")}});
    gi(35, QStringLiteral("Bob Cofid"));
    gi(36, QStringLiteral("9 Oak St"));
    gi(37, QStringLiteral("Dayton"));  // no state: the city line is still written on a new row
    units::Calc0(ctx, 0);
    // The last row of that name is updated; the first stays as it was.
    EXPECT_EQ(data.KSchedList.cell(2, 0), "old street");
    EXPECT_EQ(data.KSchedList.cell(2, 2), "1 Elm St");
    EXPECT_EQ(data.KSchedList.cell(6, 2), "M");
    ASSERT_EQ(data.KSchedList.rowCount(), 4);
    EXPECT_EQ(data.KSchedList.cell(1, 3), "Bob Cofid");
    EXPECT_EQ(data.KSchedList.cell(3, 3), "Dayton,   ");
    EXPECT_EQ(data.KSchedList.cell(6, 3), "F");
    // A second run finds the rows it added.
    units::Calc0(ctx, 0);
    EXPECT_EQ(data.KSchedList.rowCount(), 4);
}

TEST_F(GeneralInformation, EmptyFirstKinRowIsUsedAndTheCityLineNeedsAState) {
    gi(42, QStringLiteral("Sue Spouse"));
    gi(43, QStringLiteral("5 Pine St"));
    gi(44, QStringLiteral("Ellery"));
    units::Calc0(ctx, 0);
    ASSERT_EQ(data.KSchedList.rowCount(), 1);
    EXPECT_EQ(data.KSchedList.cell(1, 0), "Sue Spouse");
    EXPECT_EQ(data.KSchedList.cell(6, 0), "");  // the decedent's marks say nothing
    data.KSchedList.setCell(3, 0, QStringLiteral("typed city line"));
    units::Calc0(ctx, 0);  // no state answer: the row's city line stays
    EXPECT_EQ(data.KSchedList.cell(3, 0), "typed city line");
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
    gi(42, QStringLiteral("Sue Spouse"));
    addKin({{1, QStringLiteral("Sue Spouse")}});
    for (const Case& c : cases) {
        data.KSchedList.setCell(6, 0, QStringLiteral("typed"));
        gi(51, c.husband);
        gi(52, c.woman);
        units::Calc0(ctx, 0);
        EXPECT_EQ(data.KSchedList.cell(6, 0), c.gender) << c.husband << c.woman;
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
        gi(14, QString::fromLatin1(c.birth));
        gi(16, QString::fromLatin1(c.death));
        units::Calc79(ctx, 0);
        EXPECT_EQ(slot(page79::Page, 0, page79::AgeAtDeath), QString::fromLatin1(c.age)) << c.birth;
    }
    gi(5, QStringLiteral("Doe"));
    gi(6, QStringLiteral("Jane"));
    gi(7, QStringLiteral("Q."));
    units::Calc79(ctx, 0);
    EXPECT_EQ(slot(page79::Page, 0, page79::Name), "Jane Q.  Doe");
    EXPECT_TRUE(reports.numbers().isEmpty());
}

}  // namespace
}  // namespace wm4::test
