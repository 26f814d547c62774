// The statutory deadlines counted from a case's dates: calendar months to the
// same day or the month's last day, days without the event's day, a last day
// the court is closed moved to its next open day; what is still waiting for a
// date says which; the Form Tracker shows the dates and keeps a typed-over one.
#include "calc/deadlines/deadlines.h"

#include <gtest/gtest.h>

#include "calc/calc_case.h"
#include "calc/deadlines/tracker_unit.h"
#include "case/conversions.h"
#include "forms/page000.h"
#include "forms/page028.h"
#include "forms/page038.h"
#include "forms/page060.h"
#include "forms/page061.h"
#include "forms/page068.h"
#include "forms/page092.h"
#include "forms/page095.h"
#include "forms/page096.h"

namespace wm4::test {
namespace {

QDate d(const char* text) { return *ParseShortDate(QString::fromLatin1(text)); }

const DeadlineRule& rule(const char* id) {
    for (const DeadlineRule& r : DeadlineRules())
        if (qstrcmp(r.id, id) == 0) return r;
    throw std::logic_error(id);
}

TEST(Deadlines, DatesCountMonthsAndDaysAndSkipClosedDays) {
    const struct {
        const char* rule;
        const char* event;
        const char* due;
        const char* why;
    } cases[] = {
        {"inventory", "3/4/2026", "6/4/2026", "three months to the same day (a Thursday)"},
        {"inventory", "1/31/2026", "4/30/2026", "April has no 31st: its last day"},
        {"inventory", "11/30/2025", "3/2/2026", "February 28, 2026 is a Saturday: Monday"},
        {"spouse-rights", "1/31/2026", "6/30/2026", "five months, June's last day"},
        {"spouse-rights", "9/30/2023", "2/29/2024", "a leap year's February 29th (Thursday)"},
        {"creditor-claims", "1/15/2026", "7/15/2026", "six months after death (Wednesday)"},
        {"creditor-claims", "1/4/2026", "7/6/2026", "July 4 a Saturday: Monday the 6th"},
        {"creditor-claims", "5/25/2025", "11/25/2025", "Tuesday: no move"},
        {"creditor-claims", "5/27/2026", "11/27/2026", "Friday after Thanksgiving: open"},
        {"creditor-claims", "5/26/2026", "11/27/2026", "Thanksgiving (a holiday): next day"},
        {"fiduciary-claim", "9/25/2026", "12/28/2026", "Christmas Friday, then the weekend"},
        {"creditor-claims", "7/18/2026", "1/19/2027", "Martin Luther King Jr. Day: Tuesday"},
        {"account-hearing", "5/1/2026", "5/31/2026", "not before 30 days; a Sunday stays"},
        {"account", "2/20/2026", "8/20/2026", "six months after the appointment (Thursday)"},
        {"account", "3/31/2026", "9/30/2026", "September has no 31st"},
        {"rejected-claim-suit", "3/10/2026", "5/11/2026", "two months; May 10 a Sunday"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatShortDate(DeadlineDate(rule(c.rule), d(c.event))),
                  QString::fromLatin1(c.due))
            << c.rule << " from " << c.event << ": " << c.why;
}

TEST(Deadlines, HolidaysOfTheYear) {
    const char* holidays[] = {"1/1/2026",  "1/19/2026", "2/16/2026",  "5/25/2026",
                              "6/19/2026", "7/4/2026",  "9/7/2026",   "10/12/2026",
                              "11/11/2026", "11/26/2026", "12/25/2026"};
    for (const char* h : holidays) EXPECT_TRUE(IsOhioLegalHoliday(d(h))) << h;
    for (const char* h : {"1/2/2026", "5/18/2026", "11/27/2026", "12/24/2026"})
        EXPECT_FALSE(IsOhioLegalHoliday(d(h))) << h;
}

class CaseDeadlines : public CalcCaseTest {
protected:
    void tracker(int slot, const char* text) {
        a().setAnswer(tracker::FrontPage, 0, slot, QString::fromLatin1(text));
    }
    QList<Deadline> deadlines(const char* today) { return ComputeDeadlines(data, d(today)); }
    static const Deadline* find(const QList<Deadline>& list, const char* id) {
        for (const Deadline& x : list)
            if (qstrcmp(x.rule->id, id) == 0) return &x;
        return nullptr;
    }
};

TEST_F(CaseDeadlines, WaitingForTheMissingDateRatherThanGuessed) {
    gi(page0::DeathDate, QStringLiteral("January 15, 2026"));  // long form as the forms print it
    const QList<Deadline> list = deadlines("2/1/2026");
    ASSERT_NE(find(list, "creditor-claims"), nullptr);
    EXPECT_EQ(find(list, "creditor-claims")->dateText(), QStringLiteral("7/15/2026"));
    const Deadline* inventory = find(list, "inventory");
    ASSERT_NE(inventory, nullptr);
    EXPECT_EQ(inventory->status, DeadlineStatus::Waiting);
    EXPECT_EQ(inventory->dateText(),
              QStringLiteral("waiting for: the date letters of authority were issued (Form Tracker)"));
    EXPECT_EQ(find(list, "spouse-rights"), nullptr) << "no surviving spouse named";
    EXPECT_EQ(list.first().rule->id, std::string("creditor-claims")) << "dated ones first";
    EXPECT_TRUE(reports.reports().isEmpty()) << "a missing date is no error";
}

TEST_F(CaseDeadlines, StatusFollowsTodayAndTheTrackersMarks) {
    gi(page0::DeathDate, QStringLiteral("1/15/2026"));
    gi(page0::SpouseName, QStringLiteral("Eleanor M. Whitcombe"));
    tracker(tracker::LettersIssuedDate, "2/20/2026");  // inventory due 5/20/2026
    const struct {
        const char* today;
        DeadlineStatus inventory;
    } cases[] = {
        {"5/1/2026", DeadlineStatus::Later},
        {"5/6/2026", DeadlineStatus::DueSoon},
        {"5/20/2026", DeadlineStatus::DueSoon},
        {"5/21/2026", DeadlineStatus::Overdue},
    };
    for (const auto& c : cases)
        EXPECT_EQ(find(deadlines(c.today), "inventory")->status, c.inventory) << c.today;
    EXPECT_EQ(find(deadlines("5/1/2026"), "spouse-rights")->dateText(),
              QStringLiteral("7/20/2026"));

    tracker(tracker::InventoryDone, "X");
    EXPECT_EQ(find(deadlines("6/1/2026"), "inventory")->status, DeadlineStatus::Done);
    tracker(tracker::AccountFiledDate, "8/3/2026");
    // The list is kept: the deadline found points into it.
    const auto december = deadlines("12/1/2026");
    const Deadline* hearing = find(december, "account-hearing");
    EXPECT_EQ(hearing->status, DeadlineStatus::Earliest) << "never overdue";
    EXPECT_EQ(hearing->dateText(), QStringLiteral("9/2/2026"));
}

TEST_F(CaseDeadlines, TheAccountsAppointmentDateServesWhenTheTrackerHasNone) {
    a().setAnswer(page60::Page, 0, page60::DateTheFiduciaryWasAppointed,
                  QStringLiteral("March 4, 2026"));
    EXPECT_EQ(find(deadlines("3/5/2026"), "inventory")->dateText(), QStringLiteral("6/4/2026"));
    tracker(tracker::LettersIssuedDate, "3/2/2026");
    EXPECT_EQ(find(deadlines("3/5/2026"), "inventory")->dateText(), QStringLiteral("6/2/2026"))
        << "the tracker's date of the letters comes first";
}

TEST_F(CaseDeadlines, TheTrackerShowsEachDateAndKeepsATypedOverOne) {
    ctx.today = [] { return QDate(2026, 3, 1); };
    gi(page0::DecedentName, QStringLiteral("Harold James Whitcombe"));
    gi(page0::CaseNumber, QStringLiteral("2026 ES 00417"));
    gi(page0::DeathDate, QStringLiteral("1/15/2026"));
    tracker(tracker::LettersIssuedDate, "2/20/2026");
    Calc95(ctx, 0);
    Calc96(ctx, 0);
    EXPECT_EQ(slot(page95::Page, page95::Estate), QStringLiteral("Harold James Whitcombe"));
    EXPECT_EQ(slot(page95::Page, page95::CaseNumber), QStringLiteral("2026 ES 00417"));
    EXPECT_EQ(slot(page96::Page, page96::Estate), QStringLiteral("Harold James Whitcombe"));
    EXPECT_EQ(slot(95, rule("creditor-claims").trackerSlot), QStringLiteral("7/15/2026"));
    EXPECT_EQ(slot(95, rule("fiduciary-claim").trackerSlot), QStringLiteral("5/20/2026"));
    EXPECT_EQ(slot(96, rule("inventory").trackerSlot), QStringLiteral("5/20/2026"));
    EXPECT_EQ(slot(96, rule("spouse-rights").trackerSlot), QString()) << "no spouse";
    EXPECT_EQ(slot(96, rule("account-hearing").trackerSlot), QStringLiteral("waiting: account filed"));

    overrideSlot(96, 0, rule("inventory").trackerSlot, QStringLiteral("6/30/2026"));
    Calc96(ctx, 0);
    EXPECT_EQ(slot(96, rule("inventory").trackerSlot), QStringLiteral("6/30/2026"))
        << "an extension the court granted stays";
}

// A planted fault each: a bar date shown as overdue, the fiduciary's claim
// overdue in an estate where the fiduciary claims nothing, the spouse's
// rights overdue after the spouse applied for the allowance.
TEST_F(CaseDeadlines, NothingIsOverdueThatIsDoneOrNotOwed) {
    gi(page0::DeathDate, QStringLiteral("1/15/2026"));
    gi(page0::SpouseName, QStringLiteral("Eleanor M. Whitcombe"));
    gi(page0::FiduciaryName, QStringLiteral("Caroline W. Ashby"));
    tracker(tracker::LettersIssuedDate, "2/20/2026");

    EXPECT_EQ(find(deadlines("7/1/2026"), "creditor-claims")->status, DeadlineStatus::BarDate);
    EXPECT_EQ(find(deadlines("12/1/2026"), "creditor-claims")->status, DeadlineStatus::Passed)
        << "a bar date is no task of the office";
    EXPECT_EQ(find(deadlines("12/1/2026"), "creditor-claims")->statusText(),
              QStringLiteral("passed"));

    EXPECT_EQ(find(deadlines("12/1/2026"), "fiduciary-claim")->status, DeadlineStatus::NotOwed)
        << "no expense row is the fiduciary's";
    addExpense(
        {{expenseColumn::Description, QStringLiteral("Funeral costs advanced")},
         {expenseColumn::NatureOfDebt, QStringLiteral("Reimbursement to Caroline W. Ashby")}});
    EXPECT_EQ(find(deadlines("12/1/2026"), "fiduciary-claim")->status, DeadlineStatus::Overdue);

    EXPECT_EQ(find(deadlines("12/1/2026"), "spouse-rights")->status, DeadlineStatus::Overdue);
    const struct {
        int page, slot;
        const char* text;
        const char* how;
    } exercised[] = {
        {tracker::FrontPage, tracker::SpouseElectionDone, "X", "the election box"},
        {tracker::FrontPage, page95::FamilyAllowanceDone, "X", "the allowance applied for"},
        {tracker::FrontPage, page95::FamilyAllowanceDate, "4/2/2026", "the allowance's date"},
        {page38::Page, page38::DateOfTheElection, "April 2, 2026", "8.1 dated"},
    };
    for (const auto& e : exercised) {
        a().setAnswer(e.page, 0, e.slot, QString::fromLatin1(e.text));
        EXPECT_EQ(find(deadlines("12/1/2026"), "spouse-rights")->status, DeadlineStatus::Done)
            << e.how;
        a().setAnswer(e.page, 0, e.slot, QString());
    }
}

TEST_F(CaseDeadlines, TheFirstAccountIsDueSixMonthsAfterTheAppointmentUnlessExtended) {
    tracker(tracker::LettersIssuedDate, "2/20/2026");
    const Deadline* account = nullptr;
    const auto status = [&](const char* today) {
        static QList<Deadline> list;
        list = deadlines(today);
        account = find(list, "account");
        return account->status;
    };
    EXPECT_EQ(status("9/1/2026"), DeadlineStatus::Overdue);
    EXPECT_EQ(account->dateText(), QStringLiteral("8/20/2026"));
    EXPECT_EQ(QLatin1String(account->rule->statute), QLatin1String("R.C. 2109.301(B)"));

    a().setAnswer(page92::Page, 0, page92::DateOfThisNotice, QStringLiteral("8/1/2026"));
    EXPECT_EQ(status("9/1/2026"), DeadlineStatus::Extended) << "13.10 filed, no date given";
    a().setAnswer(page92::Page, 0, page92::AdministrationExtendedUntil,
                  QStringLiteral("December 31, 2026"));
    EXPECT_EQ(status("9/1/2026"), DeadlineStatus::Later);
    EXPECT_EQ(account->dateText(), QStringLiteral("12/31/2026")) << "counted to the extension";

    a().setAnswer(page68::Page, 0, page68::DateTheAccountWasFiled, QStringLiteral("10/5/2026"));
    EXPECT_EQ(status("12/1/2026"), DeadlineStatus::Done) << "13.5 says when it was filed";
}

// The Form Tracker is not the only source: the forms carry their own dates.
TEST_F(CaseDeadlines, TheFormsOwnDatesServeWhenTheTrackerHasNone) {
    tracker(tracker::LettersIssuedDate, "2/20/2026");
    EXPECT_EQ(find(deadlines("6/1/2026"), "inventory")->status, DeadlineStatus::Overdue);
    a().setAnswer(page28::Page, 0, page28::DateTheInventoryIsSigned, QStringLiteral("May 1, 2026"));
    EXPECT_EQ(find(deadlines("6/1/2026"), "inventory")->status, DeadlineStatus::Done);

    a().setAnswer(page61::Page, 0, page61::DateTheAccountIsSigned, QStringLiteral("8/1/2026"));
    EXPECT_EQ(find(deadlines("8/5/2026"), "account-hearing")->dateText(),
              QStringLiteral("8/31/2026"));
    a().setAnswer(page68::Page, 0, page68::DateTheAccountWasFiled, QStringLiteral("8/3/2026"));
    EXPECT_EQ(find(deadlines("8/5/2026"), "account-hearing")->dateText(),
              QStringLiteral("9/2/2026"))
        << "the filing date on 13.5 before the signing date on 13.0";
    tracker(tracker::AccountFiledDate, "8/4/2026");
    EXPECT_EQ(find(deadlines("8/5/2026"), "account-hearing")->dateText(),
              QStringLiteral("9/3/2026"))
        << "the tracker's date first";
}

TEST_F(CaseDeadlines, ARejectedClaimGivesItsClaimantTwoMonthsToSue) {
    addExpense({{expenseColumn::Description, QStringLiteral("Ellery Roofing Co.|Roof repair")},
                {expenseColumn::NatureOfDebt, QStringLiteral("Rejected 3/10/2026")},
                {expenseColumn::ClaimRejected, X}});
    addExpense({{expenseColumn::Description, QStringLiteral("Ashby Funeral Home")}});
    addExpense({{expenseColumn::Description, QStringLiteral("Kent Lumber")},
                {expenseColumn::ClaimRejected, X}});
    const QList<Deadline> april = deadlines("4/1/2026");
    QList<const Deadline*> suits;
    for (const Deadline& x : april)
        if (qstrcmp(x.rule->id, "rejected-claim-suit") == 0) suits << &x;
    ASSERT_EQ(suits.size(), 2) << "one for each rejected claim";
    EXPECT_EQ(suits[0]->dateText(), QStringLiteral("5/11/2026"));
    EXPECT_EQ(suits[0]->status, DeadlineStatus::BarDate);
    EXPECT_TRUE(suits[0]->whatText().endsWith(QStringLiteral(": Ellery Roofing Co.")));
    EXPECT_EQ(QLatin1String(suits[0]->rule->statute), QLatin1String("R.C. 2117.12"));
    EXPECT_EQ(suits[1]->status, DeadlineStatus::Waiting) << "Kent Lumber: no date of rejection";
    EXPECT_EQ(find(deadlines("6/1/2026"), "rejected-claim-suit")->status, DeadlineStatus::Passed);
}

}  // namespace
}  // namespace wm4::test
