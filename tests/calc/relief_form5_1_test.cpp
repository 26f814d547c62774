// Form 5.1: the automobiles to the spouse, real property and other assets on
// the front with the Form 5.0 ceilings and the automobile allowance; the
// debts on the back.
#include <QStringList>

#include "calc/calc_case.h"
#include "calc/relief/relief_units.h"
#include "forms/page000.h"
#include "forms/page018.h"
#include "forms/page020.h"
#include "forms/page021.h"

namespace wm4 {
namespace {

using test::CalcCaseTest;
using namespace test::columns;

class Form5_1 : public CalcCaseTest {
protected:
    int addReliefAsset(const QString& category, const QString& value,
                       const QString& description = QString()) {
        return addAsset({{AssetForm5_1, "X"},
                         {AssetCategory5_1, category},
                         {AssetValue, value},
                         {AssetDescription, description}});
    }
    void checkCeiling(int form5_0Slot) { a().setAnswer(page18::Page, 0, form5_0Slot, "X"); }
};

// The category list's items, the names the forms print and the prior
// version's wordings all reach their lines, in any case.
TEST_F(Form5_1, CategoriesInEveryWordingReachTheirLines) {
    addReliefAsset("1st auto to spouse", "$10,000.00");
    addReliefAsset("1ST AUTOMOBILE TO SPOUSE", "$12,000.00");  // replaces the first
    addReliefAsset("2nd automobile", "$5,000.50");             // as the import writes it
    const int house = addReliefAsset("real property", "$80,000.00");
    data.ASchedList.setCell(AssetAppraised, house, "X");
    addReliefAsset("OTHER", "$1,234.56", "Savings account");
    addAsset({{AssetCategory5_1, "Other"}, {AssetValue, "$9.00"}, {AssetDescription, "unsent"}});

    Calc20(ctx, 0);

    EXPECT_EQ(slot(page20::Page, page20::FirstAutomobile), "12,000.00");
    EXPECT_EQ(slot(page20::Page, page20::SecondAutomobile), "5,000.50");
    EXPECT_EQ(slot(page20::Page, page20::TotalOfTheAutomobiles), "17,000.50");
    EXPECT_EQ(slot(page20::Page, page20::RealPropertyLine), "1");
    EXPECT_EQ(slot(page20::Page, page20::Appraised), "X");
    EXPECT_EQ(slot(page20::Page, page20::ValueOfTheRealProperty), "80,000.00");
    EXPECT_EQ(slot(page20::Page, page20::OtherAssets.start), "Savings account");
    EXPECT_EQ(slot(page20::Page, page20::OtherAssets.start + 1), "1,234.56");
    EXPECT_EQ(slot(page20::Page, page20::OtherAssets.start + 2), "");
    // The automobiles are not assets to be relieved.
    EXPECT_EQ(slot(page20::Page, page20::TotalToBeRelieved), "81,234.56");
    EXPECT_TRUE(reports.numbers().isEmpty());
}

TEST_F(Form5_1, OtherAssetTakesOneLineSlotPerWrappedLineAndItsValueOnce) {
    addReliefAsset("Other", "$100.00", "Line one | Line two | Line three");
    addReliefAsset("Other", "$0.50", "Next");

    Calc20(ctx, 0);

    EXPECT_EQ(slot(page20::Page, page20::OtherAssets.start), "Line one");
    EXPECT_EQ(slot(page20::Page, page20::OtherAssets.start + 1), "100.00");
    EXPECT_EQ(slot(page20::Page, page20::OtherAssets.start + 2), "Line two");
    EXPECT_EQ(slot(page20::Page, page20::OtherAssets.start + 3), "");
    EXPECT_EQ(slot(page20::Page, page20::OtherAssets.start + 4), "Line three");
    EXPECT_EQ(slot(page20::Page, page20::OtherAssets.start + 5), "");
    EXPECT_EQ(slot(page20::Page, page20::OtherAssets.start + 6), "Next");
    EXPECT_EQ(slot(page20::Page, page20::OtherAssets.start + 7), "0.50");
    EXPECT_EQ(slot(page20::Page, page20::TotalToBeRelieved), "100.50");
}

// An asset without a description still prints its value and counts toward
// the total (and so toward the ceiling and the attorney's fee).
TEST_F(Form5_1, OtherAssetWithoutDescriptionStillCounts) {
    addReliefAsset("Other", "$500.00");
    Calc20(ctx, 0);
    EXPECT_EQ(slot(page20::Page, page20::OtherAssets.start), "");
    EXPECT_EQ(slot(page20::Page, page20::OtherAssets.start + 1), "500.00");
    EXPECT_EQ(slot(page20::Page, page20::TotalToBeRelieved), "500.00");
}

TEST_F(Form5_1, CeilingsCheckedOnForm5_0) {
    struct Case {
        std::initializer_list<int> boxes;
        const char* total;
        QList<int> reports;
    };
    const Case cases[] = {
        {{page18::Ceiling25000}, "$25,000.00", {}},  // equal to the ceiling passes
        {{page18::Ceiling25000}, "$25,000.01", {31020}},
        {{}, "$1,000,000.00", {}},  // no box checked: no ceiling
        {{page18::Ceiling15000, page18::Ceiling25000}, "$30,000.00", {31010, 31020}},
        {{page18::Ceiling15000, page18::Ceiling100000}, "$100,000.01", {31010, 31060}},
        {{page18::Ceiling35000, page18::Ceiling50000, page18::Ceiling85000}, "$40,000.00", {31030}},
    };
    for (const Case& c : cases) {
        data.ASchedList.clear();
        a().clearCopy(page18::Page, 0);
        reports.clear();
        addReliefAsset("Real Property", c.total);
        for (int box : c.boxes) checkCeiling(box);

        Calc20(ctx, 0);

        EXPECT_EQ(reports.numbers(), c.reports) << c.total;
    }
}

TEST_F(Form5_1, AutomobileAllowanceToTheSpouse) {
    struct Case {
        std::initializer_list<std::pair<const char*, const char*>> autos;  // category, value
        QList<int> reports;
    };
    const Case cases[] = {
        {{{"1st auto to spouse", "$40,000.00"}, {"2nd auto to spouse", "$25,000.00"}}, {}},
        {{{"1st auto to spouse", "$40,000.00"}, {"2nd auto to spouse", "$25,000.01"}}, {31070}},
        {{{"1st Automobile To Spouse", "$65,000.01"}}, {31070}},
        // A later first automobile replaces the earlier one in the allowance.
        {{{"1st auto to spouse", "$60,000.00"},
          {"1st auto to spouse", "$12,000.00"},
          {"2nd automobile", "$53,000.00"}},
         {}},
    };
    for (const Case& c : cases) {
        data.ASchedList.clear();
        reports.clear();
        for (const auto& [category, value] : c.autos) addReliefAsset(category, value);

        Calc20(ctx, 0);

        EXPECT_EQ(reports.numbers(), c.reports) << c.autos.begin()->second;
        EXPECT_EQ(slot(page20::Page, page20::TotalToBeRelieved), "0.00");
    }
}

// The 23rd line of other assets: the list stops after 22 lines, and neither
// the totals nor the ceilings are computed; the previous run's totals do not
// survive beside the cut list.
TEST_F(Form5_1, TwentyThirdOtherLineEndsThePage) {
    const int kTotals[] = {page20::FirstAutomobile, page20::SecondAutomobile,
                           page20::TotalOfTheAutomobiles, page20::TotalToBeRelieved};
    QStringList lines;
    for (int i = 1; i <= 23; ++i) lines << QString("line %1").arg(i);
    addReliefAsset("Other", "$1,000,000.00", lines.join(" | "));
    checkCeiling(page18::Ceiling15000);
    for (int s : kTotals) a().setAnswer(page20::Page, 0, s, "1.00");

    Calc20(ctx, 0);

    EXPECT_EQ(reports.numbers(), QList<int>{29170});
    EXPECT_EQ(slot(page20::Page, page20::OtherAssets.start), "line 1");
    EXPECT_EQ(slot(page20::Page, page20::OtherAssets.start + 1), "1,000,000.00");
    EXPECT_EQ(slot(page20::Page, page20::OtherAssets.start + 42), "line 22");
    for (int s : kTotals) EXPECT_EQ(slot(page20::Page, s), "") << "slot " << s;
}

TEST_F(Form5_1, BackListsTheDebtsWithTheirNatureAndTotal) {
    gi(page0::CaseNumber, "2021-EST-17");
    gi(page0::FiduciaryName, "Ann Lee");
    gi(page0::CoFiduciaryName, "Bob Lee");
    a().setAnswer(page21::Page, 0, page21::DateSigned, "3/4/2021");
    addExpense({{ExpenseForm5_1, "X"},
                {ExpenseDescription, "Hospital | Room 12"},
                {ExpenseNature, "Medical"},
                {ExpenseAmount, "$1,000.00"}});
    addExpense({{ExpenseDescription, "not sent"}, {ExpenseAmount, "$7.00"}});
    addExpense({{ExpenseForm5_1, "X"},
                {ExpenseDescription, "Funeral home"},
                {ExpenseNature, "Funeral"},
                {ExpenseAmount, "$2,500.50"}});

    Calc21(ctx, 0);

    const QStringList expected = {"Hospital", "Medical",      "1,000.00", "Room 12",  "",
                                  "",         "Funeral home", "Funeral",  "2,500.50", ""};
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(slot(21, 1 + i), expected[i]) << "slot " << 1 + i;
    EXPECT_EQ(slot(page21::Page, page21::CaseNumber), "2021-EST-17");
    EXPECT_EQ(slot(page21::Page, page21::TotalOfTheDebts), "3,500.50");
    EXPECT_EQ(slot(page21::Page, page21::DateSigned), "March 4, 2021");
    EXPECT_EQ(slot(page21::Page, page21::Applicant), "Ann Lee & Bob Lee");

    // The signer line is kept when overridden; the debts are recomputed.
    overrideSlot(page21::Page, 0, page21::Applicant, "Ann Lee, Executor");
    data.ESchedList.setCell(ExpenseAmount, 0, "$1.00");
    Calc21(ctx, 0);
    EXPECT_EQ(slot(page21::Page, page21::Applicant), "Ann Lee, Executor");
    EXPECT_EQ(slot(page21::Page, page21::TotalOfTheDebts), "2,501.50");
}

TEST_F(Form5_1, ThirtyFirstDebtLineEndsTheBack) {
    QStringList lines;
    for (int i = 1; i <= 31; ++i) lines << QString("debt %1").arg(i);
    addExpense(
        {{ExpenseForm5_1, "X"}, {ExpenseDescription, lines.join(" | ")}, {ExpenseAmount, "$5.00"}});
    a().setAnswer(page21::Page, 0, page21::TotalOfTheDebts, "99.00");

    Calc21(ctx, 0);

    EXPECT_EQ(reports.numbers(), QList<int>{29190});
    EXPECT_EQ(slot(page21::Page, page21::Debts.start + 87), "debt 30");
    EXPECT_EQ(slot(page21::Page, page21::TotalOfTheDebts), "");
}

}  // namespace
}  // namespace wm4
