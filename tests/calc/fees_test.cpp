// The fee pages and the category totals they are computed from.
#include <gtest/gtest.h>

#include "calc/calc_case.h"
#include "calc/fees/calc_ttls.h"
#include "calc/fees/fee_units.h"
#include "case/worksheet_columns.h"
#include "forms/page000.h"
#include "forms/page020.h"
#include "forms/page043.h"
#include "forms/page049.h"
#include "forms/page099.h"
#include "forms/page101.h"

namespace wm4 {
namespace {

using test::CalcCase;
using test::X;

constexpr int Exec = 99, Atty = 101, Appl = 43, Entry = 49;

struct FeeTest : CalcCase, ::testing::Test {
    const QString& slot(int page, int s) { return a().answer(page, 0, s); }
};

// ----- Executor's fee ---------------------------------------------------

struct ExecutorCase {
    double personalProperty, income, realEstateNotSold;
    const char* expected[6];  // the band commissions to the real estate not sold
};

TEST_F(FeeTest, ExecutorBandsAtTheirBoundaries) {
    const ExecutorCase cases[] = {
        {100000, 0, 0, {"4,000.00", "0.00", "0.00", "0.00", "4,000.00", "0.00"}},
        {500000, 0, 0, {"4,000.00", "9,000.00", "100,000.00", "2,000.00", "15,000.00", "0.00"}},
        {250000, 150000, 0, {"4,000.00", "9,000.00", "0.00", "0.00", "13,000.00", "0.00"}},
        {50000, 0, 120000, {"2,000.00", "0.00", "0.00", "0.00", "2,000.00", "1,200.00"}},
        {0, 0, 0, {"0.00", "0.00", "0.00", "0.00", "0.00", "0.00"}},
    };
    for (const ExecutorCase& c : cases) {
        ctx.totals = {};
        ctx.totals.executorFee = {c.personalProperty, 0, c.income, c.realEstateNotSold, 0};
        Calc99(ctx, 0);
        const int slots[] = {page99::FirstBandCommission, page99::SecondBandCommission,
                             page99::BaseAbove400000,     page99::BalanceCommission,
                             page99::CommissionOnTheBase, page99::RealEstateNotSoldCommission};
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(slot(Exec, slots[i]), QString::fromLatin1(c.expected[i]))
                << "base " << c.personalProperty + c.income << " slot " << slots[i];
    }
    EXPECT_TRUE(reports.reports().isEmpty());
}

TEST_F(FeeTest, ExecutorFeeComesFromTheTotalsBesideOverriddenDisplaySlots) {
    a().setAnswer(page0::Page, 0, page0::DecedentName, QStringLiteral("Jane Doe"));
    a().setAnswer(page0::Page, 0, page0::CaseNumber, QStringLiteral("2024 ES 17"));
    ctx.totals.executorFee = {40000, 10000, 0, 120000, 30000};
    // The user typed over the base line and real estate not sold.
    a().setAnswer(Exec, 0, page99::PersonalPropertyAndSaleProceeds, QStringLiteral("1.00"));
    a().setOvRide(Exec, 0, page99::PersonalPropertyAndSaleProceeds, true);
    a().setAnswer(Exec, 0, page99::RealEstateNotSold, QStringLiteral("7.00"));
    a().setOvRide(Exec, 0, page99::RealEstateNotSold, true);
    a().setAnswer(Exec, 0, page99::LessCommissionAlreadyPaidOrWaived,
                  QStringLiteral("500.00"));  // fees already paid

    Calc99(ctx, 0);

    EXPECT_EQ(slot(Exec, page99::EstateOf), "JANE DOE");
    EXPECT_EQ(slot(Exec, page99::CaseNumber), "2024 ES 17");
    EXPECT_EQ(slot(Exec, page99::PersonalPropertyAndSaleProceeds), "1.00");  // kept
    EXPECT_EQ(slot(Exec, page99::TotalBase), "50,000.00");
    EXPECT_EQ(slot(Exec, page99::CommissionOnTheBase), "2,000.00");
    EXPECT_EQ(slot(Exec, page99::RealEstateNotSold), "7.00");  // kept
    EXPECT_EQ(slot(Exec, page99::RealEstateNotSoldCommission),
              "1,200.00");  // from the total, not the typed-over line
    EXPECT_EQ(slot(Exec, page99::NonProbateProperty), "30,000.00");
    EXPECT_EQ(slot(Exec, page99::NonProbateCommission), "300.00");
    EXPECT_EQ(slot(Exec, page99::SummaryBaseCommission), "2,000.00");
    EXPECT_EQ(slot(Exec, page99::CommissionOnRealEstateNotSold), "1,200.00");
    EXPECT_EQ(slot(Exec, page99::CommissionOnNonProbateProperty), "300.00");
    EXPECT_EQ(slot(Exec, page99::TotalCommission), "3,500.00");
    EXPECT_EQ(slot(Exec, page99::CommissionDue), "3,000.00");
}

// ----- Attorney fee computation -------------------------------------------

TEST_F(FeeTest, AttorneyScheduleChangesForDeathsFromAugust1_2017) {
    struct Case {
        const char* dateOfDeath;
        const char* firstRate;
        const char* secondMaximum;
        const char* caption;
    } cases[] = {
        {"08/01/2017", "4.5", "10,500", "Effective 8/1/2017"},
        {"7/31/2017", "4", "9,000", "For Dates of Death Before 8/1/2017"},
        {"1/1/2020", "4.5", "10,500", "Effective 8/1/2017"},
    };
    for (const Case& c : cases) {
        a().setAnswer(page0::Page, 0, page0::DeathDate, QString::fromLatin1(c.dateOfDeath));
        a().setOvRide(Atty, 0, page101::RateOnTheFirstBandPercent,
                      true);  // the schedule is written overridden or not
        Calc101(ctx, 0);
        EXPECT_EQ(slot(Atty, page101::RateOnTheFirstBandPercent), c.firstRate) << c.dateOfDeath;
        EXPECT_EQ(slot(Atty, page101::MostOnTheSecondBand), c.secondMaximum) << c.dateOfDeath;
        EXPECT_EQ(slot(Atty, page101::Schedule), c.caption) << c.dateOfDeath;
    }
    a().setAnswer(page0::Page, 0, page0::DeathDate, QStringLiteral("08/01/2017"));
    Calc101(ctx, 0);
    const char* from2017[] = {"4.5", "4,500", "3.5", "10,500", "2.5", "750", "2.5", "1.5", "2.5"};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(slot(Atty, page101::ScheduleFigures.start + i), from2017[i]) << i;
}

TEST_F(FeeTest, AttorneyBandsAndReliefMinimumUnder2017Schedule) {
    a().setAnswer(page0::Page, 0, page0::DeathDate, QStringLiteral("9/15/2019"));
    a().setAnswer(page0::Page, 0, page0::FiduciaryName, QStringLiteral("Ann Fid"));
    a().setAnswer(page0::Page, 0, page0::CoFiduciaryName, QStringLiteral("Bob Cofid"));
    a().setAnswer(page0::Page, 0, page0::AttorneyName, QStringLiteral("Carl Counsel"));
    ctx.totals.attorneyFee = {150000, 50000, 1, 80000, 10000, 20000};  // base 200,001
    a().setAnswer(page20::Page, 0, page20::TotalToBeRelieved, QStringLiteral("20,000.00"));

    Calc101(ctx, 0);

    EXPECT_EQ(slot(Atty, page101::Base), "200,001.00");
    EXPECT_EQ(slot(Atty, page101::FeeOnTheFirst100000), "4,500.00");  // 9,000.045 limited
    EXPECT_EQ(slot(Atty, page101::FeeOnTheNext300000), "3,500.00");
    EXPECT_EQ(slot(Atty, page101::FeeOnTheBalance), "0.00");
    EXPECT_EQ(slot(Atty, page101::RealEstateNotSold), "80,000.00");
    EXPECT_EQ(slot(Atty, page101::FeeOnRealEstateNotSold), "800.00");
    EXPECT_EQ(slot(Atty, page101::AssetsRelieved), "20,000.00");
    EXPECT_EQ(slot(Atty, page101::FeeOnAssetsRelieved), "750.00");  // 500.00 raised to the minimum
    EXPECT_EQ(slot(Atty, page101::FeeOnOtherAssetsWithoutReturn), "150.00");
    EXPECT_EQ(slot(Atty, page101::FeeOnOtherAssetsWithReturn), "500.00");
    EXPECT_EQ(slot(Atty, page101::TotalBase), "330,001.00");
    EXPECT_EQ(slot(Atty, page101::TotalFee), "10,200.00");
    EXPECT_EQ(slot(Atty, page101::Fiduciary), "Ann Fid & Bob Cofid");
    EXPECT_EQ(slot(Atty, page101::Attorney), "Carl Counsel");
}

TEST_F(FeeTest, AttorneyFeeFollowsAnOverriddenBaseAndNoReliefGivesNoMinimum) {
    a().setAnswer(page0::Page, 0, page0::DeathDate, QStringLiteral("3/3/2015"));
    ctx.totals.attorneyFee = {1000, 0, 0, 0, 0, 0};
    a().setAnswer(Atty, 0, page101::Base, QStringLiteral("500,001.00"));
    a().setOvRide(Atty, 0, page101::Base, true);

    Calc101(ctx, 0);

    EXPECT_EQ(slot(Atty, page101::Base), "500,001.00");
    EXPECT_EQ(slot(Atty, page101::FeeOnTheFirst100000), "4,000.00");
    EXPECT_EQ(slot(Atty, page101::FeeOnTheNext300000), "9,000.00");
    EXPECT_EQ(slot(Atty, page101::FeeOnTheBalance), "2,000.00");
    EXPECT_EQ(slot(Atty, page101::FeeOnAssetsRelieved), "0.00");  // no relief: no minimum fee
    EXPECT_EQ(slot(Atty, page101::TotalFee), "15,000.00");
}

// ----- Application for attorney fees and its entry -------------------------

TEST_F(FeeTest, FeeInWordsAgreesWithTheFigure) {
    struct Case {
        double fee;
        const char* words;
    } cases[] = {
        {0, "No Dollars and No Cents"},
        {0.5, "No Dollars and Fifty Cents"},
        {12.996, "Thirteen Dollars and No Cents"},  // the figure shows 13.00
        {250, "Two Hundred Fifty Dollars and No Cents"},
        {1234.56, "One Thousand Two Hundred Thirty Four Dollars and Fifty Six Cents"},
    };
    for (const Case& c : cases) EXPECT_EQ(feeInWords(c.fee), c.words) << c.fee;
}

TEST_F(FeeTest, ApplicationBillsTheTimeWorksheet) {
    a().setAnswer(page0::Page, 0, page0::DecedentName, QStringLiteral("Jane Doe"));
    a().setAnswer(page0::Page, 0, page0::CaseNumber, QStringLiteral("2024 es 17"));
    a().setAnswer(page0::Page, 0, page0::AttorneyName, QStringLiteral("Carl Counsel"));
    a().setAnswer(page0::Page, 0, page0::AttorneyCity, QStringLiteral("Wendmoor"));
    a().setAnswer(page0::Page, 0, page0::AttorneyState, QStringLiteral("OH"));
    a().setAnswer(page0::Page, 0, page0::AttorneyZip, QStringLiteral("44000"));
    a().setAnswer(page0::Page, 0, page0::AttorneyRegistration, QStringLiteral("0012345"));
    a().setAnswer(page0::Page, 0, page0::Judge, QStringLiteral("Judge Ruth"));
    addRow(data.TSchedList, {{1, "Opened estate"}, {2, "1.5"}, {3, "$200.00"}});
    addRow(data.TSchedList, {{1, "Inventory"}, {2, "0.333"}, {3, "$150.00"}});
    addKin({{kinColumn::Name, "Heir One"}, {kinColumn::ToAttorneyFeeApplication, X}});
    addKin({{kinColumn::Name, "Not Consenting"}});
    addKin({{kinColumn::Name, "Heir Two"}, {kinColumn::ToAttorneyFeeApplication, X}});

    Calc43(ctx, 0);
    Calc49(ctx, 0);

    // 1.5 x 200 + 0.333 x 150 = 349.95
    EXPECT_EQ(slot(Appl, page43::EstateOf), "JANE DOE");
    EXPECT_EQ(slot(Appl, page43::CaseNumber), "2024 ES 17");
    EXPECT_EQ(slot(Appl, page43::FeeInWords),
              "Three Hundred Forty Nine Dollars and Ninety Five Cents");
    EXPECT_EQ(slot(Appl, page43::Fee), "349.95");
    EXPECT_EQ(slot(Appl, page43::HoursOfService), "1.833");
    EXPECT_EQ(slot(Appl, page43::FeeInWordsConsent), slot(Appl, page43::FeeInWords));
    EXPECT_EQ(slot(Appl, page43::FeeConsent), "349.95");
    EXPECT_EQ(slot(Appl, page43::CityStateAndZIP), "Wendmoor, OH  44000");
    EXPECT_EQ(slot(Appl, page43::Registration), "Sup Ct Reg No. 0012345");
    EXPECT_EQ(slot(Appl, page43::Names.start), "Heir One");
    EXPECT_EQ(slot(Appl, page43::Names.start + 1), "Heir Two");
    EXPECT_EQ(slot(Appl, page43::Names.start + 2), "");

    EXPECT_EQ(slot(Entry, page49::Attorney), "Carl Counsel");
    EXPECT_EQ(slot(Entry, page49::FeeInWords), slot(Appl, page43::FeeInWords));
    EXPECT_EQ(slot(Entry, page49::Fee), "349.95");
    EXPECT_EQ(slot(Entry, page49::Judge), "Judge Ruth");
    EXPECT_TRUE(reports.reports().isEmpty());
}

TEST_F(FeeTest, ApplicationWithoutTimeRows) {
    Calc43(ctx, 0);
    EXPECT_EQ(slot(Appl, page43::FeeInWords), "No Dollars and No Cents");
    EXPECT_EQ(slot(Appl, page43::Fee), "0.00");
    EXPECT_EQ(slot(Appl, page43::HoursOfService), "0");
    EXPECT_EQ(slot(Appl, page43::FeeConsent), "0.00");
}

TEST_F(FeeTest, ApplicationConsentTakesTheEleventhPersonOff) {
    markedKin(12, 11);
    Calc43(ctx, 0);
    EXPECT_EQ(reports.numbers(), QList<int>{29130});
    EXPECT_EQ(slot(Appl, page43::Names.start + 9), "Person 10");
    EXPECT_EQ(data.KSchedList.cell(kinColumn::ToAttorneyFeeApplication, 10),
              "");  // off the consent
}

// ----- CalcTtls -----------------------------------------------------------

TEST_F(FeeTest, CalcTtlsTotalsByCategoryIgnoringCase) {
    addAsset({{assetColumn::Description, "House"},
              {assetColumn::Value, "$100,000.00"},
              {assetColumn::ToForm3_0, X},
              {assetColumn::Category3_0, "real estate"},
              {assetColumn::ToForm4_0, X},
              {assetColumn::Category4_0, "Real Property"},
              {assetColumn::ToExecutorFee, X},
              {assetColumn::CategoryExecutorFee, "Real Estate Not Sold"},
              {assetColumn::ToAttorneyFee, X},
              {assetColumn::CategoryAttorneyFee, "REAL ESTATE NOT SOLD"},
              {assetColumn::ToForm12_0, X}});
    addAsset({{assetColumn::Description, "Car"},
              {assetColumn::Value, "$5,000.50"},
              {assetColumn::ToForm5_10, X},
              {assetColumn::ToForm9_C, X},
              {assetColumn::ToBmv3774, X},
              {assetColumn::ToAttorneyFee, X},
              {assetColumn::CategoryAttorneyFee, "Something Else"}});
    addAsset({{assetColumn::Description, "Stock"},
              {assetColumn::Value, "$1,000.00"},
              {assetColumn::ToForm3_0, X},
              {assetColumn::Category3_0, "Readily Ascertainable Value"},
              {assetColumn::ToExecutorFee, X},
              {assetColumn::CategoryExecutorFee, "Personal Property"},
              {assetColumn::ToStockPower, X},
              {assetColumn::ToSpouseAffidavit, X},
              {assetColumn::ToForm5_10, X}});

    EXPECT_TRUE(CalcTtls(ctx));
    const CategoryTotals& t = ctx.totals;
    EXPECT_DOUBLE_EQ(t.form3_0[0], 1000);
    EXPECT_DOUBLE_EQ(t.form3_0[1], 100000);
    EXPECT_DOUBLE_EQ(t.form4_0[2], 100000);
    EXPECT_DOUBLE_EQ(t.form5_10, 6000.50);
    EXPECT_DOUBLE_EQ(t.executorFee[0], 1000);
    EXPECT_DOUBLE_EQ(t.executorFee[3], 100000);
    EXPECT_DOUBLE_EQ(t.attorneyFee[3], 100000);  // the unknown category added nothing
    EXPECT_EQ(a().NoOf12, 1);
    EXPECT_EQ(a().NoOf9_C, 1);
    EXPECT_EQ(a().NoOf3774, 1);
    EXPECT_EQ(a().NoOfStockPOA, 1);
    EXPECT_EQ(a().NoOfSSA_JS, 1);
    EXPECT_TRUE(reports.reports().isEmpty());
}

TEST_F(FeeTest, CalcTtlsEndsAtAnUnknownCategory) {
    struct Case {
        int send, category;
        int errNo;
    } cases[] = {{16, 48, 16010}, {17, 49, 16020}, {35, 58, 16110}};
    for (const Case& c : cases) {
        CalcCase f;
        f.addAsset({{assetColumn::Description, "First"},
                    {assetColumn::Value, "10.00"},
                    {assetColumn::ToForm5_10, X},
                    {assetColumn::ToForm12_0, X}});
        f.addAsset({{assetColumn::Description, "Odd one"},
                    {assetColumn::Value, "20.00"},
                    {c.send, X},
                    {c.category, "Furniture"},
                    {assetColumn::ToForm12_0, X}});
        f.addAsset({{assetColumn::Description, "Below"},
                    {assetColumn::Value, "30.00"},
                    {assetColumn::ToForm5_10, X},
                    {assetColumn::ToForm12_0, X}});
        f.a().NoOf12 = 7;
        EXPECT_FALSE(CalcTtls(f.ctx));
        ASSERT_EQ(f.reports.numbers(), QList<int>{c.errNo});
        EXPECT_EQ(f.reports.reports()[0].text, "Odd one");
        EXPECT_DOUBLE_EQ(f.ctx.totals.form5_10, 10);  // the row below was not totalled
        // The faulty row stops before its own copies are counted when the
        // fault is on 3.0 or 4.0, after them on the executor's fee.
        EXPECT_EQ(f.a().NoOf12, c.errNo == 16110 ? 2 : 1) << c.errNo;
    }
}

}  // namespace
}  // namespace wm4
