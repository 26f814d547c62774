#include "files/same_file.h"

#include <sys/stat.h>

#include <QFile>

namespace wm4 {

bool IsSameFile(const QString& a, const QString& b) {
    struct stat first {};
    struct stat second {};
    // stat follows links: a link to the file is the file.
    if (::stat(QFile::encodeName(a).constData(), &first) != 0 ||
        ::stat(QFile::encodeName(b).constData(), &second) != 0)
        return false;
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

}  // namespace wm4
