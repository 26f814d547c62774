#pragma once
// The schedule of assets of the inventory (Form 6.1) and of the assets
// remaining (Form 13.2): asset rows sent to the form, grouped into tangible
// personal, intangible personal and real property, with subtotals and a
// grand total. Descriptions wrap in "Arial Narrow" 11.
//
//                 rows taken   category   wrap: count / build   rows a sheet
//   Form 6.1      col 22 "X"   col 53     4.85 / 5.0 inches     86 (36 + 50)
//   Form 13.2     col 30 "X"   col 57     4.3  / 4.3 inches     74 (26 + 48)
#include "case/case_data.h"
#include "schedules/schedule_buffers.h"

namespace wm4 {

class TextWrapper;

// Totals, group flags, the eight automobile values, pages and sheets into
// buffers.inventory. Returns the copies of Form 6.1; 100 or more reports
// 2503 digit 9 (returned anyway).
int CountInventorySchedule(const CaseData& data, ScheduleBuffers& buffers, TextWrapper& wrapper);
// Fills buffers.inventory.rows from the counter's totals of the same run.
void BuildInventorySchedule(const CaseData& data, ScheduleBuffers& buffers, TextWrapper& wrapper);

// Totals, flags, pages and sheets into buffers.assetsRemaining. Returns the
// copies of Form 13.2 (at least 1: the grand total row always counts).
int CountAssetsRemaining(const CaseData& data, ScheduleBuffers& buffers, TextWrapper& wrapper);
// Fills buffers.assetsRemaining.rows from the counter's totals of the same run.
void BuildAssetsRemaining(const CaseData& data, ScheduleBuffers& buffers, TextWrapper& wrapper);

}  // namespace wm4
