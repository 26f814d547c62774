#include "support/rich_sample.h"

#include <QString>
#include <initializer_list>
#include <utility>
#include <vector>

namespace wm4::test {

namespace {

using Cells = std::initializer_list<std::pair<int, const char*>>;

const QString X = QStringLiteral("X");

// Appends a row; the store's single empty row is used first.
int appendRow(WorksheetStore& store) {
    int row = store.rowCount();
    if (row == 1 && store.row(0).join(QString()).isEmpty()) return 0;
    store.setRowCount(row + 1);
    return row;
}

int addRow(WorksheetStore& store, Cells cells, std::initializer_list<int> marks = {}) {
    const int row = appendRow(store);
    for (const auto& [column, text] : cells) store.setCell(column, row, QString::fromUtf8(text));
    for (int column : marks) store.setCell(column, row, X);
    return row;
}

void answer(CaseData& data, int page, int slot, const char* text, int copy = 0) {
    data.answers.setAnswer(page, copy, slot, QString::fromUtf8(text));
}

void fillGeneralInformation(CaseData& data) {
    const std::pair<int, const char*> answers[] = {
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
        {55, "X"},  // the co-fiduciary is a man; decedent's and fiduciary's marks stay empty
        {57, "mhale@example.net"},  // the fiduciary's e-mail
        {59, "office@example.com"},  // the attorney's e-mail
    };
    for (const auto& [slot, text] : answers) answer(data, 0, slot, text);
}

// Answers users type on the forms themselves: signers, hearing dates and
// places on the first notices, amounts of the certificate of transfer.
void fillTypedAnswers(CaseData& data) {
    answer(data, 4, 1, "2/2/2026");
    answer(data, 4, 7, "X");
    answer(data, 6, 10, "2/20/2026");
    answer(data, 6, 19, "X");
    answer(data, 8, 11, "X");
    answer(data, 16, 20, "3/10/2026");
    answer(data, 16, 21, "9:00 a.m.");
    answer(data, 16, 22, "Courtroom 2");
    answer(data, 23, 20, "3/12/2026");
    answer(data, 33, 7, "4/7/2026");
    answer(data, 33, 8, "10:30 a.m.");
    answer(data, 50, 19, "5/5/2026");
    answer(data, 52, 11, "5/6/2026");
    answer(data, 55, 13, "X");
    answer(data, 56, 2, "$1,200.00");
    answer(data, 56, 3, "$300.00");
    answer(data, 56, 4, "$185,000.00");
    answer(data, 56, 7, "$5,000.00");
    answer(data, 57, 83, "185,000.00");
    answer(data, 68, 8, "6/9/2026");
    answer(data, 92, 12, "X");
    answer(data, 153, 9, "7/1/2026");
}

// Kin flags every family member carries: every form, notice and letter of
// the kin worksheet but the minors of Form 7.2 and the appraiser's letter.
std::vector<int> familyMarks() {
    std::vector<int> marks;
    for (int column = 10; column <= 46; ++column)
        if (column != 13 && column != 14 && column != 31 && column != 45) marks.push_back(column);
    return marks;
}

void addKin(CaseData& data, Cells cells, const std::vector<int>& marks) {
    const int row = addRow(data.KSchedList, cells);
    for (int column : marks) data.KSchedList.setCell(column, row, X);
}

void fillKin(CaseData& data) {
    const std::vector<int> family = familyMarks();
    addKin(data,
           {{1, rich::Spouse},
            {2, "12 Oak Lane"},
            {3, "Ellery, Ohio  43917"},
            {4, "Spouse"},
            {5, "6/2/1944"},
            {6, "F"},
            {7, "287-55-1402"},
            {47, "(740) 555-0110"}},
           family);
    addKin(data,
           {{1, rich::Fiduciary},
            {2, "48 Maple Drive"},
            {3, "Columbus, Ohio  43215"},
            {4, "Daughter"},
            {5, "8/19/1968"},
            {6, "F"},
            {7, "291-60-3318"}},
           family);
    addKin(data,
           {{1, rich::CoFiduciary},
            {2, "7 River Road"},
            {3, "Ellery, Ohio  43917"},
            {4, "Son"},
            {5, "11/2/1971"},
            {6, "M"},
            {7, "291-62-7709"}},
           family);
    addKin(data,
           {{1, "Robert A. Whitcombe"},
            {2, "390 Elm Street"},
            {3, "Dayton, Ohio  45402"},
            {4, "Brother"},
            {5, "4/30/1945"},
            {6, "M"}},
           family);
    addKin(data,
           {{1, "Lily Ashby"},
            {2, "48 Maple Drive"},
            {3, "Columbus, Ohio  43215"},
            {4, "Granddaughter"},
            {5, "9/14/2012"},
            {6, "F"}},
           {10, 11, 31});
    addKin(data,
           {{1, "Helen Price"},
            {2, "55 Commerce Street"},
            {3, "Ellery, Ohio  43917"},
            {4, "Appraiser"},
            {6, "F"}},
           {45});
}

void fillAssets(CaseData& data) {
    WorksheetStore& a = data.ASchedList;
    // The residence: real estate on the appraisal, authority to administer,
    // relief, inventory, account, certificates of transfer and tax schedules.
    addRow(a,
           {{1, "Residence at 12 Oak Lane, Ellery | Parcel 123-45-678"},
            {2, "$185,000.00"},
            {5, rich::Spouse},
            {48, "Real Estate"},
            {49, "Real property"},
            {50, "Real property"},
            {51, "Remainder to be distributed"},
            {52, "Real estate"},
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
           {3, 16, 17, 18, 19, 21, 22, 27, 28, 29, 30, 31, 35, 86, 38});
    // The car to the spouse: relief, summary release, inventory, the motor
    // vehicle papers and the family allowance apportionment.
    addRow(a,
           {{1, "2019 Honda Accord sedan"},
            {2, "$18,500.00"},
            {5, rich::Spouse},
            {50, "1st auto to spouse"},
            {52, "Motor vehicle"},
            {53, "1st auto to spouse"},
            {55, "2nd automobile"},
            {71, "2019"},
            {72, "1HGCV1F31KA012345"},
            {73, "Honda"},
            {74, "Sedan"},
            {75, "Accord"},
            {76, "OH4471902"},
            {89, "Honda Motor Co."},
            {90, "16 ft"},
            {91, "192"}},
           {18, 21, 22, 24, 32, 33, 88});
    // A second car to the spouse.
    addRow(a,
           {{1, "2012 Buick LaCrosse"},
            {2, "$6,000.00"},
            {5, rich::Spouse},
            {50, "2nd auto to spouse"},
            {53, "2nd auto to spouse"},
            {71, "2012"},
            {73, "Buick"},
            {74, "Sedan"},
            {75, "LaCrosse"},
            {76, "OH3310077"}},
           {18, 22});
    // The checking account.
    addRow(a,
           {{1, "Checking account, First Ellery Bank | Account ending 4411"},
            {2, "$12,345.67"},
            {4, "R-1"},
            {5, "Caroline W. Ashby, Thomas R. Whitcombe"},
            {9, "4/15/2026"},
            {48, "Readily Ascertainable Value"},
            {49, "Personal property"},
            {51, "Accounts to be released"},
            {52, "Accounts"},
            {53, "Intangible personal property"},
            {56, "Personal property not sold"},
            {57, "Intangible personal property"},
            {58, "Personal property"},
            {87, "Personal Property"},
            {81, "2/2/2026"},
            {82, "4.0"},
            {83, "First Ellery Bank"},
            {84, "FEB checking"},
            {85, "0031-778-4411"}},
           {16, 17, 19, 20, 21, 22, 29, 30, 35, 86, 36, 37, 40, 92});
    // Shares of stock: sold or distributed in kind, stock power.
    addRow(a,
           {{1, "100 shares Ohio Power Co. common stock"},
            {2, "$8,250.00"},
            {5, rich::CoFiduciary},
            {6, "Private"},
            {7, "Best price"},
            {8, "Cash"},
            {52, "Stocks and bonds"},
            {53, "Intangible personal property"},
            {56, "Income"},
            {77, "100"},
            {78, "Common"},
            {79, "Ohio Power Co."},
            {80, "C-20931"}},
           {21, 22, 25, 26, 29, 34, 39});
    // Household goods.
    addRow(a,
           {{1, "Household furniture and furnishings"},
            {2, "$3,500.00"},
            {5, rich::Spouse},
            {48, "Personal Property Without Ascertainable Value"},
            {50, "Other"},
            {51, "Personalty to be sold"},
            {52, "Other"},
            {53, "Tangible personal property"},
            {54, "Other"},
            {55, "Others"},
            {57, "Tangible personal property"}},
           {3, 16, 18, 19, 21, 22, 23, 24, 25, 30, 37, 44});
    // Rent received for the garage.
    addRow(a,
           {{1, "Rent from garage at 14 Oak Lane"},
            {2, "$1,200.00"},
            {4, "R-2"},
            {49, "Annual realty rentals"},
            {56, "Income"},
            {58, "Income received"},
            {87, "Income Received"}},
           {17, 29, 35, 86});
    // Life insurance passing outside the estate.
    addRow(a,
           {{1, "Life insurance policy, Buckeye Mutual"},
            {2, "$25,000.00"},
            {58, "Non probate and non joint"},
            {87, "Other - 706 Not Required"}},
           {35, 86, 41, 42, 43, 45, 46, 47});
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
            {23, "4,000.00"},
            {25, rich::Fiduciary}},
           {7, 8, 9, 12, 21});
    addRow(e,
           {{1, "Attorney fees, first partial account"},
            {2, "$2,500.00"},
            {3, "1002"},
            {4, "Legal services"},
            {6, "Attorney Fees This Accounting Period"},
            {22, "(1) Costs and expenses of administration"},
            {23, "2,500.00"}},
           {9, 11, 21});
    addRow(e,
           {{1, "Hospital bill, Ellery General Hospital"},
            {2, "$1,450.25"},
            {3, "1003"},
            {4, "Last illness"},
            {6, "Debts And Claims Against Estate"},
            {22, "(5) Expenses of the last sickness"},
            {23, "1,450.25"},
            {16, "2/2/2026"},
            {17, "4.0"},
            {18, "Ellery General Hospital"},
            {19, "EGH account"},
            {20, "H-55120-8"}},
           {7, 9, 10, 21});
    addRow(e,
           {{1, "Bequest to Ellery Public Library"},
            {2, "$1,000.00"},
            {3, "1004"},
            {6, "Other Distributions to Beneficiaries"},
            {24, "X"}},
           {9, 13});
    addRow(e,
           {{1, "Distribution of household goods to the spouse"},
            {2, "$3,500.00"},
            {6, "Personal Property Distributed in Kind"}},
           {9, 14, 15});
}

void fillTime(CaseData& data) {
    WorksheetStore& t = data.TSchedList;
    addRow(t,
           {{0, "1/20/2026"}, {1, "Conference with the fiduciary"}, {2, "1.50"}, {3, "$250.00"}});
    addRow(t, {{0, "2/2/2026"},
               {1, "Application to probate will | Waivers"},
               {2, "2.25"},
               {3, "$250.00"}});
    addRow(t, {{0, "3/10/2026"}, {1, "Hearing on appointment"}, {2, "0.75"}, {3, "$250.00"}});
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
