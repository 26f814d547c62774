// One generation of backup: the file as it was before a save, beside it.
#include "files/backup_generation.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "files/file_error.h"
#include "support/file_bytes.h"

namespace wm4::test {
namespace {

void write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TEST(BackupGeneration, KeepsTheFileAsItWasAndOnlyOneGeneration) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("case.wm4"));
    KeepBackupGeneration(path);  // no file yet: nothing to keep
    EXPECT_FALSE(QFile::exists(BackupPath(path)));
    write(path, "first");
    KeepBackupGeneration(path);
    EXPECT_EQ(BackupPath(path), dir.filePath(QStringLiteral("case.wm4.bak")));
    EXPECT_EQ(readAll(BackupPath(path), "(missing)"), "first");
    write(path, "second");
    KeepBackupGeneration(path);
    EXPECT_EQ(readAll(BackupPath(path), "(missing)"), "second");
    EXPECT_EQ(readAll(path, "(missing)"), "second");
}

TEST(BackupGeneration, ABackupThatCannotBeWrittenIsAFileError) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("case.wm4"));
    write(path, "case");
    ASSERT_TRUE(QDir().mkdir(BackupPath(path)));  // a folder stands where the .bak goes
    EXPECT_THROW(KeepBackupGeneration(path), FileError);
    EXPECT_EQ(readAll(path, "(missing)"), "case");
}

}  // namespace
}  // namespace wm4::test
