#pragma once
#include "calc/calc_context.h"

namespace wm4 {

// The calculation unit of a page (Calc0 ... Calc196); nullptr for a page
// without one.
PageUnit pageUnit(int page);

}  // namespace wm4
