#include "output/document/packet_table.h"

#include "calc/units/blocks.h"
#include "case/answers.h"
#include "case/page_catalogue.h"

namespace wm4 {

int PacketEntry::copyCount(const TAnswer& answers) const {
    return copies ? answers.*copies : 1;
}

namespace {

constexpr int One = -1;  // marks a one-page form

// How many copies of a form print.
enum class Copies {
    AsCatalogue,  // the copy counter the page catalogue gives its first page (or one)
    OnePrint,     // one, whatever the catalogue counts
};
using enum Copies;

// A packet entry as written here; its copy counter comes from the catalogue.
struct PacketRow {
    const char16_t* checkBox;
    const char16_t* caption;
    std::array<int, 2> pages;
    bool (*appliesToCase)(const TAnswer&) = nullptr;
    Copies copies = AsCatalogue;
};

// Form 13.11 (page 112) has a check box in the Select Forms dialog; it prints
// behind 13.10 with the other forms of the estate's closing. Form 13.7b (page
// 70) is counted in NoOf13_7b copies by the catalogue but prints once.
constexpr PacketRow kPacketRows[] = {
    {u"cbxGenInfo", u"General Information Worksheet", {0, One}},
    {u"cbx1_0", u"1.0 Surviving Spouse, Children, Next of Kin Legatees & Devisees", {1, 2}},
    {u"cbx2_0", u"2.0 Application to Probate Will", {3, 4}},
    {u"cbx2_1", u"2.1 Waiver of Notice", {5, One}},
    {u"cbx2_2", u"2.2 Notice of Probate", {6, One}},
    {u"cbx2_3", u"2.3 Entry Admitting Will", {7, One}},
    {u"cbx2_4", u"2.4 Certificate of Service", {8, One}},
    {u"cbx3_0", u"3.0 Appointment of Appraiser", {9, 10}},
    {u"cbx4_0", u"4.0 Application for Authority to Administer", {11, 12}},
    {u"cbx4_1", u"4.1 Supplemental Application for Ancillary Administration", {13, One}},
    {u"cbx4_2", u"4.2 Fiduciary's Bond", {14, One}},
    {u"cbx4_3", u"4.3 Waiver of Right to Administer", {15, One}},
    {u"cbx4_4", u"4.4 Notice of Hearing on Appointment of Fiduciary", {16, One}},
    {u"cbx4_5", u"4.5 Entry Appointing Fiduciary; Letters of Authority", {17, One}},
    {u"cbxFiduciarysAcceptance", u"Fiduciary's Acceptance", {51, One}},
    {u"cbx5_0", u"5.0 Application to Relieve Estate from Administration", {18, 19}},
    {u"cbx5_1", u"5.1 Assets & Liabilities of Estate to be Relieved", {20, 21}},
    {u"cbx5_2", u"5.2 Waiver of Notice of Application to Relieve Estate", {22, One}},
    {u"cbx5_3", u"5.3 Notice of Application to Relieve Estate from Administration", {23, One}},
    {u"cbx5_4", u"5.4 Publication of Notice", {24, 25}},
    {u"cbx5_5", u"5.5 Publication of Notice (multiple estates)", {76, 77}},
    {u"cbx5_6", u"5.6 Entry Relieving Estate from Administration", {26, 27}},
    {u"cbx5_9", u"5.9 Report of Distribution", {75, One}},
    {u"cbx5_10", u"5.10 Application for Summary Release from Administration", {72, 73}},
    {u"cbx5_11", u"5.11 Entry Granting Summary Release from Administration", {74, One}},
    {u"cbxCommissionersReport", u"Commissioner's Report", {71, One}},
    {u"cbx6_0", u"6.0 Inventory & Appraisal", {28, 29}},
    {u"cbx6_1", u"6.1 Schedule of Assets", {30, 31}},
    {u"cbx6_2", u"6.2 Waiver of Notice of Hearing on Inventory", {32, One}},
    {u"cbx6_3", u"6.3 Notice of Hearing on Inventory", {33, One}},
    {u"cbx6_3AA", u"6.3AA Certificate of Service of Notice of Hearing on Inventory", {84, One}},
    {u"cbx6_4A", u"6.4A Application for Appointment of a Commissioner", {110, One}},
    {u"cbx6_4C",
     u"6.4C Waiver and Consent of Next of Kin, Legatees, and Devisees of Appointment of "
     u"Commissioner",
     {129, One}},
    {u"cbx7_0", u"7.0 Notice to Administrator of Estate Recovery", {45, One}},
    {u"cbx7_0A", u"7.0(A) Notice to Administrator of Medicaid Estate Recovery", {79, One}},
    {u"cbx7_1", u"7.1 Application for Family Allowance", {34, One}},
    {u"cbx7_2", u"7.2 Application for Apportionment of Family Allowance", {35, 36}},
    {u"cbx8_0", u"8.0 Citation to Surviving Spouse to Exercise Elective Rights", {37, One}},
    {u"cbx8_1", u"8.1 Election of Surviving Spouse to Take Under Will", {38, One}},
    {u"cbx8_2", u"8.2 Election of Surviving Spouse to Take Against Will", {39, One}},
    {u"cbx8_3", u"8.3 Summary of General Rights of Surviving Spouse", {87, 88}},
    {u"cbx8_4",
     u"8.4 Certificate of Service and Notice of Citation to Surviving Spouse to Exercise Elective "
     u"Rights",
     {89, One}},
    {u"cbx8_5",
     u"8.5 Return for Certificate of Service and Notice of Citation to Surviving Spouse to "
     u"Exercise Elective Rights",
     {90, One}},
    {u"cbx8_6", u"8.6 Waiver of Service to Surviving Spouse of the Citation to Elect", {91, One}},
    {u"cbx9_0", u"9.0 Application to Sell Personal Property", {40, 41}},
    {u"cbx9_1", u"9.1 Entry Authorizing Sale of Personal Property", {42, One}},
    {u"cbx9_2", u"9.2 Notice of Sale of Personal Property", {44, One}},
    {u"cbx10_0", u"10.0 Application to Distribute in Kind", {46, 47}},
    {u"cbx10_1", u"10.1 Entry Approving Distribution in Kind", {48, One}},
    {u"cbx10_2", u"10.2 Notice of Hearing on Application to Distribute in Kind", {50, One}},
    {u"cbx10_4", u"10.4 Notice to Distributee", {52, One}},
    {u"cbx11_0", u"11.0 Consent to Power to Sell Real Estate", {53, 54}},
    {u"cbx12_0", u"12.0 Application for Certificate of Transfer", {55, 56}},
    {u"cbx12_1", u"12.1 Certificate of Transfer", {57, 58}},
    {u"cbx12_2", u"12.2 Entry Issuing Certificate of Transfer", {59, One}},
    {u"cbx13_0", u"13.0 Fiduciary's Account", {60, 61}},
    {u"cbx13_1", u"13.1 Receipts and Disbursements", {62, 63}},
    {u"cbx13_2", u"13.2 Assets Remaining in Fiduciary's Hands", {64, 65}},
    {u"cbx13_3", u"13.3 Entry Approving and Settling Account and Discharging Fiduciary", {66, One}},
    {u"cbx13_4", u"13.4 Waiver of Partial Account", {67, One}},
    {u"cbx13_5", u"13.5 Notice of Hearing on Account", {68, One}},
    {u"cbx13_6", u"13.6 Certificate of Termination", {69, One}},
    {u"cbx13_7b",
     u"13.7b Waiver of Notice of Hearing and Consent to Account",
     {70, One},
     nullptr,
     OnePrint},
    {u"cbx13_8", u"13.8 Application to Extend Administration", {85, One}},
    {u"cbx13_9", u"13.9 Certificate of Service of Account to Heirs or Beneficiaries", {86, One}},
    {u"cbx13_10", u"13.10 Notice to Extend Administration", {92, One}},
    {u"cbx13_11", u"13.11 Application to Reopen Estate amd Appoint Fiduciary", {112, One}},
    {u"cbx24_0", u"24.0 Representation of Insolvency", {150, 151}},
    {u"cbx24_1", u"24.1 Judgment Entry Setting Hearing and Ordering Notice", {152, One}},
    {u"cbx24_2", u"24.2 Notice of Hearing on Representation of Insolvency", {153, One}},
    {u"cbx24_3", u"24.3 Verification of Service", {154, One}},
    {u"cbx24_4", u"24.4 Schedule of Claims", {155, One}},
    {u"cbx24_5", u"24.5 Continuation Schedule of Claims", {156, One}},
    {u"cbx24_6", u"24.6 Judgment of Insolvency", {157, 158}},
    {u"cbxWill", u"Will", {116, One}},
    {u"cbxInventory", u"Inventory", {117, One}},
    {u"cbxAccounting", u"Accounting", {119, One}},
    {u"cbxAppraiser", u"Appraiser", {125, One}},
    {u"cbxFiduciary", u"Fiduciary", {121, One}},
    {u"cbxInsurance", u"Insurance Company", {122, One}},
    {u"cbxCourt", u"Court, filing", {123, One}},
    {u"cbxCPID", u"Confidential Personal Information", {111, One}},
    {u"cbxTracker", u"Form Tracker", {95, 96}},
    {u"cbxApplAttyFee", u"Application for Attorney Fees", {43, One}},
    {u"cbxJEAttyFee", u"Judgment Entry for Attorney Fees", {49, One}},
    {u"cbxNewlyDiscovered", u"Report of Newly Discovered Assets", {128, One}},
    {u"cbxJudgmentEntryNewlyDiscovered",
     u"Judgment Entry Report of Newly Discovered Assets",
     {107, One}},
    // The spouse's own affidavit: without a surviving spouse it has nobody
    // to swear to it.
    {u"cbxBMV3773", u"BMV 3773 Vehicle to Surviving Spouse", {97, One}, &units::HasSurvivingSpouse},
    {u"cbxBMV3774", u"BMV 3774 Application for Certificate of Title ", {98, One}},
    {u"cbxDTE100",
     u"DTE100 Real Property Conveyance Fee Statement of Value and Receipt",
     {100, One}},
    {u"cbxDTE100EX",
     u"DTE100(EX) Statement of Reason for Exemption from Real Property Conveyance Fee",
     {196, One}},
    {u"cbxExecFeeComp", u"Executor's Fee Computation", {99, One}},
    {u"cbxAttyFeeComp", u"Attorney Fee Computation", {101, One}},
    {u"cbxSurvSpouseAff", u"Surviving Spouse Affidavit", {102, One}},
    {u"cbxStockPOA", u"Stock Power of Attorney", {115, One}},
    {u"cbxDomicileAff", u"Affidavit of Domicile", {104, One}},
};
static_assert(std::size(kPacketRows) == PacketEntryCount);

std::array<PacketEntry, PacketEntryCount> packetTable() {
    std::array<PacketEntry, PacketEntryCount> table{};
    for (size_t i = 0; i < table.size(); ++i) {
        const PacketRow& row = kPacketRows[i];
        const PageEntry* page = catalogueEntry(row.pages[0]);
        int TAnswer::*counter = row.copies == AsCatalogue && page ? page->copyCounter : nullptr;
        table[i] = {row.checkBox, row.caption, row.pages, counter, row.appliesToCase};
    }
    return table;
}

}  // namespace

const std::array<PacketEntry, PacketEntryCount> PacketTable = packetTable();

const PacketEntry* FindPacketEntry(QStringView checkBox) {
    for (const PacketEntry& entry : PacketTable) {
        if (checkBox == QStringView(entry.checkBox)) return &entry;
    }
    return nullptr;
}

}  // namespace wm4
