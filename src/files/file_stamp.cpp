#include "files/file_stamp.h"

#include <sys/stat.h>

#include <QFile>

namespace wm4 {

FileStamp StampOf(const QString& path) {
    struct stat st {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0) return {};
    return {true, qint64(st.st_size),
            qint64(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec, quint64(st.st_ino),
            quint64(st.st_dev)};
}

}  // namespace wm4
