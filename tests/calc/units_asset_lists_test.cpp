// Wrapped asset lists with their line and item capacities, the Form 3.0
// category texts, and the Form 6.0 automobile allowance.
#include <gtest/gtest.h>

#include "calc/calc_case.h"
#include "calc/units/units.h"
#include "case/worksheet_columns.h"
#include "forms/page000.h"
#include "forms/page010.h"
#include "forms/page028.h"
#include "forms/page034.h"
#include "forms/page036.h"
#include "forms/page041.h"

namespace wm4::test {
namespace {

class AssetLists : public CalcCaseTest {
protected:
    void sale(const QString& description, int n = 1) {
        for (int i = 0; i < n; ++i)
            addAsset({{assetColumn::Description, description},
                      {assetColumn::Value, QStringLiteral("$10.00")},
                      {assetColumn::PublicPrivate, QStringLiteral("Public")},
                      {assetColumn::ToForm9_0, QStringLiteral("X")}});
    }
};

TEST_F(AssetLists, Form9_0BackWritesEachLineWithTheSaleTermsBesideTheFirst) {
    // 3.9 in of 11-point text: 50 characters a line with the test measurer.
    sale(QStringLiteral("Piano | Steinway upright"));
    sale(QStringLiteral("Lawn mower"));
    a().setAnswer(page41::Page, 0, page41::DateOfTheEntry, QStringLiteral("4/1/2026"));
    units::Calc41(ctx, 0);
    EXPECT_EQ(slot(page41::Page, 0, page41::Lines.start), "Piano");
    EXPECT_EQ(slot(page41::Page, 0, page41::Lines.start + 1), "Public");
    EXPECT_EQ(slot(page41::Page, 0, page41::Lines.start + 4), "Steinway upright");
    EXPECT_EQ(slot(page41::Page, 0, page41::Lines.start + 5), "");
    EXPECT_EQ(slot(page41::Page, 0, page41::Lines.start + 8), "Lawn mower");
    EXPECT_EQ(slot(page41::Page, 0, page41::DateOfTheEntry), "April 1, 2026");
    EXPECT_TRUE(reports.numbers().isEmpty());
}

TEST_F(AssetLists, LineBeyondTheBoxReportsAndEndsThePage) {
    sale(QStringLiteral("Item"), 21);  // the box holds 20 lines
    a().setAnswer(page41::Page, 0, page41::DateOfTheEntry, QStringLiteral("4/1/2026"));
    units::Calc41(ctx, 0);
    EXPECT_EQ(reports.numbers(), QList<int>{29250});
    EXPECT_EQ(slot(41, 0, 1 + 4 * 19), "Item");
    EXPECT_EQ(slot(page41::Page, 0, page41::DateOfTheEntry),
              "4/1/2026");  // the page ended before its dates
}

TEST_F(AssetLists, Form7_1ListsFiveAssetsOneLineEach) {
    gi(page0::FiduciaryName, QStringLiteral("Ann Fid"));
    for (int i = 1; i <= 6; ++i)
        addAsset({{assetColumn::Description, QStringLiteral("Asset %1 | its second line").arg(i)},
                  {assetColumn::Value, QStringLiteral("$1,000.00")},
                  {assetColumn::ToForm7_1, QStringLiteral("X")}});
    units::Calc34(ctx, 0);
    EXPECT_EQ(reports.numbers(), QList<int>{30189});
    EXPECT_EQ(slot(page34::Page, 0, page34::Property.start), "Asset 1");  // the first line only
    EXPECT_EQ(slot(page34::Page, 0, page34::Property.start + 1), "1,000.00");
    EXPECT_EQ(slot(page34::Page, 0, page34::Property.start + 2), "Asset 2");
    EXPECT_EQ(slot(page34::Page, 0, page34::Property.start + 8), "Asset 5");
    EXPECT_EQ(slot(page34::Page, 0, page34::PropertyIsListedBelow),
              "");  // the mark after the list is not set either
    EXPECT_EQ(slot(page34::Page, 0, page34::ApplicantFiduciary),
              "");  // the page ended at the sixth asset
}

// Below its five lines 7.1 states the value of all the property set off,
// the assets beyond the lines included.
TEST_F(AssetLists, Form7_1StatesThePropertySetOff) {
    for (const char* value : {"$1,000.10", "$250.20"})
        addAsset({{assetColumn::Description, QStringLiteral("Asset")},
                  {assetColumn::Value, QString::fromLatin1(value)},
                  {assetColumn::ToForm7_1, QStringLiteral("X")}});
    units::Calc34(ctx, 0);
    EXPECT_EQ(slot(page34::Page, 0, page34::TotalValueOfThePropertySetOff), "1,250.30");
}

TEST_F(AssetLists, Form7_1CarriesTheCaption) {
    gi(page0::DecedentName, QStringLiteral("Ann Doe"));
    gi(page0::CaseNumber, QStringLiteral("2026 es 7"));
    units::Calc34(ctx, 0);
    EXPECT_EQ(slot(page34::Page, 0, page34::EstateOf), "ANN DOE");
    EXPECT_EQ(slot(page34::Page, 0, page34::CaseNumber), "2026 ES 7");
}

TEST_F(AssetLists, Form3_0CategoryTextIsPlacedWholeEvenWhenTooLong) {
    // 6.75 in of Arial 11: 88 characters a line with the test measurer.
    const QString line(80, u'x');
    for (int i = 0; i < 14; ++i)
        addAsset({{assetColumn::Description, line + QStringLiteral(" | ")},
                  {assetColumn::ToForm3_0, QStringLiteral("X")},
                  {assetColumn::Category3_0, QStringLiteral("real estate")}});
    units::Calc10(ctx, 0);
    EXPECT_EQ(reports.numbers(), QList<int>{29309});
    const QString text = slot(page10::Page, 0, page10::RealEstateAssets);
    EXPECT_EQ(text.count(line), 14);
    EXPECT_TRUE(text.startsWith(line + QStringLiteral(";  ") + line));  // trailing bars dropped
    EXPECT_EQ(slot(page10::Page, 0, page10::ReadilyAscertainableAssets), "");
}

TEST_F(AssetLists, Form6_0AutomobileAllowanceAllowsExactly65000) {
    buffers.inventory.autoValues[0] = 40000;
    buffers.inventory.autoValues[1] = 25000;
    units::Calc28(ctx, 0);
    EXPECT_EQ(slot(page28::Page, 0, page28::TotalOfTheAutomobiles), "65,000.00");
    EXPECT_EQ(slot(page28::Page, 0, page28::AutosToSpouse.start + 1), "25,000.00");
    EXPECT_TRUE(reports.numbers().isEmpty());
    buffers.inventory.autoValues[1] = 25000.01;
    units::Calc28(ctx, 0);
    EXPECT_EQ(reports.numbers(), QList<int>{31080});
}

TEST_F(AssetLists, Form7_2BackApportionsToTheSpouseAndToOthers) {
    gi(page0::SpouseName, QStringLiteral("Sue Spouse"));
    addAsset({{assetColumn::Description, QStringLiteral("1998 Ford")},
              {assetColumn::ToForm7_2, QStringLiteral("X")},
              {assetColumn::Category7_2, QStringLiteral("2nd Automobile")}});
    addAsset({{assetColumn::Description, QStringLiteral("Piano")},
              {assetColumn::Distributees, QStringLiteral("Tom Son")},
              {assetColumn::ToForm7_2, QStringLiteral("X")},
              {assetColumn::Category7_2, QStringLiteral("others")}});
    units::Calc36(ctx, 0);
    EXPECT_EQ(slot(page36::Page, 0, page36::SecondAutomobileToTheSpouse), "X");
    EXPECT_EQ(slot(page36::Page, 0, page36::SpouseTakingSecondAutomobile), "Sue Spouse");
    EXPECT_EQ(slot(page36::Page, 0, page36::Automobile), "1998 Ford");
    EXPECT_EQ(slot(page36::Page, 0, page36::Others.start), "Tom Son");
    EXPECT_EQ(slot(page36::Page, 0, page36::Others.start + 1), "Piano");
}

// A description 7.2 cuts to its one line says so; one that fits stands whole.
TEST_F(AssetLists, Form7_2BackMarksACutDescription) {
    gi(page0::SpouseName, QStringLiteral("Sue Spouse"));
    addAsset(
        {{assetColumn::Description, QStringLiteral("2019 Honda Accord | VIN 1HGCV1F30KA000001")},
         {assetColumn::ToForm7_2, QStringLiteral("X")},
         {assetColumn::Category7_2, QStringLiteral("Spouse")}});
    addAsset({{assetColumn::Description, QStringLiteral("Piano")},
              {assetColumn::Distributees, QStringLiteral("Tom Son")},
              {assetColumn::ToForm7_2, QStringLiteral("X")},
              {assetColumn::Category7_2, QStringLiteral("others")}});
    units::Calc36(ctx, 0);
    EXPECT_EQ(slot(page36::Page, 0, page36::Assets), "2019 Honda Accord ...");
    EXPECT_EQ(slot(page36::Page, 0, page36::Others.start + 1), "Piano");
}

}  // namespace
}  // namespace wm4::test
