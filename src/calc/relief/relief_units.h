#pragma once
// Relief from administration and summary release: the schedule of assets and
// liabilities (Form 5.1), the entry relieving the estate (Form 5.6) and the
// application for summary release (Form 5.10). The units sort the assets sent
// to each form by the category chosen for it, wrap the descriptions to their
// boxes, carry and add the values, and hold the Form 5.1 total against the
// ceiling claimed on Form 5.0 and the spouse's automobile allowance.
#include "calc/calc_context.h"

namespace wm4 {

void Calc20(CalcContext& ctx, int copy);  // 5.1 front: automobiles, real property, other assets
void Calc21(CalcContext& ctx, int copy);  // 5.1 back: debts
void Calc26(CalcContext& ctx, int copy);  // 5.6 front: to be sold, released, paid
void Calc27(CalcContext& ctx, int copy);  // 5.6 back: remainder to be distributed
void Calc72(CalcContext& ctx, int copy);  // 5.10 front: motor vehicles
void Calc73(CalcContext& ctx, int copy);  // 5.10 back: accounts, holdings, real estate, other

}  // namespace wm4
