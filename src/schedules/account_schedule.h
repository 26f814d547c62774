#pragma once
// The account schedule (Form 13.1): receipts are the assets sent to Form 13.0
// (asset column 29), disbursements the expenses sent to it (expense column 9),
// grouped by their Form 13.0 category (asset column 56, expense column 6).
// Descriptions wrap in "Arial Narrow" 11 at 3.58 inches; a sheet holds 90
// rows, 40 on the front and 50 on the back. An entry's lines stay on one
// sheet: one that would run over a sheet's end starts the next sheet, and
// the counter counts the rows left empty.
#include "case/case_data.h"
#include "schedules/schedule_buffers.h"

namespace wm4 {

class TextWrapper;

// Totals, group flags, the rows the schedule needs, its printed pages and its
// sheets, all into buffers.account. Returns the sheets (copies of Form 13.1).
// 100 sheets or more reports 2501 digit 9 (the sheets are returned anyway).
int CountAccountSchedule(const CaseData& data, ScheduleBuffers& buffers, TextWrapper& wrapper);

// Fills buffers.account.rows from the totals and flags of CountAccountSchedule
// of the same run. Past the 10,000th row it reports 3050 (or 3051 at a
// section row) and stops; the rows built so far stay.
void BuildAccountSchedule(const CaseData& data, ScheduleBuffers& buffers, TextWrapper& wrapper);

}  // namespace wm4
