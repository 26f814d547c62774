#pragma once
// The calculation units of the form pages, one per page, each filling one
// copy of its page. The fee pages, relief from administration, transfer
// forms, affidavits and letters have their own groups.
#include "calc/calc_context.h"

namespace wm4::units {

void Calc0(CalcContext& ctx, int copy);
void Calc1(CalcContext& ctx, int copy);
void Calc2(CalcContext& ctx, int copy);
void Calc3(CalcContext& ctx, int copy);
void Calc4(CalcContext& ctx, int copy);
void Calc5(CalcContext& ctx, int copy);
void Calc6(CalcContext& ctx, int copy);
void Calc7(CalcContext& ctx, int copy);
void Calc8(CalcContext& ctx, int copy);
void Calc9(CalcContext& ctx, int copy);
void Calc10(CalcContext& ctx, int copy);
void Calc11(CalcContext& ctx, int copy);
void Calc12(CalcContext& ctx, int copy);
void Calc13(CalcContext& ctx, int copy);
void Calc14(CalcContext& ctx, int copy);
void Calc15(CalcContext& ctx, int copy);
void Calc16(CalcContext& ctx, int copy);
void Calc17(CalcContext& ctx, int copy);
void Calc18(CalcContext& ctx, int copy);
void Calc19(CalcContext& ctx, int copy);
void Calc22(CalcContext& ctx, int copy);
void Calc23(CalcContext& ctx, int copy);
void Calc24(CalcContext& ctx, int copy);
void Calc25(CalcContext& ctx, int copy);
void Calc28(CalcContext& ctx, int copy);
void Calc29(CalcContext& ctx, int copy);
void Calc30(CalcContext& ctx, int copy);
void Calc31(CalcContext& ctx, int copy);
void Calc32(CalcContext& ctx, int copy);
void Calc33(CalcContext& ctx, int copy);
void Calc34(CalcContext& ctx, int copy);
void Calc35(CalcContext& ctx, int copy);
void Calc36(CalcContext& ctx, int copy);
void Calc37(CalcContext& ctx, int copy);
void Calc38(CalcContext& ctx, int copy);
void Calc39(CalcContext& ctx, int copy);
void Calc40(CalcContext& ctx, int copy);
void Calc41(CalcContext& ctx, int copy);
void Calc42(CalcContext& ctx, int copy);
void Calc44(CalcContext& ctx, int copy);
void Calc45(CalcContext& ctx, int copy);
void Calc46(CalcContext& ctx, int copy);
void Calc47(CalcContext& ctx, int copy);
void Calc48(CalcContext& ctx, int copy);
void Calc50(CalcContext& ctx, int copy);
void Calc51(CalcContext& ctx, int copy);
void Calc52(CalcContext& ctx, int copy);
void Calc53(CalcContext& ctx, int copy);
void Calc54(CalcContext& ctx, int copy);
void Calc55(CalcContext& ctx, int copy);
void Calc56(CalcContext& ctx, int copy);
void Calc57(CalcContext& ctx, int copy);
void Calc58(CalcContext& ctx, int copy);
void Calc59(CalcContext& ctx, int copy);
void Calc60(CalcContext& ctx, int copy);
void Calc61(CalcContext& ctx, int copy);
void Calc62(CalcContext& ctx, int copy);
void Calc63(CalcContext& ctx, int copy);
void Calc64(CalcContext& ctx, int copy);
void Calc65(CalcContext& ctx, int copy);
void Calc66(CalcContext& ctx, int copy);
void Calc67(CalcContext& ctx, int copy);
void Calc68(CalcContext& ctx, int copy);
void Calc69(CalcContext& ctx, int copy);
void Calc70(CalcContext& ctx, int copy);
void Calc71(CalcContext& ctx, int copy);
void Calc74(CalcContext& ctx, int copy);
void Calc75(CalcContext& ctx, int copy);
void Calc76(CalcContext& ctx, int copy);
void Calc77(CalcContext& ctx, int copy);
void Calc79(CalcContext& ctx, int copy);
void Calc84(CalcContext& ctx, int copy);
void Calc85(CalcContext& ctx, int copy);
void Calc86(CalcContext& ctx, int copy);
void Calc87(CalcContext& ctx, int copy);
void Calc88(CalcContext& ctx, int copy);
void Calc89(CalcContext& ctx, int copy);
void Calc90(CalcContext& ctx, int copy);
void Calc91(CalcContext& ctx, int copy);
void Calc92(CalcContext& ctx, int copy);
void Calc107(CalcContext& ctx, int copy);
void Calc110(CalcContext& ctx, int copy);
void Calc112(CalcContext& ctx, int copy);
void Calc128(CalcContext& ctx, int copy);
void Calc129(CalcContext& ctx, int copy);
void Calc150(CalcContext& ctx, int copy);
void Calc151(CalcContext& ctx, int copy);
void Calc152(CalcContext& ctx, int copy);
void Calc153(CalcContext& ctx, int copy);
void Calc154(CalcContext& ctx, int copy);
void Calc155(CalcContext& ctx, int copy);
void Calc156(CalcContext& ctx, int copy);
void Calc157(CalcContext& ctx, int copy);
void Calc158(CalcContext& ctx, int copy);

}  // namespace wm4::units
