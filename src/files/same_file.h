#pragma once
// Whether two paths name one file: the same file on the same disk, however
// it is reached (a symbolic link, a hard link, "..", another spelling).
#include <QString>

namespace wm4 {

// False when either path names no existing file.
bool IsSameFile(const QString& a, const QString& b);

}  // namespace wm4
