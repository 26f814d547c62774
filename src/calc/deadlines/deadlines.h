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

struct CaseData;

enum class DeadlineStatus {
    Waiting,   // the event's date is not in the case yet
    Done,      // the Form Tracker marks the act done
    Overdue,   // the date has passed and the act is not marked done
    DueSoon,   // within the next 14 days
    Later,     // further off
    Earliest,  // a "not before" date (never overdue)
    BarDate,   // a bar date still ahead (nothing for the office to do by it)
    Passed,    // a bar date gone by
    NotOwed,   // owed only in some estates, and nothing in the case says it is owed here
    Extended,  // the time was extended (Form 13.10) without a date to count to
};

inline constexpr int DueSoonDays = 14;

struct Deadline {
    const DeadlineRule* rule = nullptr;
    QDate event;  // the date the period counts from (invalid while waiting)
    QDate due;    // the deadline (invalid while waiting)
    DeadlineStatus status = DeadlineStatus::Waiting;
    QString subject;  // what the deadline concerns, for a rule with one a claim ("" else)

    // "waiting for: <the missing date>" while waiting, else the date as
    // M/d/yyyy.
    QString dateText() const;
    // "overdue", "due within 14 days", "done", ... for lists and panels.
    QString statusText() const;
    // What is due, with the subject: "The claimant ... barred: Ellery Roofing".
    QString whatText() const;
};

// The case's deadlines, in the order of their dates (waiting ones last, in
// table order). A rule for the surviving spouse is left out when General
// Information names no spouse; the suit on a rejected claim is counted for
// each claim the expense worksheet marks rejected. The dates are the Form
// Tracker's, else those the forms carry: the inventory's signing date (6.0),
// the account's filing date (13.5) or signing date (13.0), the appointment
// on 13.0.
QList<Deadline> ComputeDeadlines(const CaseData& data, const QDate& today);

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
