#include "case/page_catalogue.h"

#include <algorithm>
#include <vector>

#include "case/page_facts.h"

namespace wm4 {
namespace {

using enum PageSide;
constexpr OpenMode D = OpenMode::Display;
constexpr OpenMode C = OpenMode::ChooseCopy;

constexpr PageEntry single(int page, const char* text, const char* tree) {
    return {page, text, Single, D, D, nullptr, 0, tree, true};
}
constexpr PageEntry side(int page, const char* text, PageSide s, const char* tree) {
    return {page, text, s, D, D, nullptr, 0, tree, true};
}
constexpr PageEntry copies(int page, const char* text, PageSide s, int TAnswer::*counter,
                           const char* tree) {
    return {page, text, s, C, C, counter, 0, tree, true};
}

// clang-format off
constexpr PageEntry kPages[] = {
    single(0, "General Information", "tvwGeneralInformation"),
    copies(1, "1.0 Surviving Spouse, Children, Next ...", Front, &TAnswer::NoOf1_0, "tvwForm1_0"),
    copies(2, "1.0 Surviving Spouse, Children, Next ...", Back, &TAnswer::NoOf1_0, "tvwForm1_0"),
    side(3, "2.0 Application to Probate Will", Front, "tvwForm2_0"),
    side(4, "2.0 Application to Probate Will", Back, "tvwForm2_0"),
    single(5, "2.1 Waiver of Notice of Probate", "tvwForm2_1"),
    copies(6, "2.2 Notice of Probate", Single, &TAnswer::NoOf2_2, "tvwForm2_2"),
    single(7, "2.3 Entry Admitting Will", "tvwForm2_3"),
    single(8, "2.4 Certificate of Service of Notice", "tvwForm2_4"),
    side(9, "3.0 Appointment of Appraiser", Front, "tvwForm3_0"),
    side(10, "3.0 Appointment of Appraiser", Back, "tvwForm3_0"),
    side(11, "4.0 Application for Authority to Administer", Front, "tvwForm4_0"),
    side(12, "4.0 Application for Authority to Administer", Back, "tvwForm4_0"),
    single(13, "4.1 Supplemental Application", "tvwForm4_1"),
    single(14, "4.2 Fiduciary's Bond", "tvwForm4_2"),
    single(15, "4.3 Waiver of Right to Administer", "tvwForm4_3"),
    copies(16, "4.4 Notice of Hearing on Appointment", Single, &TAnswer::NoOf4_4, "tvwForm4_4"),
    single(17, "4.5 Entry Appointing Fiduciary", "tvwForm4_5"),
    side(18, "5.0 Application to Relieve Estate", Front, "tvwForm5_0"),
    side(19, "5.0 Application to Relieve Estate", Back, "tvwForm5_0"),
    side(20, "5.1 Assets and Liabilities to be Relieved", Front, "tvwForm5_1"),
    side(21, "5.1 Assets and Liabilities to be Relieved", Back, "tvwForm5_1"),
    single(22, "5.2 Waiver of Notice of Application", "tvwForm5_2"),
    copies(23, "5.3 Notice of Application to Relieve", Single, &TAnswer::NoOf5_3, "tvwForm5_3"),
    side(24, "5.4 Publication of Notice", Front, "tvwForm5_4"),
    side(25, "5.4 Publication of Notice", Back, "tvwForm5_4"),
    side(26, "5.6 Entry Relieving Estate", Front, "tvwForm5_6"),
    side(27, "5.6 Entry Relieving Estate", Back, "tvwForm5_6"),
    side(28, "6.0 Inventory & Appraisal", Front, "tvwForm6_0"),
    side(29, "6.0 Inventory & Appraisal", Back, "tvwForm6_0"),
    copies(30, "6.1 Schedule of Assets", Front, &TAnswer::NoOf6_1, "tvwForm6_1"),
    copies(31, "6.1 Schedule of Assets", Back, &TAnswer::NoOf6_1, "tvwForm6_1"),
    single(32, "6.2 Waiver of Notice on Hearing", "tvwForm6_2"),
    copies(33, "6.3 Notice of Hearing", Single, &TAnswer::NoOf6_3, "tvwForm6_3"),
    single(34, "7.1 Application for Family Allowance", "tvwForm7_1"),
    side(35, "7.2 Application for Apportionment", Front, "tvwForm7_2A"),
    side(36, "7.2 Application for Apportionment", Back, "tvwForm7_2A"),
    single(37, "8.0 Citation to Surviving Spouse", "tvwForm8_0"),
    single(38, "8.1 Election of Spouse to Take Under Will", "tvwForm8_1"),
    single(39, "8.2 Election of Spouse to Take Against Will", "tvwForm8_2"),
    side(40, "9.0 Application to Sell Personal Property", Front, "tvwForm9_0"),
    side(41, "9.0 Application to Sell Personal Property", Back, "tvwForm9_0"),
    single(42, "9.1 Entry Authorizing Sale", "tvwForm9_1"),
    single(43, "Application for Attorney Fees", "tvwApplForAttyFees"),
    single(44, "9.2 Notice of Sale", "tvwForm9_2"),
    single(45, "7.0 Notice to Administrator of Estate Recovery", "tvwForm7_0"),
    side(46, "10.0 Application to Distribute in Kind", Front, "tvwForm10_0"),
    side(47, "10.0 Application to Distribute in Kind", Back, "tvwForm10_0"),
    single(48, "10.1 Entry Approving Distribution", "tvwForm10_1"),
    single(49, "Judgment Entry for Attorney Fee", "tvwJEAttyFees"),
    copies(50, "10.2 Notice of Hearing on Application", Single, &TAnswer::NoOf10_2, "tvwForm10_2"),
    single(51, "Fiduciary's Acceptance", "tvwFormFid_Acc"),
    copies(52, "10.4 Notice to Distributee", Single, &TAnswer::NoOf10_4, "tvwForm10_4"),
    side(53, "11.0 Consent to Power to Sell Real Estate", Front, "tvwForm11_0"),
    side(54, "11.0 Consent to Power to Sell Real Estate", Back, "tvwForm11_0"),
    copies(55, "12.0 Application for Certificate of Transfer", Front, &TAnswer::NoOf12, "tvwForm12_0"),
    copies(56, "12.0 Application for Certificate of Transfer", Back, &TAnswer::NoOf12, "tvwForm12_0"),
    copies(57, "12.1 Certificate of Transfer", Front, &TAnswer::NoOf12, "tvwForm12_1"),
    copies(58, "12.1 Certificate of Transfer", Back, &TAnswer::NoOf12, "tvwForm12_1"),
    copies(59, "12.2 Entry Issuing Certificate", Single, &TAnswer::NoOf12, "tvwForm12_2"),
    side(60, "13.0 Fiduciary's Account", Front, "tvwForm13_0"),
    side(61, "13.0 Fiduciary's Account", Back, "tvwForm13_0"),
    copies(62, "13.1 Receipts & Disbursements", Front, &TAnswer::NoOf13_1, "tvwForm13_1"),
    copies(63, "13.1 Receipts & Disbursements", Back, &TAnswer::NoOf13_1, "tvwForm13_1"),
    copies(64, "13.2 Assets Remaining in Hands of Fiduciary", Front, &TAnswer::NoOf13_2, "tvwForm13_2"),
    copies(65, "13.2 Assets Remaining in Hands of Fiduciary", Back, &TAnswer::NoOf13_2, "tvwForm13_2"),
    single(66, "13.3 Entry Approving & Settling Account", "tvwForm13_3"),
    single(67, "13.4 Waiver of Partial Account", "tvwForm13_4"),
    copies(68, "13.5 Notice of Hearing on Account", Single, &TAnswer::NoOf13_5, "tvwForm13_5"),
    single(69, "13.6 Certificate of Termination", "tvwForm13_6"),
    // The menu shows copy 0 at once; the tree offers the copies.
    {70, "13.7b Waiver of Notice of Hearing on Account", Single, D, C, &TAnswer::NoOf13_7b, 0,
     "tvwForm13_7b", true},
    copies(71, "Commissioner's Report", Single, &TAnswer::NoOfCommRep, "tvwCommissionersReport"),
    side(72, "5.10 Application for Summary Release", Front, "tvwForm5_10"),
    side(73, "5.10 Application for Summary Release", Back, "tvwForm5_10"),
    single(74, "5.11 Entry Granting Summary Release", "tvwForm5_11"),
    single(75, "5.9 Report of Distribution", "tvwForm5_9"),
    side(76, "5.5 Publication of Notice - multiple estates", Front, "tvwForm5_5"),
    side(77, "5.5 Publication of Notice - multiple estates", Back, "tvwForm5_5"),
    single(79, "7.0(A) Notice to Administrator", "tvwForm7_0A"),
    single(84, "6.3AA Certificate of Service of Notice of Hearing", "tvwForm6_3AA"),
    single(85, "13.8 Application to Extend Administration", "tvwForm13_8"),
    single(86, "13.9 Certificate of Service of Account", "tvwForm13_9"),
    side(87, "8.3 Summary of General Rights", Front, "tvwForm8_3"),
    side(88, "8.3 Summary of General Rights", Back, "tvwForm8_3"),
    single(89, "8.4 Certificate of Service", "tvwForm8_4"),
    single(90, "8.5 Return for Certificate of Service", "tvwForm8_5"),
    single(91, "8.6 Waiver of Service", "tvwForm8_6"),
    single(92, "13.10 Notice to Extend Administration", "tvwForm13_10"),
    side(95, "Form Tracker", Front, "tvwTracker"),
    side(96, "Form Tracker", Back, "tvwTracker"),
    single(97, "BMV 3773 Surviving Spouse", "tvwBMV3773"),
    copies(98, "BMV 3774 Application for Transfer", Single, &TAnswer::NoOf3774, "tvwBMV3774"),
    single(99, "Computation of Executor Fee", "tvwExecFee"),
    copies(100, "DTE100 Real Estate Conveyance Fee", Single, &TAnswer::NoOf12, "tvwDTE100"),
    single(101, "Computation of Attorney Fee", "tvwAttyFee"),
    copies(102, "Surviving Spouse Affidavit", Single, &TAnswer::NoOfSSA_JS, "tvwSurvSpouseAff"),
    single(104, "Affidavit of Domicile", "tvwAffDomicile"),
    single(107, "Judgment Entry Newly Discovered Assets", "tvwJudgmentEntryNewAssets"),
    single(110, "6.4 Application for Appointment of Commissioner", "tvwForm6_4A"),
    copies(111, "Confidential Personal Identifiers", Single, &TAnswer::NoOfCPID, "tvwCPID"),
    single(112, "13.11 Application to Reopen Estate", "tvwForm13_11"),
    copies(115, "Stock Power of Attorney", Single, &TAnswer::NoOfStockPOA, "tvwStockPOA"),
    copies(116, "Will & Waiver of Notice of Probate", Single, &TAnswer::NoOfWillLtr, "tvwWillWaiver"),
    copies(117, "Inventory & Appraisal", Single, &TAnswer::NoOfInvLtr, "tvwInventory"),
    copies(119, "Accounting", Single, &TAnswer::NoOfAcctLtr, "tvwAccount"),
    // Two copies always; opened at copy 0, the other reached with Next and Prior.
    {121, "Executor/Administrator, authority appointing", Single, D, D, nullptr, 2, "tvwExecutor",
     true},
    copies(122, "Life Insurance", Single, &TAnswer::NoOfInsLtr, "tvwLifeInsurance"),
    single(123, "Court, filing", "tvwCourt"),
    single(125, "Appraiser", "tvwAppraiser"),
    copies(127, "9.C Application for Transfer of Motor Vehicle", Single, &TAnswer::NoOf9_C, "tvwForm9_C"),
    single(128, "Report of Newly Discovered Assets", "tvwReportNewAssets"),
    single(129, "6.4C Waiver and Consent ...", "tvwForm6_4C"),
    {150, "24.0 Representation of Insolvency", Front, D, D, nullptr, 0, "tvwForm24_0", false},
    {151, "24.0 Representation of Insolvency", Back, D, D, nullptr, 0, "tvwForm24_0", false},
    single(152, "24.1 Judgment Entry Setting Hearing", "tvwForm24_1"),
    copies(153, "24.2 Notice of Hearing", Single, &TAnswer::NoOf24_2, "tvwForm24_2"),
    single(154, "24.3 Verification of Service", "tvwForm24_3"),
    single(155, "24.4 Schedule of Claims", "tvwForm24_4"),
    copies(156, "24.5 Schedule of Claims Continuation Page", Single, &TAnswer::NoOf24_5, "tvwForm24_5"),
    side(157, "24.6 Judgment of Insolvency", Front, "tvwForm24_6"),
    side(158, "24.6 Judgment of Insolvency", Back, "tvwForm24_6"),
    copies(196, "DTE100EX Statement of Exemption", Single, &TAnswer::NoOf12, "tvwDTE100EX"),
};
// clang-format on

// Pages without a screen whose answers schedules, calculations and
// printouts fill and print.
constexpr int kFilledPages[] = {78,  80,  81,  82,  83,  93,  94,  103, 105,
                                106, 108, 109, 113, 114, 118, 120, 124, 126,
                                180, 181, 182, 183, 184, 185, 186, 187, 188};

constexpr TaxFormDocument kTaxForms[] = {
    {1001, "SS-4 Application for Employer Identification Number", "/pub/irs-pdf/fss4.pdf"},
    {1002, "56 Notice Concerning Fiduciary Relationship", "/pub/irs-pdf/f56.pdf"},
    {1003, "2848 Power of Attorney", "/pub/irs-pdf/f2848.pdf"},
    {1004, "4768 Extension of Time to File Estate Tax Return", "/pub/irs-pdf/f4768.pdf"},
    {1005, "4810 Request for Prompt Assessment", "/pub/irs-pdf/f4810.pdf"},
};

using enum NavKind;

// One row of the navigation outline, which the Display menu and the tree
// both show: the menu at `depth`; the tree below its "6. Display/Edit
// Forms" group, two levels deeper (the five rows of the start at depth 1).
// A two-sided form is a submenu with "Front" and "Back" in the menu and one
// item naming its front in the tree. treeText: the tree's text where it
// differs from the menu's.
struct OutlineRow {
    int depth;
    const char* text;
    NavKind kind;
    int tag;  // page (Page rows), NavWorksheet, tax-form tag; 0 for groups
    OpenMode menuOpen;
    OpenMode treeOpen;
    bool twoSided;
    const char* treeText;
};

constexpr OutlineRow page(int depth, const char* text, int pageNumber, OpenMode open,
                          OpenMode treeOpen, const char* treeText = nullptr) {
    return {depth, text, Page, pageNumber, open, treeOpen, false, treeText};
}
constexpr OutlineRow page(int depth, const char* text, int pageNumber, OpenMode open) {
    return page(depth, text, pageNumber, open, open);
}
constexpr OutlineRow sides(int depth, const char* text, int front, OpenMode open,
                           const char* treeText = nullptr) {
    return {depth, text, Page, front, open, open, true, treeText};
}
constexpr OutlineRow group(int depth, const char* text, const char* treeText = nullptr) {
    return {depth, text, Group, 0, D, D, false, treeText};
}
constexpr OutlineRow sheet(int depth, const char* text, NavWorksheet which,
                           const char* treeText = nullptr) {
    return {depth, text, Worksheet, which, D, D, false, treeText};
}
constexpr OutlineRow tax(int depth, const char* text, int tag, const char* treeText = nullptr) {
    return {depth, text, TaxForm, tag, D, D, false, treeText};
}

// clang-format off
// The start: General Information and the four worksheets.
constexpr OutlineRow kStart[] = {
    page(0, "General Information", 0, D, D, "1. General Information"),
    sheet(0, "Kin Worksheet", KinWorksheet, "2. Kin Worksheet"),
    sheet(0, "Asset Worksheet", AssetWorksheet, "3. Asset Worksheet"),
    sheet(0, "Expense Worksheet", ExpenseWorksheet, "4. Expense Worksheet"),
    sheet(0, "Time && Services Worksheet", TimeWorksheet, "5. Time && Services Worksheet (optional)"),
};

// The forms.
constexpr OutlineRow kForms[] = {
    sides(0, "1.0 Surviving Spouse, Children, Next ...", 1, C, "1.0 Surviving Spouse, Children, ..."),
    group(0, "2.X Probate of Will", "Forms 2.X Probate of Will"),
      sides(1, "2.0 Application to Probate Will", 3, D),
      page(1, "2.1 Waiver of Notice of Probate", 5, D),
      page(1, "2.2 Notice of Probate", 6, C),
      page(1, "2.3 Entry Admitting Will", 7, D),
      page(1, "2.4 Certificate of Service of Notice", 8, D),
    sides(0, "3.0 Appointment of Appraiser", 9, D),
    group(0, "4.X Administration", "Forms 4.X Authority to Administer"),
      sides(1, "4.0 Application for Authority to Administer", 11, D),
      page(1, "4.1 Supplemental Application", 13, D),
      page(1, "4.2 Fiduciary's Bond", 14, D),
      page(1, "4.3 Waiver of Right to Administer", 15, D),
      page(1, "4.4 Notice of Hearing on Appointment", 16, C),
      page(1, "4.5 Entry Appointing Fiduciary", 17, D),
      page(1, "Fiduciary's Acceptance", 51, D),
    group(0, "5.X Relief from Administration", "Forms 5.X Relief from Administration"),
      sides(1, "5.0 Application to Relieve Estate", 18, D),
      sides(1, "5.1 Assets and Liabilities to be Relieved", 20, D),
      page(1, "5.2 Waiver of Notice of Application", 22, D),
      page(1, "5.3 Notice of Application to Relieve", 23, C),
      sides(1, "5.4 Publication of Notice", 24, D),
      sides(1, "5.5 Publication of Notice - multiple estates", 76, D),
      sides(1, "5.6 Entry Relieving Estate", 26, D),
      page(1, "5.9 Report of Distribution", 75, D),
      sides(1, "5.10 Application for Summary Release", 72, D),
      page(1, "5.11 Entry Granting Summary Release", 74, D),
    group(0, "6.X Inventory", "Forms 6.X Inventory"),
      sides(1, "6.0 Inventory && Appraisal", 28, D),
      sides(1, "6.1 Schedule of Assets", 30, C),
      page(1, "6.2 Waiver of Notice on Hearing", 32, D),
      page(1, "6.3 Notice of Hearing", 33, C),
      page(1, "6.3AA Certificate of Service of Notice of Hearing", 84, D),
      page(1, "6.4 Application for Appointment of Commissioner", 110, D),
      page(1, "6.4C Waiver and Consent ...", 129, D),
      page(1, "Commissioner's Report", 71, C),
    group(0, "7.X Estate Recovery; Family Allowance", "Forms 7.X Family Allowance"),
      page(1, "7.0 Notice to Administrator of Estate Recovery", 45, D),
      page(1, "7.0(A) Notice to Administrator", 79, D),
      page(1, "7.1 Application for Family Allowance", 34, D),
      sides(1, "7.2 Application for Apportionment", 35, D),
    group(0, "8.X Spousal Elections", "Forms 8.X Election of Spouse"),
      page(1, "8.0 Citation to Surviving Spouse", 37, D),
      page(1, "8.1 Election of Spouse to Take Under Will", 38, D, D, "8.1 Election to Take Under Will"),
      page(1, "8.2 Election of Spouse to Take Against Will", 39, D, D, "8.2 Election to Take Against Will"),
      sides(1, "8.3 Summary of General Rights", 87, D),
      page(1, "8.4 Certificate of Service", 89, D),
      page(1, "8.5 Return for Certificate of Service", 90, D),
      page(1, "8.6 Waiver of Service", 91, D),
    group(0, "9.X Sale of Personal Property", "Forms 9.X Sale of Personalty"),
      sides(1, "9.0 Application to Sell Personal Property", 40, D),
      page(1, "9.1 Entry Authorizing Sale", 42, D),
      page(1, "9.2 Notice of Sale", 44, D),
      page(1, "9.C Application for Transfer of Motor Vehicle", 127, C),
    group(0, "10.X Distribution in Kind", "Forms 10.X Distributions in Kind"),
      sides(1, "10.0 Application to Distribute in Kind", 46, D),
      page(1, "10.1 Entry Approving Distribution", 48, D),
      page(1, "10.2 Notice of Hearing on Application", 50, C),
      page(1, "10.4 Notice to Distributee", 52, C),
    sides(0, "11.0 Consent to Power to Sell Real Estate", 53, D, "11.0 Consent to Power to Sell Realty"),
    group(0, "12.X Certificate of Transfer", "Forms 12.X Certificate of Transfer"),
      sides(1, "12.0 Application for Certificate of Transfer", 55, C),
      sides(1, "12.1 Certificate of Transfer", 57, C),
      page(1, "12.2 Entry Issuing Certificate", 59, C),
      page(1, "DTE100 Real Estate Conveyance Fee", 100, C),
      page(1, "DTE100EX Statement of Exemption", 196, C),
    group(0, "13.X Accounting", "Form 13.X Accounting"),
      sides(1, "13.0 Fiduciary's Account", 60, D),
      sides(1, "13.1 Receipts && Disbursements", 62, C),
      sides(1, "13.2 Assets Remaining in Hands of Fiduciary", 64, C),
      page(1, "13.3 Entry Approving && Settling Account", 66, D),
      page(1, "13.4 Waiver of Partial Account", 67, D),
      page(1, "13.5 Notice of Hearing on Account", 68, C),
      page(1, "13.6 Certificate of Termination", 69, D),
      page(1, "13.7b Waiver of Notice of Hearing on Account", 70, D, C),
      page(1, "13.8 Application to Extend Administration", 85, D),
      page(1, "13.9 Certificate of Service of Account", 86, D),
      page(1, "13.10 Notice to Extend Administration", 92, D),
      page(1, "13.11 Application to Reopen Estate", 112, D),
    group(0, "24.X Insolvency", "Forms 24.X Insolvent Estates"),
      sides(1, "24.0 Representation of Insolvency", 150, D),
      page(1, "24.1 Judgment Entry Setting Hearing", 152, D),
      page(1, "24.2 Notice of Hearing", 153, C),
      page(1, "24.3 Verification of Service", 154, D),
      page(1, "24.4 Schedule of Claims", 155, D),
      page(1, "24.5 Schedule of Claims Continuation Page", 156, C),
      sides(1, "24.6 Judgment of Insolvency", 157, D),
    group(0, "Enclosure Letters"),
      page(1, "Will && Waiver of Notice of Probate", 116, C),
      page(1, "Inventory && Appraisal", 117, C),
      page(1, "Accounting", 119, C),
      page(1, "Executor/Administrator, authority appointing", 121, D),
      page(1, "Life Insurance", 122, C),
      page(1, "Court, filing", 123, D),
      page(1, "Appraiser", 125, D),
    group(0, "Miscellaneous"),
      sides(1, "Form Tracker", 95, D),
      page(1, "Computation of Executor Fee", 99, D),
      page(1, "Computation of Attorney Fee", 101, D),
      page(1, "Application for Attorney Fees", 43, D),
      page(1, "Judgment Entry for Attorney Fee", 49, D),
      page(1, "BMV 3773 Surviving Spouse", 97, D),
      page(1, "BMV 3774 Application for Transfer", 98, C),
      page(1, "Surviving Spouse Affidavit", 102, C),
      page(1, "Affidavit of Domicile", 104, D),
      page(1, "Stock Power of Attorney", 115, C),
      page(1, "Confidential Personal Identifiers", 111, C),
      page(1, "Report of Newly Discovered Assets", 128, D),
      page(1, "Judgment Entry Newly Discovered Assets", 107, D),
    group(0, "IRS Tax Forms", "Tax Forms"),
      tax(1, "SS-4 Application for Employer Identification Number", 1001),
      tax(1, "56 Notice Concerning Fiduciary Relationship", 1002),
      tax(1, "2848 Power of Attorney", 1003),
      tax(1, "4768 Extension of Time to File Estate Tax Return", 1004),
      tax(1, "4810 Request for Prompt Assessment", 1005),
};
// clang-format on

NavItem navItem(const OutlineRow& row, int depth, bool tree) {
    const char* text = tree && row.treeText ? row.treeText : row.text;
    const int tag = row.kind == Page ? navigationCode(row.tag) : row.tag;
    return {depth, text, row.kind, tag, tree ? row.treeOpen : row.menuOpen};
}

std::vector<NavItem> menuItems() {
    std::vector<NavItem> items;
    const std::span<const OutlineRow> parts[] = {kStart, kForms};
    for (std::span<const OutlineRow> rows : parts)
        for (const OutlineRow& row : rows) {
            if (!row.twoSided) {
                items.push_back(navItem(row, row.depth, false));
                continue;
            }
            items.push_back({row.depth, row.text, Group, 0, D});
            items.push_back({row.depth + 1, "Front", Page, navigationCode(row.tag), row.menuOpen});
            items.push_back(
                {row.depth + 1, "Back", Page, navigationCode(row.tag + 1), row.menuOpen});
        }
    return items;
}

// Tree items name the first page of a form (its front).
std::vector<NavItem> treeItems() {
    std::vector<NavItem> items{{0, "Follow These Steps", Group, 0, D}};
    for (const OutlineRow& row : kStart) items.push_back(navItem(row, row.depth + 1, true));
    items.push_back({1, "6. Display/Edit Forms", Group, 0, D});
    for (const OutlineRow& row : kForms) items.push_back(navItem(row, row.depth + 2, true));
    items.push_back({1, "7. Preview/Print Forms", PrintForms, 0, D});
    return items;
}

}  // namespace

std::span<const PageEntry> PageCatalogue() {
    return kPages;
}

const PageEntry* catalogueEntry(int page) {
    const auto it = std::lower_bound(std::begin(kPages), std::end(kPages), page,
                                     [](const PageEntry& e, int p) { return e.page < p; });
    return it != std::end(kPages) && it->page == page ? &*it : nullptr;
}

PageUse pageUse(int page) {
    if (catalogueEntry(page)) return PageUse::Screen;
    if (std::find(std::begin(kFilledPages), std::end(kFilledPages), page) != std::end(kFilledPages))
        return PageUse::Filled;
    return PageUse::Unused;
}

// The pages say "amounts empty" in their form sources. The expense printout
// (185) is among them, so that its empty lines print no "0.00" (as the asset
// and time lists); it has no screen.
bool LeavesAmountsEmpty(int page) {
    return FactsOfPage(page).amountsEmpty;
}

int otherSide(int page) {
    const PageEntry* entry = catalogueEntry(page);
    if (!entry) return -1;
    if (entry->side == Front) return page + 1;
    if (entry->side == Back) return page - 1;
    return -1;
}

bool isMultiCopy(int page) {
    const PageEntry* entry = catalogueEntry(page);
    return entry && (entry->copyCounter || entry->fixedCopies > 1);
}

int catalogueCopies(const TAnswer& a, int page) {
    const PageEntry* entry = catalogueEntry(page);
    if (!entry) return 1;
    if (entry->copyCounter) return a.*(entry->copyCounter);
    return entry->fixedCopies > 0 ? entry->fixedCopies : 1;
}

std::span<const NavItem> DisplayMenuItems() {
    static const std::vector<NavItem> items = menuItems();
    return items;
}
std::span<const NavItem> TreeItems() {
    static const std::vector<NavItem> items = treeItems();
    return items;
}
std::span<const TaxFormDocument> TaxFormDocuments() {
    return kTaxForms;
}

}  // namespace wm4
