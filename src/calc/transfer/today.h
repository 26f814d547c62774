#pragma once
// Today's date as the transfer forms and enclosure letters print it: the
// short date M/d/yyyy ("1/5/2021"), and for the letters its long form
// ("January 5, 2021").
//
// The date comes from the system clock; tests fix it with ScopedToday so that
// a form's date slots can be compared.
#include <QDate>
#include <QString>

namespace wm4 {

QDate calcToday();
QString todayShortDate();  // M/d/yyyy
QString todayLongDate();   // "January 5, 2021"

// Fixes calcToday() to `date` for the lifetime of the object (tests only;
// not thread-safe, as nothing of the run is).
class ScopedToday {
public:
    explicit ScopedToday(const QDate& date);
    ~ScopedToday();
    ScopedToday(const ScopedToday&) = delete;
    ScopedToday& operator=(const ScopedToday&) = delete;

private:
    QDate m_previous;
};

}  // namespace wm4
