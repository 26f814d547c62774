#include "support/rich_sample.h"

#include "support/sample_rows.h"

namespace wm4::test {

using namespace sample;

namespace {

void fillGeneralInformation(CaseData& data) {
    answers(data, 0,
            {
                {0, rich::Decedent},
                {1, "EDGAR T. WILLOW, Presiding Judge; NORA P. ASHDOWN, Judge"},
                {2, "Edgar T. Willow"},
                {3, "Wendmoor"},
                {4, "2026 ES 00417"},
                {5, "Whitcombe"},
                {6, "Harold"},
                {7, "James"},
                {8, "12 Oak Lane"},
                {9, "Ellery Township"},
                {10, "Ellery"},
                {11, "Wendmoor"},
                {12, "Ohio"},
                {13, "43917"},
                {14, "3/4/1941"},
                {15, "XXX-XX-4821"},  // the decedent's Social Security number, on Form 7.0(A)
                {16, "1/15/2026"},
                {21, rich::Attorney},
                {22, "200 Court Street, Suite 4"},
                {23, "Ellery"},
                {24, "Ohio"},
                {25, "43917"},
                {26, "(740) 555-0142"},
                {27, "0071234"},
                {28, rich::Fiduciary},
                {29, "48 Maple Drive"},
                {30, "Columbus"},
                {31, "Ohio"},
                {32, "43215"},
                {33, "(614) 555-0199"},
                {34, "Executor"},
                {35, rich::CoFiduciary},
                {36, "7 River Road"},
                {37, "Ellery"},
                {38, "Ohio"},
                {39, "43917"},
                {40, "(740) 555-0177"},
                {41, "Co-Executor"},
                {42, rich::Spouse},
                {43, "12 Oak Lane"},
                {44, "Ellery"},
                {45, "Ohio"},
                {46, "43917"},
                {47, "(740) 555-0110"},
                {48, "6/2/1944"},
                {51, "X"},                   // the decedent is the husband; the executor is a woman
                {55, "X"},                   // the co-executor is a man
                {57, "cashby@example.net"},  // the executor's e-mail
                {59, "office@example.com"},  // the attorney's e-mail
            });
}

// What the office types on the forms, in the order the estate went: the
// will admitted and the executors appointed at one hearing on February 2,
// notice of probate, the appraiser, the inventory and its hearing, the sale
// of the tractor, the distribution in kind, the certificate of transfer and
// the first partial account.
void fillTypedAnswers(CaseData& data) {
    // 2.0 application to probate the will, heard February 2.
    answers(data, 3, {{28, "June 14, 2019"}, {30, "X"}, {32, "X"}});
    answers(data, 4, {{1, "2/2/2026"}, {3, "9:00 a.m."}, {7, "X"}});
    // 2.2 notice of probate, given by the executor; the other notices take
    // the date and the signer from the first.
    answers(data, 6, {{10, "2/2/2026"}, {19, "X"}});
    // 2.3 entry admitting the will; 2.4 certificate of notice, by the executor.
    answers(data, 7, {{4, "2/2/2026"}, {6, "X"}});
    answers(data, 8, {{4, "X"}, {6, "X"}, {7, "February 9, 2026"}, {10, "X"}});
    // 3.0 appointment of the appraiser for the real estate and the goods.
    answers(data, 9,
            {{4, "X"},
             {5, "Helen Price"},
             {6, "55 Commerce Street, Ellery, Ohio  43917"},
             {7, "Licensed real estate appraiser and auctioneer"},
             {14, "2/16/2026"},
             {15, "As the court allows"},
             {16, "The residence, the household goods and the garden tractor"},
             {17, "2/18/2026"}});
    // 4.0 application for authority to administer, 4.4 notice of its
    // hearing, 4.5 entry appointing, the acceptance.
    answers(data, 2, {{86, "X"}});   // 1.0: no other heir or legatee is known
    answers(data, 12, {{31, "X"}});  // 4.0: the executors live in Ohio
    answers(data, 11,
            {{12, "Daughter and son, executors named in the will"},
             {15, "Dispensed with by the will"}});
    answers(data, 16,
            {{20, "2/2/2026"}, {21, "9:00 a.m."}, {22, "Courtroom 2"}, {23, "Executors"}});
    answers(data, 17, {{10, "X"}, {13, "2/2/2026"}, {17, "2/2/2026"}});
    answers(data, 51, {{4, "2/2/2026"}, {6, "X"}});
    // 6.0 inventory, filed March 30 and heard April 27.
    answers(data, 28, {{11, "X"}, {12, "X"}, {13, "Helen Price"}, {18, "3/30/2026"}});
    answers(data, 33, {{7, "4/27/2026"}, {8, "10:30 a.m."}, {9, "Courtroom 2"}});
    answers(data, 84, {{6, "X"}, {12, "April 2, 2026"}});
    // 7.0 notice to the estate recovery office; 7.0(A): the spouse survives.
    answers(data, 45, {{4, "February 2, 2026"}, {5, "X"}, {16, "February 10, 2026"}, {17, "X"}});
    answers(data, 79, {{11, "X"}});
    // 7.1 household goods set off to the spouse toward her allowance.
    answers(data, 34, {{4, "X"}, {7, "X"}, {26, "March 16, 2026"}});
    // 9.0 to 9.2: the tractor sold privately for its appraised value.
    answers(data, 41, {{81, "X"}, {82, "X"}, {87, "4/10/2026"}});
    answers(data, 42, {{5, "X"}, {7, "Cash on delivery"}, {10, "4/10/2026"}});
    answers(data, 44,
            {{7, "4/20/2026"},
             {8, "Private sale at 12 Oak Lane, Ellery"},
             {10, "Garden tractor, John Deere model X350"},
             {11, "Cash, not less than the appraised value"},
             {12, "April 13, 2026"}});
    // 10.0 to 10.4: the shares distributed in kind to the son under the will.
    answers(data, 46,
            {{4, "X"},
             {5, "April 27, 2026"},
             {6, "X"},
             {7, "X"},
             {8, "X"},
             {9, "X"},
             {10, "X"},
             {12, "$26,859.21"},
             {13, "$185,000.00"},
             {14, "$1,474.12"},
             {22, "February 2, 2026"}});
    answers(data, 47, {{49, "5/26/2026"}, {50, "9:30 a.m."}, {53, "X"}, {55, "5/26/2026"}});
    answers(data, 48, {{7, "X"}, {11, "5/26/2026"}});
    answers(data, 50,
            {{19, "5/26/2026"}, {20, "9:30 a.m."}, {21, "Courtroom 2"}, {22, "May 4, 2026"}});
    answers(data, 52, {{11, "5/26/2026"}, {12, "6/1/2026"}});
    // 12.0 to 12.2: the residence to the spouse, the residuary legatee; the
    // values are the estate's (the debts are the account's debts and costs).
    answers(data, 55,
            {{12, "X"},
             {15, "2/2/2026"},
             {16, "X"},
             {19, "Executors appointed"},
             {20, "2/2/2026"},
             {23, "X"}});
    answers(data, 56,
            {{1, "X"},
             {2, "$26,859.21"},
             {3, "$64.12"},
             {4, "$185,000.00"},
             {7, "$14,733.58"},
             {14, "June 1, 2026"},
             {15, "6/8/2026"}});
    answers(data, 57, {{12, "All"}});
    answers(data, 97,
            {{7, "$24,500.00"}, {23, "12 Oak Lane, Ellery, Ohio  43917"}});  // both cars (BMV 3773)
    answers(data, 59, {{5, "X"}, {6, "6/8/2026"}});
    // 13.0 first partial account, February 2 to July 31, heard September 14.
    answers(data, 60,
            {{4, "X"},
             {39, "2/2/2026"},
             {27, "X"},
             {28, "X"},
             {9, "2/2/2026"},
             {10, "7/31/2026"},
             {12, "X"},
             {16, "X"},
             {19, "X"},
             {21, "X"},
             {22, "X"},
             {24, "X"},
             {25, "X"},
             {29, "X"},
             {30, "1"}});
    answers(
        data, 61,
        {{22, "8/10/2026"}, {23, "9/14/2026"}, {24, "10:00 a.m."}, {25, "Courtroom 2"}, {28, "X"}});
    answers(data, 68, {{7, "first partial"}, {8, "9/14/2026"}, {11, "10:00 a.m."}});
    answers(data, 86,
            {{4, "first partial"},
             {5, "8/12/2026"},
             {6, "X"},
             {9, "Ellery Public Library, 301 Main Street, Ellery, Ohio  43917"},
             {10, "August 12, 2026"}});
    answers(data, 92, {{12, "X"}});
    // The attorney's fee: applied for with the beneficiaries' consent in
    // July, allowed before the account period closed; the commission as
    // computed when the account was prepared.
    answers(data, 43, {{9, "1/20/2026"}, {11, "7/13/2026"}, {12, "7/13/2026"}});
    answers(data, 49, {{4, "July 20, 2026"}, {5, "X"}, {6, "X"}, {8, "7/20/2026"}});
    answers(data, 99, {{19, "August 10, 2026"}});
    // The refund found after the inventory.
    answers(data, 128,
            {{29, "May 12, 2026"},
             {30, "X"},
             {32, "Refund check found in the decedent's mail after the inventory was filed"},
             {33, "May 14, 2026"}});
    // 24.2 notice to the creditors of the hearing on the schedule of claims.
    answers(data, 153,
            {{9, "6/29/2026"},
             {10, "9:00 a.m."},
             {11, "Courtroom 2"},
             {12, "6/1/2026"},
             {13, "6/2/2026"}});
    // The letters: the court letter's enclosures, the appraiser's, the
    // insurer's policy and salutation (typed over the computed one).
    answers(data, 123,
            {{12,
              "Form 6.0 Inventory and Appraisal | Form 6.1 Schedule of Assets | "
              "Form 6.3 Notice of Hearing on Inventory"}});
    answers(data, 125, {{11, "February 27, 2026"}, {12, "Caroline W. Ashby, (614) 555-0199"}});
    answers(data, 122, {{10, "BM-7730412"}});
    overridden(data, 122, 11, "Sir or Madam");
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
