// Lines that speak of the surviving spouse print only when there is one:
// Form 1.0's spouse line, the spouse's joinder in the 6.0 waiver and the
// allowance sentence of 12.1; 6.0 prints no empty automobile lines.
// The certificate of transfer states testate or intestate only on what the
// case says.
#include "calc/calc_case.h"
#include "calc/units/units.h"
#include "forms/page000.h"
#include "forms/page001.h"
#include "forms/page003.h"
#include "forms/page006.h"
#include "forms/page028.h"
#include "forms/page029.h"
#include "forms/page040.h"
#include "forms/page055.h"
#include "forms/page056.h"
#include "forms/page057.h"

namespace wm4 {
namespace {

using test::CalcCaseTest;

class SpouseLines : public CalcCaseTest {
protected:
    void SetUp() override {
        gi(page0::DecedentName, "Carl Smith");
        ctx.buffers.inventory.autoValues.fill(0);
        ctx.buffers.inventory.autoValues[0] = 18500;
        a().setAnswer(page57::Page, 0, page57::SpouseAllowance, "2,000");
    }
    void withSpouse() {
        gi(page0::SpouseName, "Jane Smith");
        gi(page0::SpouseStreet, "1 Main St");
        gi(page0::SpouseCity, "Akron");
        gi(page0::SpouseState, "OH");
        gi(page0::SpouseZip, "44300");
    }
    void runAll() {
        units::Calc1(ctx, 0);
        units::Calc28(ctx, 0);
        units::Calc29(ctx, 0);
        units::Calc57(ctx, 0);
        units::Calc40(ctx, 0);
        units::Calc56(ctx, 0);
    }
};

TEST_F(SpouseLines, NoSpouseNoSpouseLine) {
    runAll();
    EXPECT_EQ(slot(page1::Page, page1::Persons.start + 1), "");
    EXPECT_EQ(slot(page1::Page, page1::Persons.start + 3), "");  // not a lone ","
    EXPECT_EQ(slot(page1::Page, page1::Persons.start + 4), "");  // not "Surviving Spouse"
    // No "0.00" lines; an automobile categorised to the spouse keeps its
    // value on the inventory.
    EXPECT_EQ(slot(page28::Page, page28::AutosToSpouse.start), "18,500.00");
    for (int s = 22; s <= 28; ++s) EXPECT_EQ(slot(28, s), "") << s;
    EXPECT_EQ(slot(page29::Page, page29::SpouseJoinderWithASpouseOnly), "");
    EXPECT_EQ(slot(page57::Page, page57::SurvivingSpouse), "");
    EXPECT_EQ(slot(page57::Page, page57::AllowanceSentence), "");
    EXPECT_EQ(slot(page40::Page, page40::SurvivingSpouse),
              "");  // 9.0: no "Surviving Spouse" consent line
    EXPECT_EQ(slot(page56::Page, page56::SurvivingSpouse),
              "None");  // 12.0: "Surviving spouse: None"
}

TEST_F(SpouseLines, ASpouseGetsEveryLine) {
    withSpouse();
    runAll();
    EXPECT_EQ(slot(page1::Page, page1::Persons.start + 1), "Jane Smith");
    EXPECT_EQ(slot(page1::Page, page1::Persons.start + 3), "Akron, OH  44300");
    EXPECT_EQ(slot(page1::Page, page1::Persons.start + 4), "Surviving Spouse");
    EXPECT_EQ(slot(page40::Page, page40::SurvivingSpouse), "Surviving Spouse Jane Smith");
    EXPECT_EQ(slot(page56::Page, page56::SurvivingSpouse), "Jane Smith");
    EXPECT_EQ(slot(page28::Page, page28::AutosToSpouse.start), "18,500.00");
    EXPECT_EQ(slot(page28::Page, page28::AutosToSpouse.start + 1),
              "");  // a second automobile the spouse does not take
    EXPECT_EQ(slot(page28::Page, page28::TotalOfTheAutomobiles), "18,500.00");
    EXPECT_EQ(slot(page29::Page, page29::SpouseJoinderWithASpouseOnly),
              "Jane Smith, the surviving spouse, joins in this waiver.");
    EXPECT_EQ(slot(page57::Page, page57::AllowanceSentence),
              "The interest of the surviving spouse, Jane Smith, includes the allowance for "
              "support of $2,000.00 satisfied by this transfer.");

    // Form 1.0 saying "no surviving spouse" outweighs a name left on page 0.
    a().setAnswer(page1::Page, 0, page1::TheDecedentLeftNoSurvivingSpouse, "X");
    runAll();
    EXPECT_EQ(slot(page1::Page, page1::Persons.start + 4), "");
    EXPECT_EQ(slot(page29::Page, page29::SpouseJoinderWithASpouseOnly), "");

    // No allowance typed: no allowance sentence.
    a().setAnswer(page1::Page, 0, page1::TheDecedentLeftNoSurvivingSpouse, "");
    a().setAnswer(page57::Page, 0, page57::SpouseAllowance, "");
    runAll();
    EXPECT_EQ(slot(page57::Page, page57::AllowanceSentence), "");
}

TEST_F(SpouseLines, CertificateStatesTheSuccessionTheCaseGives) {
    struct Case {
        const char* testateBox;    // 12.0 slot 12
        const char* intestateBox;  // 12.0 slot 21
        const char* willDate;      // 2.0 slot 28
        const char* intestate;     // 12.1 slot 5
        const char* testate;       // 12.1 slot 6
    };
    const Case cases[] = {
        {"X", "", "", "", "X"},
        {"", "X", "", "X", ""},
        {"", "", "5/20/2018", "", "X"},  // a will on 2.0
        {"", "", "", "", ""},            // nothing said: neither ticked
        {"", "X", "5/20/2018", "X", ""},
    };
    a().setAnswer(page6::Page, 0, page6::DateWillAdmitted,
                  "February 20, 2026");  // the will admitted (2.2)
    a().setAnswer(page55::Page, 0, page55::Testate, "");
    a().setAnswer(page55::Page, 0, page55::Intestate, "");
    a().setAnswer(page3::Page, 0, page3::DateOfTheWill, "");
    units::Calc57(ctx, 0);
    EXPECT_EQ(slot(page57::Page, page57::DiedTestate), "X");
    a().setAnswer(page6::Page, 0, page6::DateWillAdmitted, "");
    for (const Case& c : cases) {
        a().setAnswer(page55::Page, 0, page55::Testate, c.testateBox);
        a().setAnswer(page55::Page, 0, page55::Intestate, c.intestateBox);
        a().setAnswer(page3::Page, 0, page3::DateOfTheWill, c.willDate);
        units::Calc57(ctx, 0);
        EXPECT_EQ(slot(page57::Page, page57::DiedIntestate), c.intestate)
            << c.testateBox << c.intestateBox << c.willDate;
        EXPECT_EQ(slot(page57::Page, page57::DiedTestate), c.testate)
            << c.testateBox << c.intestateBox << c.willDate;
    }
}

// The certificate's persons entitled carry their shares as typed beside the
// names in the parcel's distributees; without them the Share column stays
// empty for the user (no equal shares invented).
TEST_F(SpouseLines, CertificateGivesEachPersonsShare) {
    using namespace test::columns;
    addKin({{KinName, "Jane Smith"}, {KinStreet, "1 Main St"}});
    addKin({{KinName, "Ann Doe"}});
    addAsset({{AssetForm12, "X"}, {AssetDistributees, "Ann Doe 1/3, Jane Smith 2/3"}});
    addAsset({{AssetForm12, "X"}, {AssetDistributees, "Ann Doe, Jane Smith"}});

    units::Calc58(ctx, 0);
    units::Calc58(ctx, 1);

    EXPECT_EQ(slot(page57::Page, 0, page57::Persons.start), "Jane Smith");
    EXPECT_EQ(slot(page57::Page, 0, page57::Persons.start + 1), "1 Main St");
    EXPECT_EQ(slot(page57::Page, 0, page57::Persons.start + 4), "2/3");
    EXPECT_EQ(slot(page57::Page, 0, page57::Persons.start + 5), "Ann Doe");
    EXPECT_EQ(slot(page57::Page, 0, page57::Persons.start + 9), "1/3");
    EXPECT_EQ(slot(page57::Page, 1, page57::Persons.start + 4), "");
    EXPECT_EQ(slot(page57::Page, 1, page57::Persons.start + 9), "");
    EXPECT_EQ(slot(page57::Page, 1, page57::Persons.start + 14), "");
}

}  // namespace
}  // namespace wm4
