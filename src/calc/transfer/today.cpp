#include "calc/transfer/today.h"

#include "case/conversions.h"

namespace wm4 {
namespace {
QDate g_fixedToday;  // invalid: the system clock
}

QDate calcToday() {
    return g_fixedToday.isValid() ? g_fixedToday : QDate::currentDate();
}

QString todayShortDate() {
    return FormatShortDate(calcToday());
}

QString todayLongDate() {
    return ConvertDate(todayShortDate());
}

ScopedToday::ScopedToday(const QDate& date) : m_previous(g_fixedToday) {
    g_fixedToday = date;
}

ScopedToday::~ScopedToday() {
    g_fixedToday = m_previous;
}

}  // namespace wm4
