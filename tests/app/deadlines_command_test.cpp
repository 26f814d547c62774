// wendmoor4 deadlines: one line per deadline of a saved case, in date order,
// waiting ones saying what they wait for; --ics writes the same dates as a
// calendar a desktop calendar imports.
#include <gtest/gtest.h>

#include "app/command_test.h"
#include "case/case_data.h"
#include "files/client_file.h"
#include "forms/page000.h"
#include "forms/page095.h"

namespace wm4::test {
namespace {

class DeadlinesCommand : public CommandTest {
protected:
    void SetUp() override {
        CommandTest::SetUp();
        CaseData data;
        data.answers.setAnswer(page0::Page, 0, page0::DecedentName,
                               QStringLiteral("Harold James Whitcombe"));
        data.answers.setAnswer(page0::Page, 0, page0::CaseNumber, QStringLiteral("2026 ES 00417"));
        data.answers.setAnswer(page0::Page, 0, page0::DeathDate, QStringLiteral("1/15/2026"));
        data.answers.setAnswer(page95::Page, 0, page95::LettersIssuedDate,
                               QStringLiteral("2/20/2026"));  // letters issued
        WriteClientFile(data, path("case.wm4"));
    }
};

TEST_F(DeadlinesCommand, PrintsEachDeadlineInDateOrder) {
    const CommandRun r = runCommand({"deadlines", path("case.wm4"), "--today", "5/10/2026"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out,
              QStringLiteral(
                  "5/20/2026\t6.0\tFile the inventory and appraisal\tR.C. 2115.02\tdue within 14 days\n"
                  "5/20/2026\tClaim\tPresent the fiduciary's own claim against the estate to the "
                  "court\tR.C. 2117.02\tonly if a claim is owed\n"
                  "7/15/2026\t24.0\tClaims not presented by this date are barred\tR.C. "
                  "2117.06(B)\tbar date\n"
                  "8/20/2026\t13.0\tFile the first account (unless the time is extended on Form "
                  "13.10)\tR.C. 2109.301(B)\tdue\n"
                  "waiting for: the date the account was filed (Form Tracker, 13.5 or 13.0)\t13.5\t"
                  "Earliest day for the hearing on the account\tR.C. 2109.32(A)\twaiting\n"));
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
}

TEST_F(DeadlinesCommand, WritesACalendarWithOneEventAndReminderPerDatedDeadline) {
    const CommandRun r = runCommand(
        {"deadlines", path("case.wm4"), "--today", "5/10/2026", "--ics", path("case.ics")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QByteArray ics = readAll(path("case.ics"));
    EXPECT_TRUE(ics.startsWith("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"));
    EXPECT_TRUE(ics.endsWith("END:VCALENDAR\r\n"));
    // The inventory, the creditors' bar date and the first account; the
    // fiduciary's claim is owed by nobody here and the hearing has no date.
    EXPECT_EQ(ics.count("BEGIN:VEVENT"), 3) << "no event for what waits or is not owed";
    EXPECT_EQ(ics.count("TRIGGER:-P7D"), 3);
    EXPECT_TRUE(ics.contains("DTSTART;VALUE=DATE:20260715\r\n"));
    EXPECT_TRUE(ics.contains("UID:creditor-claims-2026-ES-00417@wendmoor4\r\n"));
    EXPECT_TRUE(ics.contains("SUMMARY:24.0: Claims not presented by this date are barred (R.C. 211"))
        << "commas and semicolons escaped, long lines folded";
    for (const QByteArray& line : ics.split('\n')) EXPECT_LE(line.size(), 76) << line.constData();
}

TEST_F(DeadlinesCommand, ABadTodayIsRefused) {
    const CommandRun r = runCommand({"deadlines", path("case.wm4"), "--today", "tomorrow"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("--today")) << r.err.toStdString();
}

}  // namespace
}  // namespace wm4::test
