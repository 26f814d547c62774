#include "calc/deadlines/deadlines.h"

#include <algorithm>
#include <optional>

#include "case/answers.h"
#include "case/conversions.h"
#include "forms/page000.h"
#include "forms/page060.h"

namespace wm4 {

namespace {

constexpr int GeneralInformation = page0::Page;
constexpr int DeathDateSlot = page0::DeathDate;
constexpr int SpouseNameSlot = page0::SpouseName;
constexpr int AccountPage = page60::Page;  // Form 13.0 front
constexpr int AccountAppointmentSlot = page60::DateTheFiduciaryWasAppointed;

// A date answer in short or long form ("3/4/2021", "March 4, 2021"); no
// report when it is empty or unreadable: the deadline then waits for it.
std::optional<QDate> dateAnswer(const TAnswer& a, int page, int slot) {
    const QString text = a.answer(page, 0, slot).trimmed();
    if (text.isEmpty()) return std::nullopt;
    return ParseShortDate(ShortDateText(text));
}

std::optional<QDate> eventDate(const TAnswer& a, DeadlineEvent event) {
    switch (event) {
    case DeadlineEvent::Death: return dateAnswer(a, GeneralInformation, DeathDateSlot);
    case DeadlineEvent::Appointment:
        if (auto d = dateAnswer(a, tracker::FrontPage, tracker::LettersIssuedDate)) return d;
        return dateAnswer(a, AccountPage, AccountAppointmentSlot);
    case DeadlineEvent::InventoryFiled:
        return dateAnswer(a, tracker::FrontPage, tracker::InventoryFiledDate);
    case DeadlineEvent::AccountFiled:
        return dateAnswer(a, tracker::FrontPage, tracker::AccountFiledDate);
    }
    return std::nullopt;
}

bool markedDone(const TAnswer& a, const DeadlineRule& rule) {
    const QString id = QLatin1String(rule.id);
    if (id == QLatin1String("inventory"))
        return a.answer(tracker::FrontPage, 0, tracker::InventoryDone) == QLatin1String("X") ||
               dateAnswer(a, tracker::FrontPage, tracker::InventoryFiledDate).has_value();
    if (id == QLatin1String("spouse-rights"))
        return a.answer(tracker::FrontPage, 0, tracker::SpouseElectionDone) == QLatin1String("X");
    return false;
}

DeadlineStatus statusOf(const Deadline& d, bool done, const QDate& today) {
    if (d.rule->kind == DeadlineKind::NotBefore) return DeadlineStatus::Earliest;
    if (done) return DeadlineStatus::Done;
    if (d.due < today) return DeadlineStatus::Overdue;
    if (today.daysTo(d.due) <= DueSoonDays) return DeadlineStatus::DueSoon;
    return DeadlineStatus::Later;
}

}  // namespace

QString Deadline::dateText() const {
    if (!due.isValid()) return QStringLiteral("waiting for: ") + DeadlineEventName(rule->from);
    return FormatShortDate(due);
}

QString Deadline::statusText() const {
    switch (status) {
    case DeadlineStatus::Waiting: return QStringLiteral("waiting");
    case DeadlineStatus::Done: return QStringLiteral("done");
    case DeadlineStatus::Overdue: return QStringLiteral("overdue");
    case DeadlineStatus::DueSoon:
        return QStringLiteral("due within %1 days").arg(DueSoonDays);
    case DeadlineStatus::Later: return QStringLiteral("due");
    case DeadlineStatus::Earliest: return QStringLiteral("not before");
    }
    return QString();
}

QList<Deadline> ComputeDeadlines(const TAnswer& a, const QDate& today) {
    const bool spouseSurvives = !a.answer(GeneralInformation, 0, SpouseNameSlot).trimmed().isEmpty();
    QList<Deadline> list;
    for (const DeadlineRule& rule : DeadlineRules()) {
        if (rule.needsSpouse && !spouseSurvives) continue;
        Deadline d;
        d.rule = &rule;
        if (const auto event = eventDate(a, rule.from)) {
            d.event = *event;
            d.due = DeadlineDate(rule, *event);
            d.status = statusOf(d, markedDone(a, rule), today);
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
