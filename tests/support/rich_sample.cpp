#include "support/rich_sample.h"

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
const std::vector<int> kFamily{12, 15, 32, 33, 36, 37, 39, 42, 43, 44};
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
           {{1, rich::Spouse},
            {2, "12 Oak Lane"},
            {3, "Ellery, Ohio  43917"},
            {4, "Spouse"},
            {5, "6/2/1944"},
            {6, "F"},
            {7, "287-55-1402"},
            {47, "(740) 555-0110"}},
           withFamily({19, 20, 21, 22, 30, 41}));
    // The children, both executors: next of kin on Form 1.0, waivers.
    addRow(k,
           {{1, rich::Fiduciary},
            {2, "48 Maple Drive"},
            {3, "Columbus, Ohio  43215"},
            {4, "Daughter"},
            {5, "8/19/1968"},
            {6, "F"},
            {7, "291-60-3318"}},
           withFamily({10, 17, 18, 28, 29}));
    addRow(k,
           {{1, rich::CoFiduciary},
            {2, "7 River Road"},
            {3, "Ellery, Ohio  43917"},
            {4, "Son"},
            {5, "11/2/1971"},
            {6, "M"},
            {7, "291-62-7709"}},
           withFamily({10, 17, 18, 28, 29, 35}));
    // A legatee under the will: the back of Form 1.0 and its notices.
    addRow(k,
           {{1, "Ellery Public Library"},
            {2, "301 Main Street"},
            {3, "Ellery, Ohio  43917"},
            {4, "Legatee"}},
           {11, 19, 34, 38});
    addRow(k,
           {{1, "Helen Price"},
            {2, "55 Commerce Street"},
            {3, "Ellery, Ohio  43917"},
            {4, "Appraiser"},
            {6, "F"}},
           {45});
    addRow(k,
           {{1, "Buckeye Mutual Life Insurance Company"},
            {2, "Claims Department, 900 High Street"},
            {3, "Columbus, Ohio  43215"},
            {4, "Insurer"}},
           {46});
    // The creditors of the schedule of claims.
    addRow(k,
           {{1, "Ashby Funeral Home"},
            {2, "18 Church Street"},
            {3, "Ellery, Ohio  43917"},
            {4, "Creditor"}},
           {16});
    addRow(k,
           {{1, "Ellery General Hospital"},
            {2, "Patient Accounts, 1 Hospital Drive"},
            {3, "Ellery, Ohio  43917"},
            {4, "Creditor"}},
           {16});
}

void fillAssets(CaseData& data) {
    WorksheetStore& a = data.ASchedList;
    // The residence: appraised; real estate on the appraisal, the authority
    // to administer and the inventory; not sold in this account, so it
    // remains; transferred to the spouse by certificate; in both fees.
    addRow(a,
           {{1, "Residence at 12 Oak Lane, Ellery | Parcel 123-45-678"},
            {2, "$185,000.00"},
            {5, rich::Spouse},
            {48, "Real Estate"},
            {49, "Real property"},
            {53, "Real property"},
            {56, "Real property not sold"},
            {57, "Real property"},
            {58, "Real estate not sold"},
            {87, "Real Estate Not Sold"},
            {59, "123-45-678"},
            {60, "Ellery, Ohio  43917"},
            {61, "12"},
            {62, "Oak Lane"},
            {63, "412"},
            {64, "88"},
            {65, "17"},
            {66, "Riverside Addition"},
            {67, "60 ft"},
            {68, "140 ft"},
            {69, "3"},
            {70, "0.19"}},
           {3, 16, 17, 22, 27, 28, 29, 30, 31, 35, 86, 38});
    // The two cars pass to the spouse outside the inventory's total.
    addRow(a,
           {{1, "2019 Honda Accord sedan"},
            {2, "$18,500.00"},
            {5, rich::Spouse},
            {53, "1st auto to spouse"},
            {71, "2019"},
            {72, "1HGCV1F31KA012345"},
            {73, "Honda"},
            {74, "Sedan"},
            {75, "Accord"},
            {76, "OH4471902"},
            {89, "Honda Motor Co."},
            {90, "16 ft"},
            {91, "192"}},
           {22, 32, 33, 88, 44});
    addRow(a,
           {{1, "2012 Buick LaCrosse sedan"},
            {2, "$6,000.00"},
            {5, rich::Spouse},
            {53, "2nd auto to spouse"},
            {71, "2012"},
            {72, "1G4GC5E34CF204417"},
            {73, "Buick"},
            {74, "Sedan"},
            {75, "LaCrosse"},
            {76, "OH3310077"},
            {89, "General Motors"},
            {90, "16 ft"},
            {91, "182"}},
           {22, 32, 33, 88, 44});
    // The checking account: the cash of the estate; what is left of it at
    // the end of the account is the cash balance row below.
    addRow(a,
           {{1, "Checking account, First Ellery Bank | Account ending 4411"},
            {2, "$13,909.21"},
            {4, "R-1"},
            {48, "Readily Ascertainable Value"},
            {49, "Personal property"},
            {53, "Intangible personal property"},
            {56, "Personal property not sold"},
            {58, "Personal property"},
            {87, "Personal Property"},
            {81, "2/2/2026"},
            {82, "4.0"},
            {83, "First Ellery Bank"},
            {84, "FEB checking"},
            {85, "0031-778-4411"}},
           {16, 17, 22, 29, 35, 86, 36, 37, 40});
    // The shares: principal, distributed in kind to the son under the will.
    addRow(a,
           {{1, "100 shares Ohio Power Co. common stock"},
            {2, "$8,250.00"},
            {5, rich::CoFiduciary},
            {9, "5/26/2026"},
            {48, "Readily Ascertainable Value"},
            {49, "Personal property"},
            {53, "Intangible personal property"},
            {56, "Personal property not sold"},
            {58, "Personal property"},
            {87, "Personal Property"},
            {77, "100"},
            {78, "Common"},
            {79, "Ohio Power Co."},
            {80, "C-20931"}},
           {16, 17, 22, 26, 29, 34, 35, 86, 39});
    // Household goods: appraised, set off to the spouse toward her allowance.
    addRow(a,
           {{1, "Household furniture and furnishings"},
            {2, "$3,500.00"},
            {5, rich::Spouse},
            {48, "Personal Property Without Ascertainable Value"},
            {49, "Personal property"},
            {53, "Tangible personal property"},
            {54, "Other"},
            {56, "Personal property not sold"},
            {58, "Personal property"},
            {87, "Personal Property"}},
           {3, 16, 17, 22, 23, 29, 35, 86, 44});
    // The garden tractor: appraised and sold privately at its value.
    addRow(a,
           {{1, "Garden tractor, John Deere model X350"},
            {2, "$1,200.00"},
            {6, "Private"},
            {7, "Appraised value"},
            {8, "Cash"},
            {48, "Personal Property Without Ascertainable Value"},
            {49, "Personal property"},
            {53, "Tangible personal property"},
            {56, "Proceeds from sale of personal property"},
            {58, "Personal property"},
            {87, "Personal Property"}},
           {3, 16, 17, 22, 25, 29, 35, 86, 37, 44});
    // Income: the garage rent (a year's rent also on the authority to
    // administer) and the dividend on the shares.
    addRow(a,
           {{1, "Rent from garage at 14 Oak Lane"},
            {2, "$1,200.00"},
            {4, "R-2"},
            {49, "Annual realty rentals"},
            {56, "Income"},
            {58, "Income received"},
            {87, "Income Received"}},
           {17, 29, 35, 86});
    addRow(a,
           {{1, "Dividend, Ohio Power Co."},
            {2, "$210.00"},
            {4, "R-3"},
            {56, "Income"},
            {58, "Income received"},
            {87, "Income Received"}},
           {29, 35, 86});
    // Found after the inventory: reported, received as another receipt.
    addRow(a,
           {{1, "Refund of water deposit, Ellery Water Department"},
            {2, "$64.12"},
            {4, "R-4"},
            {56, "Other receipts"},
            {58, "Personal property"},
            {87, "Personal Property"}},
           {29, 35, 86, 92, 44});
    // The cash left at the end of the account period.
    addRow(a,
           {{1, "Cash in the checking account, First Ellery Bank, at July 31, 2026"},
            {2, "$849.75"},
            {57, "Intangible personal property"}},
           {30});
    // Life insurance payable to the spouse: outside the estate and the
    // executors' commission; in the attorney's schedule as a nonprobate asset.
    addRow(a,
           {{1, "Life insurance policy BM-7730412, Buckeye Mutual, payable to the spouse"},
            {2, "$25,000.00"},
            {87, "Other - 706 Not Required"}},
           {86, 41});
}

void fillExpenses(CaseData& data) {
    WorksheetStore& e = data.ESchedList;
    addRow(e,
           {{1, "Funeral services, Ashby Funeral Home"},
            {2, "$6,800.00"},
            {3, "1001"},
            {4, "Funeral expenses"},
            {6, "Debts And Claims Against Estate"},
            {22, "(2) Funeral expenses to $400"},
            {23, "6,800.00"},
            {25, "Ashby Funeral Home"}},
           {9, 12, 21});
    addRow(e,
           {{1, "Hospital bill, Ellery General Hospital"},
            {2, "$1,450.25"},
            {3, "1002"},
            {4, "Last illness"},
            {6, "Debts And Claims Against Estate"},
            {22, "(5) Expenses of the last sickness"},
            {23, "1,450.25"},
            {25, "Ellery General Hospital"},
            {16, "2/2/2026"},
            {17, "4.0"},
            {18, "Ellery General Hospital"},
            {19, "EGH account"},
            {20, "H-55120-8"}},
           {9, 10, 13, 21});
    // The fees: the attorney's as billed on the application (which is also
    // the court's schedule for this estate), the executors' commission as
    // computed.
    addRow(e,
           {{1, "Attorney fees, Martin L. Greaves"},
            {2, "$3,500.00"},
            {3, "1003"},
            {4, "Legal services"},
            {6, "Attorney Fees This Accounting Period"},
            {22, "(1) Costs and expenses of administration"},
            {23, "3,500.00"}},
           {9, 11, 12, 21});
    addRow(e,
           {{1, "Executors' commission"},
            {2, "$2,983.33"},
            {3, "1004"},
            {4, "Commission"},
            {6, "Fiduciary Fees This Accounting Period"},
            {22, "(1) Costs and expenses of administration"},
            {23, "2,983.33"}},
           {9, 11, 12, 21});
    addRow(e,
           {{1, "Bequest to Ellery Public Library"},
            {2, "$1,000.00"},
            {3, "1005"},
            {6, "Other Distributions to Beneficiaries"}},
           {9});
    addRow(e,
           {{1, "100 shares Ohio Power Co. common stock to Thomas R. Whitcombe"},
            {2, "$8,250.00"},
            {6, "Personal Property Distributed in Kind"}},
           {9});
    addRow(e,
           {{1, "Household goods set off to the spouse"},
            {2, "$3,500.00"},
            {6, "Personal Property Distributed in Kind"}},
           {9, 14, 15});
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
        addRow(data.TSchedList,
               {{0, entry.date}, {1, entry.description}, {2, entry.hours}, {3, "$250.00"}});
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
