#pragma once
// What went wrong with a file, in words a user can act on: the system's error
// numbers turned into sentences that name the folder or the missing right,
// where the platform's own texts say "Unknown error" or "Permission denied".
#include <QString>

#include "files/file_error.h"

namespace wm4 {

// Why a file could not be opened or read (errno of the failed call).
QString ReadFailureWords(int errnum, const QString& path);

// Why a file could not be written into `folder` (errno of the failed call):
// "the disk is full: no room is left in the folder "/x"".
QString WriteFailureWords(int errnum, const QString& folder);

// The reader ran out of memory at `line` of the file at path (0: before
// reading it).
FileError OutOfMemoryError(const QString& path, qint64 line);

// The whole file at path. Throws FileError naming the file and the reason.
QByteArray ReadWholeFile(const QString& path);

}  // namespace wm4
