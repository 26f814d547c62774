#pragma once
// This running copy of the program, and whether another one still runs. The
// lock beside an open case and the recovery copies name their owner by user,
// machine and process, so that a copy left behind by a crash can be told
// from one whose program is still at work.
#include <QString>

namespace wm4 {

struct RunningCopy {
    QString user;   // the user's full name where the system has one, else the login
    QString login;  // the login name
    QString host;   // the machine's name
    qint64 pid = 0;
};

// This process.
RunningCopy ThisRunningCopy();

// False only when the copy is known to have ended: it ran on this machine and
// its process is gone. A copy on another machine cannot be seen from here and
// counts as running.
bool StillRunning(const QString& host, qint64 pid);

// True when host and pid name this process.
bool IsThisProcess(const QString& host, qint64 pid);

}  // namespace wm4
