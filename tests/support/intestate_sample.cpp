// The intestate sample: Robert K. Dunmore died without a will. He leaves his
// second wife, Linda S. Dunmore, who is the parent of neither of his
// children, and the two children of his first marriage: Paul A. Dunmore, of
// age, who is appointed administrator, and Anna B. Dunmore, a minor who lives
// with her mother, Mary A. Roe, the guardian of her estate. The allowance for
// support is apportioned between the spouse and the minor, who does not live
// with her; the spouse takes both cars. The administrator sells the rental
// house on Canal Street above its appraisal with the heirs' consent (the
// guardian consenting for Anna), distributes the shares in kind, rejects a
// roofer's claim, and files a first and final account. The residence passes
// to the spouse by survivorship and the brokerage account to Paul on death:
// neither is in the estate.
#include "case/worksheet_columns.h"
#include "forms/page000.h"
#include "forms/page002.h"
#include "forms/page011.h"
#include "forms/page012.h"
#include "forms/page016.h"
#include "forms/page017.h"
#include "forms/page028.h"
#include "forms/page034.h"
#include "forms/page035.h"
#include "forms/page036.h"
#include "forms/page043.h"
#include "forms/page045.h"
#include "forms/page046.h"
#include "forms/page047.h"
#include "forms/page048.h"
#include "forms/page049.h"
#include "forms/page051.h"
#include "forms/page053.h"
#include "forms/page060.h"
#include "forms/page061.h"
#include "forms/page068.h"
#include "forms/page079.h"
#include "forms/page097.h"
#include "forms/page099.h"
#include "support/rich_sample.h"
#include "support/sample_rows.h"

namespace wm4::test {

using namespace sample;

namespace {

void fillGeneralInformation(CaseData& data) {
    answers(data, page0::Page,
            {
                {page0::DecedentName, intestate::Decedent},
                {page0::JudgesLine, "EDGAR T. WILLOW, Presiding Judge; NORA P. ASHDOWN, Judge"},
                {page0::Judge, "Edgar T. Willow"},
                {page0::County, "Wendmoor"},
                {page0::CaseNumber, "2026 ES 00288"},
                {page0::DecedentLastName, "Dunmore"},
                {page0::DecedentFirstName, "Robert"},
                {page0::DecedentMiddleName, "K."},
                {page0::DecedentStreet, "9 Linden Court"},
                {page0::DecedentCity, "Ellery"},
                {page0::DecedentCounty, "Wendmoor"},
                {page0::DecedentState, "Ohio"},
                {page0::DecedentZip, "43917"},
                {page0::DecedentBirthDate, "4/18/1961"},
                {page0::DecedentExtra, "XXX-XX-7310"},
                {page0::DeathDate, "2/10/2026"},
                {page0::AttorneyName, intestate::Attorney},
                {page0::AttorneyStreet, "200 Court Street, Suite 4"},
                {page0::AttorneyCity, "Ellery"},
                {page0::AttorneyState, "Ohio"},
                {page0::AttorneyZip, "43917"},
                {page0::AttorneyPhone, "(740) 555-0142"},
                {page0::AttorneyRegistration, "0071234"},
                {page0::FiduciaryName, intestate::Administrator},
                {page0::FiduciaryStreet, "210 West Fifth Avenue"},
                {page0::FiduciaryCity, "Columbus"},
                {page0::FiduciaryState, "Ohio"},
                {page0::FiduciaryZip, "43201"},
                {page0::FiduciaryPhone, "(614) 555-0133"},
                {page0::FiduciaryTitle, "Administrator"},
                {page0::SpouseName, intestate::Spouse},
                {page0::SpouseStreet, "9 Linden Court"},
                {page0::SpouseCity, "Ellery"},
                {page0::SpouseState, "Ohio"},
                {page0::SpouseZip, "43917"},
                {page0::SpousePhone, "(740) 555-0188"},
                {page0::SpouseBirthDate, "9/30/1966"},
                {page0::DecedentGenderMark, "X"},   // the decedent is the husband
                {page0::FiduciaryGenderMark, "X"},  // the administrator is a man
                {page0::FiduciaryDetail, "pdunmore@example.net"},
                {page0::FurtherDetail, "office@example.com"},
            });
}

// What the office types, in the order the estate went: the administrator
// appointed March 2, the inventory, the allowance apportioned, the sale of
// the rental house, the shares in kind, the fee, the first and final account.
void fillTypedAnswers(CaseData& data) {
    answer(
        data, page2::Page,
        page2::TheApplicantKnowsOfNoOtherPersonWhoIsALegateeDeviseeSurvivingSpouseChildOrNextOfKin,
        "X");
    // 4.0 authority to administer; the spouse waives her prior right.
    answers(data, page11::Page,
            {{page11::AppointedAs, "Administrator"},
             {page11::ApplicantRelationshipToTheDecedent, "Son"},
             {page11::TheDecedentDiedWithoutAWill, "X"},
             {page11::BondProposed, "$40,000.00 with surety"}});
    answers(
        data, page12::Page,
        {{page12::TheApplicantIsAResidentOfOhio, "X"},
         {page12::EveryPersonEntitledToAdministerBeforeTheApplicantHasWaivedThatRightForm43, "X"}});
    answers(data, page16::Page,
            {{page16::DateOfTheHearing, "3/2/2026"},
             {page16::TimeOfTheHearing, "9:00 a.m."},
             {page16::PlaceOfTheHearing, "Courtroom 2"},
             {page16::AppointmentAppliedFor, "Administrator"}});
    answers(data, page17::Page,
            {{page17::Bond, "$40,000.00"},
             {page17::Surety, "Buckeye Surety Company"},
             {page17::DateOfTheHearing, "3/2/2026"},
             {page17::LettersIssued, "3/2/2026"}});
    answers(data, page51::Page,
            {{page51::DateOfTheAcceptance, "3/2/2026"},
             {page51::TheFiduciaryHasReadTheDutiesOfAFiduciaryTheCourtProvides, "X"}});
    answers(data, page45::Page,
            {{page45::DateTheFiduciaryWasAppointed, "March 2, 2026"},
             {page45::DateTheNoticeIsSent, "March 9, 2026"},
             {page45::SentByCertifiedMail, "X"}});
    answers(data, page79::Page, {{page79::TheDecedentSpouseSurvives, "X"}});
    // 6.0 inventory, filed May 4.
    answers(
        data, page28::Page,
        {{page28::
              TheFiduciaryFilesTheInventoryOfEveryAssetOfTheEstateThatHasComeIntoTheFiduciaryHands,
          "X"},
         {page28::DateTheInventoryIsSigned, "5/4/2026"}});
    // 7.1 and 7.2: the allowance of $40,000.00, apportioned between the
    // spouse and the minor daughter, who lives apart from her.
    answers(
        data, page34::Page,
        {{page34::TheSurvivingSpouseAppliesForTheAllowanceForSupport, "X"},
         {page34::MinorChildrenOfTheDecedentWhoDoNotLiveWithTheSurvivingSpouseApplyForAShareOfIt,
          "X"},
         {page34::TheAllowanceIsToBePaidInMoney, "X"},
         {page34::AmountOfTheAllowance, "$40,000.00"},
         {page34::DateOfTheEntry, "April 6, 2026"}});
    answers(data, page35::Page,
            {{page35::Apportioned, "X"},
             {page35::ChildrenApart, "X"},
             {page35::ShareAskedForTheFirstChild, "$20,000.00"}});
    answers(data, page36::Page,
            {{page36::DateOfTheHearing, "4/6/2026"},
             {page36::TimeOfTheHearing, "9:30 a.m."},
             {page36::DateOfTheEntry, "4/6/2026"},
             {page36::DateTheAssetsWereDelivered, "4/13/2026"}});
    // 11.0 sale of the rental house: every heir consents (the guardian for
    // the minor).
    answer(data, page53::Page, page53::TheEstateIsBeingAdministeredWithoutAWill, "X");
    // 10.0 the shares distributed in kind, half to each child.
    answers(data, page46::Page,
            {{page46::TheInventoryOfTheEstateHasBeenFiled, "X"},
             {page46::DateTheInventoryWasApproved, "June 8, 2026"},
             {page46::AllDebtsAndClaimsPresentedHaveBeenPaidOrProvidedFor, "X"},
             {page46::TheCostsOfAdministrationHaveBeenPaidOrProvidedFor, "X"},
             {page46::AllTaxesDueHaveBeenPaidOrProvidedFor, "X"},
             {page46::TheDistributionDoesNotAffectTheShareOfAnyPersonWhoHasNotConsented, "X"},
             {page46::PersonalProperty, "$46,700.00"},
             {page46::RealProperty, "$128,500.00"},
             {page46::IncomeAndOtherReceipts, "$3,600.00"},
             {page46::DateTheFiduciaryWasAppointed, "March 2, 2026"}});
    answers(data, page47::Page,
            {{page47::DateOfTheHearing, "8/3/2026"},
             {page47::TimeOfTheHearing, "9:30 a.m."},
             {page47::TheApplicationIsApproved, "X"},
             {page47::DateOfTheEntry, "8/3/2026"}});
    answers(data, page48::Page,
            {{page48::TheDistributionIsApprovedAsAppliedFor, "X"},
             {page48::DateOfTheEntry, "8/3/2026"}});
    // The attorney's fee, with the heirs' consent.
    answers(data, page43::Page,
            {{page43::ServicesFrom, "2/16/2026"},
             {page43::ServicesTo, "9/28/2026"},
             {page43::DateSigned, "9/28/2026"}});
    answers(data, page49::Page,
            {{page49::DateOfTheHearing, "October 5, 2026"},
             {page49::TheBeneficiariesConsentedToTheFeeOrWaivedNotice, "X"},
             {page49::DateOfTheEntry, "10/5/2026"}});
    answers(data, page99::Page, {{page99::PreparedOn, "October 12, 2026"}});
    // 13.0 the first and final account, March 2 to October 15.
    answers(
        data, page60::Page,
        {{page60::Administrator, "X"},
         {page60::DateTheFiduciaryWasAppointed, "3/2/2026"},
         {page60::WaiversOfNoticeOfTheHearingOnTheAccountForm137AreFiled, "X"},
         {page60::AccountPeriodFrom, "3/2/2026"},
         {page60::AccountPeriodTo, "10/15/2026"},
         {page60::FinalAndDistributiveAccount, "X"},
         {page60::NumberOfThisAccount, "First and final"},
         {page60::AllDebtsAndClaimsPresentedAndAllowedHaveBeenPaidExceptThoseListedBelow, "X"},
         {page60::NoOhioEstateTaxReturnIsRequired, "X"},
         {page60::NoFederalEstateTaxReturnIsRequired, "X"},
         {page60::NoAssetsRemainInTheFiduciaryHands, "X"},
         {page60::
              TheFiduciaryFeesChargedInThisAccountWereComputedUnderTheStatuteOrApprovedByTheCourt,
          "X"},
         {page60::
              TheAttorneyFeesChargedInThisAccountWereApprovedByTheCourtOrConsentedToByTheBeneficiaries,
          "X"},
         {page60::ReceiptsOrOtherEvidenceOfTheDistributionsMadeAreFiledWithThisAccount, "X"}});
    answers(data, page61::Page,
            {{page61::DateTheAccountIsSigned, "10/19/2026"},
             {page61::DateOfTheHearingOnTheAccount, "11/23/2026"},
             {page61::TimeOfTheHearing, "10:00 a.m."},
             {page61::Courtroom, "Courtroom 2"},
             {page61::TheAccountIsApprovedAndSettledAsTheFinalAccount, "X"}});
    answers(data, page68::Page,
            {{page68::Account, "first and final"},
             {page68::DateTheAccountWasFiled, "10/19/2026"},
             {page68::TimeOfTheHearing, "10:00 a.m."}});
    answers(data, page97::Page,
            {{page97::TotalValueOfTheVehiclesTaken, "$21,500.00"},
             {page97::SpouseAddress, "9 Linden Court, Ellery, Ohio  43917"}});
}

// Papers every heir signs or receives (the guardian for the minor).
const std::vector<int> kHeirs{kinColumn::ToAttorneyFeeApplication, kinColumn::ToForm10_0,
                              kinColumn::ToForm11_0, kinColumn::ToForm13_4, kinColumn::ToForm13_7b};

std::vector<int> heirWith(std::initializer_list<int> more) {
    std::vector<int> marks = kHeirs;
    marks.insert(marks.end(), more);
    return marks;
}

void fillKin(CaseData& data) {
    WorksheetStore& k = data.KSchedList;
    addRow(k,
           {{kinColumn::Name, intestate::Spouse},
            {kinColumn::Street, "9 Linden Court"},
            {kinColumn::CityStateZip, "Ellery, Ohio  43917"},
            {kinColumn::Relationship, "Spouse"},
            {kinColumn::BirthDate, "9/30/1966"},
            {kinColumn::Gender, "F"},
            {kinColumn::SocialSecurity, "288-41-6604"}},
           heirWith({kinColumn::ToForm4_0, kinColumn::ToForm4_3, kinColumn::ToBmv3774}));
    addRow(k,
           {{kinColumn::Name, intestate::Administrator},
            {kinColumn::Street, "210 West Fifth Avenue"},
            {kinColumn::CityStateZip, "Columbus, Ohio  43201"},
            {kinColumn::Relationship, "Son"},
            {kinColumn::BirthDate, "7/7/1990"},
            {kinColumn::Gender, "M"},
            {kinColumn::SocialSecurity, "297-18-2245"}},
           heirWith({kinColumn::ToForm1_0Front, kinColumn::ToForm10_4}));
    // The minor appears on Form 1.0; her guardian signs for her.
    addRow(k,
           {{kinColumn::Name, intestate::Minor},
            {kinColumn::Street, "44 Orchard Street"},
            {kinColumn::CityStateZip, "Ellery, Ohio  43917"},
            {kinColumn::Relationship, "Daughter (minor)"},
            {kinColumn::BirthDate, "11/3/2012"},
            {kinColumn::Gender, "F"}},
           {kinColumn::ToForm1_0Front, kinColumn::ToForm7_2, kinColumn::ToForm4_4,
            kinColumn::ToForm10_4});
    addRow(k,
           {{kinColumn::Name, intestate::Guardian},
            {kinColumn::Street, "44 Orchard Street"},
            {kinColumn::CityStateZip, "Ellery, Ohio  43917"},
            {kinColumn::Relationship, "Guardian of the estate of Anna B. Dunmore"},
            {kinColumn::Gender, "F"}},
           kHeirs);
    // The roofer whose claim was rejected.
    addRow(k,
           {{kinColumn::Name, "Canal Street Roofing Co."},
            {kinColumn::Street, "5 Mill Road"},
            {kinColumn::CityStateZip, "Ellery, Ohio  43917"},
            {kinColumn::Relationship, "Claimant"}},
           {});
}

void fillAssets(CaseData& data) {
    WorksheetStore& a = data.ASchedList;
    addRow(a,
           {{assetColumn::Description, "Checking account, First Ellery Bank | Account ending 9920"},
            {assetColumn::Value, "$22,400.00"},
            {assetColumn::VoucherNumber, "R-1"},
            {assetColumn::Category4_0, "Personal property"},
            {assetColumn::Category6_0, "Intangible personal property"},
            {assetColumn::Category13_0, "Personal property not sold"},
            {assetColumn::CategoryExecutorFee, "Personal property"},
            {assetColumn::CategoryAttorneyFee, "Personal Property"}},
           {assetColumn::ToForm4_0, assetColumn::ToForm6_0, assetColumn::ToForm13_0,
            assetColumn::ToExecutorFee, assetColumn::ToAttorneyFee, assetColumn::ToScheduleC});
    // The rental house: appraised at $120,000.00, sold for $128,500.00 with
    // every heir's consent; the gain is the receipt of its own below.
    addRow(
        a,
        {{assetColumn::Description, "Rental house at 31 Canal Street, Ellery | Parcel 210-14-032"},
         {assetColumn::Value, "$120,000.00"},
         {assetColumn::Distributees, "Linda S. Dunmore, Paul A. Dunmore, Anna B. Dunmore"},
         {assetColumn::PublicPrivate, "Private"},
         {assetColumn::FixedBest, "Best price, not less than the appraised value"},
         {assetColumn::CashTerms, "Cash at closing"},
         {assetColumn::Category4_0, "Real property"},
         {assetColumn::Category6_0, "Real property"},
         {assetColumn::Category13_0, "Proceeds from sale of real property"},
         {assetColumn::CategoryExecutorFee, "Gross realty proceeds"},
         {assetColumn::CategoryAttorneyFee, "Gross realty proceeds"},
         {assetColumn::RealtyParcelNumber, "210-14-032"},
         {assetColumn::RealtyCityStateZip, "Ellery, Ohio  43917"},
         {assetColumn::RealtyHouseNumber, "31"},
         {assetColumn::RealtyStreetName, "Canal Street"}},
        {assetColumn::Appraised, assetColumn::ToForm4_0, assetColumn::ToForm6_0,
         assetColumn::ToForm11_0, assetColumn::ToForm13_0, assetColumn::ToExecutorFee,
         assetColumn::ToAttorneyFee, assetColumn::ToScheduleA});
    addRow(a,
           {{assetColumn::Description,
             "Gain on the sale of 31 Canal Street over its appraisal (closing statement)"},
            {assetColumn::Value, "$8,500.00"},
            {assetColumn::VoucherNumber, "R-2"},
            {assetColumn::Category13_0, "Proceeds from sale of real property"},
            {assetColumn::CategoryExecutorFee, "Gross realty proceeds"},
            {assetColumn::CategoryAttorneyFee, "Gross realty proceeds"}},
           {assetColumn::ToForm13_0, assetColumn::ToExecutorFee, assetColumn::ToAttorneyFee});
    addRow(a,
           {{assetColumn::Description, "60 shares Buckeye Water Co. common stock"},
            {assetColumn::Value, "$6,000.00"},
            {assetColumn::Distributees, "Paul A. Dunmore 1/2, Anna B. Dunmore 1/2"},
            {assetColumn::DistributionDate, "8/3/2026"},
            {assetColumn::Category4_0, "Personal property"},
            {assetColumn::Category6_0, "Intangible personal property"},
            {assetColumn::Category13_0, "Personal property not sold"},
            {assetColumn::CategoryExecutorFee, "Personal property"},
            {assetColumn::CategoryAttorneyFee, "Personal Property"},
            {assetColumn::StockShares, "60"},
            {assetColumn::StockShareClass, "Common"},
            {assetColumn::StockCorporation, "Buckeye Water Co."},
            {assetColumn::StockCertificate, "BW-4471"}},
           {assetColumn::ToForm4_0, assetColumn::ToForm6_0, assetColumn::ToForm10_0,
            assetColumn::ToForm13_0, assetColumn::ToStockPower, assetColumn::ToExecutorFee,
            assetColumn::ToAttorneyFee, assetColumn::ToScheduleB});
    // The two cars pass to the spouse outside the inventory's total.
    addRow(a,
           {{assetColumn::Description, "2020 Toyota Camry sedan"},
            {assetColumn::Value, "$16,000.00"},
            {assetColumn::Distributees, intestate::Spouse},
            {assetColumn::Category6_0, "1st auto to spouse"},
            {assetColumn::VehicleYear, "2020"},
            {assetColumn::VehicleSerialNumber, "4T1B11HK5LU123456"},
            {assetColumn::VehicleMake, "Toyota"},
            {assetColumn::VehicleBodyType, "Sedan"},
            {assetColumn::VehicleModel, "Camry"},
            {assetColumn::VehicleTitleNumber, "OH6620114"}},
           {assetColumn::ToForm6_0, assetColumn::ToBmv3773, assetColumn::ToBmv3774,
            assetColumn::ToScheduleF});
    addRow(a,
           {{assetColumn::Description, "2014 Ford Escape"},
            {assetColumn::Value, "$5,500.00"},
            {assetColumn::Distributees, intestate::Spouse},
            {assetColumn::Category6_0, "2nd auto to spouse"},
            {assetColumn::VehicleYear, "2014"},
            {assetColumn::VehicleSerialNumber, "1FMCU9G93EUA55012"},
            {assetColumn::VehicleMake, "Ford"},
            {assetColumn::VehicleBodyType, "SUV"},
            {assetColumn::VehicleModel, "Escape"},
            {assetColumn::VehicleTitleNumber, "OH2208861"}},
           {assetColumn::ToForm6_0, assetColumn::ToBmv3773, assetColumn::ToBmv3774,
            assetColumn::ToScheduleF});
    addRow(a,
           {{assetColumn::Description, "Rent from 31 Canal Street, March to June"},
            {assetColumn::Value, "$3,600.00"},
            {assetColumn::VoucherNumber, "R-3"},
            {assetColumn::Category4_0, "Annual realty rentals"},
            {assetColumn::Category13_0, "Income"},
            {assetColumn::CategoryExecutorFee, "Income received"},
            {assetColumn::CategoryAttorneyFee, "Income Received"}},
           {assetColumn::ToForm4_0, assetColumn::ToForm13_0, assetColumn::ToExecutorFee,
            assetColumn::ToAttorneyFee});
    // Outside the estate: the residence by survivorship, the brokerage
    // account on death to the son.
    addRow(a,
           {{assetColumn::Description,
             "Residence at 9 Linden Court, survivorship deed with the spouse"},
            {assetColumn::Value, "$210,000.00"},
            {assetColumn::Distributees, intestate::Spouse},
            {assetColumn::CategoryAttorneyFee, "Other - 706 Not Required"}},
           {assetColumn::ToAttorneyFee, assetColumn::ToScheduleE1});
    addRow(a,
           {{assetColumn::Description,
             "Brokerage account, Ellery Securities, transfer on death to Paul A. Dunmore"},
            {assetColumn::Value, "$18,250.00"},
            {assetColumn::Distributees, intestate::Administrator},
            {assetColumn::CategoryAttorneyFee, "Other - 706 Not Required"}},
           {assetColumn::ToAttorneyFee, assetColumn::ToScheduleE1});
}

// Receipts 160,500.00; every one of them paid out or distributed, so nothing
// remains on the final account.
void fillExpenses(CaseData& data) {
    WorksheetStore& e = data.ESchedList;
    addRow(e,
           {{expenseColumn::Description, "Funeral services, Ashby Funeral Home"},
            {expenseColumn::Amount, "$8,200.00"},
            {expenseColumn::CheckNumber, "101"},
            {expenseColumn::NatureOfDebt, "Funeral expenses"},
            {expenseColumn::Category13_0, "Debts And Claims Against Estate"}},
           {expenseColumn::ToForm13_0, expenseColumn::ToScheduleJ});
    addRow(e,
           {{expenseColumn::Description, "Ellery Family Practice, last illness"},
            {expenseColumn::Amount, "$1,200.00"},
            {expenseColumn::CheckNumber, "102"},
            {expenseColumn::NatureOfDebt, "Medical services"},
            {expenseColumn::Category13_0, "Debts And Claims Against Estate"}},
           {expenseColumn::ToForm13_0, expenseColumn::ToScheduleK});
    // Rejected by the administrator: not paid, not on the account.
    addRow(e,
           {{expenseColumn::Description, "Canal Street Roofing Co.|Roof repair at 31 Canal Street"},
            {expenseColumn::Amount, "$4,750.00"},
            {expenseColumn::NatureOfDebt, "Disputed repair bill; claim rejected 5/18/2026"},
            {expenseColumn::ClaimRejected, "X"}},
           {});
    addRow(
        e,
        {{expenseColumn::Description, "Real estate commission and closing costs, 31 Canal Street"},
         {expenseColumn::Amount, "$8,240.00"},
         {expenseColumn::CheckNumber, "103"},
         {expenseColumn::Category13_0, "Other Administrative Costs And Expenses"}},
        {expenseColumn::ToForm13_0});
    addRow(e,
           {{expenseColumn::Description, "Administrator's commission"},
            {expenseColumn::Amount, "$5,815.00"},
            {expenseColumn::CheckNumber, "104"},
            {expenseColumn::Category13_0, "Fiduciary Fees This Accounting Period"}},
           {expenseColumn::ToForm13_0});
    addRow(e,
           {{expenseColumn::Description, "Attorney fees, Martin L. Greaves"},
            {expenseColumn::Amount, "$4,500.00"},
            {expenseColumn::CheckNumber, "105"},
            {expenseColumn::Category13_0, "Attorney Fees This Accounting Period"}},
           {expenseColumn::ToForm13_0});
    addRow(e,
           {{expenseColumn::Description, "Allowance for support, to Linda S. Dunmore"},
            {expenseColumn::Amount, "$20,000.00"},
            {expenseColumn::CheckNumber, "106"},
            {expenseColumn::Category13_0, "Other Distributions to Beneficiaries"}},
           {expenseColumn::ToForm13_0});
    addRow(e,
           {{expenseColumn::Description,
             "Allowance for support, to Mary A. Roe, guardian of the estate of Anna B. Dunmore"},
            {expenseColumn::Amount, "$20,000.00"},
            {expenseColumn::CheckNumber, "107"},
            {expenseColumn::Category13_0, "Other Distributions to Beneficiaries"}},
           {expenseColumn::ToForm13_0});
    addRow(e,
           {{expenseColumn::Description,
             "60 shares Buckeye Water Co., 30 each to Paul A. Dunmore and Anna B. Dunmore"},
            {expenseColumn::Amount, "$6,000.00"},
            {expenseColumn::Category13_0, "Personal Property Distributed in Kind"}},
           {expenseColumn::ToForm13_0});
    // The balance, 86,545.00: the spouse's $20,000.00 and a third of the
    // rest, the children a third each (R.C. 2105.06(E)).
    const struct {
        const char* to;
        const char* amount;
        const char* check;
    } shares[] = {
        {"Distributive share to Linda S. Dunmore", "$42,181.68", "108"},
        {"Distributive share to Paul A. Dunmore", "$22,181.66", "109"},
        {"Distributive share to Mary A. Roe, guardian of the estate of Anna B. Dunmore",
         "$22,181.66", "110"},
    };
    for (const auto& s : shares)
        addRow(e,
               {{expenseColumn::Description, s.to},
                {expenseColumn::Amount, s.amount},
                {expenseColumn::CheckNumber, s.check},
                {expenseColumn::Category13_0, "Other Distributions to Beneficiaries"}},
               {expenseColumn::ToForm13_0});
}

// 18 hours at $250: the $4,500.00 the account pays.
void fillTime(CaseData& data) {
    struct Entry {
        const char* date;
        const char* description;
        const char* hours;
    };
    const Entry entries[] = {
        {"2/16/2026", "Conference with the administrator and the spouse", "1.50"},
        {"2/23/2026", "Application for authority to administer; waivers", "2.00"},
        {"3/2/2026", "Hearing on appointment", "0.75"},
        {"3/30/2026", "Allowance for support and its apportionment", "2.25"},
        {"5/4/2026", "Inventory and appraisal", "2.50"},
        {"5/18/2026", "Rejection of the roofing claim", "1.00"},
        {"6/1/2026", "Sale of 31 Canal Street: consents, closing", "3.50"},
        {"7/13/2026", "Distribution of the shares in kind", "1.50"},
        {"9/28/2026", "Fee application", "1.00"},
        {"10/19/2026", "First and final account", "2.00"},
    };
    for (const Entry& entry : entries)
        addRow(data.TSchedList, {{timeColumn::Date, entry.date},
                                 {timeColumn::Description, entry.description},
                                 {timeColumn::Hours, entry.hours},
                                 {timeColumn::Rate, "$250.00"}});
}

}  // namespace

void fillIntestateSample(CaseData& data) {
    fillGeneralInformation(data);
    fillTypedAnswers(data);
    fillKin(data);
    fillAssets(data);
    fillExpenses(data);
    fillTime(data);
}

}  // namespace wm4::test
