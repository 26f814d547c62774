#pragma once
// The statutory deadlines of an Ohio decedent's estate that the program can
// count from the dates a case holds, as one table. Each row names the event it
// counts from, the period, the form or act it concerns and the section of the
// Ohio Revised Code it comes from; only sections whose text was checked are
// listed. The dates are an aid for the office, not legal advice: a court may
// extend a period, and the statute governs.
#include <QDate>
#include <QString>
#include <span>

namespace wm4 {

// What a period counts from.
enum class DeadlineEvent {
    Death,           // General Information: date of death
    Appointment,     // letters of authority issued (the fiduciary's appointment)
    InventoryFiled,  // Form Tracker: inventory filed
    AccountFiled,    // Form Tracker: account filed
    ClaimRejected,   // expense worksheet: a rejected claim's date of rejection
};

enum class DeadlineKind {
    DueBy,      // the act must be done by the date (moved past a closed day)
    NotBefore,  // the earliest date the act may take place
    BarDate,    // after it a right is barred (no act of the office: never overdue)
};

// Which estates a rule concerns.
enum class DeadlineScope {
    Every,
    SpouseSurvives,  // a surviving spouse is named
    FiduciaryClaim,  // owed only when the fiduciary has a claim of his own
    RejectedClaim,   // one deadline for each claim the expense worksheet marks rejected
};

struct DeadlineRule {
    const char* id;       // stable name (calendar entries, tests)
    DeadlineEvent from;
    int months;           // calendar months counted from the event's day
    int days;             // days after the event (the event's day not counted)
    DeadlineKind kind;
    const char* form;     // the form or act it concerns
    const char* what;     // what is due
    const char* statute;  // the section it comes from
    DeadlineScope scope;
    int trackerPage;      // where the Form Tracker shows the date (95 or 96; 0: not shown)
    int trackerSlot;      // (a kept write, so a date the court set otherwise stays)
};

std::span<const DeadlineRule> DeadlineRules();

// What the event of a rule is called where a deadline waits for it.
QString DeadlineEventName(DeadlineEvent event);
// The same in a few words, for a date column ("letters issued").
QString DeadlineEventShortName(DeadlineEvent event);

// The last day of a period: months counted from the event's day end on the
// same day of the concluding month, or its last day when that month is
// shorter (R.C. 1.45); days are counted leaving out the event's day (R.C.
// 1.14). A DueBy or BarDate date that falls on a day the court is closed (Saturday,
// Sunday or a legal holiday) moves to the next day it is open (R.C. 1.14).
QDate DeadlineDate(const DeadlineRule& rule, const QDate& event);

// The legal holidays of R.C. 1.14 (New Year's Day, Martin Luther King Jr.
// Day, Washington-Lincoln Day, Memorial Day, Juneteenth, Independence Day,
// Labor Day, Columbus Day, Veterans Day, Thanksgiving, Christmas).
bool IsOhioLegalHoliday(const QDate& date);
// Saturday, Sunday or a legal holiday.
bool IsCourtClosed(const QDate& date);

}  // namespace wm4
