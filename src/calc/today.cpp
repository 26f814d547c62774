#include "calc/today.h"

#include "case/conversions.h"

namespace wm4 {

QString todayShortDate(const CalcContext& ctx) {
    return FormatShortDate(ctx.today());
}

QString todayLongDate(const CalcContext& ctx) {
    return ConvertDate(todayShortDate(ctx));
}

}  // namespace wm4
