// Dates out of order: the decedent born after the death, a filing or hearing
// dated before the death, an application and its notice naming different
// hearing dates, a person the kin worksheet calls a minor who was 18 or
// older at the death (or an adult under 18), and 7.0's age box against the
// age at death 7.0(A) prints.
#include <QRegularExpression>

#include "calc/casecheck/check_support.h"
#include "calc/casecheck/rules.h"
#include "calc/units/blocks.h"
#include "case/worksheet_columns.h"
#include "forms/page004.h"
#include "forms/page007.h"
#include "forms/page016.h"
#include "forms/page017.h"
#include "forms/page023.h"
#include "forms/page024.h"
#include "forms/page028.h"
#include "forms/page033.h"
#include "forms/page045.h"
#include "forms/page047.h"
#include "forms/page050.h"
#include "forms/page060.h"
#include "forms/page061.h"
#include "forms/page068.h"
#include "forms/page079.h"
#include "forms/page153.h"

namespace wm4::casecheck {

namespace giSlot = units::gi;

void birthBeforeDeath(const CaseRule& rule, const CaseData& data, CaseFindings& out) {
    const auto born = dateOf(gi(data, giSlot::DecedentBirthDate));
    const auto died = dateOf(gi(data, giSlot::DeathDate));
    if (!born || !died || *born <= *died) return;
    add(out, rule,
        QStringLiteral("The decedent's date of birth (%1) is after the date of death (%2).")
            .arg(gi(data, giSlot::DecedentBirthDate).trimmed(), gi(data, giSlot::DeathDate).trimmed()),
        ReportPlace::pageCopy(GeneralInformation, 0));
}

namespace {

// The filing, signing and hearing dates an office types on the forms; none
// can come before the death.
struct DatedSlot {
    int page;
    int slot;
    const char* what;
};
constexpr DatedSlot kAfterDeath[] = {
    {page4::Page, page4::DateOfTheHearing,
     "the hearing on the application to probate the will (2.0)"},
    {page7::Page, page7::DateWillPresented, "the date the will was presented (2.3)"},
    {page16::Page, page16::DateOfTheHearing, "the hearing on the appointment (4.4)"},
    {page17::Page, page17::DateOfTheHearing,
     "the hearing of the entry appointing the fiduciary (4.5)"},
    {page28::Page, page28::DateTheInventoryIsSigned, "the date the inventory is signed (6.0)"},
    {page33::Page, page33::DateOfTheHearing, "the hearing on the inventory (6.3)"},
    {page50::Page, page50::DateOfTheHearing, "the hearing on the distribution in kind (10.2)"},
    {page60::Page, page60::AccountPeriodFrom, "the start of the account period (13.0)"},
    {page61::Page, page61::DateTheAccountIsSigned, "the date the account is signed (13.0)"},
    {page61::Page, page61::DateOfTheHearingOnTheAccount, "the hearing on the account (13.0)"},
    {page153::Page, page153::DateOfTheHearing, "the hearing on the schedule of claims (24.2)"},
};

}  // namespace

void filingsAfterDeath(const CaseRule& rule, const CaseData& data, CaseFindings& out) {
    const auto died = dateOf(gi(data, giSlot::DeathDate));
    if (!died) return;
    for (const DatedSlot& dated : kAfterDeath) {
        const QString& text = data.answers.answer(dated.page, 0, dated.slot);
        const auto date = dateOf(text);
        if (!date || *date >= *died) continue;
        add(out, rule,
            QStringLiteral("The date of death (%1) is after %2 (%3).")
                .arg(gi(data, giSlot::DeathDate).trimmed(), QString::fromLatin1(dated.what),
                     text.trimmed()),
            ReportPlace::pageCopy(dated.page, 0));
    }
}

namespace {

// An application and its notice (or publication) each carry the hearing's
// date as their own field; the notice's other copies take it from the first.
struct HearingPair {
    DatedSlot application;
    DatedSlot notice;
};
constexpr HearingPair kHearings[] = {
    {{page23::Page, page23::DateOfTheHearing, "the notice of the application to relieve (5.3)"},
     {page24::Page, page24::DateOfTheHearing, "its publication (5.4)"}},
    {{page47::Page, page47::DateOfTheHearing, "the application to distribute in kind (10.0)"},
     {page50::Page, page50::DateOfTheHearing, "its notice of hearing (10.2)"}},
    {{page61::Page, page61::DateOfTheHearingOnTheAccount, "the account (13.0)"},
     {page68::Page, page68::DateOfTheHearing, "its notice of hearing (13.5)"}},
};

}  // namespace

void hearingDatesAgree(const CaseRule& rule, const CaseData& data, CaseFindings& out) {
    for (const HearingPair& pair : kHearings) {
        const QString& first = data.answers.answer(pair.application.page, 0, pair.application.slot);
        const QString& second = data.answers.answer(pair.notice.page, 0, pair.notice.slot);
        const auto a = dateOf(first);
        const auto b = dateOf(second);
        if (!a || !b || *a == *b) continue;
        add(out, rule,
            QStringLiteral("The hearing on %1 is dated %2, on %3 %4.")
                .arg(QString::fromLatin1(pair.application.what), first.trimmed(),
                     QString::fromLatin1(pair.notice.what), second.trimmed()),
            ReportPlace::pageCopy(pair.notice.page, 0));
    }
}

// The kin worksheet has no minor flag: the relationship says "minor" or
// "adult" as the office types it ("Son, a minor"), and the birth date decides
// (under 18 on the date of death, as Form 1.0 counts).
void minorsByAge(const CaseRule& rule, const CaseData& data, CaseFindings& out) {
    const auto died = dateOf(gi(data, giSlot::DeathDate));
    if (!died) return;
    const WorksheetStore& kin = data.KSchedList;
    for (int r = 0; r < kin.rowCount(); ++r) {
        const QString relationship = kin.cell(kinColumn::Relationship, r);
        const bool saysMinor = relationship.contains(QStringLiteral("minor"), Qt::CaseInsensitive);
        const bool saysAdult = relationship.contains(QStringLiteral("adult"), Qt::CaseInsensitive);
        if (!saysMinor && !saysAdult) continue;
        const auto born = dateOf(kin.cell(kinColumn::BirthDate, r));
        if (!born) continue;
        const bool minor = born->addYears(18) > *died;
        if (minor == saysMinor) continue;
        const QString name = kin.cell(kinColumn::Name, r).trimmed();
        add(out, rule,
            minor ? QStringLiteral("%1 is called an adult (\"%2\") but was under 18 at the "
                                   "death (born %3).")
                        .arg(name, relationship.trimmed(), kin.cell(kinColumn::BirthDate, r))
                  : QStringLiteral("%1 is called a minor (\"%2\") but was 18 or older at the "
                                   "death (born %3).")
                        .arg(name, relationship.trimmed(), kin.cell(kinColumn::BirthDate, r)),
            ReportPlace::worksheetRow(KinSheet, r));
    }
}

// 7.0's age box is the user's; 7.0(A) prints the age from the dates of
// birth and death. Only a 7.0 in use is compared: one with its box ticked or
// a date typed on it.
void estateRecoveryAge(const CaseRule& rule, const CaseData& data, CaseFindings& out) {
    const TAnswer& a = data.answers;
    const bool ticked =
        a.answer(page45::Page, 0, page45::TheDecedentWas55YearsOfAgeOrOlderAtDeath) == u"X";
    const bool inUse =
        ticked ||
        !a.answer(page45::Page, 0, page45::DateTheFiduciaryWasAppointed).trimmed().isEmpty() ||
        !a.answer(page45::Page, 0, page45::DateTheNoticeIsSent).trimmed().isEmpty();
    if (!inUse) return;
    // "84 years"
    const QString printed = a.answer(page79::Page, 0, page79::AgeAtDeath).trimmed();
    static const QRegularExpression leadingYears(QStringLiteral("^(\\d+)"));
    const QRegularExpressionMatch years = leadingYears.match(printed);
    if (!years.hasMatch()) return;
    constexpr int RecoveryAge = 55;
    if ((years.captured(1).toInt() >= RecoveryAge) == ticked) return;
    add(out, rule,
        (ticked ? QStringLiteral("7.0 says the decedent was 55 years of age or older at death, but "
                                 "7.0(A) gives the age at death as %1.")
                : QStringLiteral("7.0 does not say the decedent was 55 years of age or older at "
                                 "death, but 7.0(A) gives the age at death as %1."))
            .arg(printed),
        ReportPlace::pageCopy(page45::Page, 0));
}

}  // namespace wm4::casecheck
