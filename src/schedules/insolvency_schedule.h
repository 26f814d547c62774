#pragma once
// The schedule of claims of an insolvent estate (Form 24.4, continued on
// Form 24.5): expense rows sent to Form 24.4 (column 21), ranked in ten
// priority classes by their Form 24 category (column 22, "(1) ..." to
// "(10) ..."). Descriptions wrap in "Arial Narrow" 11 at 2.7 inches; the
// first sheet holds 22 rows, each continuation sheet 30.
#include "case/case_data.h"
#include "schedules/schedule_buffers.h"

namespace wm4 {

class TextWrapper;

// Class totals, flags, the grand total and the four Form 24.0 values (reads
// the Form 6.1 subtotals of buffers.inventory, so it runs after
// CountInventorySchedule, and answer 4 of page 56). Returns the sheets, the
// first included (Form 24.5 needs one copy fewer); 100 or more reports 2501
// digit 9 (returned anyway).
int CountInsolvencySchedule(const CaseData& data, ScheduleBuffers& buffers, TextWrapper& wrapper);
// Fills buffers.insolvency.rows from the counter's totals of the same run.
void BuildInsolvencySchedule(const CaseData& data, ScheduleBuffers& buffers, TextWrapper& wrapper);

}  // namespace wm4
