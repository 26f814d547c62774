// The report target belongs to the session that holds the open case: a store
// created beside it (a command's second case, a test's saved copy) never
// takes the error flag over, and a read flags the fresh store only while it
// reads.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "case/case_data.h"
#include "files/client_file.h"
#include "files/settings.h"
#include "messages/report.h"
#include "session/case_session.h"
#include "support/report_recorder.h"

namespace wm4 {
namespace {

TEST(ReportTarget, TheSessionsCaseIsFlaggedNotAStoreCreatedLater) {
    test::ReportRecorder recorder;
    QTemporaryDir dir;
    CaseSession session(DefaultSettings(dir.path()));
    CaseData other;  // created after the session, alive beside it
    ReportError(30500);
    EXPECT_TRUE(session.answers().ErrFlag);
    EXPECT_FALSE(other.answers.ErrFlag);
}

TEST(ReportTarget, FollowsTheCaseTheSessionTakesOverAndStaysAfterAFailedRead) {
    test::ReportRecorder recorder;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("case.wm4"));
    {
        CaseData saved;
        WriteClientFile(saved, path);
    }
    CaseSession session(DefaultSettings(dir.path()));
    ASSERT_TRUE(session.openCase(path));
    ReportError(30500);
    EXPECT_TRUE(session.answers().ErrFlag);  // the case read, not the one before

    const TAnswer* held = &session.answers();
    session.answers().ErrFlag = false;
    EXPECT_FALSE(session.openCase(dir.filePath(QStringLiteral("missing.wm4"))));
    ASSERT_EQ(&session.answers(), held);
    ReportError(30500);
    EXPECT_TRUE(session.answers().ErrFlag);
}

TEST(ReportTarget, AGoneSessionLeavesNoTarget) {
    QTemporaryDir dir;
    bool* before = errFlagTarget();
    {
        CaseSession session(DefaultSettings(dir.path()));
        EXPECT_EQ(errFlagTarget(), &session.answers().ErrFlag);
    }
    EXPECT_EQ(errFlagTarget(), nullptr);
    setErrFlagTarget(before);
}

}  // namespace
}  // namespace wm4
