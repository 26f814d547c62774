#pragma once
// The deadlines of a case as an iCalendar file (RFC 5545) that desktop
// calendars import: one all-day event per dated deadline that is not done,
// each with a reminder a week before.
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include "calc/deadlines/deadlines.h"

namespace wm4 {

struct CalendarCase {
    QString estate;      // the decedent's name
    QString caseNumber;  // may be empty
};

// The calendar text (UTF-8, CR LF line ends, long lines folded). stamp is
// the moment the calendar was made (DTSTAMP).
QByteArray DeadlineCalendar(const QList<Deadline>& deadlines, const CalendarCase& estate,
                            const QDateTime& stamp);

// Writes the calendar to path; throws DocumentError when it cannot.
void WriteDeadlineCalendar(const QString& path, const QList<Deadline>& deadlines,
                           const CalendarCase& estate, const QDateTime& stamp);

}  // namespace wm4
