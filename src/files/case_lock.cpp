#include "files/case_lock.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace wm4 {

namespace {

const QByteArray FirstLine = QByteArrayLiteral("Wendmoor4 case lock");

QByteArray lockBytes(const RunningCopy& me, const QDateTime& since) {
    QByteArray out = FirstLine + '\n';
    const std::pair<const char*, QString> fields[] = {
        {"user", me.user},
        {"login", me.login},
        {"host", me.host},
        {"pid", QString::number(me.pid)},
        {"since", since.toOffsetFromUtc(since.offsetFromUtc()).toString(Qt::ISODate)},
    };
    for (const auto& [key, value] : fields) {
        // A value never holds a line break of its own.
        QString v = value;
        v.replace(u'\n', u' ').replace(u'\r', u' ');
        out += QByteArray(key) + '=' + v.toUtf8() + '\n';
    }
    return out;
}

std::optional<CaseLockInfo> parse(const QByteArray& bytes) {
    const QList<QByteArray> lines = bytes.split('\n');
    if (lines.isEmpty() || lines.front().trimmed() != FirstLine) return std::nullopt;
    CaseLockInfo info;
    for (const QByteArray& line : lines.mid(1)) {
        const qsizetype eq = line.indexOf('=');
        if (eq < 0) continue;
        const QByteArray key = line.left(eq);
        const QString value = QString::fromUtf8(line.mid(eq + 1)).trimmed();
        if (key == "user")
            info.holder.user = value;
        else if (key == "login")
            info.holder.login = value;
        else if (key == "host")
            info.holder.host = value;
        else if (key == "pid")
            info.holder.pid = value.toLongLong();
        else if (key == "since")
            info.since = QDateTime::fromString(value, Qt::ISODate);
    }
    if (info.holder.host.isEmpty()) return std::nullopt;
    return info;
}

// Creates the lock file only when there is none: open with O_EXCL.
bool createLock(const QString& lockPath, const QByteArray& bytes) {
    QFile file(lockPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return false;
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    file.close();
    if (!written || file.error() != QFileDevice::NoError) {
        QFile::remove(lockPath);
        return false;
    }
    return true;
}

}  // namespace

QString CaseLockPath(const QString& casePath) {
    const QFileInfo info(casePath);
    return info.absolutePath() + QStringLiteral("/.~lock.") + info.fileName() + u'#';
}

std::optional<CaseLockInfo> ReadCaseLock(const QString& casePath) {
    QFile file(CaseLockPath(casePath));
    if (!file.exists()) return std::nullopt;
    if (file.open(QIODevice::ReadOnly))
        if (std::optional<CaseLockInfo> info = parse(file.read(4096))) return info;
    // A lock of another program, or one cut short: someone may hold the case.
    CaseLockInfo unknown;
    unknown.readable = false;
    unknown.since = QFileInfo(file).lastModified();
    return unknown;
}

bool IsStale(const CaseLockInfo& lock) {
    return lock.readable && !StillRunning(lock.holder.host, lock.holder.pid);
}

QString DescribeHolder(const CaseLockInfo& lock) {
    const QString since = lock.since.isValid() ? QStringLiteral(" since ") +
                                                     QLocale().toString(lock.since.toLocalTime(),
                                                                        QLocale::ShortFormat)
                                               : QString();
    if (!lock.readable) return QStringLiteral("an unknown user") + since;
    QString who = lock.holder.user.isEmpty() ? lock.holder.login : lock.holder.user;
    if (!lock.holder.login.isEmpty() && lock.holder.login != who)
        who += QStringLiteral(" (") + lock.holder.login + u')';
    return who + QStringLiteral(" on ") + lock.holder.host + since;
}

std::unique_ptr<CaseLock> CaseLock::take(const QString& casePath,
                                         std::optional<CaseLockInfo>* holder) {
    const QString path = QFileInfo(casePath).absoluteFilePath();
    const QString lockPath = CaseLockPath(path);
    const QByteArray bytes = lockBytes(ThisRunningCopy(), QDateTime::currentDateTime());
    // Two tries: the second after a stale lock was removed.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (createLock(lockPath, bytes)) return std::unique_ptr<CaseLock>(new CaseLock(path));
        const std::optional<CaseLockInfo> current = ReadCaseLock(path);
        if (!current) continue;  // it went in the meantime
        if (IsThisProcess(current->holder.host, current->holder.pid))
            return std::unique_ptr<CaseLock>(new CaseLock(path));
        if (!IsStale(*current)) {
            if (holder) *holder = current;
            return nullptr;
        }
        QFile::remove(lockPath);
    }
    return nullptr;
}

CaseLock::~CaseLock() {
    const std::optional<CaseLockInfo> current = ReadCaseLock(m_casePath);
    if (current && current->readable && IsThisProcess(current->holder.host, current->holder.pid))
        QFile::remove(CaseLockPath(m_casePath));
}

}  // namespace wm4
