#pragma once
// The recovery copy of an open case: while the case has unsaved changes the
// desktop writes the whole case, every few minutes, to "recovery.wm4" in the
// settings folder, with "recovery.txt" beside it naming the case file (empty
// for an untitled case) and the time of the copy. Both are written
// atomically, the copy first, so a crash leaves either the previous pair or
// the new one. The next start offers the copy; a save, a clean exit or a
// declined offer removes both. The case file itself is never written here.
#include <QDateTime>
#include <QString>
#include <optional>

namespace wm4 {

class CaseSession;

struct RecoveryInfo {
    QString caseFile;   // the case the copy was made of; empty when untitled
    QDateTime written;  // local time of the copy
};

class RecoveryCopy {
public:
    explicit RecoveryCopy(QString settingsFolder);

    QString copyPath() const;
    QString infoPath() const;

    // Writes the session's case (with the open worksheets' rows) and the
    // info. Throws FileError when either cannot be written. Writes nothing
    // when the case file is the copy's own path.
    void write(const CaseSession& session, const QDateTime& now = QDateTime::currentDateTime());
    // The copy a previous run left, when both files are there and readable.
    std::optional<RecoveryInfo> pending() const;
    void remove();

private:
    QString m_folder;
};

}  // namespace wm4
