#pragma once
// The deadlines of one case: every rule of the deadline table that applies,
// with its date counted from the dates the case holds, or the event it still
// waits for. Shown in the Deadlines panel, written on the Form Tracker's back,
// printed by "wendmoor4 deadlines" and exported as a calendar.
#include <QDate>
#include <QList>
#include <QString>

#include "calc/deadlines/deadline_rules.h"
#include "forms/page095.h"
#include "forms/page096.h"

namespace wm4 {

class TAnswer;

enum class DeadlineStatus {
    Waiting,   // the event's date is not in the case yet
    Done,      // the Form Tracker marks the act done
    Overdue,   // the date has passed and the act is not marked done
    DueSoon,   // within the next 14 days
    Later,     // further off
    Earliest,  // a "not before" date (never overdue)
};

inline constexpr int DueSoonDays = 14;

struct Deadline {
    const DeadlineRule* rule = nullptr;
    QDate event;  // the date the period counts from (invalid while waiting)
    QDate due;    // the deadline (invalid while waiting)
    DeadlineStatus status = DeadlineStatus::Waiting;

    // "waiting for: <the missing date>" while waiting, else the date as
    // M/d/yyyy.
    QString dateText() const;
    // "overdue", "due within 14 days", "done", ... for lists and panels.
    QString statusText() const;
};

// The case's deadlines, in the order of their dates (waiting ones last, in
// table order). A rule for the surviving spouse is left out when General
// Information names no spouse.
QList<Deadline> ComputeDeadlines(const TAnswer& answers, const QDate& today);

// Slots the deadlines read, all on the Form Tracker's front.
namespace tracker {
inline constexpr int FrontPage = page95::Page;
inline constexpr int BackPage = page96::Page;
inline constexpr int LettersIssuedDate = page95::LettersIssuedDate;
inline constexpr int InventoryDone = page95::InventoryDone;
inline constexpr int InventoryFiledDate = page95::InventoryFiledDate;
inline constexpr int SpouseElectionDone = page95::SpouseElectionDone;
inline constexpr int AccountFiledDate = page95::AccountFiledDate;
}  // namespace tracker

}  // namespace wm4
