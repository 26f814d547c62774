#include "files/backup_generation.h"

#include <QFile>

#include "files/atomic_save.h"
#include "files/file_error.h"

namespace wm4 {

QString BackupPath(const QString& path) {
    return path + QStringLiteral(".bak");
}

void KeepBackupGeneration(const QString& path) {
    QFile current(path);
    if (!current.exists()) return;
    if (!current.open(QIODevice::ReadOnly))
        throw FileError(path, 0, QStringLiteral("cannot be read: ") + current.errorString());
    SaveFileAtomically(BackupPath(path), current.readAll());
}

}  // namespace wm4
