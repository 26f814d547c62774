// Continuation addenda in the calculation: with addenda on, a list longer
// than its form's capacity prints what fits and "(continued on addendum)",
// and the rest is recorded for the addendum; nothing is reported or taken
// off the form. With addenda off the lists are cut and reported as always
// (the capacity tests of the units).
#include <gtest/gtest.h>

#include "calc/calc_case.h"
#include "calc/relief/relief_units.h"
#include "calc/units/units.h"
#include "case/worksheet_columns.h"
#include "forms/page000.h"
#include "forms/page005.h"
#include "forms/page020.h"
#include "forms/page034.h"

namespace wm4::test {
namespace {

using namespace columns;

constexpr int kForm2_1 = 18;

class ContinuedLists : public CalcCaseTest {
protected:
    ContinuedLists() { data.continuations.setEnabled(true); }
};

TEST_F(ContinuedLists, WaiverListsEveryPersonAndTakesNobodyOff) {
    markedPersons(kForm2_1, 36);
    units::Calc5(ctx, 0);
    EXPECT_TRUE(reports.numbers().isEmpty());
    EXPECT_EQ(slot(page5::Page, 0, page5::Names.start), "Person 1");
    EXPECT_EQ(slot(page5::Page, 0, page5::Names.start + 32), "Person 33");
    EXPECT_EQ(slot(page5::Page, 0, page5::Names.start + 33), "(continued on addendum)");
    for (int row = 0; row < 36; ++row) EXPECT_EQ(data.KSchedList.cell(kForm2_1, row), "X");
    const QList<Continuation> rest = data.continuations.of(5, 0);
    ASSERT_EQ(rest.size(), 1);
    EXPECT_EQ(rest[0].what, "2.1 waiver of notice of probate");
    EXPECT_EQ(rest[0].lines, (QStringList{"Person 34", "Person 35", "Person 36"}));
}

TEST_F(ContinuedLists, ListThatFitsContinuesNothing) {
    markedPersons(kForm2_1, 34);
    units::Calc5(ctx, 0);
    EXPECT_EQ(slot(page5::Page, 0, page5::Names.start + 33), "Person 34");
    EXPECT_TRUE(data.continuations.items().isEmpty());
}

// 5.1 front holds 22 lines of other assets (slots 10, 12, ... 52, the value
// beside the first line of each asset).
TEST_F(ContinuedLists, LinesBeyondTheBoxContinueAndThePageIsCalculated) {
    auto addOther = [&](const QString& value, const QString& description) {
        addAsset({{AssetForm5_1, X},
                  {AssetCategory5_1, QStringLiteral("Other")},
                  {AssetValue, value},
                  {AssetDescription, description}});
    };
    QStringList lines;
    for (int i = 1; i <= 21; ++i) lines << QStringLiteral("line %1").arg(i);
    addOther(QStringLiteral("$100.00"), lines.join(QStringLiteral(" | ")));
    addOther(QStringLiteral("$5.00"), QStringLiteral("Second | two lines"));
    addOther(QStringLiteral("$7.00"), QStringLiteral("Third"));

    Calc20(ctx, 0);

    EXPECT_TRUE(reports.numbers().isEmpty());
    EXPECT_EQ(slot(page20::Page, page20::OtherAssets.start), "line 1");
    EXPECT_EQ(slot(page20::Page, page20::OtherAssets.start + 40), "line 21");
    EXPECT_EQ(slot(page20::Page, page20::OtherAssets.start + 42), "(continued on addendum)");
    EXPECT_EQ(slot(page20::Page, page20::OtherAssets.start + 43), "") << "no value beside the mark";
    const QList<Continuation> rest = data.continuations.of(20, 0);
    ASSERT_EQ(rest.size(), 1);
    EXPECT_EQ(rest[0].slot, 10);
    ASSERT_EQ(rest[0].lines.size(), 2);
    EXPECT_TRUE(rest[0].lines[0].startsWith("Second two lines")) << rest[0].lines[0].toStdString();
    EXPECT_TRUE(rest[0].lines[0].contains("5.00"));
    EXPECT_TRUE(rest[0].lines[1].startsWith("Third"));
    // The page went on: its total counts every asset, continued ones too.
    EXPECT_FALSE(slot(page20::Page, page20::TotalToBeRelieved).isEmpty());
}

TEST_F(ContinuedLists, FullBoxGivesItsLastLineToTheMark) {
    QStringList lines;
    for (int i = 1; i <= 22; ++i) lines << QStringLiteral("line %1").arg(i);
    addAsset({{AssetForm5_1, X}, {AssetCategory5_1, QStringLiteral("Other")},
              {AssetValue, QStringLiteral("$1.00")}, {AssetDescription, lines.join(" | ")}});
    addAsset({{AssetForm5_1, X}, {AssetCategory5_1, QStringLiteral("Other")},
              {AssetValue, QStringLiteral("$2.00")}, {AssetDescription, QStringLiteral("Last")}});
    Calc20(ctx, 0);
    EXPECT_EQ(slot(page20::Page, page20::OtherAssets.start + 40), "line 21");
    EXPECT_EQ(slot(page20::Page, page20::OtherAssets.start + 42), "(continued on addendum)");
    const QList<Continuation> rest = data.continuations.of(20, 0);
    ASSERT_EQ(rest.size(), 1);
    ASSERT_EQ(rest[0].lines.size(), 2);
    EXPECT_TRUE(rest[0].lines[0].startsWith("line 1 line 2")) << "the asset on the mark's line, whole";
    EXPECT_TRUE(rest[0].lines[0].contains("line 22"));
    EXPECT_TRUE(rest[0].lines[1].startsWith("Last"));
}

}  // namespace
}  // namespace wm4::test

namespace wm4::test {
namespace {

// Form 7.1 lists five assets for the family allowance (slots 9, 11, ... 17,
// the value beside each).
TEST_F(ContinuedLists, ItemSectionGivesItsLastPlaceToTheMark) {
    gi(page0::FiduciaryName, QStringLiteral("Ann Lee"));  // the fiduciary
    for (int i = 1; i <= 7; ++i)
        addAsset({{assetColumn::ToForm7_1, X},
                  {AssetDescription, QStringLiteral("Asset %1").arg(i)},
                  {AssetValue, QStringLiteral("$%1.00").arg(i)}});
    units::Calc34(ctx, 0);
    EXPECT_TRUE(reports.numbers().isEmpty());
    EXPECT_EQ(slot(page34::Page, page34::Property.start + 6), "Asset 4");
    EXPECT_EQ(slot(page34::Page, page34::Property.start + 8), "(continued on addendum)");
    EXPECT_EQ(slot(page34::Page, page34::Property.start + 9), "");
    EXPECT_EQ(slot(page34::Page, page34::ApplicantFiduciary), "Ann Lee")
        << "the page goes on to the fiduciary";
    const QList<Continuation> rest = data.continuations.of(34, 0);
    ASSERT_EQ(rest.size(), 1);
    ASSERT_EQ(rest[0].lines.size(), 3);
    EXPECT_TRUE(rest[0].lines[0].startsWith("Asset 5"));
    EXPECT_TRUE(rest[0].lines[2].startsWith("Asset 7"));
}

}  // namespace
}  // namespace wm4::test
