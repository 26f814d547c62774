// The group tables of the schedules: categories as the worksheets store them
// (compared upper-cased) and the header and subtotal rows printed for them.
#include "schedules/schedule_buffers.h"

namespace wm4 {

const std::array<ScheduleGroup, AccountReceiptGroupCount> AccountReceiptGroups{{
    {"PERSONAL PROPERTY NOT SOLD", "PERSONAL PROPERTY NOT SOLD ***",
     "********** Personal Property Not Sold Subtotal"},
    {"PROCEEDS FROM SALE OF PERSONAL PROPERTY", "PROCEEDS FROM SALE OF PERSONAL PROPERTY ***",
     "********** Proceeds From Sale of Personal Property Subtotal"},
    {"REAL PROPERTY NOT SOLD", "REAL PROPERTY NOT SOLD ***",
     "********** Real Property Not Sold Subtotal"},
    {"PROCEEDS FROM SALE OF REAL PROPERTY", "PROCEEDS FROM SALE OF REAL PROPERTY ***",
     "********** Proceeds From Sale of Real Property Subtotal"},
    {"INCOME", "INCOME ****", "**********Income Subtotal"},
    {"OTHER RECEIPTS", "OTHER RECEIPTS ****", "**********Other Receipts Subtotal"},
}};

const std::array<ScheduleGroup, AccountDisbursementGroupCount> AccountDisbursementGroups{{
    {"FIDUCIARY FEES THIS ACCOUNTING PERIOD", "FIDUCIARY FEES THIS ACCOUNTING PERIOD ***",
     "********** Fiduciary Fees This Accounting Period Subtotal"},
    {"ATTORNEY FEES THIS ACCOUNTING PERIOD", "ATTORNEY FEES THIS ACCOUNTING PERIOD ***",
     "********** Attorney Fees This Accounting Period Subtotal"},
    {"OTHER ADMINISTRATIVE COSTS AND EXPENSES", "OTHER ADMINISTRATIVE COSTS & EXPENSES ***",
     "********** Other Administrative Costs & Expenses Subtotal"},
    {"DEBTS AND CLAIMS AGAINST ESTATE", "DEBTS & CLAIMS AGAINST ESTATE ***",
     "********** Debts & Claims Against Estate Subtotal"},
    {"OHIO AND FEDERAL ESTATE TAXES", "OHIO & FEDERAL ESTATE TAXES ***",
     "********** Ohio & Federal Estate Taxes Subtotal"},
    {"PERSONAL PROPERTY DISTRIBUTED IN KIND", "PERSONAL PROPERTY DISTRIBUTED IN KIND ***",
     "********** Personal Property Distributed in Kind Subtotal"},
    {"REAL PROPERTY TRANSFERRED", "REAL PROPERTY TRANSFERRED ***",
     "********** Real Property Transferred Subtotal"},
    {"OTHER DISTRIBUTIONS TO BENEFICIARIES", "OTHER DISTRIBUTIONS TO BENEFICIARIES ***",
     "********** Other Distributions To Beneficiaries Subtotal"},
    {"OTHER DISBURSEMENTS", "OTHER DISBURSEMENTS ***", "********** Other Disbursements Subtotal"},
}};

const std::array<ScheduleGroup, InventoryGroupCount> InventoryGroups{{
    {"TANGIBLE PERSONAL PROPERTY", "TANGIBLE PERSONAL PROPERTY",
     "********** Subtotal of Tangible Personal Property"},
    {"INTANGIBLE PERSONAL PROPERTY", "INTANGIBLE PERSONAL PROPERTY",
     "********** Subtotal of Intangible Personal Property"},
    {"REAL PROPERTY", "REAL PROPERTY", "********** Subtotal of Real Property"},
}};

const std::array<const char*, AutoToSpouseCount> AutoToSpouseCategories{
    "1ST AUTO TO SPOUSE", "2ND AUTO TO SPOUSE", "3RD AUTO TO SPOUSE", "4TH AUTO TO SPOUSE",
    "5TH AUTO TO SPOUSE", "6TH AUTO TO SPOUSE", "7TH AUTO TO SPOUSE", "8TH AUTO TO SPOUSE",
};

// The headers keep the court form's spelling ("ADMINISTATIVE").
const std::array<InsolvencyClass, InsolvencyClassCount> InsolvencyClasses{{
    {"(1)", "(1) ADMINISTATIVE EXPENSES"},
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
