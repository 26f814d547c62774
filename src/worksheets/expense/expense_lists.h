#pragma once
// The expense worksheet's send-to flags (in Send To summary order) and its
// two category pick lists. The item texts are part of the stored format.
#include <array>

#include "case/worksheet_columns.h"
#include "worksheets/window/flag_boxes.h"

namespace wm4 {

inline constexpr std::array<FlagBox, 10> ExpenseFlags = {{
    {expenseColumn::ToForm5_1, "5.1",
     "5.1 Assets and Liabilities of Estate to be Relieved from Administration"},
    {expenseColumn::ToForm5_6, "5.6", "5.6 Entry Relieving Estate from Administration"},
    {expenseColumn::ToForm13_0, "13.0", "13.0 Fiduciary's Account"},
    {expenseColumn::ToForm24_4, "24.4", "24.4 Schedule of Claims"},
    {expenseColumn::ToIdentifiers, "CPID", "Confidential Personal Information Disclosure"},
    {expenseColumn::ToCommissionersReport, "CommRep", "Commissioner's Report"},
    {expenseColumn::ToScheduleJ, "SchJ", "Sched J Debts & Administration Expenses"},
    {expenseColumn::ToScheduleK, "SchK", "Sched K Charitable Bequests"},
    {expenseColumn::ToScheduleM1, "SchM1", "Sched M1 Bequests to Surviving Spouse (non QTIP)"},
    {expenseColumn::ToScheduleM2, "SchM2", "Sched M2 Bequests to Surviving Spouse (QTIP)"},
}};

// The panel's two columns of boxes, top to bottom (indexes into ExpenseFlags).
inline constexpr std::array<int, 10> ExpenseFlagLayout = {0, 3, 4, 1, 2, 6, 8, 9, 7, 5};
inline constexpr std::array<int, 2> ExpenseFlagColumns = {5, 5};

// Forms 13.0 and 13.1; the first item means not categorised.
inline constexpr std::array<const char*, 10> ExpenseForm13Categories = {
    "Not used for this expense",
    "Fiduciary Fees This Accounting Period",
    "Attorney Fees This Accounting Period",
    "Other Administrative Costs And Expenses",
    "Debts And Claims Against Estate",
    "Ohio And Federal Estate Taxes",
    "Personal Property Distributed in Kind",
    "Real Property Transferred",
    "Other Distributions to Beneficiaries",
    "Other Disbursements",
};

// Form 24.4, the priority classes of the claims ("on", not "for", in the
// first item).
inline constexpr std::array<const char*, 11> ExpenseForm24Categories = {
    "Not used on this expense",
    "(1) Costs and expenses of administration",
    "(2) Funeral expenses to $400",
    "(3) Allowance for support",
    "(4) Debts entitled to a preference",
    "(5) Expenses of the last sickness",
    "(6) Excess funeral expenses",
    "(7) Last continuous nursing home expenses",
    "(8) Personal property taxes, medicaid recovery",
    "(9) Debts for manual labor",
    "(10) Other debts",
};

inline constexpr const char* PartyPlaceholder = "Select from Kin ... Interested Party Wrksht";

}  // namespace wm4
