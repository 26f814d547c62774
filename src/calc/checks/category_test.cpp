#include "calc/checks/category_test.h"

#include "messages/report.h"

namespace wm4 {
namespace {

constexpr CategoryRule kRules[] = {
    {Grid::Asset, 16, 48, "Form 3.0", 16010},
    {Grid::Asset, 17, 49, "Form 4.0", 16020},
    {Grid::Asset, 18, 50, "Form 5.1", 16030},
    {Grid::Asset, 19, 51, "Form 5.6", 16040},
    {Grid::Asset, 21, 52, "Form 5.10", 16050},
    {Grid::Asset, 22, 53, "Form 6.0", 16060},
    {Grid::Asset, 23, 54, "Form 7.1", 16070},
    {Grid::Asset, 24, 55, "Form 7.2", 16080},
    {Grid::Asset, 29, 56, "Form 13.0", 16090},
    {Grid::Asset, 30, 57, "Form 13.2", 16100},
    {Grid::Asset, 35, 58, "executor's fee computation", 16110},
    {Grid::Asset, 86, 87, "attorney's fee computation", 16120},
    {Grid::Expense, 9, 6, "Form 13.0", 16130},
    {Grid::Expense, 21, 22, "Form 24.4", 16140},
};

// The first row of `grid` that fails one of its rules, reported; false then.
bool testGrid(const WorksheetStore& store, Grid grid) {
    for (int row = 0; row < store.rowCount(); ++row) {
        for (const CategoryRule& rule : kRules) {
            if (rule.grid != grid) continue;
            if (isMarked(store, rule.sendColumn, row) &&
                categoryMissing(store.cell(rule.categoryColumn, row))) {
                ReportError(rule.errNo, store.cell(1, row));
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
