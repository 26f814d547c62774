#pragma once
// The enclosure letters: cover letters from the attorney to a kin person, a
// fiduciary, the appraiser or the court. The run fills letterhead, date,
// inside address, reference lines, salutation and signature; the body is the
// template's. Every slot but the letterhead is a kept write.
#include "calc/calc_context.h"

namespace wm4 {

void Calc116(CalcContext& ctx, int copy);  // will and waiver of notice of probate
void Calc117(CalcContext& ctx, int copy);  // inventory and waiver
void Calc119(CalcContext& ctx, int copy);  // account and waiver
void Calc121(CalcContext& ctx, int copy);  // appointment: copy 0 fiduciary, copy 1 co-fiduciary
void Calc122(CalcContext& ctx, int copy);  // life insurance and certificate of death
void Calc123(CalcContext& ctx, int copy);  // filing with the court
void Calc125(CalcContext& ctx, int copy);  // the appraiser

}  // namespace wm4
