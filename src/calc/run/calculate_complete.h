#pragma once
// The full calculation run. Data flows
//   worksheets -> category test -> copy counts and schedules -> page units
//   in fixed order -> answers.
// A run always recomputes every page copy; errors are reports, and the run
// stops at its gates when a report has set ErrFlag.
#include "calc/calc_context.h"
#include "calc/checks/category_test.h"  // Test4Errs, stage 1

namespace wm4 {

// Runs the whole calculation. A call while a run is active (from a handler
// reached during a report dialog) returns at once; CalcActive is cleared on
// every way out, also when a page unit throws (the exception propagates).
void CalculateComplete(CalcContext& ctx);

// Stage 2: every copy counter, the schedules and the category totals, then
// the page copy counts (PgCt). Returns at once when ErrFlag is already set.
void PrepareCopiesAndSchedules(CalcContext& ctx);

// Stage 3: the page units in the fixed order (run/stage_order.h), with the
// gate after page 20.
void RunPageUnits(CalcContext& ctx);

}  // namespace wm4
