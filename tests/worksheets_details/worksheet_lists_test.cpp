// The category lists are the one source of the names the calculation and
// the schedules match categories by; these are the names they matched
// before they read the lists, and must go on matching.
#include <gtest/gtest.h>

#include "calc/checks/category_names.h"
#include "calc/checks/worksheet_marks.h"
#include "schedules/schedule_buffers.h"

namespace wm4 {
namespace {

TEST(WorksheetLists, CalculationNamesAreTheListItems) {
    // The totals compare without regard to case.
    const auto same = [](const QStringList& items, const QStringList& before) {
        EXPECT_EQ(items.size(), before.size());
        for (int i = 0; i < std::min(items.size(), before.size()); ++i)
            EXPECT_EQ(items[i].compare(before[i], Qt::CaseInsensitive), 0)
                << items[i].toStdString();
    };
    QStringList form3, form4, executor, attorney;
    for (QStringView n : Form3_0Categories) form3.append(n.toString());
    for (QStringView n : Form4_0Categories) form4.append(n.toString());
    for (QStringView n : ExecutorFeeCategories) executor.append(n.toString());
    for (QStringView n : AttorneyFeeCategories) attorney.append(n.toString());
    same(form3, {"Readily Ascertainable Value", "Real Estate",
                 "Personal Property Without Ascertainable Value"});
    same(form4, {"Personal Property", "Annual Realty Rentals", "Real Property"});
    same(executor, {"Personal Property", "Gross Realty Proceeds", "Income Received",
                    "Real Estate Not Sold", "Non probate and non joint"});
    same(attorney, {"Personal Property", "Gross Realty Proceeds", "Income Received",
                    "Real Estate Not Sold", "Other - 706 Not Required", "Other - 706 Required"});
    EXPECT_EQ(categoryIndex(QStringLiteral(" real estate "), Form3_0Categories), 1);
    for (const char* missing : {"", "0", "Not used for this asset", "NOT USED FOR THIS EXPENSE",
                                "Not used on this expense"})
        EXPECT_TRUE(categoryMissing(QString::fromLatin1(missing))) << missing;
    EXPECT_FALSE(categoryMissing(QStringLiteral("Income")));
}

TEST(WorksheetLists, ScheduleGroupKeysAreTheUpperCasedItems) {
    QStringList receipts, disbursements, inventory;
    for (const ScheduleGroup& g : AccountReceiptGroups) receipts.append(g.category);
    for (const ScheduleGroup& g : AccountDisbursementGroups) disbursements.append(g.category);
    for (const ScheduleGroup& g : InventoryGroups) inventory.append(g.category);
    EXPECT_EQ(receipts,
              (QStringList{"PERSONAL PROPERTY NOT SOLD", "PROCEEDS FROM SALE OF PERSONAL PROPERTY",
                           "REAL PROPERTY NOT SOLD", "PROCEEDS FROM SALE OF REAL PROPERTY",
                           "INCOME", "OTHER RECEIPTS"}));
    EXPECT_EQ(disbursements,
              (QStringList{"FIDUCIARY FEES THIS ACCOUNTING PERIOD",
                           "ATTORNEY FEES THIS ACCOUNTING PERIOD",
                           "OTHER ADMINISTRATIVE COSTS AND EXPENSES",
                           "DEBTS AND CLAIMS AGAINST ESTATE", "OHIO AND FEDERAL ESTATE TAXES",
                           "PERSONAL PROPERTY DISTRIBUTED IN KIND", "REAL PROPERTY TRANSFERRED",
                           "OTHER DISTRIBUTIONS TO BENEFICIARIES", "OTHER DISBURSEMENTS"}));
    EXPECT_EQ(inventory, (QStringList{"TANGIBLE PERSONAL PROPERTY", "INTANGIBLE PERSONAL PROPERTY",
                                      "REAL PROPERTY"}));
    // Form 13.2 is grouped by the same keys as Form 6.0.
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(categoryItems::Form13_2[i + 1].toString().toUpper(), inventory[i]);
    EXPECT_EQ(QStringList(AutoToSpouseCategories.begin(), AutoToSpouseCategories.end()),
              (QStringList{"1ST AUTO TO SPOUSE", "2ND AUTO TO SPOUSE", "3RD AUTO TO SPOUSE",
                           "4TH AUTO TO SPOUSE", "5TH AUTO TO SPOUSE", "6TH AUTO TO SPOUSE",
                           "7TH AUTO TO SPOUSE", "8TH AUTO TO SPOUSE"}));
}

}  // namespace
}  // namespace wm4
