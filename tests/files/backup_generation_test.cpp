// One generation of backup: the file as it was before a save, beside it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "files/backup_generation.h"
#include "files/file_error.h"

namespace wm4::test {
namespace {

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

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
    EXPECT_EQ(bytesOf(BackupPath(path)), "first");
    write(path, "second");
    KeepBackupGeneration(path);
    EXPECT_EQ(bytesOf(BackupPath(path)), "second");
    EXPECT_EQ(bytesOf(path), "second");
}

TEST(BackupGeneration, ABackupThatCannotBeWrittenIsAFileError) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("case.wm4"));
    write(path, "case");
    ASSERT_TRUE(QDir().mkdir(BackupPath(path)));  // a folder stands where the .bak goes
    EXPECT_THROW(KeepBackupGeneration(path), FileError);
    EXPECT_EQ(bytesOf(path), "case");
}

}  // namespace
}  // namespace wm4::test
