// Two running copies on one case. The first (wm4_recovery_driver, a process
// of its own) opens the case and locks it; the second (this test's window)
// is told who has it open and opens it read-only, so that its save cannot
// undo the first one's. A lock left by a copy that was killed is taken over
// without a question; one from another machine is respected. A save over a
// file that another program changed since it was read asks first.

#include "case/worksheet_columns.h"
#include "driver_process.h"
#include "files/backup_generation.h"
#include "files/case_lock.h"
#include "files/client_file.h"
#include "forms/page000.h"
#include "support/file_bytes.h"
#include "window_fixture.h"

namespace wm4::test {
namespace {

class TwoCopies : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        casePath = path("estate.wm4");
        CaseData data;
        data.answers.setAnswer(page0::Page, 0, page0::DecedentName,
                               QStringLiteral("Harold James Whitcombe"));
        WriteClientFile(data, casePath);
        session().setLockCases(true);
    }

    static QStringList answering(const QString& answer, const std::function<void()>& act) {
        return answerMessageBoxes(answer, act);
    }

    // Opens the case in this window through File > Open, answering the lock
    // question (when one comes) with `answer`. Returns the question; empty
    // when none came.
    QString openAnswering(const QString& answer) {
        nextOpen = casePath;
        const QStringList texts = answering(answer, [this] { window->OpenClick(); });
        return texts.value(0);
    }

    QString casePath;
};

TEST_F(TwoCopies, TheSecondCopyIsToldWhoHasTheCaseAndOpensItReadOnly) {
    DriverProcess first;
    ASSERT_TRUE(first.startAndEdit(dir.path(), casePath));
    const std::optional<CaseLockInfo> lock = ReadCaseLock(casePath);
    ASSERT_TRUE(lock);
    EXPECT_EQ(lock->holder.pid, first.pid());

    const QString question = openAnswering(QStringLiteral("Open Read-Only"));
    EXPECT_TRUE(question.contains("estate.wm4 is open in Wendmoor4 by " + DescribeHolder(*lock)))
        << question.toStdString();
    EXPECT_TRUE(question.contains(lock->holder.host));
    EXPECT_TRUE(question.contains(".~lock.estate.wm4#"));
    EXPECT_EQ(window->ClientFileName(), casePath);
    EXPECT_TRUE(session().isReadOnly());
    EXPECT_TRUE(window->windowTitle().endsWith("[read-only]"))
        << window->windowTitle().toStdString();
    EXPECT_EQ(answers().answer(page0::Page, 0, page0::DecedentName), "Harold James Whitcombe");
    EXPECT_EQ(ReadCaseLock(casePath)->holder.pid, first.pid()) << "the first copy keeps its lock";

    // The first copy saves its edits; the second cannot save over them.
    first.tell("save");
    ASSERT_TRUE(first.waitFor("SAVED"));
    const QByteArray firstsSave = readAll(casePath);
    answers().setAnswer(page0::Page, 0, page0::DecedentStreet, QStringLiteral("5 Second Street"));
    session().setModified(true);
    nextSave = casePath;  // Save turns into Save As; the same name is refused
    const QStringList refusal = answering("OK", [this] { window->SaveClick(); });
    EXPECT_EQ(saveDialogs, 1);
    ASSERT_EQ(refusal.size(), 1);
    EXPECT_TRUE(refusal[0].contains("is open read-only here")) << refusal[0].toStdString();
    EXPECT_EQ(readAll(casePath), firstsSave);
    EXPECT_TRUE(window->CaseModified());

    // Save As to another name works, and that file is this copy's to edit.
    const QString copyPath = path("estate second.wm4");
    nextSave = copyPath;
    EXPECT_EQ(answering("OK", [this] { window->SaveClick(); }), QStringList());
    EXPECT_FALSE(window->CaseModified());
    EXPECT_FALSE(session().isReadOnly());
    EXPECT_EQ(ReadCaseLock(copyPath)->holder.pid, QCoreApplication::applicationPid());
    EXPECT_EQ(readAll(casePath), firstsSave);

    // The first copy closes: its lock goes with it.
    ASSERT_TRUE(first.quit());
    EXPECT_FALSE(ReadCaseLock(casePath));
}

TEST_F(TwoCopies, TheLockOfAKilledCopyIsTakenOverWithoutAQuestion) {
    DriverProcess first;
    ASSERT_TRUE(first.startAndEdit(dir.path(), casePath));
    const qint64 firstPid = first.pid();
    ASSERT_TRUE(first.kill());
    ASSERT_EQ(ReadCaseLock(casePath)->holder.pid, firstPid) << "a crash leaves its lock";

    EXPECT_EQ(openAnswering(QStringLiteral("Cancel")), QString());
    EXPECT_EQ(window->ClientFileName(), casePath);
    EXPECT_FALSE(session().isReadOnly());
    EXPECT_EQ(ReadCaseLock(casePath)->holder.pid, QCoreApplication::applicationPid());
    // Closing the case (New) removes the lock.
    window->NewClick();
    EXPECT_FALSE(ReadCaseLock(casePath));
}

TEST_F(TwoCopies, ALockFromAnotherMachineIsRespected) {
    QFile lock(CaseLockPath(casePath));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(
        "Wendmoor4 case lock\nuser=Bea Other\nlogin=bother\nhost=office-9\npid=4242\n"
        "since=2026-12-11T09:15:00-05:00\n");
    lock.close();
    const QString question = openAnswering(QStringLiteral("Cancel"));
    EXPECT_TRUE(question.contains("by Bea Other (bother) on office-9 since"))
        << question.toStdString();
    EXPECT_EQ(window->ClientFileName(), UntitledFileName) << "Cancel opens nothing";
}

TEST_F(TwoCopies, ASaveOverAFileChangedOnDiskAsksFirst) {
    EXPECT_EQ(openAnswering(QStringLiteral("Cancel")), QString());
    ASSERT_EQ(window->ClientFileName(), casePath);

    // Another program writes the case while it is open here.
    CaseData other;
    other.answers.setAnswer(page0::Page, 0, page0::DecedentName,
                            QStringLiteral("Changed Elsewhere"));
    WriteClientFile(other, casePath);
    const QByteArray theirs = readAll(casePath);
    answers().setAnswer(page0::Page, 0, page0::DecedentStreet, QStringLiteral("7 Mine Road"));
    session().setModified(true);

    const QStringList asked = answering("No", [this] { window->SaveClick(); });
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked[0].contains("estate.wm4 was changed on disk after you opened it"))
        << asked[0].toStdString();
    EXPECT_EQ(readAll(casePath), theirs) << "No keeps the file on disk";
    EXPECT_TRUE(window->CaseModified());

    EXPECT_EQ(answering("Yes", [this] { window->SaveClick(); }).size(), 1);
    EXPECT_FALSE(window->CaseModified());
    EXPECT_EQ(readAll(BackupPath(casePath)), theirs) << "the other version is the .bak";
    EXPECT_NE(readAll(casePath), theirs);

    // Its own save is the file opened now: the next save asks nothing.
    answers().setAnswer(page0::Page, 0, page0::DecedentStreet, QStringLiteral("8 Mine Road"));
    session().setModified(true);
    EXPECT_EQ(answering("No", [this] { window->SaveClick(); }), QStringList());
    EXPECT_FALSE(window->CaseModified());
}

}  // namespace
}  // namespace wm4::test
