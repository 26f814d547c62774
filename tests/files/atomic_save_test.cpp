// Saving: the old file stays whole until the new one is complete and on the
// disk, the folder is synced after the rename, and every failure is named in
// words (a full disk names the folder, a missing right names the right).
#include "files/atomic_save.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>
#include <vector>

#include "files/fault_words.h"
#include "files/file_error.h"
#include "support/file_bytes.h"
#include "support/full_disk.h"

using namespace wm4;
using wm4::test::readAll;

namespace {

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Every name in the folder, hidden ones included.
QStringList namesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

// Puts the real system calls back when a test ends.
class SaveTest : public ::testing::Test {
protected:
    void SetUp() override { saved = SaveSystemCallsForTests(); }
    void TearDown() override { SaveSystemCallsForTests() = saved; }

    QTemporaryDir dir;
    QString path = dir.filePath("estate.wm4");
    SaveSystemCalls saved{};
};

// What the fsync hook saw: a folder or a file, and the target's bytes then.
struct Sync {
    bool folder;
    QByteArray target;
};
std::vector<Sync> syncs;
QString syncTarget;

int recordingFsync(int fd) {
    struct stat info {};
    fstat(fd, &info);
    syncs.push_back({S_ISDIR(info.st_mode), readAll(syncTarget, "(unreadable)")});
    return ::fsync(fd);
}

int writesLeft = 0;
ssize_t writeThenFail(int fd, const void* data, size_t size) {
    if (writesLeft-- > 0) return ::write(fd, data, std::min<size_t>(size, 100));
    errno = ENOSPC;
    return -1;
}

int failingFsync(int) {
    errno = EIO;
    return -1;
}

// A close that reports a write the disk lost (as NFS does), after closing.
int failingClose(int fd) {
    ::close(fd);
    errno = EIO;
    return -1;
}

}  // namespace

TEST_F(SaveTest, TheFileIsSyncedBeforeItReplacesTheOldOneAndTheFolderAfter) {
    writeAll(path, "old case");
    syncs.clear();
    syncTarget = path;
    SaveSystemCallsForTests().fsync = recordingFsync;
    SaveFileAtomically(path, "new case");
    ASSERT_EQ(syncs.size(), 2u);
    EXPECT_FALSE(syncs[0].folder);
    EXPECT_EQ(syncs[0].target, "old case") << "the new file is on the disk before the rename";
    EXPECT_TRUE(syncs[1].folder);
    EXPECT_EQ(syncs[1].target, "new case") << "the folder is synced after the rename";
    EXPECT_EQ(namesIn(dir.path()), QStringList{"estate.wm4"});

    // A new file goes the same way.
    syncs.clear();
    syncTarget = dir.filePath("new.wm4");
    SaveFileAtomically(syncTarget, "first save");
    ASSERT_EQ(syncs.size(), 2u);
    EXPECT_FALSE(syncs[0].folder);
    EXPECT_TRUE(syncs[1].folder);
    EXPECT_EQ(readAll(syncTarget, "(unreadable)"), "first save");
}

TEST_F(SaveTest, AFullDiskIsNamedWithItsFolderAndTheOldFileStays) {
    writeAll(path, "old case");
    const QByteArray big(1000, 'x');
    struct Case {
        const char* what;
        SaveSystemCalls calls;
        int writes;
        QString reason;
    };
    const Case cases[] = {
        {"the disk fills up part-way",
         {writeThenFail, ::fsync, ::close},
         3,
         QStringLiteral("cannot be written: the disk is full: no room is left in the folder "
                        "\"%1\"")
             .arg(dir.path())},
        {"the disk fails when the file is synced",
         {::write, failingFsync, ::close},
         0,
         QStringLiteral("cannot be written: the disk reported an input/output error")},
        {"the disk fails when the file is closed",
         {::write, ::fsync, failingClose},
         0,
         QStringLiteral("cannot be written: the disk reported an input/output error")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SaveSystemCallsForTests() = c.calls;
        writesLeft = c.writes;
        try {
            SaveFileAtomically(path, big);
            ADD_FAILURE() << "the save succeeded";
        } catch (const FileError& e) {
            EXPECT_EQ(e.path(), path);
            EXPECT_EQ(e.reason(), c.reason);
        }
        EXPECT_EQ(readAll(path, "(unreadable)"), "old case");
        EXPECT_EQ(namesIn(dir.path()), QStringList{"estate.wm4"}) << "no temporary file stays";
    }
    // A new file whose close fails is not left behind either.
    SaveSystemCallsForTests() = {::write, ::fsync, failingClose};
    EXPECT_THROW(SaveFileAtomically(dir.filePath("new.wm4"), big), FileError);
    EXPECT_EQ(namesIn(dir.path()), QStringList{"estate.wm4"});
}

// A real full disk: a small tmpfs, where the test may mount one.
TEST_F(SaveTest, ARealFullDiskKeepsTheOldFile) {
    test::SmallDisk disk;
    if (!disk.mounted()) GTEST_SKIP() << disk.refusal().toStdString();
    const QString onDisk = disk.filePath("estate.wm4");
    writeAll(onDisk, "old case");
    disk.fill();
    try {
        SaveFileAtomically(onDisk, QByteArray(20000, 'x'));
        ADD_FAILURE() << "saved on a full disk";
    } catch (const FileError& e) {
        EXPECT_EQ(e.reason(),
                  QStringLiteral("cannot be written: the disk is full: no room is left in the "
                                 "folder \"%1\"")
                      .arg(disk.path()));
    }
    EXPECT_EQ(readAll(onDisk, "(unreadable)"), "old case");
    EXPECT_EQ(namesIn(disk.path()), (QStringList{"estate.wm4", "filler"}));
    disk.empty();
    SaveFileAtomically(onDisk, "new case");
    EXPECT_EQ(readAll(onDisk, "(unreadable)"), "new case");
}

// A save killed between naming its file and the rename leaves it behind;
// the next save removes what no running save can still own.
TEST_F(SaveTest, TheNextSaveRemovesTheFilesOfKilledSaves) {
    writeAll(path, "old case");
    const QString host = QSysInfo::machineHostName().replace('.', '_');
    // No process has a number this high (the kernel's limit is lower).
    const QString killed = dir.filePath(".estate.wm4.99999999@" + host + ".k1.saving");
    const QString oldStyle = dir.filePath(".estate.wm4.k2.saving");
    const QString live =
        dir.filePath(QStringLiteral(".estate.wm4.%1@%2.k3.saving").arg(::getppid()).arg(host));
    const QString otherMachine = dir.filePath(".estate.wm4.42@elsewhere.k4.saving");
    const QString otherCase = dir.filePath(".other.wm4.99999999@" + host + ".k5.saving");
    for (const QString& file : {killed, oldStyle, live, otherMachine, otherCase})
        writeAll(file, "a whole case");
    // An old-style name tells no process: only its age says it was left.
    QFile aged(oldStyle);
    ASSERT_TRUE(aged.open(QIODevice::ReadWrite));
    ASSERT_TRUE(aged.setFileTime(QDateTime::currentDateTime().addSecs(-7200),
                                 QFileDevice::FileModificationTime));
    aged.close();

    SaveFileAtomically(path, "new case");
    QStringList expected{"estate.wm4", QFileInfo(live).fileName(),
                         QFileInfo(otherMachine).fileName(), QFileInfo(otherCase).fileName()};
    std::sort(expected.begin(), expected.end());
    QStringList names = namesIn(dir.path());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, expected);
}

TEST_F(SaveTest, ACopyIsSavedTheSameWay) {
    writeAll(path, "old case");
    const QString source = dir.filePath("converted.pdf");
    writeAll(source, "%PDF new");
    writesLeft = 0;
    SaveSystemCallsForTests().write = writeThenFail;
    EXPECT_THROW(CopyFileAtomically(source, path), FileError);
    EXPECT_EQ(readAll(path, "(unreadable)"), "old case");
    SaveSystemCallsForTests() = saved;
    CopyFileAtomically(source, path);
    EXPECT_EQ(readAll(path, "(unreadable)"), "%PDF new");
    EXPECT_THROW(CopyFileAtomically(dir.filePath("missing.pdf"), path), FileError);
}

TEST_F(SaveTest, LinksAndPermissionsAreKept) {
    writeAll(path, "old case");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    const QString link = dir.filePath("link.wm4");
    ASSERT_TRUE(QFile::link(path, link));
    SaveFileAtomically(link, "saved through the link");
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readAll(path, "(unreadable)"), "saved through the link");
    struct stat info {};
    ASSERT_EQ(stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    // A folder is not a file to save over.
    QDir(dir.path()).mkdir("folder.wm4");
    try {
        SaveFileAtomically(dir.filePath("folder.wm4"), "x");
        ADD_FAILURE() << "saved over a folder";
    } catch (const FileError& e) {
        EXPECT_EQ(e.reason(), "cannot be written: it is a folder, not a file");
    }
}

TEST_F(SaveTest, MissingRightsAreNamed) {
    if (geteuid() == 0) GTEST_SKIP() << "root has every right";
    writeAll(path, "old case");
    QFile::setPermissions(path, QFile::ReadOwner);
    try {
        SaveFileAtomically(path, "new");
        ADD_FAILURE() << "saved over a read-only file";
    } catch (const FileError& e) {
        EXPECT_EQ(e.reason(), "cannot be written: you have no write permission for the file");
    }
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    try {
        SaveFileAtomically(path, "new");
        ADD_FAILURE() << "saved into a read-only folder";
    } catch (const FileError& e) {
        EXPECT_EQ(e.reason(),
                  QStringLiteral("cannot be written: you have no write permission for the folder "
                                 "\"%1\"")
                      .arg(dir.path()));
    }
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(readAll(path, "(unreadable)"), "old case");
    QFile::setPermissions(path, QFile::WriteOwner);
    try {
        ReadWholeFile(path);
        ADD_FAILURE() << "read a file without read permission";
    } catch (const FileError& e) {
        EXPECT_EQ(e.reason(), "cannot be opened: you have no read permission for the file");
    }
}

// The words for the system's error numbers, as root cannot provoke most of
// them on a test machine.
TEST(FaultWords, SystemErrorsInWords) {
    const QString folder = QStringLiteral("/cases/doe");
    const std::pair<int, const char*> writes[] = {
        {ENOSPC, "the disk is full: no room is left in the folder \"/cases/doe\""},
        {EDQUOT, "the disk quota is used up: no room is left for you in the folder \"/cases/doe\""},
        {EACCES, "you have no write permission for the folder \"/cases/doe\""},
        {EROFS, "the folder \"/cases/doe\" is on a disk that is read-only"},
        {ENOENT, "the folder \"/cases/doe\" does not exist"},
        {EFBIG, "the file is larger than the disk or this process may write"},
    };
    for (const auto& [errnum, words] : writes)
        EXPECT_EQ(WriteFailureWords(errnum, folder), QString::fromUtf8(words)) << errnum;
    EXPECT_EQ(ReadFailureWords(ENOENT, "/cases/doe/x.wm4"), "the file does not exist");
    EXPECT_EQ(ReadFailureWords(EISDIR, "/cases/doe"), "it is a folder, not a file");
    EXPECT_EQ(ReadFailureWords(EACCES, "/nonexistent/x.wm4"),
              "you have no permission to open the folder \"/nonexistent\"");
    try {
        ReadWholeFile("/nonexistent/folder/x.wm4");
        ADD_FAILURE() << "read a missing file";
    } catch (const FileError& e) {
        EXPECT_EQ(e.text(), "\"/nonexistent/folder/x.wm4\": cannot be opened: the file does not exist");
    }
}
