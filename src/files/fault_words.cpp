#include "files/fault_words.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

namespace wm4 {

namespace {

QString quoted(const QString& path) {
    return QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(path));
}

QString systemText(int errnum) {
    return QString::fromLocal8Bit(std::strerror(errnum));
}

bool folderSearchable(const QString& folder) {
    return ::access(QFile::encodeName(folder).constData(), X_OK) == 0;
}

}  // namespace

QString ReadFailureWords(int errnum, const QString& path) {
    const QString folder = QFileInfo(path).absolutePath();
    switch (errnum) {
        case ENOENT:
            return QStringLiteral("the file does not exist");
        case EACCES:
        case EPERM:
            if (!folderSearchable(folder))
                return QStringLiteral("you have no permission to open the folder %1")
                    .arg(quoted(folder));
            return QStringLiteral("you have no read permission for the file");
        case EISDIR:
            return QStringLiteral("it is a folder, not a file");
        case ENOMEM:
            return QStringLiteral("there is not enough memory to read it");
        case EIO:
            return QStringLiteral("the disk reported an input/output error");
        default:
            return systemText(errnum);
    }
}

QString WriteFailureWords(int errnum, const QString& folder) {
    switch (errnum) {
        case ENOSPC:
            return QStringLiteral("the disk is full: no room is left in the folder %1")
                .arg(quoted(folder));
        case EDQUOT:
            return QStringLiteral("the disk quota is used up: no room is left for you in the "
                                  "folder %1")
                .arg(quoted(folder));
        case EACCES:
        case EPERM:
            return QStringLiteral("you have no write permission for the folder %1")
                .arg(quoted(folder));
        case EROFS:
            return QStringLiteral("the folder %1 is on a disk that is read-only")
                .arg(quoted(folder));
        case ENOENT:
        case ENOTDIR:
            return QStringLiteral("the folder %1 does not exist").arg(quoted(folder));
        case EFBIG:
            return QStringLiteral("the file is larger than the disk or this process may write");
        case EIO:
            return QStringLiteral("the disk reported an input/output error");
        default:
            return systemText(errnum);
    }
}

FileError OutOfMemoryError(const QString& path, qint64 line) {
    return FileError(path, line, QStringLiteral("there is not enough memory to read the file"));
}

QByteArray ReadWholeFile(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw FileError(path, 0,
                        QStringLiteral("cannot be opened: ") + ReadFailureWords(errno, path));
    struct FdCloser {
        int fd;
        ~FdCloser() { ::close(fd); }
    } closer{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        throw FileError(path, 0,
                        QStringLiteral("cannot be read: ") + ReadFailureWords(errno, path));
    if (S_ISDIR(info.st_mode))
        throw FileError(path, 0,
                        QStringLiteral("cannot be opened: ") + ReadFailureWords(EISDIR, path));
    QByteArray bytes;
    try {
        // The size is a hint: a file that grows or shrinks meanwhile is read as
        // it stands.
        if (S_ISREG(info.st_mode) && info.st_size > 0) bytes.reserve(qsizetype(info.st_size));
        char buffer[65536];
        for (;;) {
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got == 0) break;
            if (got < 0) {
                if (errno == EINTR) continue;
                throw FileError(path, 0,
                                QStringLiteral("cannot be read: ") + ReadFailureWords(errno, path));
            }
            bytes.append(buffer, qsizetype(got));
        }
    } catch (const std::bad_alloc&) {
        throw OutOfMemoryError(path, 0);
    }
    return bytes;
}

}  // namespace wm4
