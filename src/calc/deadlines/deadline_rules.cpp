#include "calc/deadlines/deadline_rules.h"

#include "forms/page095.h"
#include "forms/page096.h"

namespace wm4 {

namespace {

constexpr DeadlineRule kRules[] = {
    {"inventory", DeadlineEvent::Appointment, 3, 0, DeadlineKind::DueBy, "6.0",
     "File the inventory and appraisal", "R.C. 2115.02", DeadlineScope::Every, page96::Page,
     page96::InventoryDue},
    {"fiduciary-claim", DeadlineEvent::Appointment, 3, 0, DeadlineKind::DueBy, "Claim",
     "Present the fiduciary's own claim against the estate to the court", "R.C. 2117.02",
     DeadlineScope::FiduciaryClaim, page95::Page, page95::FiduciaryClaimDue},
    {"spouse-rights", DeadlineEvent::Appointment, 5, 0, DeadlineKind::DueBy, "8.0-8.2",
     "Surviving spouse exercises the rights of Chapter 2106 (election, allowances)", "R.C. 2106.25",
     DeadlineScope::SpouseSurvives, page96::Page, page96::SpouseRightsDue},
    {"creditor-claims", DeadlineEvent::Death, 6, 0, DeadlineKind::BarDate, "24.0",
     "Claims not presented by this date are barred", "R.C. 2117.06(B)", DeadlineScope::Every,
     page95::Page, page95::ClaimsPeriodEnds},
    {"account", DeadlineEvent::Appointment, 6, 0, DeadlineKind::DueBy, "13.0",
     "File the first account (unless the time is extended on Form 13.10)", "R.C. 2109.301(B)",
     DeadlineScope::Every, 0, 0},
    {"account-hearing", DeadlineEvent::AccountFiled, 0, 30, DeadlineKind::NotBefore, "13.5",
     "Earliest day for the hearing on the account", "R.C. 2109.32(A)", DeadlineScope::Every,
     page96::Page, page96::EarliestAccountHearing},
    {"rejected-claim-suit", DeadlineEvent::ClaimRejected, 2, 0, DeadlineKind::BarDate, "Claim",
     "The claimant of a rejected claim must sue by this date, or the claim is barred",
     "R.C. 2117.12", DeadlineScope::RejectedClaim, 0, 0},
};

// The n-th weekday (1 = first) of a month; n = -1: the last one.
QDate nthWeekday(int year, int month, int weekday, int n) {
    if (n < 0) {
        QDate d(year, month, QDate(year, month, 1).daysInMonth());
        while (d.dayOfWeek() != weekday) d = d.addDays(-1);
        return d;
    }
    QDate d(year, month, 1);
    while (d.dayOfWeek() != weekday) d = d.addDays(1);
    return d.addDays(7 * (n - 1));
}

}  // namespace

std::span<const DeadlineRule> DeadlineRules() { return kRules; }

QString DeadlineEventName(DeadlineEvent event) {
    switch (event) {
    case DeadlineEvent::Death: return QStringLiteral("the date of death (General Information)");
    case DeadlineEvent::Appointment:
        return QStringLiteral("the date letters of authority were issued (Form Tracker)");
    case DeadlineEvent::InventoryFiled:
        return QStringLiteral("the date the inventory was filed (Form Tracker or 6.0)");
    case DeadlineEvent::AccountFiled:
        return QStringLiteral("the date the account was filed (Form Tracker, 13.5 or 13.0)");
    case DeadlineEvent::ClaimRejected:
        return QStringLiteral(
            "the date the claim was rejected (a date in the claim's nature of debt, expense "
            "worksheet)");
    }
    return QString();
}

QString DeadlineEventShortName(DeadlineEvent event) {
    switch (event) {
    case DeadlineEvent::Death: return QStringLiteral("date of death");
    case DeadlineEvent::Appointment: return QStringLiteral("letters issued");
    case DeadlineEvent::InventoryFiled: return QStringLiteral("inventory filed");
    case DeadlineEvent::AccountFiled: return QStringLiteral("account filed");
    case DeadlineEvent::ClaimRejected:
        return QStringLiteral("claim rejected");
    }
    return QString();
}

bool IsOhioLegalHoliday(const QDate& date) {
    const int y = date.year();
    const QDate fixed[] = {QDate(y, 1, 1), QDate(y, 6, 19), QDate(y, 7, 4), QDate(y, 11, 11),
                           QDate(y, 12, 25)};
    for (const QDate& d : fixed)
        if (d == date) return true;
    const QDate moving[] = {
        nthWeekday(y, 1, Qt::Monday, 3),     // Martin Luther King Jr. Day
        nthWeekday(y, 2, Qt::Monday, 3),     // Washington-Lincoln Day
        nthWeekday(y, 5, Qt::Monday, -1),    // Memorial Day
        nthWeekday(y, 9, Qt::Monday, 1),     // Labor Day
        nthWeekday(y, 10, Qt::Monday, 2),    // Columbus Day
        nthWeekday(y, 11, Qt::Thursday, 4),  // Thanksgiving
    };
    for (const QDate& d : moving)
        if (d == date) return true;
    return false;
}

bool IsCourtClosed(const QDate& date) {
    return date.dayOfWeek() == Qt::Saturday || date.dayOfWeek() == Qt::Sunday ||
           IsOhioLegalHoliday(date);
}

QDate DeadlineDate(const DeadlineRule& rule, const QDate& event) {
    // QDate::addMonths keeps the day of the month, or takes the month's last
    // day when it is shorter: the rule of R.C. 1.45.
    QDate last = event.addMonths(rule.months).addDays(rule.days);
    if (rule.kind != DeadlineKind::NotBefore)
        while (IsCourtClosed(last)) last = last.addDays(1);
    return last;
}

}  // namespace wm4
