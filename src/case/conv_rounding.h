#pragma once
// Rounding of amounts: half away from zero on the decimal digits of a value,
// as fixed-point text formatting rounds ("%14.2f"), so that 2.675 gives 2.68
// and 1.005 gives 1.01 although neither is exact in binary.
namespace wm4 {

double roundHalfAwayFromZero(double value, int decimals);

}  // namespace wm4
