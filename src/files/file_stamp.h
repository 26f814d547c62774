#pragma once
// What identifies the version of a file on disk: its size, its modification
// time and its inode. A save replaces the file by renaming a new one over it,
// so every save, by this program or another, gives a new stamp.
#include <QString>

namespace wm4 {

struct FileStamp {
    bool exists = false;
    qint64 size = 0;
    qint64 modifiedNs = 0;  // modification time, nanoseconds since the epoch
    quint64 inode = 0;
    quint64 device = 0;

    bool operator==(const FileStamp&) const = default;
};

FileStamp StampOf(const QString& path);

}  // namespace wm4
