#include "support/rich_sample.h"

#include "case/worksheet_columns.h"
#include "forms/page000.h"
#include "forms/page002.h"
#include "forms/page003.h"
#include "forms/page004.h"
#include "forms/page006.h"
#include "forms/page007.h"
#include "forms/page008.h"
#include "forms/page009.h"
#include "forms/page011.h"
#include "forms/page012.h"
#include "forms/page016.h"
#include "forms/page017.h"
#include "forms/page028.h"
#include "forms/page033.h"
#include "forms/page034.h"
#include "forms/page041.h"
#include "forms/page042.h"
#include "forms/page043.h"
#include "forms/page044.h"
#include "forms/page045.h"
#include "forms/page046.h"
#include "forms/page047.h"
#include "forms/page048.h"
#include "forms/page049.h"
#include "forms/page050.h"
#include "forms/page051.h"
#include "forms/page052.h"
#include "forms/page055.h"
#include "forms/page056.h"
#include "forms/page057.h"
#include "forms/page059.h"
#include "forms/page060.h"
#include "forms/page061.h"
#include "forms/page068.h"
#include "forms/page079.h"
#include "forms/page084.h"
#include "forms/page086.h"
#include "forms/page092.h"
#include "forms/page097.h"
#include "forms/page099.h"
#include "forms/page122.h"
#include "forms/page123.h"
#include "forms/page125.h"
#include "forms/page128.h"
#include "forms/page153.h"
#include "support/sample_rows.h"

namespace wm4::test {

using namespace sample;

namespace {

void fillGeneralInformation(CaseData& data) {
    answers(data, page0::Page,
            {
                {page0::DecedentName, rich::Decedent},
                {page0::JudgesLine, "EDGAR T. WILLOW, Presiding Judge; NORA P. ASHDOWN, Judge"},
                {page0::Judge, "Edgar T. Willow"},
                {page0::County, "Wendmoor"},
                {page0::CaseNumber, "2026 ES 00417"},
                {page0::DecedentLastName, "Whitcombe"},
                {page0::DecedentFirstName, "Harold"},
                {page0::DecedentMiddleName, "James"},
                {page0::DecedentStreet, "12 Oak Lane"},
                {page0::DecedentAddressExtra, "Ellery Township"},
                {page0::DecedentCity, "Ellery"},
                {page0::DecedentCounty, "Wendmoor"},
                {page0::DecedentState, "Ohio"},
                {page0::DecedentZip, "43917"},
                {page0::DecedentBirthDate, "3/4/1941"},
                // the decedent's Social Security number, on Form 7.0(A)
                {page0::DecedentExtra, "XXX-XX-4821"},
                {page0::DeathDate, "1/15/2026"},
                {page0::AttorneyName, rich::Attorney},
                {page0::AttorneyStreet, "200 Court Street, Suite 4"},
                {page0::AttorneyCity, "Ellery"},
                {page0::AttorneyState, "Ohio"},
                {page0::AttorneyZip, "43917"},
                {page0::AttorneyPhone, "(740) 555-0142"},
                {page0::AttorneyRegistration, "0071234"},
                {page0::FiduciaryName, rich::Fiduciary},
                {page0::FiduciaryStreet, "48 Maple Drive"},
                {page0::FiduciaryCity, "Columbus"},
                {page0::FiduciaryState, "Ohio"},
                {page0::FiduciaryZip, "43215"},
                {page0::FiduciaryPhone, "(614) 555-0199"},
                {page0::FiduciaryTitle, "Executor"},
                {page0::CoFiduciaryName, rich::CoFiduciary},
                {page0::CoFiduciaryStreet, "7 River Road"},
                {page0::CoFiduciaryCity, "Ellery"},
                {page0::CoFiduciaryState, "Ohio"},
                {page0::CoFiduciaryZip, "43917"},
                {page0::CoFiduciaryPhone, "(740) 555-0177"},
                {page0::CoFiduciaryTitle, "Co-Executor"},
                {page0::SpouseName, rich::Spouse},
                {page0::SpouseStreet, "12 Oak Lane"},
                {page0::SpouseCity, "Ellery"},
                {page0::SpouseState, "Ohio"},
                {page0::SpouseZip, "43917"},
                {page0::SpousePhone, "(740) 555-0110"},
                {page0::SpouseBirthDate, "6/2/1944"},
                // the decedent is the husband; the executor is a woman
                {page0::DecedentGenderMark, "X"},
                {page0::CoFiduciaryGenderMark, "X"},
                {page0::FiduciaryDetail, "cashby@example.net"},  // the executor's e-mail
                {page0::FurtherDetail, "office@example.com"},    // the attorney's e-mail
            });
}

// What the office types on the forms, in the order the estate went: the
// will admitted and the executors appointed at one hearing on February 2,
// notice of probate, the appraiser, the inventory and its hearing, the sale
// of the tractor, the distribution in kind, the certificate of transfer and
// the first partial account.
void fillTypedAnswers(CaseData& data) {
    // 2.0 application to probate the will, heard February 2.
    answers(data, page3::Page,
            {{page3::DateOfTheWill, "June 14, 2019"},
             {page3::TheWillIsFiledWithThisApplication, "X"},
             {page3::TheApplicantIsNamedInTheWillAsExecutor, "X"}});
    answers(data, page4::Page,
            {{page4::DateOfTheHearing, "2/2/2026"},
             {page4::TimeOfTheHearing, "9:00 a.m."},
             {page4::ExecutorSigns, "X"}});
    // 2.2 notice of probate, given by the executor; the other notices take
    // the date and the signer from the first.
    answers(data, page6::Page,
            {{page6::DateWillAdmitted, "2/2/2026"}, {page6::ExecutorSigns, "X"}});
    // 2.3 entry admitting the will; 2.4 certificate of notice, by the executor.
    answers(data, page7::Page,
            {{page7::DateWillPresented, "2/2/2026"},
             {page7::TheWillWasAdmittedWithoutAnyFurtherTestimony, "X"}});
    answers(data, page8::Page,
            {{page8::NoticeWasGivenToEveryPersonEntitledToItAsListedOnForm10, "X"},
             {page8::NoticeWasGivenByCertifiedMail, "X"},
             {page8::DateTheLastNoticeWasGiven, "February 9, 2026"},
             {page8::ExecutorSigns, "X"}});
    // 3.0 appointment of the appraiser for the real estate and the goods.
    answers(
        data, page9::Page,
        {{page9::
              TheEstateHoldsRealEstateOrPersonalPropertyWhoseValueCannotBeReadilyAscertainedAndMustBeAppraised,
          "X"},
         {page9::ProposedAppraiser, "Helen Price"},
         {page9::AppraiserAddress, "55 Commerce Street, Ellery, Ohio  43917"},
         {page9::AppraiserQualifications, "Licensed real estate appraiser and auctioneer"},
         {page9::DateOfTheApplication, "2/16/2026"},
         {page9::AppraiserFee, "As the court allows"},
         {page9::AssetsToBeAppraised, "The residence, the household goods and the garden tractor"},
         {page9::DateOfTheEntry, "2/18/2026"}});
    // 4.0 application for authority to administer, 4.4 notice of its
    // hearing, 4.5 entry appointing, the acceptance.
    // 1.0: no other heir or legatee is known
    answer(
        data, page2::Page,
        page2::TheApplicantKnowsOfNoOtherPersonWhoIsALegateeDeviseeSurvivingSpouseChildOrNextOfKin,
        "X");
    answer(data, page12::Page, page12::TheApplicantIsAResidentOfOhio, "X");  // 4.0
    answers(data, page11::Page,
            {{page11::ApplicantRelationshipToTheDecedent,
              "Daughter and son, executors named in the will"},
             {page11::BondProposed, "Dispensed with by the will"}});
    answers(data, page16::Page,
            {{page16::DateOfTheHearing, "2/2/2026"},
             {page16::TimeOfTheHearing, "9:00 a.m."},
             {page16::PlaceOfTheHearing, "Courtroom 2"},
             {page16::AppointmentAppliedFor, "Executors"}});
    answers(data, page17::Page,
            {{page17::BondIsDispensedWith, "X"},
             {page17::DateOfTheHearing, "2/2/2026"},
             {page17::LettersIssued, "2/2/2026"}});
    answers(data, page51::Page,
            {{page51::DateOfTheAcceptance, "2/2/2026"},
             {page51::TheFiduciaryHasReadTheDutiesOfAFiduciaryTheCourtProvides, "X"}});
    // 6.0 inventory, filed March 30 and heard April 27.
    answers(
        data, page28::Page,
        {{page28::
              TheFiduciaryFilesTheInventoryOfEveryAssetOfTheEstateThatHasComeIntoTheFiduciaryHands,
          "X"},
         {page28::AssetsWereAppraisedByTheAppraiserTheCourtAppointed, "X"},
         {page28::Appraiser, "Helen Price"},
         {page28::DateTheInventoryIsSigned, "3/30/2026"}});
    answers(data, page33::Page,
            {{page33::DateOfTheHearing, "4/27/2026"},
             {page33::TimeOfTheHearing, "10:30 a.m."},
             {page33::PlaceOfTheHearing, "Courtroom 2"}});
    answers(data, page84::Page,
            {{page84::NoticeWasServedByCertifiedMail, "X"},
             {page84::Served.start + 2, "April 2, 2026"}});
    // 7.0 notice to the estate recovery office; 7.0(A): the spouse survives.
    answers(data, page45::Page,
            {{page45::DateTheFiduciaryWasAppointed, "February 2, 2026"},
             {page45::TheDecedentWas55YearsOfAgeOrOlderAtDeath, "X"},
             {page45::DateTheNoticeIsSent, "February 10, 2026"},
             {page45::SentByCertifiedMail, "X"}});
    answers(data, page79::Page, {{page79::TheDecedentSpouseSurvives, "X"}});
    // 7.1 household goods set off to the spouse toward her allowance.
    answers(data, page34::Page,
            {{page34::TheSurvivingSpouseAppliesForTheAllowanceForSupport, "X"},
             {page34::PropertyOfTheEstateIsToBeSetOffTowardTheAllowance, "X"},
             {page34::DateOfTheEntry, "March 16, 2026"}});
    // 9.0 to 9.2: the tractor sold privately for its appraised value.
    answers(data, page41::Page,
            {{page41::TheSaleIsAuthorizedAsAppliedFor, "X"},
             {page41::ThePropertyMayNotBeSoldForLessThanItsAppraisedValue, "X"},
             {page41::DateOfTheEntry, "4/10/2026"}});
    answers(data, page42::Page,
            {{page42::AtPrivateSale, "X"},
             {page42::TermsOfTheSale, "Cash on delivery"},
             {page42::DateOfTheEntry, "4/10/2026"}});
    answers(data, page44::Page,
            {{page44::DateOfTheSale, "4/20/2026"},
             {page44::TimeAndPlaceOfTheSale, "Private sale at 12 Oak Lane, Ellery"},
             {page44::PropertyToBeSold, "Garden tractor, John Deere model X350"},
             {page44::TermsOfTheSale, "Cash, not less than the appraised value"},
             {page44::DateOfThisNotice, "April 13, 2026"}});
    // 10.0 to 10.4: the shares distributed in kind to the son under the will.
    answers(data, page46::Page,
            {{page46::TheInventoryOfTheEstateHasBeenFiled, "X"},
             {page46::DateTheInventoryWasApproved, "April 27, 2026"},
             {page46::AllDebtsAndClaimsPresentedHaveBeenPaidOrProvidedFor, "X"},
             {page46::TheCostsOfAdministrationHaveBeenPaidOrProvidedFor, "X"},
             {page46::AllTaxesDueHaveBeenPaidOrProvidedFor, "X"},
             {page46::TheDistributionDoesNotAffectTheShareOfAnyPersonWhoHasNotConsented, "X"},
             {page46::TheWillPermitsDistributionInKind, "X"},
             {page46::PersonalProperty, "$26,859.21"},
             {page46::RealProperty, "$185,000.00"},
             {page46::IncomeAndOtherReceipts, "$1,474.12"},
             {page46::DateTheFiduciaryWasAppointed, "February 2, 2026"}});
    answers(data, page47::Page,
            {{page47::DateOfTheHearing, "5/26/2026"},
             {page47::TimeOfTheHearing, "9:30 a.m."},
             {page47::TheApplicationIsApproved, "X"},
             {page47::DateOfTheEntry, "5/26/2026"}});
    answers(data, page48::Page,
            {{page48::TheDistributionIsApprovedAsAppliedFor, "X"},
             {page48::DateOfTheEntry, "5/26/2026"}});
    answers(data, page50::Page,
            {{page50::DateOfTheHearing, "5/26/2026"},
             {page50::TimeOfTheHearing, "9:30 a.m."},
             {page50::Courtroom, "Courtroom 2"},
             {page50::DateOfThisNotice, "May 4, 2026"}});
    answers(data, page52::Page,
            {{page52::DateOfTheEntryApprovingTheDistribution, "5/26/2026"},
             {page52::DateOfThisNotice, "6/1/2026"}});
    // 12.0 to 12.2: the residence to the spouse, the residuary legatee; the
    // values are the estate's (the debts are the account's debts and costs).
    answers(data, page55::Page,
            {{page55::Testate, "X"},
             {page55::DateWillAdmitted, "2/2/2026"},
             {page55::TheEstateIsBeingAdministered, "X"},
             {page55::FiduciaryAppointmentOrRelief, "Executors appointed"},
             {page55::DateOfTheAppointmentOrEntry, "2/2/2026"},
             {page55::TheRealEstatePassesUnderASpecificDeviseOfTheWill, "X"}});
    answers(data, page56::Page,
            {{page56::AllDebtsOfTheEstateHaveBeenPaidOrProvidedFor, "X"},
             {page56::PersonalProperty, "$26,859.21"},
             {page56::OtherPersonalProperty, "$64.12"},
             {page56::ValueOfThisRealEstate, "$185,000.00"},
             {page56::LessDebtsAndCosts, "$14,733.58"},
             {page56::DateSigned, "June 1, 2026"},
             {page56::DateOfTheEntry, "6/8/2026"}});
    answers(data, page57::Page, {{page57::Persons.start + 4, "All"}});
    answers(data, page97::Page,
            {{page97::TotalValueOfTheVehiclesTaken, "$24,500.00"},
             {page97::SpouseAddress, "12 Oak Lane, Ellery, Ohio  43917"}});  // both cars (BMV 3773)
    answers(data, page59::Page,
            {{page59::AllDebtsAndCostsHaveBeenPaidOrProvidedFor, "X"},
             {page59::DateOfTheEntry, "6/8/2026"}});
    // 13.0 first partial account, February 2 to July 31, heard September 14.
    answers(
        data, page60::Page,
        {{page60::Executor, "X"},
         {page60::DateTheFiduciaryWasAppointed, "2/2/2026"},
         {page60::ACertificateOfServiceOfNoticeOfTheAccountForm139IsFiled, "X"},
         {page60::WaiversOfNoticeOfTheHearingOnTheAccountForm137AreFiled, "X"},
         {page60::AccountPeriodFrom, "2/2/2026"},
         {page60::AccountPeriodTo, "7/31/2026"},
         {page60::PartialAccount, "X"},
         {page60::AllDebtsAndClaimsPresentedAndAllowedHaveBeenPaidExceptThoseListedBelow, "X"},
         {page60::NoOhioEstateTaxReturnIsRequired, "X"},
         {page60::NoFederalEstateTaxReturnIsRequired, "X"},
         {page60::
              TheAssetsRemainingInTheFiduciaryHandsAreListedOnTheScheduleOfAssetsRemainingForm132,
          "X"},
         {page60::
              TheFiduciaryFeesChargedInThisAccountWereComputedUnderTheStatuteOrApprovedByTheCourt,
          "X"},
         {page60::
              TheAttorneyFeesChargedInThisAccountWereApprovedByTheCourtOrConsentedToByTheBeneficiaries,
          "X"},
         {page60::
              VouchersOrOtherProofOfTheDisbursementsAreFiledWithThisAccountOrWillBePresentedAtTheHearing,
          "X"},
         {page60::NumberOfThisAccount, "1"}});
    answers(data, page61::Page,
            {{page61::DateTheAccountIsSigned, "8/10/2026"},
             {page61::DateOfTheHearingOnTheAccount, "9/14/2026"},
             {page61::TimeOfTheHearing, "10:00 a.m."},
             {page61::Courtroom, "Courtroom 2"},
             {page61::TheAccountIsApprovedAndSettledAsAPartialAccount, "X"}});
    answers(data, page68::Page,
            {{page68::Account, "first partial"},
             {page68::DateTheAccountWasFiled, "9/14/2026"},
             {page68::TimeOfTheHearing, "10:00 a.m."}});
    answers(data, page86::Page,
            {{page86::Account, "first partial"},
             {page86::DateTheAccountAndNoticeWereServed, "8/12/2026"},
             {page86::ByOrdinaryMail, "X"},
             {page86::PersonsServed, "Ellery Public Library, 301 Main Street, Ellery, Ohio  43917"},
             {page86::DateSigned, "August 12, 2026"}});
    answers(data, page92::Page, {{page92::TheFiduciary, "X"}});
    // The attorney's fee: applied for with the beneficiaries' consent in
    // July, allowed before the account period closed; the commission as
    // computed when the account was prepared.
    answers(data, page43::Page,
            {{page43::ServicesFrom, "1/20/2026"},
             {page43::ServicesTo, "7/13/2026"},
             {page43::DateSigned, "7/13/2026"}});
    answers(data, page49::Page,
            {{page49::DateOfTheHearing, "July 20, 2026"},
             {page49::TheBeneficiariesConsentedToTheFeeOrWaivedNotice, "X"},
             {page49::TheFeeMayBePaidNowBeforeTheFinalAccount, "X"},
             {page49::DateOfTheEntry, "7/20/2026"}});
    answers(data, page99::Page, {{page99::PreparedOn, "August 10, 2026"}});
    // The refund found after the inventory.
    answers(data, page128::Page,
            {{page128::DateTheAssetsWereDiscovered, "May 12, 2026"},
             {page128::TheAssetsAreToBeAddedToTheInventoryAtTheValuesShown, "X"},
             {page128::HowTheAssetsWereDiscovered,
              "Refund check found in the decedent's mail after the inventory was filed"},
             {page128::DateSigned, "May 14, 2026"}});
    // 24.2 notice to the creditors of the hearing on the schedule of claims.
    answers(data, page153::Page,
            {{page153::DateOfTheHearing, "6/29/2026"},
             {page153::TimeOfTheHearing, "9:00 a.m."},
             {page153::Courtroom, "Courtroom 2"},
             {page153::DateTheRepresentationWasFiled, "6/1/2026"},
             {page153::DateOfThisNotice, "6/2/2026"}});
    // The letters: the court letter's enclosures, the appraiser's, the
    // insurer's policy and salutation (typed over the computed one).
    answers(data, page123::Page,
            {{page123::PapersEnclosedForFiling,
              "Form 6.0 Inventory and Appraisal | Form 6.1 Schedule of Assets | "
              "Form 6.3 Notice of Hearing on Inventory"}});
    answers(data, page125::Page,
            {{page125::AppraisalNeededBy, "February 27, 2026"},
             {page125::ContactForAccessToTheProperty, "Caroline W. Ashby, (614) 555-0199"}});
    answers(data, page122::Page, {{page122::PolicyNumber, "BM-7730412"}});
    overridden(data, page122::Page, page122::Salutation, "Sir or Madam");
}

// The kin worksheet's marks (columns): papers for the whole family, those
// only the spouse or only the children sign or receive, the son's notice of
// distribution, and the library's notices as a legatee.
const std::vector<int> kFamily{kinColumn::ToAttorneyFeeApplication,
                               kinColumn::ToForm6_4C,
                               kinColumn::ToForm9_0,
                               kinColumn::ToForm10_0,
                               kinColumn::ToForm11_0,
                               kinColumn::ToForm13_4,
                               kinColumn::ToForm13_7b,
                               kinColumn::ToWillLetter,
                               kinColumn::ToInventoryLetter,
                               kinColumn::ToAccountLetter};
std::vector<int> withFamily(std::initializer_list<int> more) {
    std::vector<int> marks = kFamily;
    marks.insert(marks.end(), more);
    return marks;
}

void fillKin(CaseData& data) {
    WorksheetStore& k = data.KSchedList;
    // The spouse: waives the right to administer; notices of probate, of
    // the hearings on appointment and inventory; the vehicle title.
    addRow(k,
           {{kinColumn::Name, rich::Spouse},
            {kinColumn::Street, "12 Oak Lane"},
            {kinColumn::CityStateZip, "Ellery, Ohio  43917"},
            {kinColumn::Relationship, "Spouse"},
            {kinColumn::BirthDate, "6/2/1944"},
            {kinColumn::Gender, "F"},
            {kinColumn::SocialSecurity, "287-55-1402"},
            {kinColumn::Phone, "(740) 555-0110"}},
           withFamily({kinColumn::ToForm2_2, kinColumn::ToForm4_0, kinColumn::ToForm4_3,
                       kinColumn::ToForm4_4, kinColumn::ToForm6_3, kinColumn::ToBmv3774}));
    // The children, both executors: next of kin on Form 1.0, waivers.
    addRow(k,
           {{kinColumn::Name, rich::Fiduciary},
            {kinColumn::Street, "48 Maple Drive"},
            {kinColumn::CityStateZip, "Columbus, Ohio  43215"},
            {kinColumn::Relationship, "Daughter"},
            {kinColumn::BirthDate, "8/19/1968"},
            {kinColumn::Gender, "F"},
            {kinColumn::SocialSecurity, "291-60-3318"}},
           withFamily({kinColumn::ToForm1_0Front, kinColumn::ToForm2_0, kinColumn::ToForm2_1,
                       kinColumn::ToForm6_0, kinColumn::ToForm6_2}));
    addRow(k,
           {{kinColumn::Name, rich::CoFiduciary},
            {kinColumn::Street, "7 River Road"},
            {kinColumn::CityStateZip, "Ellery, Ohio  43917"},
            {kinColumn::Relationship, "Son"},
            {kinColumn::BirthDate, "11/2/1971"},
            {kinColumn::Gender, "M"},
            {kinColumn::SocialSecurity, "291-62-7709"}},
           withFamily({kinColumn::ToForm1_0Front, kinColumn::ToForm2_0, kinColumn::ToForm2_1,
                       kinColumn::ToForm6_0, kinColumn::ToForm6_2, kinColumn::ToForm10_4}));
    // A legatee under the will: the back of Form 1.0 and its notices.
    addRow(k,
           {{kinColumn::Name, "Ellery Public Library"},
            {kinColumn::Street, "301 Main Street"},
            {kinColumn::CityStateZip, "Ellery, Ohio  43917"},
            {kinColumn::Relationship, "Legatee"}},
           {kinColumn::ToForm1_0Back, kinColumn::ToForm2_2, kinColumn::ToForm10_2,
            kinColumn::ToForm13_5});
    addRow(k,
           {{kinColumn::Name, "Helen Price"},
            {kinColumn::Street, "55 Commerce Street"},
            {kinColumn::CityStateZip, "Ellery, Ohio  43917"},
            {kinColumn::Relationship, "Appraiser"},
            {kinColumn::Gender, "F"}},
           {kinColumn::ToAppraiserLetter});
    addRow(k,
           {{kinColumn::Name, "Buckeye Mutual Life Insurance Company"},
            {kinColumn::Street, "Claims Department, 900 High Street"},
            {kinColumn::CityStateZip, "Columbus, Ohio  43215"},
            {kinColumn::Relationship, "Insurer"}},
           {kinColumn::ToInsuranceLetter});
    // The creditors of the schedule of claims.
    addRow(k,
           {{kinColumn::Name, "Ashby Funeral Home"},
            {kinColumn::Street, "18 Church Street"},
            {kinColumn::CityStateZip, "Ellery, Ohio  43917"},
            {kinColumn::Relationship, "Creditor"}},
           {kinColumn::ToForm24_2});
    addRow(k,
           {{kinColumn::Name, "Ellery General Hospital"},
            {kinColumn::Street, "Patient Accounts, 1 Hospital Drive"},
            {kinColumn::CityStateZip, "Ellery, Ohio  43917"},
            {kinColumn::Relationship, "Creditor"}},
           {kinColumn::ToForm24_2});
}

void fillAssets(CaseData& data) {
    WorksheetStore& a = data.ASchedList;
    // The residence: appraised; real estate on the appraisal, the authority
    // to administer and the inventory; not sold in this account, so it
    // remains; transferred to the spouse by certificate; in both fees.
    addRow(a,
           {{assetColumn::Description, "Residence at 12 Oak Lane, Ellery | Parcel 123-45-678"},
            {assetColumn::Value, "$185,000.00"},
            {assetColumn::Distributees, rich::Spouse},
            {assetColumn::Category3_0, "Real Estate"},
            {assetColumn::Category4_0, "Real property"},
            {assetColumn::Category6_0, "Real property"},
            {assetColumn::Category13_0, "Real property not sold"},
            {assetColumn::Category13_2, "Real property"},
            {assetColumn::CategoryExecutorFee, "Real estate not sold"},
            {assetColumn::CategoryAttorneyFee, "Real Estate Not Sold"},
            {assetColumn::RealtyParcelNumber, "123-45-678"},
            {assetColumn::RealtyCityStateZip, "Ellery, Ohio  43917"},
            {assetColumn::RealtyHouseNumber, "12"},
            {assetColumn::RealtyStreetName, "Oak Lane"},
            {assetColumn::RealtyVolume, "412"},
            {assetColumn::RealtyPage, "88"},
            {assetColumn::RealtyLotNumber, "17"},
            {assetColumn::RealtySubdivision, "Riverside Addition"},
            {assetColumn::RealtyFrontage, "60 ft"},
            {assetColumn::RealtyDepth, "140 ft"},
            {assetColumn::RealtySublot, "3"},
            {assetColumn::RealtyAcreage, "0.19"}},
           {assetColumn::Appraised, assetColumn::ToForm3_0, assetColumn::ToForm4_0,
            assetColumn::ToForm6_0, assetColumn::ToForm11_0, assetColumn::ToForm12_0,
            assetColumn::ToForm13_0, assetColumn::ToForm13_2, assetColumn::ToSpouseAffidavit,
            assetColumn::ToExecutorFee, assetColumn::ToAttorneyFee, assetColumn::ToScheduleA});
    // The two cars pass to the spouse outside the inventory's total.
    addRow(a,
           {{assetColumn::Description, "2019 Honda Accord sedan"},
            {assetColumn::Value, "$18,500.00"},
            {assetColumn::Distributees, rich::Spouse},
            {assetColumn::Category6_0, "1st auto to spouse"},
            {assetColumn::VehicleYear, "2019"},
            {assetColumn::VehicleSerialNumber, "1HGCV1F31KA012345"},
            {assetColumn::VehicleMake, "Honda"},
            {assetColumn::VehicleBodyType, "Sedan"},
            {assetColumn::VehicleModel, "Accord"},
            {assetColumn::VehicleTitleNumber, "OH4471902"},
            {assetColumn::VehicleManufacturer, "Honda Motor Co."},
            {assetColumn::VehicleLength, "16 ft"},
            {assetColumn::VehicleHorsepower, "192"}},
           {assetColumn::ToForm6_0, assetColumn::ToBmv3773, assetColumn::ToBmv3774,
            assetColumn::ToForm9_C, assetColumn::ToScheduleF});
    addRow(a,
           {{assetColumn::Description, "2012 Buick LaCrosse sedan"},
            {assetColumn::Value, "$6,000.00"},
            {assetColumn::Distributees, rich::Spouse},
            {assetColumn::Category6_0, "2nd auto to spouse"},
            {assetColumn::VehicleYear, "2012"},
            {assetColumn::VehicleSerialNumber, "1G4GC5E34CF204417"},
            {assetColumn::VehicleMake, "Buick"},
            {assetColumn::VehicleBodyType, "Sedan"},
            {assetColumn::VehicleModel, "LaCrosse"},
            {assetColumn::VehicleTitleNumber, "OH3310077"},
            {assetColumn::VehicleManufacturer, "General Motors"},
            {assetColumn::VehicleLength, "16 ft"},
            {assetColumn::VehicleHorsepower, "182"}},
           {assetColumn::ToForm6_0, assetColumn::ToBmv3773, assetColumn::ToBmv3774,
            assetColumn::ToForm9_C, assetColumn::ToScheduleF});
    // The checking account: the cash of the estate; what is left of it at
    // the end of the account is the cash balance row below.
    addRow(
        a,
        {{assetColumn::Description, "Checking account, First Ellery Bank | Account ending 4411"},
         {assetColumn::Value, "$13,909.21"},
         {assetColumn::VoucherNumber, "R-1"},
         {assetColumn::Category3_0, "Readily Ascertainable Value"},
         {assetColumn::Category4_0, "Personal property"},
         {assetColumn::Category6_0, "Intangible personal property"},
         {assetColumn::Category13_0, "Personal property not sold"},
         {assetColumn::CategoryExecutorFee, "Personal property"},
         {assetColumn::CategoryAttorneyFee, "Personal Property"},
         {assetColumn::IdentifierFilingDate, "2/2/2026"},
         {assetColumn::IdentifierFormNumber, "4.0"},
         {assetColumn::IdentifierInstitution, "First Ellery Bank"},
         {assetColumn::IdentifierAbbreviation, "FEB checking"},
         {assetColumn::IdentifierComplete, "0031-778-4411"}},
        {assetColumn::ToForm3_0, assetColumn::ToForm4_0, assetColumn::ToForm6_0,
         assetColumn::ToForm13_0, assetColumn::ToExecutorFee, assetColumn::ToAttorneyFee,
         assetColumn::ToIdentifiers, assetColumn::ToCommissionersReport, assetColumn::ToScheduleC});
    // The shares: principal, distributed in kind to the son under the will.
    addRow(a,
           {{assetColumn::Description, "100 shares Ohio Power Co. common stock"},
            {assetColumn::Value, "$8,250.00"},
            {assetColumn::Distributees, rich::CoFiduciary},
            {assetColumn::DistributionDate, "5/26/2026"},
            {assetColumn::Category3_0, "Readily Ascertainable Value"},
            {assetColumn::Category4_0, "Personal property"},
            {assetColumn::Category6_0, "Intangible personal property"},
            {assetColumn::Category13_0, "Personal property not sold"},
            {assetColumn::CategoryExecutorFee, "Personal property"},
            {assetColumn::CategoryAttorneyFee, "Personal Property"},
            {assetColumn::StockShares, "100"},
            {assetColumn::StockShareClass, "Common"},
            {assetColumn::StockCorporation, "Ohio Power Co."},
            {assetColumn::StockCertificate, "C-20931"}},
           {assetColumn::ToForm3_0, assetColumn::ToForm4_0, assetColumn::ToForm6_0,
            assetColumn::ToForm10_0, assetColumn::ToForm13_0, assetColumn::ToStockPower,
            assetColumn::ToExecutorFee, assetColumn::ToAttorneyFee, assetColumn::ToScheduleB});
    // Household goods: appraised, set off to the spouse toward her allowance.
    addRow(a,
           {{assetColumn::Description, "Household furniture and furnishings"},
            {assetColumn::Value, "$3,500.00"},
            {assetColumn::Distributees, rich::Spouse},
            {assetColumn::Category3_0, "Personal Property Without Ascertainable Value"},
            {assetColumn::Category4_0, "Personal property"},
            {assetColumn::Category6_0, "Tangible personal property"},
            {assetColumn::Category7_1, "Other"},
            {assetColumn::Category13_0, "Personal property not sold"},
            {assetColumn::CategoryExecutorFee, "Personal property"},
            {assetColumn::CategoryAttorneyFee, "Personal Property"}},
           {assetColumn::Appraised, assetColumn::ToForm3_0, assetColumn::ToForm4_0,
            assetColumn::ToForm6_0, assetColumn::ToForm7_1, assetColumn::ToForm13_0,
            assetColumn::ToExecutorFee, assetColumn::ToAttorneyFee, assetColumn::ToScheduleF});
    // The garden tractor: appraised and sold privately at its value.
    addRow(a,
           {{assetColumn::Description, "Garden tractor, John Deere model X350"},
            {assetColumn::Value, "$1,200.00"},
            {assetColumn::PublicPrivate, "Private"},
            {assetColumn::FixedBest, "Appraised value"},
            {assetColumn::CashTerms, "Cash"},
            {assetColumn::Category3_0, "Personal Property Without Ascertainable Value"},
            {assetColumn::Category4_0, "Personal property"},
            {assetColumn::Category6_0, "Tangible personal property"},
            {assetColumn::Category13_0, "Proceeds from sale of personal property"},
            {assetColumn::CategoryExecutorFee, "Personal property"},
            {assetColumn::CategoryAttorneyFee, "Personal Property"}},
           {assetColumn::Appraised, assetColumn::ToForm3_0, assetColumn::ToForm4_0,
            assetColumn::ToForm6_0, assetColumn::ToForm9_0, assetColumn::ToForm13_0,
            assetColumn::ToExecutorFee, assetColumn::ToAttorneyFee,
            assetColumn::ToCommissionersReport, assetColumn::ToScheduleF});
    // Income: the garage rent (a year's rent also on the authority to
    // administer) and the dividend on the shares.
    addRow(a,
           {{assetColumn::Description, "Rent from garage at 14 Oak Lane"},
            {assetColumn::Value, "$1,200.00"},
            {assetColumn::VoucherNumber, "R-2"},
            {assetColumn::Category4_0, "Annual realty rentals"},
            {assetColumn::Category13_0, "Income"},
            {assetColumn::CategoryExecutorFee, "Income received"},
            {assetColumn::CategoryAttorneyFee, "Income Received"}},
           {assetColumn::ToForm4_0, assetColumn::ToForm13_0, assetColumn::ToExecutorFee,
            assetColumn::ToAttorneyFee});
    addRow(a,
           {{assetColumn::Description, "Dividend, Ohio Power Co."},
            {assetColumn::Value, "$210.00"},
            {assetColumn::VoucherNumber, "R-3"},
            {assetColumn::Category13_0, "Income"},
            {assetColumn::CategoryExecutorFee, "Income received"},
            {assetColumn::CategoryAttorneyFee, "Income Received"}},
           {assetColumn::ToForm13_0, assetColumn::ToExecutorFee, assetColumn::ToAttorneyFee});
    // Found after the inventory: reported, received as another receipt.
    addRow(a,
           {{assetColumn::Description, "Refund of water deposit, Ellery Water Department"},
            {assetColumn::Value, "$64.12"},
            {assetColumn::VoucherNumber, "R-4"},
            {assetColumn::Category13_0, "Other receipts"},
            {assetColumn::CategoryExecutorFee, "Personal property"},
            {assetColumn::CategoryAttorneyFee, "Personal Property"}},
           {assetColumn::ToForm13_0, assetColumn::ToExecutorFee, assetColumn::ToAttorneyFee,
            assetColumn::ToNewlyDiscovered, assetColumn::ToScheduleF});
    // The cash left at the end of the account period.
    addRow(a,
           {{assetColumn::Description,
             "Cash in the checking account, First Ellery Bank, at July 31, 2026"},
            {assetColumn::Value, "$849.75"},
            {assetColumn::Category13_2, "Intangible personal property"}},
           {assetColumn::ToForm13_2});
    // Life insurance payable to the spouse: outside the estate and the
    // executors' commission; in the attorney's schedule as a nonprobate asset.
    addRow(a,
           {{assetColumn::Description,
             "Life insurance policy BM-7730412, Buckeye Mutual, payable to the spouse"},
            {assetColumn::Value, "$25,000.00"},
            {assetColumn::CategoryAttorneyFee, "Other - 706 Not Required"}},
           {assetColumn::ToAttorneyFee, assetColumn::ToScheduleD});
}

void fillExpenses(CaseData& data) {
    WorksheetStore& e = data.ESchedList;
    addRow(e,
           {{expenseColumn::Description, "Funeral services, Ashby Funeral Home"},
            {expenseColumn::Amount, "$6,800.00"},
            {expenseColumn::CheckNumber, "1001"},
            {expenseColumn::NatureOfDebt, "Funeral expenses"},
            {expenseColumn::Category13_0, "Debts And Claims Against Estate"},
            {expenseColumn::Category24_4, "(2) Funeral expenses to $400"},
            {expenseColumn::EstimatedPayment, "6,800.00"},
            {expenseColumn::InterestedPersons, "Ashby Funeral Home"}},
           {expenseColumn::ToForm13_0, expenseColumn::ToScheduleJ, expenseColumn::ToForm24_4});
    addRow(e,
           {{expenseColumn::Description, "Hospital bill, Ellery General Hospital"},
            {expenseColumn::Amount, "$1,450.25"},
            {expenseColumn::CheckNumber, "1002"},
            {expenseColumn::NatureOfDebt, "Last illness"},
            {expenseColumn::Category13_0, "Debts And Claims Against Estate"},
            {expenseColumn::Category24_4, "(5) Expenses of the last sickness"},
            {expenseColumn::EstimatedPayment, "1,450.25"},
            {expenseColumn::InterestedPersons, "Ellery General Hospital"},
            {expenseColumn::IdentifierFilingDate, "2/2/2026"},
            {expenseColumn::IdentifierFormNumber, "4.0"},
            {expenseColumn::IdentifierInstitution, "Ellery General Hospital"},
            {expenseColumn::IdentifierAbbreviation, "EGH account"},
            {expenseColumn::IdentifierComplete, "H-55120-8"}},
           {expenseColumn::ToForm13_0, expenseColumn::ToIdentifiers, expenseColumn::ToScheduleK,
            expenseColumn::ToForm24_4});
    // The fees: the attorney's as billed on the application (which is also
    // the court's schedule for this estate), the executors' commission as
    // computed.
    addRow(e,
           {{expenseColumn::Description, "Attorney fees, Martin L. Greaves"},
            {expenseColumn::Amount, "$3,500.00"},
            {expenseColumn::CheckNumber, "1003"},
            {expenseColumn::NatureOfDebt, "Legal services"},
            {expenseColumn::Category13_0, "Attorney Fees This Accounting Period"},
            {expenseColumn::Category24_4, "(1) Costs and expenses of administration"},
            {expenseColumn::EstimatedPayment, "3,500.00"}},
           {expenseColumn::ToForm13_0, expenseColumn::ToCommissionersReport,
            expenseColumn::ToScheduleJ, expenseColumn::ToForm24_4});
    addRow(e,
           {{expenseColumn::Description, "Executors' commission"},
            {expenseColumn::Amount, "$2,983.33"},
            {expenseColumn::CheckNumber, "1004"},
            {expenseColumn::NatureOfDebt, "Commission"},
            {expenseColumn::Category13_0, "Fiduciary Fees This Accounting Period"},
            {expenseColumn::Category24_4, "(1) Costs and expenses of administration"},
            {expenseColumn::EstimatedPayment, "2,983.33"}},
           {expenseColumn::ToForm13_0, expenseColumn::ToCommissionersReport,
            expenseColumn::ToScheduleJ, expenseColumn::ToForm24_4});
    addRow(e,
           {{expenseColumn::Description, "Bequest to Ellery Public Library"},
            {expenseColumn::Amount, "$1,000.00"},
            {expenseColumn::CheckNumber, "1005"},
            {expenseColumn::Category13_0, "Other Distributions to Beneficiaries"}},
           {expenseColumn::ToForm13_0});
    addRow(e,
           {{expenseColumn::Description,
             "100 shares Ohio Power Co. common stock to Thomas R. Whitcombe"},
            {expenseColumn::Amount, "$8,250.00"},
            {expenseColumn::Category13_0, "Personal Property Distributed in Kind"}},
           {expenseColumn::ToForm13_0});
    addRow(e,
           {{expenseColumn::Description, "Household goods set off to the spouse"},
            {expenseColumn::Amount, "$3,500.00"},
            {expenseColumn::Category13_0, "Personal Property Distributed in Kind"}},
           {expenseColumn::ToForm13_0, expenseColumn::ToScheduleM1, expenseColumn::ToScheduleM2});
}

// 14 hours at $250: the $3,500.00 the account pays.
void fillTime(CaseData& data) {
    struct Entry {
        const char* date;
        const char* description;
        const char* hours;
    };
    const Entry entries[] = {
        {"1/20/2026", "Conference with the executors", "1.50"},
        {"1/26/2026", "Application to probate the will and for authority to administer", "2.25"},
        {"2/2/2026", "Hearing on probate and appointment", "0.75"},
        {"2/9/2026", "Notices of probate", "1.00"},
        {"3/30/2026", "Inventory and appraisal", "2.50"},
        {"4/6/2026", "Application to sell the tractor", "1.00"},
        {"4/27/2026", "Hearing on the inventory", "0.75"},
        {"5/4/2026", "Application to distribute the shares in kind; notices", "1.25"},
        {"6/1/2026", "Certificate of transfer and vehicle titles", "1.50"},
        {"7/13/2026", "Fee application; first partial account", "1.50"},
    };
    for (const Entry& entry : entries)
        addRow(data.TSchedList, {{timeColumn::Date, entry.date},
                                 {timeColumn::Description, entry.description},
                                 {timeColumn::Hours, entry.hours},
                                 {timeColumn::Rate, "$250.00"}});
}

}  // namespace

void fillRichSample(CaseData& data) {
    fillGeneralInformation(data);
    fillTypedAnswers(data);
    fillKin(data);
    fillAssets(data);
    fillExpenses(data);
    fillTime(data);
}

}  // namespace wm4::test
