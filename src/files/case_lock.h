#pragma once
// The lock beside an open case, as office programs keep one: while a copy of
// the program has "estate.wm4" open for editing, the file ".~lock.estate.wm4#"
// in the same folder names who has it open. A second copy, on this machine
// or on another one over a shared folder, reads it and opens the case
// read-only. The lock is removed when the case is closed; one left by a copy
// that crashed on this machine (its process is gone) is stale and taken over.
//
// The lock is UTF-8 text, one "key=value" line each after its first line:
//
//   Wendmoor4 case lock
//   user=Ann Smith
//   login=asmith
//   host=office-2
//   pid=4242
//   since=2026-12-11T14:30:00-05:00
//
// Lists of open cases read it with ReadCaseLock.
#include <QDateTime>
#include <QString>
#include <memory>
#include <optional>

#include "files/running_copy.h"

namespace wm4 {

struct CaseLockInfo {
    RunningCopy holder;
    QDateTime since;       // when the case was opened; invalid when the lock does not say
    bool readable = true;  // false: a lock file is there but does not read as one
};

// ".~lock.NAME#" beside the case.
QString CaseLockPath(const QString& casePath);

// The lock of the case; nullopt when there is none. A lock file that does not
// read as one still counts (readable false, since its modification time).
std::optional<CaseLockInfo> ReadCaseLock(const QString& casePath);

// A lock whose program ended: it names a process of this machine that no
// longer runs.
bool IsStale(const CaseLockInfo& lock);

// Who holds the case, for messages: "Ann Smith (asmith) on office-2 since
// 12/11/26 2:30 PM".
QString DescribeHolder(const CaseLockInfo& lock);

// The lock this copy holds on one case; the destructor removes it (only while
// the file still names this copy).
class CaseLock {
public:
    // Takes the lock of casePath: the lock file is created only when none is
    // there (no two copies can both take it); a stale one is replaced. When
    // another running copy holds the case, returns nullptr with *holder set;
    // also nullptr (holder unset) when the folder takes no file.
    static std::unique_ptr<CaseLock> take(const QString& casePath,
                                          std::optional<CaseLockInfo>* holder = nullptr);
    ~CaseLock();
    CaseLock(const CaseLock&) = delete;
    CaseLock& operator=(const CaseLock&) = delete;

    const QString& casePath() const { return m_casePath; }

private:
    explicit CaseLock(QString casePath) : m_casePath(std::move(casePath)) {}
    QString m_casePath;
};

}  // namespace wm4
