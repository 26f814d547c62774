// The lock beside an open case: written when the case is taken, read by a
// second copy (which is told who holds it), stale when its process ended on
// this machine, held when it comes from another machine or does not read.
#include "files/case_lock.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>

namespace wm4 {
namespace {

void writeLock(const QString& casePath, const QByteArray& bytes) {
    QFile f(CaseLockPath(casePath));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray lockOf(const QString& host, qint64 pid) {
    return "Wendmoor4 case lock\nuser=Bea Other\nlogin=bother\nhost=" + host.toUtf8() +
           "\npid=" + QByteArray::number(pid) + "\nsince=2026-12-11T09:15:00-05:00\n";
}

// The pid of a process that has ended.
qint64 endedPid() {
    QProcess p;
    p.start(QStringLiteral("true"), {});
    p.waitForStarted();
    const qint64 pid = p.processId();
    p.waitForFinished();
    return pid;
}

class CaseLockTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString casePath = dir.filePath(QStringLiteral("Smith estate.wm4"));
};

TEST_F(CaseLockTest, TakingWritesWhoHoldsTheCaseAndClosingRemovesIt) {
    EXPECT_EQ(QFileInfo(CaseLockPath(casePath)).fileName(), ".~lock.Smith estate.wm4#");
    EXPECT_EQ(QFileInfo(CaseLockPath(casePath)).absolutePath(),
              QFileInfo(dir.path()).absoluteFilePath());
    EXPECT_FALSE(ReadCaseLock(casePath));
    {
        std::unique_ptr<CaseLock> lock = CaseLock::take(casePath);
        ASSERT_TRUE(lock);
        const std::optional<CaseLockInfo> read = ReadCaseLock(casePath);
        ASSERT_TRUE(read);
        const RunningCopy me = ThisRunningCopy();
        EXPECT_TRUE(read->readable);
        EXPECT_EQ(read->holder.user, me.user);
        EXPECT_EQ(read->holder.login, me.login);
        EXPECT_EQ(read->holder.host, QSysInfo::machineHostName());
        EXPECT_EQ(read->holder.pid, QCoreApplication::applicationPid());
        EXPECT_LE(qAbs(read->since.secsTo(QDateTime::currentDateTime())), 60);
        EXPECT_FALSE(IsStale(*read));
    }
    EXPECT_FALSE(QFileInfo::exists(CaseLockPath(casePath)));
}

TEST_F(CaseLockTest, AnotherCopysLockIsHeldUnlessItsProcessEndedHere) {
    const qint64 living = QCoreApplication::applicationPid() == 1 ? 2 : 1;  // init runs
    const struct {
        const char* what;
        QByteArray bytes;
        bool held;
        const char* described;
    } cases[] = {
        {"a running copy here", lockOf(QSysInfo::machineHostName(), living), true,
         "Bea Other (bother) on "},
        {"a copy on another machine", lockOf("office-9", endedPid()), true,
         "Bea Other (bother) on office-9 since "},
        {"a lock that does not read", "garbage\x01", true, "an unknown user since "},
        {"a crashed copy here", lockOf(QSysInfo::machineHostName(), endedPid()), false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeLock(casePath, c.bytes);
        std::optional<CaseLockInfo> holder;
        std::unique_ptr<CaseLock> lock = CaseLock::take(casePath, &holder);
        EXPECT_EQ(!lock, c.held);
        if (c.held) {
            ASSERT_TRUE(holder);
            EXPECT_TRUE(DescribeHolder(*holder).startsWith(QString::fromUtf8(c.described)))
                << DescribeHolder(*holder).toStdString();
            // Nothing was taken: the other copy's lock is as it was.
            QFile f(CaseLockPath(casePath));
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            EXPECT_EQ(f.readAll(), c.bytes);
        } else {
            // The stale lock now names this copy.
            EXPECT_EQ(ReadCaseLock(casePath)->holder.pid, QCoreApplication::applicationPid());
        }
        lock.reset();
        QFile::remove(CaseLockPath(casePath));
    }
}

TEST_F(CaseLockTest, ALockTakenOverByAnotherCopyIsNotRemovedAtClose) {
    std::unique_ptr<CaseLock> lock = CaseLock::take(casePath);
    ASSERT_TRUE(lock);
    const QByteArray theirs = lockOf("office-9", 77);
    QFile::remove(CaseLockPath(casePath));
    writeLock(casePath, theirs);
    lock.reset();
    QFile f(CaseLockPath(casePath));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), theirs);
}

TEST_F(CaseLockTest, AFolderThatTakesNoFileGivesNoLockAndNoHolder) {
    std::optional<CaseLockInfo> holder;
    EXPECT_FALSE(CaseLock::take(dir.filePath("missing/estate.wm4"), &holder));
    EXPECT_FALSE(holder);
}

}  // namespace
}  // namespace wm4
