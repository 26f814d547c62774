#pragma once
// The Commissioner's Report schedule (page 71): assets marked for it (asset
// column 37) as receipts with their voucher numbers, expenses marked for it
// (expense column 11) as disbursements with their check numbers. 42 rows a
// copy; descriptions wrap in "Arial Narrow" 11 at 3.58 inches.
#include "case/case_data.h"
#include "schedules/schedule_buffers.h"

namespace wm4 {

class TextWrapper;

// Builds buffers.commissionersReport and sets data.answers.NoOfCommRep to the
// copies it needs. 100 copies or more reports 2503 digit 9 and leaves
// NoOfCommRep as it was (the run sets it to 0 first).
void BuildCommissionersReport(CaseData& data, ScheduleBuffers& buffers, TextWrapper& wrapper);

}  // namespace wm4
