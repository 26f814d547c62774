#include "files/atomic_save.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSysInfo>
#include <cerrno>
#include <csignal>

#include "files/fault_words.h"
#include "files/file_error.h"

namespace wm4 {

namespace {

SaveSystemCalls& calls() {
    static SaveSystemCalls system{::write, ::fsync, ::close};
    return system;
}

[[noreturn]] void fail(const QString& path, const QString& words) {
    throw FileError(path, 0, QStringLiteral("cannot be written: ") + words);
}

// The file a save replaces: a symbolic link is followed.
QString targetOf(const QString& path) {
    const QFileInfo info(path);
    if (!info.isSymLink()) return info.absoluteFilePath();
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.symLinkTarget() : canonical;
}

QByteArray encoded(const QString& path) {
    return QFile::encodeName(path);
}

// Who writes a temporary file: the process and the machine, so that the
// next save can tell a file left by a killed save from one being written.
QString writerTag() {
    static const QString tag = QString::number(::getpid()) + u'@' +
                               QString(QSysInfo::machineHostName()).replace(u'.', u'_');
    return tag;
}

// A free name beside the target for the temporary file, hidden from the
// folder's listing: ".NAME.PID@HOST.RANDOM.saving".
QByteArray temporaryName(const QString& target) {
    const QFileInfo info(target);
    return encoded(
        info.absolutePath() + QStringLiteral("/.") + info.fileName() + u'.' + writerTag() + u'.' +
        QString::number(QRandomGenerator::global()->generate64(), 36) + QStringLiteral(".saving"));
}

// A save takes seconds at most: a temporary file this old was left behind.
constexpr qint64 StrayAfterSeconds = 3600;

// Whether the temporary file named `middle` ("PID@HOST.RANDOM", or an older
// "RANDOM") was left by a save that no longer runs: its process is gone from
// this machine, or it is older than any save.
bool leftBehind(const QString& middle, const QFileInfo& file) {
    const qsizetype at = middle.indexOf(u'@');
    const qsizetype dot = middle.lastIndexOf(u'.');
    if (at > 0 && dot > at) {
        bool ok = false;
        const qint64 pid = middle.left(at).toLongLong(&ok);
        const QString host = middle.mid(at + 1, dot - at - 1);
        const QString ownHost = writerTag().mid(writerTag().indexOf(u'@') + 1);
        if (ok && pid > 0 && host == ownHost)
            return pid != ::getpid() && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
    }
    return file.lastModified().secsTo(QDateTime::currentDateTime()) > StrayAfterSeconds;
}

// Removes the temporary files of earlier saves of the target that were
// killed between naming the new file and putting it in place.
void removeStrayTemporaries(const QString& target) {
    const QFileInfo info(target);
    const QString prefix = u'.' + info.fileName() + u'.';
    const QString suffix = QStringLiteral(".saving");
    const QDir folder = info.absoluteDir();
    for (const QFileInfo& file :
         folder.entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks)) {
        const QString name = file.fileName();
        if (!name.startsWith(prefix) || !name.endsWith(suffix) ||
            name.size() <= prefix.size() + suffix.size())
            continue;
        const QString middle = name.mid(prefix.size(), name.size() - prefix.size() - suffix.size());
        if (leftBehind(middle, file)) ::unlink(encoded(file.absoluteFilePath()).constData());
    }
}

// The file being written. Linux gives it no name until it is complete
// (O_TMPFILE), so that a save killed part-way leaves nothing behind;
// elsewhere it has a temporary name that a failure removes.
class TemporaryFile {
public:
    TemporaryFile(const QString& path, const QString& folder, const QString& target)
        : m_path(path), m_folder(folder), m_target(encoded(target)) {
        // The unnamed file is named later through /proc.
        if (::access("/proc/self/fd", X_OK) == 0)
            m_fd = ::open(encoded(folder).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        else
            errno = EOPNOTSUPP;
        if (m_fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
            m_named = true;
            for (int attempt = 0; attempt < 100; ++attempt) {
                m_name = temporaryName(target);
                m_fd = ::open(m_name.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
                if (m_fd >= 0 || errno != EEXIST) break;
            }
        }
        if (m_fd < 0) fail(m_path, WriteFailureWords(errno, m_folder));
    }
    ~TemporaryFile() {
        if (m_fd >= 0) ::close(m_fd);
        if (m_named && !m_name.isEmpty()) ::unlink(m_name.constData());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd() const { return m_fd; }

    void writeAll(const QByteArray& bytes) {
        const char* data = bytes.constData();
        qsizetype left = bytes.size();
        while (left > 0) {
            const ssize_t written = calls().write(m_fd, data, size_t(left));
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0) fail(m_path, WriteFailureWords(written < 0 ? errno : EIO, m_folder));
            data += written;
            left -= written;
        }
    }

    void sync() {
        if (calls().fsync(m_fd) != 0) fail(m_path, WriteFailureWords(errno, m_folder));
    }

    // Gives the complete file the target's name, replacing the old file in
    // one step. The file is closed (and the close checked) before it takes
    // the target's place.
    void replaceTarget() {
        if (!m_named) {
            const QByteArray self = "/proc/self/fd/" + QByteArray::number(m_fd);
            // Without a file of that name the file can take it directly.
            if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, m_target.constData(),
                         AT_SYMLINK_FOLLOW) == 0) {
                if (const int error = closeFile()) {
                    ::unlink(m_target.constData());  // new, and perhaps not whole
                    fail(m_path, WriteFailureWords(error, m_folder));
                }
                return;
            }
            if (errno != EEXIST) fail(m_path, WriteFailureWords(errno, m_folder));
            for (int attempt = 0; attempt < 100; ++attempt) {
                m_name = temporaryName(QFile::decodeName(m_target));
                if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, m_name.constData(),
                             AT_SYMLINK_FOLLOW) == 0)
                    break;
                const int error = errno;
                m_name.clear();
                if (error != EEXIST) fail(m_path, WriteFailureWords(error, m_folder));
            }
            if (m_name.isEmpty()) fail(m_path, WriteFailureWords(EEXIST, m_folder));
            m_named = true;
        }
        if (const int error = closeFile()) fail(m_path, WriteFailureWords(error, m_folder));
        if (::rename(m_name.constData(), m_target.constData()) != 0)
            fail(m_path, WriteFailureWords(errno, m_folder));
        m_name.clear();  // it is the target now
    }

private:
    // Closes the file; the error number when the close failed, else 0.
    int closeFile() {
        const int result = calls().close(m_fd);
        const int error = errno;
        m_fd = -1;
        return result == 0 || error == EINTR ? 0 : error;
    }

    QString m_path;
    QString m_folder;
    QByteArray m_target;
    QByteArray m_name;  // the temporary name, while there is one
    int m_fd = -1;
    bool m_named = false;
};

// Makes the new directory entry durable.
void syncFolder(const QString& path, const QString& folder) {
    const int fd = ::open(encoded(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;  // the entry was made; the folder cannot be opened to sync it
    const int result = calls().fsync(fd);
    const int error = errno;
    ::close(fd);
    // Some file systems cannot sync a folder; they keep their entries anyway.
    if (result != 0 && error != EINVAL && error != EROFS && error != ENOTSUP)
        throw FileError(path, 0,
                        QStringLiteral("was written, but the folder could not be synced to the "
                                       "disk, so a power cut may lose it: ") +
                            WriteFailureWords(error, folder));
}

}  // namespace

SaveSystemCalls& SaveSystemCallsForTests() {
    return calls();
}

void SaveFileAtomically(const QString& path, const QByteArray& bytes) {
    const QString target = targetOf(path);
    const QString folder = QFileInfo(target).absolutePath();
    const QByteArray targetName = encoded(target);
    struct stat old {};
    const bool exists = ::stat(targetName.constData(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) fail(path, QStringLiteral("it is a folder, not a file"));
    // A file the user may not write is not replaced behind his back.
    if (exists && ::access(targetName.constData(), W_OK) != 0)
        fail(path, errno == EROFS ? WriteFailureWords(EROFS, folder)
                                  : QStringLiteral("you have no write permission for the file"));

    removeStrayTemporaries(target);
    TemporaryFile file(path, folder, target);
    // The new file keeps the old one's permissions; a new one gets the
    // user's default ones.
    if (exists) (void)::fchmod(file.fd(), old.st_mode & 07777);
    file.writeAll(bytes);
    file.sync();
    file.replaceTarget();
    syncFolder(path, folder);
}

void CopyFileAtomically(const QString& source, const QString& path) {
    SaveFileAtomically(path, ReadWholeFile(source));
}

}  // namespace wm4
