#pragma once
// One generation of backup: before a save replaces a case file, the file as
// it was is kept beside it as NAME.wm4.bak (replacing the previous .bak).
#include <QString>

namespace wm4 {

// NAME.wm4 -> NAME.wm4.bak.
QString BackupPath(const QString& path);

// Copies path to BackupPath(path) when path exists, atomically, so a .bak is
// always a whole earlier file. Throws FileError naming the .bak when it cannot
// be written; does nothing when there is no file yet.
void KeepBackupGeneration(const QString& path);

}  // namespace wm4
