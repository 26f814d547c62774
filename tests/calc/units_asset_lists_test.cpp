// Wrapped asset lists with their line and item capacities, the Form 3.0
// category texts, and the Form 6.0 automobile allowance.
#include <gtest/gtest.h>

#include "calc/calc_case.h"
#include "calc/units/units.h"
#include "forms/page041.h"

namespace wm4::test {
namespace {

class AssetLists : public CalcCaseTest {
protected:
    void sale(const QString& description, int n = 1) {
        for (int i = 0; i < n; ++i)
            addAsset({{1, description},
                      {2, QStringLiteral("$10.00")},
                      {6, QStringLiteral("Public")},
                      {25, QStringLiteral("X")}});
    }
};

TEST_F(AssetLists, Form9_0BackWritesEachLineWithTheSaleTermsBesideTheFirst) {
    // 3.9 in of 11-point text: 50 characters a line with the test measurer.
    sale(QStringLiteral("Piano | Steinway upright"));
    sale(QStringLiteral("Lawn mower"));
    a().setAnswer(page41::Page, 0, page41::DateOfTheEntry, QStringLiteral("4/1/2026"));
    units::Calc41(ctx, 0);
    EXPECT_EQ(slot(41, 0, 1), "Piano");
    EXPECT_EQ(slot(41, 0, 2), "Public");
    EXPECT_EQ(slot(41, 0, 5), "Steinway upright");
    EXPECT_EQ(slot(41, 0, 6), "");
    EXPECT_EQ(slot(41, 0, 9), "Lawn mower");
    EXPECT_EQ(slot(41, 0, 87), "April 1, 2026");
    EXPECT_TRUE(reports.numbers().isEmpty());
}

TEST_F(AssetLists, LineBeyondTheBoxReportsAndEndsThePage) {
    sale(QStringLiteral("Item"), 21);  // the box holds 20 lines
    a().setAnswer(page41::Page, 0, page41::DateOfTheEntry, QStringLiteral("4/1/2026"));
    units::Calc41(ctx, 0);
    EXPECT_EQ(reports.numbers(), QList<int>{29250});
    EXPECT_EQ(slot(41, 0, 1 + 4 * 19), "Item");
    EXPECT_EQ(slot(41, 0, 87), "4/1/2026");  // the page ended before its dates
}

TEST_F(AssetLists, Form7_1ListsFiveAssetsOneLineEach) {
    gi(28, QStringLiteral("Ann Fid"));
    for (int i = 1; i <= 6; ++i)
        addAsset({{1, QStringLiteral("Asset %1 | its second line").arg(i)},
                  {2, QStringLiteral("$1,000.00")},
                  {23, QStringLiteral("X")}});
    units::Calc34(ctx, 0);
    EXPECT_EQ(reports.numbers(), QList<int>{30189});
    EXPECT_EQ(slot(34, 0, 9), "Asset 1");  // the first line only
    EXPECT_EQ(slot(34, 0, 10), "1,000.00");
    EXPECT_EQ(slot(34, 0, 11), "Asset 2");
    EXPECT_EQ(slot(34, 0, 17), "Asset 5");
    EXPECT_EQ(slot(34, 0, 8), "");   // the mark after the list is not set either
    EXPECT_EQ(slot(34, 0, 19), "");  // the page ended at the sixth asset
}

TEST_F(AssetLists, Form7_1CarriesTheCaption) {
    gi(0, QStringLiteral("Ann Doe"));
    gi(4, QStringLiteral("2026 es 7"));
    units::Calc34(ctx, 0);
    EXPECT_EQ(slot(34, 0, 2), "ANN DOE");
    EXPECT_EQ(slot(34, 0, 3), "2026 ES 7");
}

TEST_F(AssetLists, Form3_0CategoryTextIsPlacedWholeEvenWhenTooLong) {
    // 6.75 in of Arial 11: 88 characters a line with the test measurer.
    const QString line(80, u'x');
    for (int i = 0; i < 14; ++i)
        addAsset({{1, line + QStringLiteral(" | ")},
                  {16, QStringLiteral("X")},
                  {48, QStringLiteral("real estate")}});
    units::Calc10(ctx, 0);
    EXPECT_EQ(reports.numbers(), QList<int>{29309});
    const QString text = slot(10, 0, 15);
    EXPECT_EQ(text.count(line), 14);
    EXPECT_TRUE(text.startsWith(line + QStringLiteral(";  ") + line));  // trailing bars dropped
    EXPECT_EQ(slot(10, 0, 1), "");
}

TEST_F(AssetLists, Form6_0AutomobileAllowanceAllowsExactly65000) {
    buffers.inventory.autoValues[0] = 40000;
    buffers.inventory.autoValues[1] = 25000;
    units::Calc28(ctx, 0);
    EXPECT_EQ(slot(28, 0, 10), "65,000.00");
    EXPECT_EQ(slot(28, 0, 22), "25,000.00");
    EXPECT_TRUE(reports.numbers().isEmpty());
    buffers.inventory.autoValues[1] = 25000.01;
    units::Calc28(ctx, 0);
    EXPECT_EQ(reports.numbers(), QList<int>{31080});
}

TEST_F(AssetLists, Form7_2BackApportionsToTheSpouseAndToOthers) {
    gi(42, QStringLiteral("Sue Spouse"));
    addAsset({{1, QStringLiteral("1998 Ford")},
              {24, QStringLiteral("X")},
              {55, QStringLiteral("2nd Automobile")}});
    addAsset({{1, QStringLiteral("Piano")},
              {5, QStringLiteral("Tom Son")},
              {24, QStringLiteral("X")},
              {55, QStringLiteral("others")}});
    units::Calc36(ctx, 0);
    EXPECT_EQ(slot(36, 0, 10), "X");
    EXPECT_EQ(slot(36, 0, 11), "Sue Spouse");
    EXPECT_EQ(slot(36, 0, 12), "1998 Ford");
    EXPECT_EQ(slot(36, 0, 16), "Tom Son");
    EXPECT_EQ(slot(36, 0, 17), "Piano");
}

}  // namespace
}  // namespace wm4::test
