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
// everyFault: every failing row and rule, reported.
bool testGrid(const WorksheetStore& store, Grid grid, bool everyFault) {
    bool passed = true;
    const int worksheet = grid == Grid::Asset ? 1 : 2;  // the navigation's worksheet numbers
    for (int row = 0; row < store.rowCount(); ++row) {
        for (const CategoryRule& rule : kRules) {
            if (rule.grid != grid) continue;
            if (isMarked(store, rule.sendColumn, row) &&
                categoryMissing(store.cell(rule.categoryColumn, row))) {
                // Column 1 is the description in the asset and the expense worksheet alike.
                static_assert(assetColumn::Description == expenseColumn::Description);
                const ScopedReportPlace place(ReportPlace::worksheetRow(worksheet, row));
                ReportError(rule.errNo, store.cell(assetColumn::Description, row));
                if (!everyFault) return false;
                passed = false;
            }
        }
    }
    return passed;
}

}  // namespace

std::span<const CategoryRule> CategoryRules() {
    return kRules;
}

bool Test4Errs(const CaseData& data, bool everyFault) {
    if (everyFault) {
        const bool assets = testGrid(data.ASchedList, Grid::Asset, true);
        return testGrid(data.ESchedList, Grid::Expense, true) && assets;
    }
    return testGrid(data.ASchedList, Grid::Asset, false) &&
           testGrid(data.ESchedList, Grid::Expense, false);
}

}  // namespace wm4
