#pragma once
// CalcTtls: one pass over the asset rows that totals the values sent to
// Forms 3.0, 4.0, 5.10 and the fee computations by category, and counts the
// per-asset form copies (9.C, 12.x, BMV 3774, spouse affidavit, stock power).
#include "calc/calc_context.h"

namespace wm4 {

// Resets ctx.totals and the five per-asset counters, then walks the asset
// rows top to bottom. A Form 3.0, Form 4.0 or executor's-fee category that is
// not one of the form's names reports 16010, 16020 or 16110 with the row's
// description and ends the pass at that row (rows below are neither totalled
// nor counted). Returns false then.
bool CalcTtls(CalcContext& ctx);

}  // namespace wm4
