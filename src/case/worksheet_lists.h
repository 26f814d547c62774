#pragma once
// The send-to flags and the category lists of the asset and expense
// worksheets, declared once. The codes, the columns and the item texts are
// part of the stored file: the send-to dialog and the expense panel build
// their check boxes from these tables, the category dialog and the expense
// pick lists their items, the worksheets their Send To and category
// summaries, and the calculation reads categories against the same items.
#include <QStringView>
#include <array>
#include <span>

#include "case/worksheet_columns.h"

namespace wm4 {

// One send-to flag: the column that holds its "X", the code the Send To
// summary shows for it, and the caption of its check box.
struct SendToFlag {
    int column;
    QStringView code;
    QStringView caption;
};

// The asset worksheet's 35 send-to flags, in Send To summary order. The
// captions are those of the send-to dialog.
inline constexpr std::array<SendToFlag, 35> AssetSendToFlags{{
    {assetColumn::ToForm3_0, u"3.0", u"3.0 Appointment of Appraiser"},
    {assetColumn::ToForm4_0, u"4.0", u"4.0 Application for Authority to Administer Estate"},
    {assetColumn::ToForm5_1, u"5.1", u"5.1 Assets & Liabilities of Estate to be Relieved"},
    {assetColumn::ToForm5_6, u"5.6", u"5.6 Entry Relieving Estate from Administration"},
    {assetColumn::ToForm5_9, u"5.9", u"5.9 Report of Distribution"},
    {assetColumn::ToForm5_10, u"5.10", u"5.10 Application for Summary Release from Administration"},
    {assetColumn::ToForm6_0, u"6.0", u"6.0 Inventory & Appraisal"},
    {assetColumn::ToForm7_1, u"7.1", u"7.1 Application for Family Allowance"},
    {assetColumn::ToForm7_2, u"7.2", u"7.2 Application for Apportionment of Family Allowance"},
    {assetColumn::ToForm9_0, u"9.0", u"9.0 Application to Sell Personal Property"},
    {assetColumn::ToForm9_C, u"9.C", u"9.C Application for Transfer of Motor Vehicle"},
    {assetColumn::ToForm10_0, u"10.0",
     u"10.0 Application to Distribute in Kind/Schedule of Property to be Distributed in Kind"},
    {assetColumn::ToForm11_0, u"11.0", u"11.0 Consent to Power to Sell Real Estate"},
    {assetColumn::ToForm12_0, u"12.0", u"12.0 Application for Certificate of Transfer"},
    {assetColumn::ToForm13_0, u"13.0", u"13.0 Fiduciary's Account"},
    {assetColumn::ToForm13_2, u"13.2", u"13.2 Assets Remaining in Hands of Fiduciary"},
    {assetColumn::ToNewlyDiscovered, u"NDisc", u"Newly Discovered Assets"},
    {assetColumn::ToSpouseAffidavit, u"SSA", u"Surviving Spouse Affidavit"},
    {assetColumn::ToBmv3773, u"3773", u"BMV 3773 Surviving Spouse Affidavit"},
    {assetColumn::ToBmv3774, u"3774", u"BMV 3774 Application for Certificate of Title"},
    {assetColumn::ToStockPower, u"Stock POA", u"Stock Power of Attorney"},
    {assetColumn::ToExecutorFee, u"ExecFee", u"Executor's Fee Computation"},
    {assetColumn::ToAttorneyFee, u"AttyFee", u"Attorney Fee Computation"},
    {assetColumn::ToIdentifiers, u"CPID", u"Personal Identification Disclosure"},
    {assetColumn::ToCommissionersReport, u"CommRep", u"Commissioner's Report"},
    {assetColumn::ToScheduleA, u"SchA", u"Schedule A Real Estate"},
    {assetColumn::ToScheduleB, u"SchB", u"Schedule B Stocks & Bonds"},
    {assetColumn::ToScheduleC, u"SchC", u"Schedule C Mortgages, Notes & Cash"},
    {assetColumn::ToScheduleD, u"SchD", u"Schedule D Insurance"},
    {assetColumn::ToScheduleE1, u"SchE1", u"Schedule E1 Joint & Survivorship with Spouse"},
    {assetColumn::ToScheduleE2, u"SchE2", u"Schedule E2 Joint & Survivorship"},
    {assetColumn::ToScheduleF, u"SchF", u"Schedule F Other Miscellaneous Property"},
    {assetColumn::ToScheduleG, u"SchG", u"Schedule G Transfers During Lifetime"},
    {assetColumn::ToScheduleH, u"SchH", u"Schedule H Powers of Appointment"},
    // The caption's spelling is the dialog's own.
    {assetColumn::ToScheduleI, u"SchI", u"Schedule I Annuities, Pensions & Retirement Plans"},
}};

// The expense worksheet's 10 send-to flags, in Send To summary order. The
// captions are those of the expense panel's check boxes.
inline constexpr std::array<SendToFlag, 10> ExpenseSendToFlags{{
    {expenseColumn::ToForm5_1, u"5.1",
     u"5.1 Assets and Liabilities of Estate to be Relieved from Administration"},
    {expenseColumn::ToForm5_6, u"5.6", u"5.6 Entry Relieving Estate from Administration"},
    {expenseColumn::ToForm13_0, u"13.0", u"13.0 Fiduciary's Account"},
    {expenseColumn::ToForm24_4, u"24.4", u"24.4 Schedule of Claims"},
    {expenseColumn::ToIdentifiers, u"CPID", u"Confidential Personal Information Disclosure"},
    {expenseColumn::ToCommissionersReport, u"CommRep", u"Commissioner's Report"},
    {expenseColumn::ToScheduleJ, u"SchJ", u"Sched J Debts & Administration Expenses"},
    {expenseColumn::ToScheduleK, u"SchK", u"Sched K Charitable Bequests"},
    {expenseColumn::ToScheduleM1, u"SchM1", u"Sched M1 Bequests to Surviving Spouse (non QTIP)"},
    {expenseColumn::ToScheduleM2, u"SchM2", u"Sched M2 Bequests to Surviving Spouse (QTIP)"},
}};

// The expense panel shows its send-to boxes in this order (columns of
// ExpenseSendToFlags).
inline constexpr std::array<int, 10> ExpenseSendToPanelOrder{
    expenseColumn::ToForm5_1,     expenseColumn::ToForm24_4,
    expenseColumn::ToIdentifiers, expenseColumn::ToForm5_6,
    expenseColumn::ToForm13_0,    expenseColumn::ToScheduleJ,
    expenseColumn::ToScheduleM1,  expenseColumn::ToScheduleM2,
    expenseColumn::ToScheduleK,   expenseColumn::ToCommissionersReport,
};

// One category pick list: the column that holds the chosen item's text, the
// form it is for, and its items in list order. The first item means "not
// categorised".
struct CategoryList {
    int column;
    QStringView form;
    std::span<const QStringView> items;
};

namespace categoryItems {
// Asset lists.
inline constexpr QStringView Form3_0[] = {u"Not used for this asset",
                                          u"Readily Ascertainable Value", u"Real Estate",
                                          u"Personal Property Without Ascertainable Value"};
inline constexpr QStringView Form4_0[] = {u"Not used for this asset", u"Personal property",
                                          u"Annual realty rentals", u"Real property"};
inline constexpr QStringView Form5_1[] = {u"Not used for this asset", u"1st auto to spouse",
                                          u"2nd auto to spouse", u"Real property", u"Other"};
inline constexpr QStringView Form5_6[] = {u"Not used for this asset", u"Personalty to be sold",
                                          u"Accounts to be released",
                                          u"Remainder to be distributed"};
inline constexpr QStringView Form5_10[] = {
    u"Not used for this asset", u"Motor vehicle", u"Accounts",
    u"Stocks and bonds",        u"Real estate",   u"Other"};
// The list ends with an empty item.
inline constexpr QStringView Form6_0[] = {u"Not used for this asset",
                                          u"Tangible personal property",
                                          u"Intangible personal property",
                                          u"Real property",
                                          u"1st auto to spouse",
                                          u"2nd auto to spouse",
                                          u"3rd auto to spouse",
                                          u"4th auto to spouse",
                                          u"5th auto to spouse",
                                          u"6th auto to spouse",
                                          u"7th auto to spouse",
                                          u"8th auto to spouse",
                                          u""};
inline constexpr QStringView Form7_1[] = {u"Not used for this asset", u"2nd automobile", u"Other"};
inline constexpr QStringView Form7_2[] = {u"Not used for this asset", u"2nd automobile", u"Spouse",
                                          u"Others"};
inline constexpr QStringView Form13_0[] = {u"Not used for this asset",
                                           u"Personal property not sold",
                                           u"Proceeds from sale of personal property",
                                           u"Real property not sold",
                                           u"Proceeds from sale of real property",
                                           u"Income",
                                           u"Other receipts"};
inline constexpr QStringView Form13_2[] = {u"Not used for this asset",
                                           u"Tangible personal property",
                                           u"Intangible personal property", u"Real property"};
inline constexpr QStringView ExecutorFee[] = {
    u"Not used for this asset", u"Personal property",    u"Gross realty proceeds",
    u"Income received",         u"Real estate not sold", u"Non probate and non joint"};
inline constexpr QStringView AttorneyFee[] = {
    u"Not used for this asset", u"Personal property",    u"Gross realty proceeds",
    u"Income received",         u"Real estate not sold", u"Other - 706 Not Required",
    u"Other - 706 Required"};
// Expense lists.
inline constexpr QStringView Expense13_0[] = {u"Not used for this expense",
                                              u"Fiduciary Fees This Accounting Period",
                                              u"Attorney Fees This Accounting Period",
                                              u"Other Administrative Costs And Expenses",
                                              u"Debts And Claims Against Estate",
                                              u"Ohio And Federal Estate Taxes",
                                              u"Personal Property Distributed in Kind",
                                              u"Real Property Transferred",
                                              u"Other Distributions to Beneficiaries",
                                              u"Other Disbursements"};
// The first item reads "on", not "for".
inline constexpr QStringView Expense24_4[] = {u"Not used on this expense",
                                              u"(1) Costs and expenses of administration",
                                              u"(2) Funeral expenses to $400",
                                              u"(3) Allowance for support",
                                              u"(4) Debts entitled to a preference",
                                              u"(5) Expenses of the last sickness",
                                              u"(6) Excess funeral expenses",
                                              u"(7) Last continuous nursing home expenses",
                                              u"(8) Personal property taxes, medicaid recovery",
                                              u"(9) Debts for manual labor",
                                              u"(10) Other debts"};
}  // namespace categoryItems

// The asset worksheet's 12 category lists, in the category dialog's order
// (which is also the order of the category summary).
inline constexpr std::array<CategoryList, 12> AssetCategoryLists{{
    {assetColumn::Category3_0, u"Form 3.0", categoryItems::Form3_0},
    {assetColumn::Category4_0, u"Form 4.0", categoryItems::Form4_0},
    {assetColumn::Category5_1, u"Form 5.1", categoryItems::Form5_1},
    {assetColumn::Category5_6, u"Form 5.6", categoryItems::Form5_6},
    {assetColumn::Category5_10, u"Form 5.10", categoryItems::Form5_10},
    {assetColumn::Category6_0, u"Form 6.0 & 6.1", categoryItems::Form6_0},
    {assetColumn::Category7_1, u"Form 7.1", categoryItems::Form7_1},
    {assetColumn::Category7_2, u"Form 7.2", categoryItems::Form7_2},
    {assetColumn::Category13_0, u"Form 13.0 & 13.1", categoryItems::Form13_0},
    {assetColumn::Category13_2, u"Form 13.2", categoryItems::Form13_2},
    {assetColumn::CategoryExecutorFee, u"Exec Fee Comp", categoryItems::ExecutorFee},
    {assetColumn::CategoryAttorneyFee, u"Atty Fee Comp", categoryItems::AttorneyFee},
}};

// The expense worksheet's two pick lists.
inline constexpr CategoryList ExpenseCategory13_0{
    expenseColumn::Category13_0, u"13.0/13.1 Category", categoryItems::Expense13_0};
inline constexpr CategoryList ExpenseCategory24_4{expenseColumn::Category24_4, u"24.4 Category",
                                                  categoryItems::Expense24_4};

// What a cleared asset row holds in each category cell.
inline constexpr QStringView AssetNotCategorised = categoryItems::Form3_0[0];

// The list's items after its "not categorised" first item.
constexpr std::span<const QStringView> chosenItems(const CategoryList& list) {
    return list.items.subspan(1);
}

// The index of the first item equal to text without regard to case, or -1.
int categoryItemIndex(const CategoryList& list, QStringView text);

}  // namespace wm4
