// The confidential identifier sheets, the affidavit of domicile and the
// stock power of attorney.
#include <QStringList>

#include "calc/calc_case.h"
#include "calc/transfer/transfer_units.h"
#include "forms/page000.h"
#include "forms/page104.h"
#include "forms/page111.h"
#include "forms/page115.h"

namespace wm4 {
namespace {

using test::CalcCaseTest;
using namespace test::columns;

class Affidavits : public CalcCaseTest {};

// Twelve identifiers (eight assets, then four expenses) fill two sheets:
// entries 1-10 and 11-12, with the sheet numbers and the "continued" mark.
TEST_F(Affidavits, IdentifierSheetsTakeTenEntriesEach) {
    gi(page0::County, "Wendmoor");
    gi(page0::DecedentName, "Carl Smith");
    gi(page0::CaseNumber, "2021-est-17");
    gi(page0::AttorneyName, "J. Counsel");
    gi(page0::AttorneyRegistration, "0077001");
    for (int i = 1; i <= 8; ++i)
        addAsset({{AssetIdentifiers, "X"},
                  {85, QString("A%1").arg(i)},
                  {83, "Bank"},
                  {84, "B"},
                  {82, "4.0"},
                  {81, "1/1/2021"}});
    addAsset({{AssetDescription, "not marked"}, {85, "skip"}});
    for (int i = 9; i <= 12; ++i)
        addExpense({{ExpenseIdentifiers, "X"},
                    {20, QString("E%1").arg(i)},
                    {18, "Clinic"},
                    {19, "C"},
                    {17, "6.0"},
                    {16, "2/2/2022"}});
    a().NoOfCPID = 2;
    a().setAnswer(page111::Page, 1, page111::AttorneyFirstSheet, "stale");
    a().setAnswer(page111::Page, 1, page111::Entries.start + 5, "stale entry");

    Calc111(ctx, 0);
    Calc111(ctx, 1);

    EXPECT_EQ(slot(page111::Page, 0, page111::County), "WENDMOOR");
    EXPECT_EQ(slot(page111::Page, 0, page111::EstateOf), "CARL SMITH");
    EXPECT_EQ(slot(page111::Page, 0, page111::CaseNumber), "2021-est-17");
    EXPECT_EQ(slot(page111::Page, 0, page111::Entries.start), "A1");
    EXPECT_EQ(slot(page111::Page, 0, page111::Entries.start + 1), "Bank");
    EXPECT_EQ(slot(page111::Page, 0, page111::Entries.start + 2), "B");
    EXPECT_EQ(slot(page111::Page, 0, page111::Entries.start + 3), "4.0");
    EXPECT_EQ(slot(page111::Page, 0, page111::Entries.start + 4), "1/1/2021");
    EXPECT_EQ(slot(111, 0, 4 + 5 * 8), "E9");
    EXPECT_EQ(slot(111, 0, 4 + 5 * 8 + 1), "Clinic");
    EXPECT_EQ(slot(111, 0, 4 + 5 * 9), "E10");
    EXPECT_EQ(slot(page111::Page, 0, page111::AFurtherSheetFollows), "X");
    EXPECT_EQ(slot(page111::Page, 0, page111::AttorneyFirstSheet), "J. Counsel");
    EXPECT_EQ(slot(page111::Page, 0, page111::RegistrationNumberFirstSheet), "0077001")
        << "the attorney's registration, as on every court form";
    EXPECT_EQ(slot(page111::Page, 0, page111::Sheet), "1");
    EXPECT_EQ(slot(page111::Page, 0, page111::Of), "2");

    EXPECT_EQ(slot(page111::Page, 1, page111::Entries.start), "E11");
    EXPECT_EQ(slot(page111::Page, 1, page111::Entries.start + 5), "E12");
    EXPECT_EQ(slot(page111::Page, 1, page111::Entries.start + 9), "2/2/2022");
    EXPECT_EQ(slot(page111::Page, 1, page111::Entries.start + 10), "");
    EXPECT_EQ(slot(page111::Page, 1, page111::AFurtherSheetFollows), "");
    EXPECT_EQ(slot(page111::Page, 1, page111::AttorneyFirstSheet), "");
    EXPECT_EQ(slot(page111::Page, 1, page111::Sheet), "2");
    EXPECT_EQ(slot(page111::Page, 1, page111::Of), "2");
}

TEST_F(Affidavits, DomicilePronounFollowsTheGenderMarks) {
    struct Case {
        const char* mark51;
        const char* mark52;
        const char* pronoun;
    };
    const Case cases[] = {{"X", "", "his"}, {"", "X", "her"}, {"X", "X", "her"}, {"", "", ""}};
    for (const Case& c : cases) {
        gi(page0::DecedentGenderMark, c.mark51);
        gi(page0::DecedentGenderMark2, c.mark52);
        Calc104(ctx, 0);
        EXPECT_EQ(slot(page104::Page, page104::HisOrHer), c.pronoun) << c.mark51 << "/" << c.mark52;
    }
    // Without a mark the spouse's kin row tells: a widower's wife.
    gi(page0::SpouseName, "Tom Smith");
    addKin({{KinName, "Tom Smith"}, {KinGender, "M"}});
    Calc104(ctx, 0);
    EXPECT_EQ(slot(page104::Page, page104::HisOrHer), "her");
}

TEST_F(Affidavits, DomicileNamesTheFiduciary) {
    gi(page0::FiduciaryName, "Ann Lee");
    gi(page0::FiduciaryStreet, "4 Pine St");
    gi(page0::FiduciaryCity, "Kent");
    gi(page0::FiduciaryState, "OH");
    gi(page0::FiduciaryZip, "44240");
    gi(page0::DecedentStreet, "1 Main St");
    gi(page0::DecedentCity, "Akron");
    gi(page0::DecedentState, "OH");
    gi(page0::DecedentZip, "44300");
    Calc104(ctx, 0);
    EXPECT_EQ(slot(page104::Page, page104::Fiduciary), "Ann Lee");
    EXPECT_EQ(slot(page104::Page, page104::FiduciaryAddress), "4 Pine St, Kent, OH  44240");
    EXPECT_EQ(slot(page104::Page, page104::AddressAtDeath), "1 Main St, Akron, OH  44300");
    EXPECT_EQ(slot(page104::Page, page104::SignatureName), "ANN LEE");
    EXPECT_EQ(slot(page104::Page, page104::Notary),
              "");  // the notary's own line, under "Notary public"
}

TEST_F(Affidavits, StockPowerNamesItsTransferee) {
    ctx.today = [] { return QDate(2026, 1, 9); };
    gi(page0::DecedentName, "Carl Smith");
    gi(page0::FiduciaryName, "Ann Lee");
    gi(page0::FiduciaryTitle, "Executor");
    gi(page0::CoFiduciaryName, "Bo Kim");
    gi(page0::CoFiduciaryTitle, "Co-Executor");
    addKin({{KinName, "Tom Lee"},
            {KinStreet, "3 Elm"},
            {KinCityLine, "Kent, OH  44240"},
            {KinSsn, "999-00-1111"}});
    addAsset({{AssetStockPower, "X"},
              {AssetDistributees, "Tom Lee"},
              {77, "100"},
              {78, "Common"},
              {79, "ACME Corp."},
              {80, "C-55"}});
    addAsset({{AssetStockPower, "X"}, {AssetDistributees, "Someone Else"}, {79, "Other Co."}});

    Calc115(ctx, 0);
    Calc115(ctx, 1);

    EXPECT_EQ(slot(page115::Page, 0, page115::Transferee), "Tom Lee");
    EXPECT_EQ(slot(page115::Page, 0, page115::Address), "3 Elm, Kent, OH  44240");
    EXPECT_EQ(slot(page115::Page, 0, page115::SocialSecurityNumber),
              "Social Security No.: 999-00-1111");
    EXPECT_EQ(slot(page115::Page, 0, page115::NumberOfShares), "100");
    EXPECT_EQ(slot(page115::Page, 0, page115::Corporation), "ACME Corp.");
    EXPECT_EQ(slot(page115::Page, 0, page115::CertificateNumber), "C-55");
    EXPECT_EQ(slot(page115::Page, 0, page115::Date), "1/9/2026");
    EXPECT_EQ(slot(page115::Page, 0, page115::Fiduciary),
              "ANN LEE & BO KIM");  // every fiduciary signs
    EXPECT_EQ(slot(page115::Page, 0, page115::FiduciaryCapacity),
              "Executor and Co-Executor of the Estate of Carl Smith");
    EXPECT_EQ(slot(page115::Page, 0, page115::FurtherTransfereesWithTheirShares), "");

    EXPECT_EQ(slot(page115::Page, 1, page115::Corporation), "Other Co.");
    EXPECT_EQ(slot(page115::Page, 1, page115::Transferee), "");
    EXPECT_EQ(slot(page115::Page, 1, page115::SocialSecurityNumber),
              "");  // no transferee: no number line
}

TEST_F(Affidavits, StockPowerContinuesFurtherTransferees) {
    addKin({{KinName, "Tom Lee"}, {KinStreet, "3 Elm"}, {KinCityLine, "Kent, OH  44240"}});
    addKin({{KinName, "Sue Lee"}, {KinStreet, "4 Oak"}, {KinCityLine, "Kent, OH  44240"}});
    addAsset({{AssetStockPower, "X"}, {AssetDistributees, "Sue Lee 60 shares, Tom Lee 40 shares"}});

    Calc115(ctx, 0);

    EXPECT_EQ(slot(page115::Page, 0, page115::Transferee), "Tom Lee (40 shares)");
    EXPECT_EQ(slot(page115::Page, 0, page115::FurtherTransfereesWithTheirShares),
              "and to: | Sue Lee (60 shares), 4 Oak, Kent, OH  44240");
}

}  // namespace
}  // namespace wm4
