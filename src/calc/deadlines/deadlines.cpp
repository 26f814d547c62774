#include "calc/deadlines/deadlines.h"

#include <QRegularExpression>
#include <algorithm>
#include <optional>

#include "case/answers.h"
#include "case/case_data.h"
#include "case/conversions.h"
#include "case/worksheet_columns.h"
#include "forms/page000.h"
#include "forms/page028.h"
#include "forms/page038.h"
#include "forms/page039.h"
#include "forms/page060.h"
#include "forms/page061.h"
#include "forms/page068.h"
#include "forms/page092.h"

namespace wm4 {

namespace {

// A date answer in short or long form ("3/4/2021", "March 4, 2021"); no
// report when it is empty or unreadable: the deadline then waits for it.
std::optional<QDate> dateAnswer(const TAnswer& a, int page, int slot) {
    const QString text = a.answer(page, 0, slot).trimmed();
    if (text.isEmpty()) return std::nullopt;
    return ParseShortDate(ShortDateText(text));
}

bool ticked(const TAnswer& a, int page, int slot) {
    return a.answer(page, 0, slot) == QLatin1String("X");
}

struct DateSlot {
    int page, slot;
};
// The first of the slots that holds a date.
std::optional<QDate> firstDate(const TAnswer& a, std::initializer_list<DateSlot> slots) {
    for (const DateSlot& s : slots)
        if (auto d = dateAnswer(a, s.page, s.slot)) return d;
    return std::nullopt;
}

// Where each event's date stands: the Form Tracker first (the office notes
// what the court did), then the forms that carry the date themselves.
std::optional<QDate> eventDate(const TAnswer& a, DeadlineEvent event) {
    switch (event) {
        case DeadlineEvent::Death:
            return dateAnswer(a, page0::Page, page0::DeathDate);
        case DeadlineEvent::Appointment:
            return firstDate(a, {{tracker::FrontPage, tracker::LettersIssuedDate},
                                 {page60::Page, page60::DateTheFiduciaryWasAppointed},
                                 {page92::Page, page92::DateTheFiduciaryWasAppointed}});
        case DeadlineEvent::InventoryFiled:
            return firstDate(a, {{tracker::FrontPage, tracker::InventoryFiledDate},
                                 {page28::Page, page28::DateTheInventoryIsSigned}});
        case DeadlineEvent::AccountFiled:
            return firstDate(a, {{tracker::FrontPage, tracker::AccountFiledDate},
                                 {page68::Page, page68::DateTheAccountWasFiled},
                                 {page61::Page, page61::DateTheAccountIsSigned}});
        case DeadlineEvent::ClaimRejected:
            return std::nullopt;  // one a claim, below
    }
    return std::nullopt;
}

// The act of a rule is done: the tracker's box or date, or the form that
// does it dated. The spouse exercises the rights of Chapter 2106 by the
// election (8.1, 8.2) or by applying for the allowance for support (7.1).
bool markedDone(const TAnswer& a, const DeadlineRule& rule) {
    const QLatin1String id(rule.id);
    if (id == QLatin1String("inventory"))
        return ticked(a, tracker::FrontPage, tracker::InventoryDone) ||
               eventDate(a, DeadlineEvent::InventoryFiled).has_value();
    if (id == QLatin1String("account"))
        return ticked(a, tracker::FrontPage, page95::AccountDone) ||
               eventDate(a, DeadlineEvent::AccountFiled).has_value();
    if (id == QLatin1String("spouse-rights"))
        return ticked(a, tracker::FrontPage, tracker::SpouseElectionDone) ||
               ticked(a, tracker::FrontPage, page95::FamilyAllowanceDone) ||
               firstDate(a, {{tracker::FrontPage, page95::SpouseElectionDate},
                             {tracker::FrontPage, page95::FamilyAllowanceDate},
                             {page38::Page, page38::DateOfTheElection},
                             {page39::Page, page39::DateOfTheElection}})
                   .has_value();
    return false;
}

// The first account's time extended by a notice (13.10): the date it is
// extended to, when the notice gives one.
struct Extension {
    bool extended = false;
    std::optional<QDate> until;
};
Extension accountExtension(const TAnswer& a) {
    Extension e;
    e.until = dateAnswer(a, page92::Page, page92::AdministrationExtendedUntil);
    e.extended = e.until || dateAnswer(a, page92::Page, page92::DateOfThisNotice) ||
                 ticked(a, tracker::BackPage, page96::ExtensionDone) ||
                 dateAnswer(a, tracker::BackPage, page96::ExtensionDate);
    return e;
}

DeadlineStatus statusOf(const Deadline& d, bool done, const QDate& today) {
    switch (d.rule->kind) {
        case DeadlineKind::NotBefore:
            return DeadlineStatus::Earliest;
        case DeadlineKind::BarDate:
            return d.due < today ? DeadlineStatus::Passed : DeadlineStatus::BarDate;
        case DeadlineKind::DueBy:
            break;
    }
    if (done) return DeadlineStatus::Done;
    if (d.due < today) return DeadlineStatus::Overdue;
    if (today.daysTo(d.due) <= DueSoonDays) return DeadlineStatus::DueSoon;
    return DeadlineStatus::Later;
}

// An expense row names one of the fiduciaries: the fiduciary's own claim.
bool fiduciaryHasClaim(const CaseData& data) {
    const TAnswer& a = data.answers;
    const WorksheetStore& expenses = data.ESchedList;
    for (int slot : {page0::FiduciaryName, page0::CoFiduciaryName}) {
        const QString name = a.answer(page0::Page, 0, slot).trimmed();
        if (name.isEmpty()) continue;
        for (int r = 0; r < expenses.rowCount(); ++r)
            for (int column : {expenseColumn::Description, expenseColumn::NatureOfDebt})
                if (expenses.cell(column, r).contains(name, Qt::CaseInsensitive)) return true;
    }
    return false;
}

// A rejected claim: its first description line, and the date of the
// rejection written in its nature of debt ("Rejected 5/12/2026").
struct RejectedClaim {
    QString name;
    std::optional<QDate> rejected;
};
QList<RejectedClaim> rejectedClaims(const WorksheetStore& expenses) {
    static const QRegularExpression date(
        QStringLiteral(R"(\b\d{1,2}/\d{1,2}/\d{4}\b|\b[A-Z][a-z]+ \d{1,2}, \d{4}\b)"));
    QList<RejectedClaim> claims;
    for (int r = 0; r < expenses.rowCount(); ++r) {
        if (expenses.cell(expenseColumn::ClaimRejected, r) != QLatin1String("X")) continue;
        RejectedClaim c;
        c.name = expenses.cell(expenseColumn::Description, r).section(u'|', 0, 0).trimmed();
        const auto m = date.match(expenses.cell(expenseColumn::NatureOfDebt, r));
        if (m.hasMatch()) c.rejected = ParseShortDate(ShortDateText(m.captured(0)));
        claims << c;
    }
    return claims;
}

}  // namespace

QString Deadline::dateText() const {
    if (!due.isValid()) return QStringLiteral("waiting for: ") + DeadlineEventName(rule->from);
    return FormatShortDate(due);
}

QString Deadline::statusText() const {
    switch (status) {
        case DeadlineStatus::Waiting:
            return QStringLiteral("waiting");
        case DeadlineStatus::Done:
            return QStringLiteral("done");
        case DeadlineStatus::Overdue:
            return QStringLiteral("overdue");
        case DeadlineStatus::DueSoon:
            return QStringLiteral("due within %1 days").arg(DueSoonDays);
        case DeadlineStatus::Later:
            return QStringLiteral("due");
        case DeadlineStatus::Earliest:
            return QStringLiteral("not before");
        case DeadlineStatus::BarDate:
            return QStringLiteral("bar date");
        case DeadlineStatus::Passed:
            return QStringLiteral("passed");
        case DeadlineStatus::NotOwed:
            return QStringLiteral("only if a claim is owed");
        case DeadlineStatus::Extended:
            return QStringLiteral("extended (13.10)");
    }
    return QString();
}

QString Deadline::whatText() const {
    const QString what = QLatin1String(rule->what);
    return subject.isEmpty() ? what : what + QStringLiteral(": ") + subject;
}

QList<Deadline> ComputeDeadlines(const CaseData& data, const QDate& today) {
    const TAnswer& a = data.answers;
    const bool spouseSurvives = !a.answer(page0::Page, 0, page0::SpouseName).trimmed().isEmpty();
    QList<Deadline> list;
    for (const DeadlineRule& rule : DeadlineRules()) {
        if (rule.scope == DeadlineScope::SpouseSurvives && !spouseSurvives) continue;
        if (rule.scope == DeadlineScope::RejectedClaim) {
            for (const RejectedClaim& claim : rejectedClaims(data.ESchedList)) {
                Deadline d;
                d.rule = &rule;
                d.subject = claim.name;
                if (claim.rejected) {
                    d.event = *claim.rejected;
                    d.due = DeadlineDate(rule, *claim.rejected);
                    d.status = statusOf(d, false, today);
                }
                list << d;
            }
            continue;
        }
        Deadline d;
        d.rule = &rule;
        if (const auto event = eventDate(a, rule.from)) {
            d.event = *event;
            d.due = DeadlineDate(rule, *event);
            const bool done = markedDone(a, rule);
            d.status = statusOf(d, done, today);
            if (rule.scope == DeadlineScope::FiduciaryClaim && !done && !fiduciaryHasClaim(data))
                d.status = DeadlineStatus::NotOwed;
            if (QLatin1String(rule.id) == QLatin1String("account") && !done) {
                const Extension e = accountExtension(a);
                if (e.until) {
                    d.due = *e.until;
                    d.status = statusOf(d, false, today);
                } else if (e.extended) {
                    d.status = DeadlineStatus::Extended;
                }
            }
        }
        list << d;
    }
    // By date; the ones still waiting keep table order after them.
    std::stable_sort(list.begin(), list.end(), [](const Deadline& x, const Deadline& y) {
        if (x.due.isValid() != y.due.isValid()) return x.due.isValid();
        return x.due.isValid() && x.due < y.due;
    });
    return list;
}

}  // namespace wm4
