#pragma once
// The transfer forms and affidavits: each copy of such a page belongs to one
// asset row (a vehicle, a parcel, a holding), finds its transferee among the
// kin rows and fills the page. Almost every slot, fixed wording included, is
// a kept write, so any line can be overridden and keeps its override.
#include "calc/calc_context.h"

namespace wm4 {

void Calc97(CalcContext& ctx, int copy);   // BMV 3773 surviving spouse's affidavit (vehicle)
void Calc98(CalcContext& ctx, int copy);   // BMV 3774 application for certificate of title
void Calc100(CalcContext& ctx, int copy);  // DTE100 real property conveyance fee
void Calc102(CalcContext& ctx, int copy);  // surviving spouse's affidavit (real estate)
void Calc104(CalcContext& ctx, int copy);  // affidavit of domicile
void Calc111(CalcContext& ctx, int copy);  // confidential personal identifiers
void Calc115(CalcContext& ctx, int copy);  // stock power of attorney
void Calc127(CalcContext& ctx, int copy);  // Form 9.C application to transfer a motor vehicle
void Calc196(CalcContext& ctx, int copy);  // DTE100EX statement of reason for exemption

}  // namespace wm4
