#include "files/running_copy.h"

#include <pwd.h>
#include <signal.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSysInfo>
#include <cerrno>

namespace wm4 {

RunningCopy ThisRunningCopy() {
    RunningCopy copy;
    copy.host = QSysInfo::machineHostName();
    copy.pid = QCoreApplication::applicationPid();
    if (const passwd* pw = getpwuid(getuid())) {
        copy.login = QString::fromLocal8Bit(pw->pw_name);
        // The first field of the comment is the full name ("Ann Smith,,,").
        copy.user = QString::fromLocal8Bit(pw->pw_gecos).section(u',', 0, 0).trimmed();
    }
    if (copy.login.isEmpty()) copy.login = qEnvironmentVariable("USER");
    if (copy.user.isEmpty()) copy.user = copy.login;
    return copy;
}

bool IsThisProcess(const QString& host, qint64 pid) {
    return host == QSysInfo::machineHostName() && pid == QCoreApplication::applicationPid();
}

bool StillRunning(const QString& host, qint64 pid) {
    if (host != QSysInfo::machineHostName()) return true;
    if (pid <= 0) return false;
    // Signal 0 only asks whether the process exists; EPERM: it does, as
    // another user's.
    return kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

}  // namespace wm4
