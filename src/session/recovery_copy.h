#pragma once
// The recovery copies of open cases: while a case has unsaved changes the
// desktop writes the whole case, every few minutes, into the folder
// "recovery" of the settings folder. Each running copy of the program keeps
// its own copy of each case, named from the case path and the copy's machine
// and process ("estate-1a2b3c4d.office-2.4242.wm4", untitled cases
// "untitled-..."), with an info file (".txt") beside it naming the case file,
// the time of the copy and its owner. Both are written atomically, the copy
// first, so a crash leaves either the previous pair or the new one.
//
// A copy is offered at the next start only when its owner no longer runs: a
// second copy of the program never sees the first one's live work, and its
// clean exit removes only its own copies. The case file itself is never
// written here.
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

#include "files/running_copy.h"

namespace wm4 {

class CaseSession;

struct RecoveryInfo {
    QString caseFile;   // the case the copy was made of; empty when untitled
    QDateTime written;  // local time of the copy
    QString host;       // the running copy that wrote it
    qint64 pid = 0;
    QString copyPath;  // the copy and its info file
    QString infoPath;
};

class RecoveryCopy {
public:
    explicit RecoveryCopy(QString settingsFolder, RunningCopy owner = ThisRunningCopy());

    QString folder() const;
    // This running copy's files for a case file (empty: untitled).
    QString copyPathFor(const QString& caseFile) const;
    // The files of the case written last; empty before the first write.
    const QString& copyPath() const { return m_copyPath; }

    // Writes the session's case (with the open worksheets' rows) and the
    // info; a copy this running copy kept of another case is removed. Throws
    // FileError when either cannot be written. Writes nothing when the case
    // file is the copy's own path.
    void write(const CaseSession& session, const QDateTime& now = QDateTime::currentDateTime());
    // The copies left by running copies that ended without removing them,
    // newest first.
    QList<RecoveryInfo> orphans() const;
    // The newest of them.
    std::optional<RecoveryInfo> pending() const;
    // Every copy in the folder, whoever wrote it.
    QList<RecoveryInfo> all() const;
    // Removes this running copy's copy.
    void remove();
    // Removes one copy and its info.
    static void discard(const RecoveryInfo& info);

private:
    QString m_folder;
    RunningCopy m_owner;
    QString m_copyPath;
};

}  // namespace wm4
