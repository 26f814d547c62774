#include "calc/checks/category_test.h"

#include "case/worksheet_columns.h"
#include "messages/report.h"

namespace wm4 {
namespace {

namespace asset = assetColumn;
namespace expense = expenseColumn;

constexpr CategoryRule kRules[] = {
    {Grid::Asset, asset::ToForm3_0, asset::Category3_0, "Form 3.0", 16010},
    {Grid::Asset, asset::ToForm4_0, asset::Category4_0, "Form 4.0", 16020},
    {Grid::Asset, asset::ToForm5_1, asset::Category5_1, "Form 5.1", 16030},
    {Grid::Asset, asset::ToForm5_6, asset::Category5_6, "Form 5.6", 16040},
    {Grid::Asset, asset::ToForm5_10, asset::Category5_10, "Form 5.10", 16050},
    {Grid::Asset, asset::ToForm6_0, asset::Category6_0, "Form 6.0", 16060},
    {Grid::Asset, asset::ToForm7_1, asset::Category7_1, "Form 7.1", 16070},
    {Grid::Asset, asset::ToForm7_2, asset::Category7_2, "Form 7.2", 16080},
    {Grid::Asset, asset::ToForm13_0, asset::Category13_0, "Form 13.0", 16090},
    {Grid::Asset, asset::ToForm13_2, asset::Category13_2, "Form 13.2", 16100},
    {Grid::Asset, asset::ToExecutorFee, asset::CategoryExecutorFee, "executor's fee computation",
     16110},
    {Grid::Asset, asset::ToAttorneyFee, asset::CategoryAttorneyFee, "attorney's fee computation",
     16120},
    {Grid::Expense, expense::ToForm13_0, expense::Category13_0, "Form 13.0", 16130},
    {Grid::Expense, expense::ToForm24_4, expense::Category24_4, "Form 24.4", 16140},
};

// The first row of `grid` that fails one of its rules, reported; false then.
bool testGrid(const WorksheetStore& store, Grid grid) {
    for (int row = 0; row < store.rowCount(); ++row) {
        for (const CategoryRule& rule : kRules) {
            if (rule.grid != grid) continue;
            if (isMarked(store, rule.sendColumn, row) &&
                categoryMissing(store.cell(rule.categoryColumn, row))) {
                // Column 1 is the description in the asset and the expense worksheet alike.
                static_assert(assetColumn::Description == expenseColumn::Description);
                ReportError(rule.errNo, store.cell(assetColumn::Description, row));
                return false;
            }
        }
    }
    return true;
}

}  // namespace

std::span<const CategoryRule> CategoryRules() {
    return kRules;
}

bool Test4Errs(const CaseData& data) {
    return testGrid(data.ASchedList, Grid::Asset) && testGrid(data.ESchedList, Grid::Expense);
}

}  // namespace wm4
