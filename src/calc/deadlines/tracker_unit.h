#pragma once
#include "calc/calc_context.h"

namespace wm4 {

// Form Tracker, front and back: the estate and case number, and the date of
// each statutory deadline of the case beside its filing, where the deadline
// table places it (kept writes, so a date the court set otherwise can be
// typed over and stays). A deadline that does not apply (no surviving
// spouse) leaves its slot empty.
void Calc95(CalcContext& ctx, int copy);
void Calc96(CalcContext& ctx, int copy);

}  // namespace wm4
