// The small sample: Daniel P. Okafor died intestate; his wife, the sole
// heir (their son is a minor), applies for relief from administration under
// the $100,000 ceiling of a spouse who takes the whole estate. She takes the
// pickup truck by the motor vehicle affidavit, the savings account is
// released to her, the household goods and the house pass to her, the house
// by certificate of transfer. Nothing is inventoried or accounted for.
#include "case/worksheet_columns.h"
#include "forms/page000.h"
#include "forms/page002.h"
#include "forms/page018.h"
#include "forms/page019.h"
#include "forms/page021.h"
#include "forms/page023.h"
#include "forms/page024.h"
#include "forms/page026.h"
#include "forms/page027.h"
#include "forms/page055.h"
#include "forms/page056.h"
#include "forms/page057.h"
#include "forms/page059.h"
#include "forms/page075.h"
#include "forms/page097.h"
#include "forms/page098.h"
#include "forms/page100.h"
#include "forms/page196.h"
#include "support/rich_sample.h"
#include "support/sample_rows.h"

namespace wm4::test {

using namespace sample;

namespace {

void fillGeneralInformation(CaseData& data) {
    answers(data, page0::Page,
            {
                {page0::DecedentName, relief::Decedent},
                {page0::JudgesLine, "EDGAR T. WILLOW, Presiding Judge; NORA P. ASHDOWN, Judge"},
                {page0::Judge, "Edgar T. Willow"},
                {page0::County, "Wendmoor"},
                {page0::CaseNumber, "2026 ES 00612"},
                {page0::DecedentLastName, "Okafor"},
                {page0::DecedentFirstName, "Daniel"},
                {page0::DecedentMiddleName, "P."},
                {page0::DecedentStreet, "62 Birch Street"},
                {page0::DecedentCity, "Ellery"},
                {page0::DecedentCounty, "Wendmoor"},
                {page0::DecedentState, "Ohio"},
                {page0::DecedentZip, "43917"},
                {page0::DecedentBirthDate, "7/21/1973"},
                {page0::DeathDate, "3/8/2026"},
                {page0::AttorneyName, relief::Attorney},
                {page0::AttorneyStreet, "200 Court Street, Suite 4"},
                {page0::AttorneyCity, "Ellery"},
                {page0::AttorneyState, "Ohio"},
                {page0::AttorneyZip, "43917"},
                {page0::AttorneyPhone, "(740) 555-0142"},
                {page0::AttorneyRegistration, "0071234"},
                // The applicant, the spouse, stands where the forms print the
                // fiduciary; the spouse's answers are copied from hers.
                {page0::FiduciaryName, relief::Spouse},
                {page0::FiduciaryStreet, "62 Birch Street"},
                {page0::FiduciaryCity, "Ellery"},
                {page0::FiduciaryState, "Ohio"},
                {page0::FiduciaryZip, "43917"},
                {page0::FiduciaryPhone, "(740) 555-0261"},
                {page0::FiduciaryTitle, "Applicant"},
                {page0::SpouseBirthDate, "10/2/1975"},
                {page0::SpouseIsFiduciary, "X"},
                {page0::DecedentGenderMark, "X"},  // the decedent is the husband
                {page0::FurtherDetail, "office@example.com"},
            });
}

void fillTypedAnswers(CaseData& data) {
    answers(
        data, page2::Page,
        {{page2::
              TheApplicantKnowsOfNoOtherPersonWhoIsALegateeDeviseeSurvivingSpouseChildOrNextOfKin,
          "X"}});  // 1.0: no other heir is known
    // 5.0 application for relief, heard April 20, 2026.
    answers(data, page18::Page,
            {{page18::ApplicantRelationshipToTheDecedent, "Surviving spouse"},
             {page18::Ceiling100000, "X"}});
    answers(data, page19::Page,
            {{page19::DateOfTheHearing, "4/20/2026"},
             {page19::TimeOfTheHearing, "9:00 a.m."},
             {page19::NoticeOfTheHearingIsToBeGivenToThePersonsListedOnForm10, "X"},
             {page19::DateOfTheEntry, "4/20/2026"}});
    // 5.3 notice of the hearing to the son; 5.4 its publication.
    answers(data, page23::Page,
            {{page23::DateOfTheHearing, "4/20/2026"},
             {page23::TimeOfTheHearing, "9:00 a.m."},
             {page23::PlaceOfTheHearing, "Courtroom 2"},
             {page23::Applicant, relief::Spouse}});
    answers(data, page24::Page,
            {{page24::Newspaper, "The Ellery Courier"},
             {page24::Applicant, relief::Spouse},
             {page24::ApplicantAddress, "62 Birch Street, Ellery, Ohio  43917"},
             {page24::DateOfTheHearing, "4/20/2026"},
             {page24::TimeOfTheHearing, "9:00 a.m."}});
    // 5.6 entry relieving the estate; 5.9 report of distribution.
    answers(data, page21::Page, {{page21::DateSigned, "3/23/2026"}});
    answers(data, page26::Page,
            {{page26::TheCourtFindsThatTheEstateQualifiesForReliefFromAdministration, "X"},
             {page26::DateOfTheHearing, "April 20, 2026"},
             {page26::ReleasedTo, relief::Spouse}});
    answers(data, page27::Page, {{page27::DateOfTheEntry, "4/20/2026"}});
    answers(data, page75::Page, {{page75::DateOfTheReport, "May 18, 2026"}});
    // 12.0 to 12.2: the house to the spouse as sole heir.
    answers(data, page55::Page,
            {{page55::TheEstateWasRelievedFromAdministration, "X"},
             {page55::FiduciaryAppointmentOrRelief, "Estate relieved from administration"},
             {page55::DateOfTheAppointmentOrEntry, "4/20/2026"},
             {page55::Intestate, "X"}});
    answers(data, page56::Page,
            {{page56::AllDebtsOfTheEstateHaveBeenPaidOrProvidedFor, "X"},
             {page56::PersonalProperty, "$12,000.00"},
             {page56::ValueOfThisRealEstate, "$68,000.00"},
             {page56::LessDebtsAndCosts, "$7,635.40"},
             {page56::DateSigned, "May 4, 2026"},
             {page56::DateOfTheEntry, "5/11/2026"}});
    answers(data, page57::Page, {{page57::Persons.start + 4, "All"}});
    answers(data, page59::Page,
            {{page59::AllDebtsAndCostsHaveBeenPaidOrProvidedFor, "X"},
             {page59::DateOfTheEntry, "5/11/2026"}});
    // The transfer forms the recorder, the auditor and the BMV receive.
    answers(data, page97::Page,
            {{page97::TotalValueOfTheVehiclesTaken, "$14,500.00"},
             {page97::SpouseAddress, "62 Birch Street, Ellery, Ohio  43917"}});
    answers(data, page98::Page,
            {{page98::OdometerReading, "48,210"},
             {page98::TheOdometerReadingIsTheActualMileage, "X"},
             {page98::DateOfApplication, "March 30, 2026"}});
    answers(data, page100::Page,
            {{page100::TaxDistrict, "Ellery City"},
             {page100::NumberOfParcels, "1"},
             {page100::Acreage, "0.22"},
             {page100::LandAndBuildings, "X"},
             {page100::TheGranteeWillOccupyThePropertyAsAPrincipalResidence, "X"},
             {page100::ThePropertyHadTheHomesteadReduction, "X"},
             {page100::TheConveyanceIsExemptStatementOfReasonDTE100EX, "X"}});
    answers(data, page196::Page,
            {{page196::TaxDistrict, "Ellery City"},
             {page196::Grantor, "Estate of Daniel P. Okafor"},
             {page196::CertificateOfTransfer, "X"}});
}

void fillKin(CaseData& data) {
    WorksheetStore& k = data.KSchedList;
    // The spouse: applicant; waives notice; the heir of every form.
    addRow(k,
           {{kinColumn::Name, relief::Spouse},
            {kinColumn::Street, "62 Birch Street"},
            {kinColumn::CityStateZip, "Ellery, Ohio  43917"},
            {kinColumn::Relationship, "Spouse"},
            {kinColumn::BirthDate, "10/2/1975"},
            {kinColumn::Gender, "F"},
            {kinColumn::SocialSecurity, "301-44-2290"}},
           {kinColumn::ToAttorneyFeeApplication, kinColumn::ToForm5_0, kinColumn::ToForm5_9,
            kinColumn::ToForm5_2, kinColumn::ToForm5_6, kinColumn::ToScheduleE2,
            kinColumn::ToBmv3774});
    // The son, a minor: next of kin on Form 1.0 and the notice of hearing.
    addRow(k,
           {{kinColumn::Name, "Samuel D. Okafor"},
            {kinColumn::Street, "62 Birch Street"},
            {kinColumn::CityStateZip, "Ellery, Ohio  43917"},
            {kinColumn::Relationship, "Son (minor)"},
            {kinColumn::BirthDate, "5/3/2011"},
            {kinColumn::Gender, "M"}},
           {kinColumn::ToForm1_0Front, kinColumn::ToForm5_3});
}

void fillAssets(CaseData& data) {
    WorksheetStore& a = data.ASchedList;
    addRow(
        a,
        {{assetColumn::Description, "House and lot at 62 Birch Street, Ellery | Parcel 210-07-115"},
         {assetColumn::Value, "$68,000.00"},
         {assetColumn::Appraised, "X"},
         {assetColumn::Distributees, relief::Spouse},
         {assetColumn::DistributionDate, "5/11/2026"},
         {assetColumn::Category5_1, "Real property"},
         {assetColumn::Category5_6, "Remainder to be distributed"},
         {assetColumn::RealtyParcelNumber, "210-07-115"},
         {assetColumn::RealtyCityStateZip, "Ellery, Ohio  43917"},
         {assetColumn::RealtyHouseNumber, "62"},
         {assetColumn::RealtyStreetName, "Birch Street"},
         {assetColumn::RealtyVolume, "388"},
         {assetColumn::RealtyPage, "214"},
         {assetColumn::RealtyLotNumber, "41"},
         {assetColumn::RealtySubdivision, "Northfield Allotment"},
         {assetColumn::RealtyFrontage, "70 ft"},
         {assetColumn::RealtyDepth, "135 ft"},
         {assetColumn::RealtyAcreage, "0.22"}},
        {assetColumn::ToForm5_1, assetColumn::ToForm5_6, assetColumn::ToForm5_9,
         assetColumn::ToForm12_0, assetColumn::ToScheduleA});
    addRow(a,
           {{assetColumn::Description, "2017 Ford F-150 pickup truck"},
            {assetColumn::Value, "$14,500.00"},
            {assetColumn::Distributees, relief::Spouse},
            {assetColumn::Category5_1, "1st auto to spouse"},
            {assetColumn::VehicleYear, "2017"},
            {assetColumn::VehicleSerialNumber, "1FTEW1EP5HFA61734"},
            {assetColumn::VehicleMake, "Ford"},
            {assetColumn::VehicleBodyType, "Pickup"},
            {assetColumn::VehicleModel, "F-150"},
            {assetColumn::VehicleTitleNumber, "OH5520981"},
            {assetColumn::VehicleManufacturer, "Ford Motor Co."},
            {assetColumn::VehicleLength, "19 ft"},
            {assetColumn::VehicleHorsepower, "282"}},
           {assetColumn::ToForm5_1, assetColumn::ToBmv3773, assetColumn::ToBmv3774,
            assetColumn::ToScheduleF});
    addRow(
        a,
        {{assetColumn::Description, "Savings account, Wendmoor Savings Bank | Account ending 2207"},
         {assetColumn::Value, "$9,347.60"},
         {assetColumn::Distributees, relief::Spouse},
         {assetColumn::DistributionDate, "4/27/2026"},
         {assetColumn::Category5_1, "Other"},
         {assetColumn::Category5_6, "Accounts to be released"},
         {assetColumn::IdentifierFilingDate, "4/20/2026"},
         {assetColumn::IdentifierFormNumber, "5.1"},
         {assetColumn::IdentifierInstitution, "Wendmoor Savings Bank"},
         {assetColumn::IdentifierAbbreviation, "WSB savings"},
         {assetColumn::IdentifierComplete, "7710-002207"}},
        {assetColumn::ToForm5_1, assetColumn::ToForm5_6, assetColumn::ToForm5_9,
         assetColumn::ToIdentifiers, assetColumn::ToScheduleC});
    addRow(a,
           {{assetColumn::Description, "Household goods and furnishings"},
            {assetColumn::Value, "$2,652.40"},
            {assetColumn::Distributees, relief::Spouse},
            {assetColumn::DistributionDate, "4/20/2026"},
            {assetColumn::Category5_1, "Other"},
            {assetColumn::Category5_6, "Remainder to be distributed"}},
           {assetColumn::ToForm5_1, assetColumn::ToForm5_6, assetColumn::ToForm5_9,
            assetColumn::ToScheduleF});
    // The joint account passes to the spouse by survivorship: no relief.
    addRow(a,
           {{assetColumn::Description, "Joint checking account with the spouse, First Ellery Bank"},
            {assetColumn::Value, "$3,100.00"}},
           {assetColumn::ToScheduleE1});
}

void fillExpenses(CaseData& data) {
    WorksheetStore& e = data.ESchedList;
    addRow(e,
           {{expenseColumn::Description,
             "Funeral services, Ellery Memorial Chapel, paid by the spouse"},
            {expenseColumn::Amount, "$7,250.00"},
            {expenseColumn::NatureOfDebt, "Funeral expenses"}},
           {expenseColumn::ToForm5_1, expenseColumn::ToScheduleJ});
    addRow(e,
           {{expenseColumn::Description, "Ellery Family Practice, last illness"},
            {expenseColumn::Amount, "$385.40"},
            {expenseColumn::NatureOfDebt, "Medical services"}},
           {expenseColumn::ToForm5_1, expenseColumn::ToForm5_6, expenseColumn::ToScheduleK});
}

// 8 hours at $250: the $2,000.00 the court's schedule allows on the
// $80,000.00 relieved (2.5%).
void fillTime(CaseData& data) {
    struct Entry {
        const char* date;
        const char* description;
        const char* hours;
    };
    const Entry entries[] = {
        {"3/16/2026", "Conference with the spouse", "1.00"},
        {"3/23/2026", "Application for relief and schedule of assets", "2.50"},
        {"3/30/2026", "Vehicle affidavit and title", "0.75"},
        {"4/20/2026", "Hearing on relief", "1.00"},
        {"5/4/2026", "Certificate of transfer and conveyance forms", "2.00"},
        {"5/18/2026", "Report of distribution", "0.75"},
    };
    for (const Entry& entry : entries)
        addRow(data.TSchedList, {{timeColumn::Date, entry.date},
                                 {timeColumn::Description, entry.description},
                                 {timeColumn::Hours, entry.hours},
                                 {timeColumn::Rate, "$250.00"}});
}

}  // namespace

void fillReliefSample(CaseData& data) {
    fillGeneralInformation(data);
    fillTypedAnswers(data);
    fillKin(data);
    fillAssets(data);
    fillExpenses(data);
    fillTime(data);
}

}  // namespace wm4::test
