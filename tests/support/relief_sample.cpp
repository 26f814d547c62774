// The small sample: Daniel P. Okafor died intestate; his wife, the sole
// heir (their son is a minor), applies for relief from administration under
// the $100,000 ceiling of a spouse who takes the whole estate. She takes the
// pickup truck by the motor vehicle affidavit, the savings account is
// released to her, the household goods and the house pass to her, the house
// by certificate of transfer. Nothing is inventoried or accounted for.
#include "support/rich_sample.h"
#include "support/sample_rows.h"

namespace wm4::test {

using namespace sample;

namespace {

void fillGeneralInformation(CaseData& data) {
    answers(data, 0,
            {
                {0, relief::Decedent},
                {1, "EDGAR T. WILLOW, Presiding Judge; NORA P. ASHDOWN, Judge"},
                {2, "Edgar T. Willow"},
                {3, "Wendmoor"},
                {4, "2026 ES 00612"},
                {5, "Okafor"},
                {6, "Daniel"},
                {7, "P."},
                {8, "62 Birch Street"},
                {10, "Ellery"},
                {11, "Wendmoor"},
                {12, "Ohio"},
                {13, "43917"},
                {14, "7/21/1973"},
                {16, "3/8/2026"},
                {21, relief::Attorney},
                {22, "200 Court Street, Suite 4"},
                {23, "Ellery"},
                {24, "Ohio"},
                {25, "43917"},
                {26, "(740) 555-0142"},
                {27, "0071234"},
                // The applicant, the spouse, stands where the forms print the
                // fiduciary; the spouse's answers are copied from hers.
                {28, relief::Spouse},
                {29, "62 Birch Street"},
                {30, "Ellery"},
                {31, "Ohio"},
                {32, "43917"},
                {33, "(740) 555-0261"},
                {34, "Applicant"},
                {48, "10/2/1975"},
                {50, "X"},
                {51, "X"},  // the decedent is the husband
                {59, "office@example.com"},
            });
}

void fillTypedAnswers(CaseData& data) {
    answers(data, 2, {{86, "X"}});  // 1.0: no other heir is known
    // 5.0 application for relief, heard April 20, 2026.
    answers(data, 18, {{11, "Surviving spouse"}, {18, "X"}});
    answers(data, 19, {{9, "4/20/2026"}, {10, "9:00 a.m."}, {11, "X"}, {16, "4/20/2026"}});
    // 5.3 notice of the hearing to the son; 5.4 its publication.
    answers(data, 23,
            {{20, "4/20/2026"}, {21, "9:00 a.m."}, {22, "Courtroom 2"}, {23, relief::Spouse}});
    answers(data, 24,
            {{4, "The Ellery Courier"},
             {5, relief::Spouse},
             {6, "62 Birch Street, Ellery, Ohio  43917"},
             {12, "4/20/2026"},
             {13, "9:00 a.m."}});
    // 5.6 entry relieving the estate; 5.9 report of distribution.
    answers(data, 21, {{92, "3/23/2026"}});
    answers(data, 26, {{4, "X"}, {5, "April 20, 2026"}, {24, relief::Spouse}});
    answers(data, 27, {{99, "4/20/2026"}});
    answers(data, 75, {{102, "May 18, 2026"}});
    // 12.0 to 12.2: the house to the spouse as sole heir.
    answers(data, 55,
            {{17, "X"}, {19, "Estate relieved from administration"}, {20, "4/20/2026"}, {21, "X"}});
    answers(data, 56,
            {{1, "X"},
             {2, "$12,000.00"},
             {4, "$68,000.00"},
             {7, "$7,635.40"},
             {14, "May 4, 2026"},
             {15, "5/11/2026"}});
    answers(data, 57, {{12, "All"}});
    answers(data, 59, {{5, "X"}, {6, "5/11/2026"}});
    // The transfer forms the recorder, the auditor and the BMV receive.
    answers(data, 97, {{7, "$14,500.00"}, {23, "62 Birch Street, Ellery, Ohio  43917"}});
    answers(data, 98, {{31, "48,210"}, {33, "X"}, {37, "March 30, 2026"}});
    answers(
        data, 100,
        {{3, "Ellery City"}, {9, "1"}, {10, "0.22"}, {15, "X"}, {18, "X"}, {19, "X"}, {20, "X"}});
    answers(data, 196, {{0, "Ellery City"}, {1, "Estate of Daniel P. Okafor"}, {26, "X"}});
}

void fillKin(CaseData& data) {
    WorksheetStore& k = data.KSchedList;
    // The spouse: applicant; waives notice; the heir of every form.
    addRow(k,
           {{1, relief::Spouse},
            {2, "62 Birch Street"},
            {3, "Ellery, Ohio  43917"},
            {4, "Spouse"},
            {5, "10/2/1975"},
            {6, "F"},
            {7, "301-44-2290"}},
           {12, 23, 24, 25, 27, 40, 41});
    // The son, a minor: next of kin on Form 1.0 and the notice of hearing.
    addRow(k,
           {{1, "Samuel D. Okafor"},
            {2, "62 Birch Street"},
            {3, "Ellery, Ohio  43917"},
            {4, "Son (minor)"},
            {5, "5/3/2011"},
            {6, "M"}},
           {10, 26});
}

void fillAssets(CaseData& data) {
    WorksheetStore& a = data.ASchedList;
    addRow(a,
           {{1, "House and lot at 62 Birch Street, Ellery | Parcel 210-07-115"},
            {2, "$68,000.00"},
            {3, "X"},
            {5, relief::Spouse},
            {9, "5/11/2026"},
            {50, "Real property"},
            {51, "Remainder to be distributed"},
            {59, "210-07-115"},
            {60, "Ellery, Ohio  43917"},
            {61, "62"},
            {62, "Birch Street"},
            {63, "388"},
            {64, "214"},
            {65, "41"},
            {66, "Northfield Allotment"},
            {67, "70 ft"},
            {68, "135 ft"},
            {70, "0.22"}},
           {18, 19, 20, 28, 38});
    addRow(a,
           {{1, "2017 Ford F-150 pickup truck"},
            {2, "$14,500.00"},
            {5, relief::Spouse},
            {50, "1st auto to spouse"},
            {71, "2017"},
            {72, "1FTEW1EP5HFA61734"},
            {73, "Ford"},
            {74, "Pickup"},
            {75, "F-150"},
            {76, "OH5520981"},
            {89, "Ford Motor Co."},
            {90, "19 ft"},
            {91, "282"}},
           {18, 32, 33, 44});
    addRow(a,
           {{1, "Savings account, Wendmoor Savings Bank | Account ending 2207"},
            {2, "$9,347.60"},
            {5, relief::Spouse},
            {9, "4/27/2026"},
            {50, "Other"},
            {51, "Accounts to be released"},
            {81, "4/20/2026"},
            {82, "5.1"},
            {83, "Wendmoor Savings Bank"},
            {84, "WSB savings"},
            {85, "7710-002207"}},
           {18, 19, 20, 36, 40});
    addRow(a,
           {{1, "Household goods and furnishings"},
            {2, "$2,652.40"},
            {5, relief::Spouse},
            {9, "4/20/2026"},
            {50, "Other"},
            {51, "Remainder to be distributed"}},
           {18, 19, 20, 44});
    // The joint account passes to the spouse by survivorship: no relief.
    addRow(a, {{1, "Joint checking account with the spouse, First Ellery Bank"}, {2, "$3,100.00"}},
           {42});
}

void fillExpenses(CaseData& data) {
    WorksheetStore& e = data.ESchedList;
    addRow(e,
           {{1, "Funeral services, Ellery Memorial Chapel, paid by the spouse"},
            {2, "$7,250.00"},
            {4, "Funeral expenses"}},
           {7, 12});
    addRow(e,
           {{1, "Ellery Family Practice, last illness"}, {2, "$385.40"}, {4, "Medical services"}},
           {7, 8, 13});
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
        addRow(data.TSchedList,
               {{0, entry.date}, {1, entry.description}, {2, entry.hours}, {3, "$250.00"}});
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
