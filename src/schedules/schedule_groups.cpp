// The group tables of the schedules: the categories of the worksheets'
// category lists (compared upper-cased) and the header and subtotal rows
// printed for them.
#include "case/worksheet_lists.h"
#include "schedules/schedule_buffers.h"

namespace wm4 {

namespace {

// Item i of a category list, upper-cased as the schedules compare it.
QString key(std::span<const QStringView> items, size_t i) {
    return items[i].toString().toUpper();
}

}  // namespace

// The account's receipt groups. The real property subtotal drops the
// trailing "of" the row once carried ("... Subtotal of" with nothing after
// it); every other text stands as printed.
const std::array<ScheduleGroup, AccountReceiptGroupCount> AccountReceiptGroups{{
    {key(categoryItems::Form13_0, 1), "PERSONAL PROPERTY NOT SOLD ***",
     "********** Personal Property Not Sold Subtotal"},
    {key(categoryItems::Form13_0, 2), "PROCEEDS FROM SALE OF PERSONAL PROPERTY ***",
     "********** Proceeds From Sale of Personal Property Subtotal"},
    {key(categoryItems::Form13_0, 3), "REAL PROPERTY NOT SOLD ***",
     "********** Real Property Not Sold Subtotal"},
    {key(categoryItems::Form13_0, 4), "PROCEEDS FROM SALE OF REAL PROPERTY ***",
     "********** Proceeds From Sale of Real Property Subtotal"},
    {key(categoryItems::Form13_0, 5), "INCOME ****", "**********Income Subtotal"},
    {key(categoryItems::Form13_0, 6), "OTHER RECEIPTS ****", "**********Other Receipts Subtotal"},
}};

const std::array<ScheduleGroup, AccountDisbursementGroupCount> AccountDisbursementGroups{{
    {key(categoryItems::Expense13_0, 1), "FIDUCIARY FEES THIS ACCOUNTING PERIOD ***",
     "********** Fiduciary Fees This Accounting Period Subtotal"},
    {key(categoryItems::Expense13_0, 2), "ATTORNEY FEES THIS ACCOUNTING PERIOD ***",
     "********** Attorney Fees This Accounting Period Subtotal"},
    {key(categoryItems::Expense13_0, 3), "OTHER ADMINISTRATIVE COSTS & EXPENSES ***",
     "********** Other Administrative Costs & Expenses Subtotal"},
    {key(categoryItems::Expense13_0, 4), "DEBTS & CLAIMS AGAINST ESTATE ***",
     "********** Debts & Claims Against Estate Subtotal"},
    {key(categoryItems::Expense13_0, 5), "OHIO & FEDERAL ESTATE TAXES ***",
     "********** Ohio & Federal Estate Taxes Subtotal"},
    {key(categoryItems::Expense13_0, 6), "PERSONAL PROPERTY DISTRIBUTED IN KIND ***",
     "********** Personal Property Distributed in Kind Subtotal"},
    {key(categoryItems::Expense13_0, 7), "REAL PROPERTY TRANSFERRED ***",
     "********** Real Property Transferred Subtotal"},
    {key(categoryItems::Expense13_0, 8), "OTHER DISTRIBUTIONS TO BENEFICIARIES ***",
     "********** Other Distributions To Beneficiaries Subtotal"},
    {key(categoryItems::Expense13_0, 9), "OTHER DISBURSEMENTS ***",
     "********** Other Disbursements Subtotal"},
}};

// Form 13.2's list starts with the same three items as Form 6.0's.
const std::array<ScheduleGroup, InventoryGroupCount> InventoryGroups{{
    {key(categoryItems::Form6_0, 1), "TANGIBLE PERSONAL PROPERTY",
     "********** Subtotal of Tangible Personal Property"},
    {key(categoryItems::Form6_0, 2), "INTANGIBLE PERSONAL PROPERTY",
     "********** Subtotal of Intangible Personal Property"},
    {key(categoryItems::Form6_0, 3), "REAL PROPERTY", "********** Subtotal of Real Property"},
}};

// Form 6.0's "1st auto to spouse" ... "8th auto to spouse".
const std::array<QString, AutoToSpouseCount> AutoToSpouseCategories{
    key(categoryItems::Form6_0, 4),  key(categoryItems::Form6_0, 5),
    key(categoryItems::Form6_0, 6),  key(categoryItems::Form6_0, 7),
    key(categoryItems::Form6_0, 8),  key(categoryItems::Form6_0, 9),
    key(categoryItems::Form6_0, 10), key(categoryItems::Form6_0, 11),
};

// The class headers of the schedule of claims. Class (1) is spelt right
// ("ADMINISTRATIVE"; the row once read "ADMINISTATIVE"); the others stand
// as printed, abbreviations included.
const std::array<InsolvencyClass, InsolvencyClassCount> InsolvencyClasses{{
    {"(1)", "(1) ADMINISTRATIVE EXPENSES"},
    {"(2)", "(2) FUNERAL EXPENSES TO $4,000"},
    {"(3)", "(3) SPOUSAL & CHILD SUPPORT"},
    {"(4)", "(4) PREFERENCE DEBTS"},
    {"(5)", "(5) LAST SICKNESS EXPS"},
    {"(6)", "(6) EXCESS FUNERAL EXPS"},
    {"(7)", "(7) LAST NURSING HOME STAY"},
    {"(8)", "(8) PERSONALTY TAXES, ETC."},
    {"(9)", "(9) MANUAL LABOR"},
    {"(10)", "(10) OTHER DEBTS"},
}};

const QString ReceiptsSectionRow = QStringLiteral("RECEIPTS *****************************");
const QString DisbursementsSectionRow =
    QStringLiteral("DISBURSEMENTS *****************************");
const QString GrandTotalRow = QStringLiteral("********** Grand Total");

}  // namespace wm4
