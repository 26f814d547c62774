#pragma once
// The category test of the calculation run's first stage: every asset or
// expense row sent to a categorised form must carry a category.
#include <QtGlobal>
#include <span>

#include "calc/checks/worksheet_marks.h"
#include "case/case_data.h"

namespace wm4 {

// One pair of the test: a send-to column and the category column that must
// be filled when the row is marked there.
struct CategoryRule {
    Grid grid;
    int sendColumn;
    int categoryColumn;
    const char* form;
    quint16 errNo;
};

// The pairs in test order: asset rows (Forms 3.0 ... attorney's fee), then
// expense rows (Forms 13.0 and 24.4).
std::span<const CategoryRule> CategoryRules();

// Scans the asset rows top to bottom, each against the asset pairs in order,
// then (only when no asset row fails) the expense rows. The first marked row
// with a missing category is reported with its description (column 1) and
// the test ends: at most one report per run. Returns true when no row failed.
// everyFault: every failing row and form is reported (asset rows, then
// expense rows), each pointing at its worksheet row; the result is the same.
bool Test4Errs(const CaseData& data, bool everyFault = false);

}  // namespace wm4
