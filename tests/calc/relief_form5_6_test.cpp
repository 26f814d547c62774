// Form 5.6: the small kept boxes of the front (a row that does not fit loses
// its further lines) and the remainder list of the back.
#include <QStringList>

#include "calc/calc_case.h"
#include "calc/relief/relief_units.h"
#include "forms/page000.h"
#include "forms/page026.h"
#include "forms/page027.h"

namespace wm4 {
namespace {

using test::CalcCaseTest;
using namespace test::columns;

class Form5_6 : public CalcCaseTest {
protected:
    int addAsset5_6(const QString& category, const QString& description,
                    const QString& value = QString(), const QString& distributees = QString()) {
        return addAsset({{AssetForm5_6, "X"},
                         {AssetCategory5_6, category},
                         {AssetDescription, description},
                         {AssetValue, value},
                         {AssetDistributees, distributees}});
    }
};

TEST_F(Form5_6, FrontBoxesDropTheLinesThatDoNotFit) {
    addAsset5_6("Personalty to be sold", "Piano | Organ | Harp");  // third line does not fit
    addAsset5_6("PERSONALTY TO BE SOLD", "Car");                   // box full: reports again
    addAsset5_6("Accounts to be released", "Checking | Savings");
    addExpense({{ExpenseForm5_6, "X"}, {ExpenseDescription, "Doctor"}});

    Calc26(ctx, 0);

    EXPECT_EQ(reports.numbers(), (QList<int>{29200, 29200}));
    EXPECT_EQ(slot(page26::Page, page26::SellsPersonalProperty), "X");
    EXPECT_EQ(slot(page26::Page, page26::Property), "Piano");
    EXPECT_EQ(slot(page26::Page, page26::PropertyContinued), "Organ");
    EXPECT_EQ(slot(page26::Page, page26::ReleasesAccounts), "X");
    EXPECT_EQ(slot(page26::Page, page26::OrdersAccountsReleased), "X");
    EXPECT_EQ(slot(page26::Page, page26::Accounts), "Checking");
    EXPECT_EQ(slot(page26::Page, page26::AccountsContinued1), "Savings");
    EXPECT_EQ(slot(page26::Page, page26::AccountsContinued2), "");
    EXPECT_EQ(slot(page26::Page, page26::PaysDebts), "X");
    EXPECT_EQ(slot(page26::Page, page26::Debts), "Doctor");
    EXPECT_EQ(slot(page26::Page, page26::DebtsContinued), "");
}

// The front's slots are kept writes: an overridden line keeps its text and
// the line whose turn it was is dropped; without rows the boxes are cleared.
TEST_F(Form5_6, FrontHonoursOverriddenLines) {
    overrideSlot(page26::Page, 0, page26::Property, "Household goods");
    a().setAnswer(page26::Page, 0, page26::Accounts, "stale account");
    a().setAnswer(page26::Page, 0, page26::ReleasesAccounts, "X");
    addAsset5_6("Personalty to be sold", "Piano | Organ");

    Calc26(ctx, 0);

    EXPECT_EQ(slot(page26::Page, page26::Property), "Household goods");
    EXPECT_EQ(slot(page26::Page, page26::PropertyContinued), "Organ");
    EXPECT_EQ(slot(page26::Page, page26::ReleasesAccounts), "");
    EXPECT_EQ(slot(page26::Page, page26::Accounts), "");
    EXPECT_TRUE(reports.numbers().isEmpty());
}

TEST_F(Form5_6, BackListsTheRemainderWithDistributeesBesideTheFirstLine) {
    gi(page0::Judge, "Hon. R. Park");
    a().setAnswer(page27::Page, 0, page27::DateOfTheEntry, "12/1/2022");
    addAsset5_6("Remainder to be distributed", "Stock | in trust", "$300.00", "Mary Lee");
    addAsset5_6("Personalty to be sold", "Piano", "$9.00");
    addAsset5_6("remainder to be distributed", "Bonds", "$50.25", "Tom Lee");

    Calc27(ctx, 0);

    const QStringList expected = {"Mary Lee", "Stock",   "300.00", "",     "in trust",
                                  "",         "Tom Lee", "Bonds",  "50.25"};
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(slot(27, 2 + i), expected[i]) << "slot " << 2 + i;
    EXPECT_EQ(slot(page27::Page, page27::TheRemainderOfTheEstateIsToBeDistributedAsFollows), "X");
    EXPECT_EQ(slot(page27::Page, page27::DateOfTheEntry), "December 1, 2022");
    EXPECT_EQ(slot(page27::Page, page27::Judge), "Hon. R. Park");
}

TEST_F(Form5_6, BackClearsItsCheckBoxWithoutRemainder) {
    a().setAnswer(page27::Page, 0, page27::TheRemainderOfTheEstateIsToBeDistributedAsFollows, "X");
    a().setAnswer(page27::Page, 0, page27::Remainder.start, "Old distributee");
    Calc27(ctx, 0);
    EXPECT_EQ(slot(page27::Page, page27::TheRemainderOfTheEstateIsToBeDistributedAsFollows), "");
    EXPECT_EQ(slot(page27::Page, page27::Remainder.start), "");

    // An overridden check box stays as the user set it.
    overrideSlot(page27::Page, 0, page27::TheRemainderOfTheEstateIsToBeDistributedAsFollows, "X");
    Calc27(ctx, 0);
    EXPECT_EQ(slot(page27::Page, page27::TheRemainderOfTheEstateIsToBeDistributedAsFollows), "X");
}

TEST_F(Form5_6, ThirtyThirdRemainderLineEndsTheBack) {
    QStringList lines;
    for (int i = 1; i <= 33; ++i) lines << QString("item %1").arg(i);
    addAsset5_6("Remainder to be distributed", lines.join(" | "), "$1.00", "Mary Lee");
    a().setAnswer(page27::Page, 0, page27::Judge, "previous judge");

    Calc27(ctx, 0);

    EXPECT_EQ(reports.numbers(), QList<int>{29230});
    EXPECT_EQ(slot(27, 3 + 3 * 31), "item 32");
    EXPECT_EQ(slot(page27::Page, page27::Judge), "previous judge");  // not reached
}

}  // namespace
}  // namespace wm4
