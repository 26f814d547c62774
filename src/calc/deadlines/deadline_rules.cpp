#include "calc/deadlines/deadline_rules.h"

#include "forms/page095.h"
#include "forms/page096.h"

namespace wm4 {

namespace {

constexpr DeadlineRule kRules[] = {
    {"inventory", DeadlineEvent::Appointment, 3, 0, DeadlineKind::DueBy, "6.0",
     "File the inventory and appraisal", "R.C. 2115.02", false, page96::Page,
     page96::InventoryDue},
    {"fiduciary-claim", DeadlineEvent::Appointment, 3, 0, DeadlineKind::DueBy, "Claim",
     "Present the fiduciary's own claim against the estate to the court", "R.C. 2117.02",
     false, page95::Page, page95::FiduciaryClaimDue},
    {"spouse-rights", DeadlineEvent::Appointment, 5, 0, DeadlineKind::DueBy, "8.0-8.2",
     "Surviving spouse exercises the rights of Chapter 2106 (election, allowances)",
     "R.C. 2106.25", true, page96::Page, page96::SpouseRightsDue},
    {"creditor-claims", DeadlineEvent::Death, 6, 0, DeadlineKind::DueBy, "24.0",
     "Creditors present their claims (later claims are barred)", "R.C. 2117.06(B)", false,
     page95::Page, page95::ClaimsPeriodEnds},
    {"account-hearing", DeadlineEvent::AccountFiled, 0, 30, DeadlineKind::NotBefore, "13.5",
     "Earliest day for the hearing on the account", "R.C. 2109.32(A)", false, page96::Page,
     page96::EarliestAccountHearing},
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
        return QStringLiteral("the date the inventory was filed (Form Tracker)");
    case DeadlineEvent::AccountFiled:
        return QStringLiteral("the date the account was filed (Form Tracker)");
    }
    return QString();
}

QString DeadlineEventShortName(DeadlineEvent event) {
    switch (event) {
    case DeadlineEvent::Death: return QStringLiteral("date of death");
    case DeadlineEvent::Appointment: return QStringLiteral("letters issued");
    case DeadlineEvent::InventoryFiled: return QStringLiteral("inventory filed");
    case DeadlineEvent::AccountFiled: return QStringLiteral("account filed");
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
    if (rule.kind == DeadlineKind::DueBy)
        while (IsCourtClosed(last)) last = last.addDays(1);
    return last;
}

}  // namespace wm4
