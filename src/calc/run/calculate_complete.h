#pragma once
// The full calculation run. Data flows
//   worksheets -> category test -> copy counts and schedules -> page units
//   in fixed order -> answers.
// A run always recomputes every page copy; errors are reports, and the run
// stops at its gates when a report has set ErrFlag.
#include "calc/calc_context.h"
#include "calc/checks/category_test.h"  // Test4Errs, stage 1

namespace wm4 {

// How a run ended. A run that stopped at a gate left the answers of the
// stages after it as they were: nothing printed or saved from it is a
// finished calculation.
struct RunOutcome {
    bool finished = false;
    quint16 stoppedAfter = 0;  // the report before the gate that stopped it
};

// "The calculation stopped after report 21011, before it reached every
// form; ..." for a run that did not finish; empty for one that did.
QString StoppedRunText(const RunOutcome& outcome);

// Runs the whole calculation. A call while a run is active (from a handler
// reached during a report dialog) returns at once, unfinished; CalcActive is
// cleared on every way out, also when a page unit throws (the exception
// propagates).
RunOutcome CalculateComplete(CalcContext& ctx);

// Stage 2: every copy counter, the schedules and the category totals, then
// the page copy counts (PgCt). Returns at once when ErrFlag is already set.
void PrepareCopiesAndSchedules(CalcContext& ctx);

// Stage 3: the page units in the fixed order (run/stage_order.h), with the
// gate after page 20. False when the gate stopped it.
bool RunPageUnits(CalcContext& ctx);

}  // namespace wm4
