#pragma once
// Today's date as the transfer forms and enclosure letters print it: the
// short date M/d/yyyy ("1/5/2021"), and for the letters its long form
// ("January 5, 2021"). The date is the run's (CalcContext::today): the system
// clock unless a test fixes it.
#include <QString>

#include "calc/calc_context.h"

namespace wm4 {

QString todayShortDate(const CalcContext& ctx);  // M/d/yyyy
QString todayLongDate(const CalcContext& ctx);   // "January 5, 2021"

}  // namespace wm4
