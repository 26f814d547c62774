#pragma once
// The open case and everything that belongs to it: the answer and worksheet
// stores, the program settings, the schedule buffers and the text wrapper of a
// calculation run, the client file's name and the unsaved-changes mark.
//
// One session lives as long as the desktop window or one command-line
// command. Opening, importing or starting a new case reads into a fresh case
// and takes it over only when the read succeeded, so a file that fails partway
// leaves the case on display and its file name as they were.
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "calc/run/calculate_complete.h"
#include "case/case_data.h"
#include "files/case_lock.h"
#include "files/file_stamp.h"
#include "files/settings.h"
#include "schedules/schedule_buffers.h"

namespace wm4 {

class TextMeasurer;
class TextWrapper;

// How a case file is opened: for editing, or read-only (saving over the file
// is refused; Save As to another name still works).
enum class CaseAccess { Edit, ReadOnly };

class CaseSession : public QObject {
    Q_OBJECT
public:
    // settings: the program settings to start from (DefaultSettings of the
    // data folder, then the settings file as the caller reads it).
    explicit CaseSession(ProgramSettings settings, QObject* parent = nullptr);
    ~CaseSession() override;
    CaseSession(const CaseSession&) = delete;
    CaseSession& operator=(const CaseSession&) = delete;

    CaseData& data() { return *m_data; }
    const CaseData& data() const { return *m_data; }
    TAnswer& answers() { return m_data->answers; }
    ProgramSettings& settings() { return m_settings; }
    const ProgramSettings& settings() const { return m_settings; }
    ScheduleBuffers& buffers() { return *m_buffers; }
    // The wrapper with the settings' MemoWidthFactor, measuring with Qt's
    // font metrics (created on first use; needs a QGuiApplication).
    TextWrapper& wrapper();
    // Forgets the wrapper, so the next run measures with a changed
    // MemoWidthFactor.
    void resetWrapper();

    // The client file of the case; empty while the case is untitled. Naming
    // another file opens it for editing (and takes its lock, when cases are
    // locked).
    const QString& fileName() const { return m_fileName; }
    void setFileName(const QString& path);
    bool isModified() const { return m_modified; }
    void setModified(bool modified);

    // The desktop locks the case files it has open (files/case_lock.h); the
    // commands do not. Off by default.
    void setLockCases(bool lock);
    bool locksCases() const { return m_lockCases; }
    // The lock of another running copy on path (a stale one does not count);
    // nullopt when no other copy has the case open.
    std::optional<CaseLockInfo> heldElsewhere(const QString& path) const;
    // The case was opened read-only: a save over its file is refused.
    bool isReadOnly() const { return m_readOnly; }
    // The file on disk is no longer the one this case was read from or last
    // saved as (another program or copy wrote it since).
    bool changedOnDisk() const;

    // Reads a client file into a fresh case; on success the session takes it
    // over with the file's name and no unsaved changes. On failure returns
    // false with the reason (file and line) and keeps the case as it was.
    bool openCase(const QString& path, QString* error = nullptr,
                  CaseAccess access = CaseAccess::Edit);
    // Reads the template case, then the client file over it, into a fresh
    // case: answers the file lacks keep the template's. Takes it over with
    // the file's name only when both reads succeed; a missing template is
    // skipped. On failure returns false with the reason and keeps the case.
    bool openCaseOverTemplate(const QString& templatePath, const QString& path,
                              QString* error = nullptr, CaseAccess access = CaseAccess::Edit);
    // The same for the template case: the case read is untitled.
    bool openTemplateCase(const QString& path, QString* error = nullptr);
    // Starts an empty untitled case (no template case available).
    void newEmptyCase();
    // Reads a prior-version file into a fresh case (untitled, unsaved) on
    // success; on failure the case stays as it was.
    bool importWM3(const QString& path, QString* error = nullptr);
    // Writes the case atomically to path, first keeping the file there as
    // path + ".bak" (one generation). Throws FileError and then changes
    // nothing (a .bak that cannot be written stops the save: the case file is
    // still as it was; a case opened read-only is not saved over its file,
    // nor a case over a file another running copy has open); on success the
    // case takes path as its file name and is saved.
    void saveCase(const QString& path);
    // Writes the case to path without taking that name (a duplicate).
    void writeCopy(const QString& path) const;

    // Stores the open worksheet windows' rows; the calculation run and the
    // client-file writer call it first. The desktop sets it while a
    // worksheet window is open.
    void setStoreOpenWorksheets(std::function<void()> store);
    void storeOpenWorksheets() const;

    // The full calculation run over the case with this session's buffers,
    // settings and wrapper. Faults it finds are reports, not exceptions; a
    // run stopped by one says so in its outcome (StoppedRunText).
    RunOutcome calculate();
    // Whether a run's category test reports every failing row rather than
    // the first (the desktop's Problems panel lists them all).
    void setEveryCategoryFault(bool every) { m_everyCategoryFault = every; }

    // Asked before every calculation whether lists too long for their forms
    // continue on addenda (the desktop's Preferences). Without it the case's
    // own switch stays as set (the print command sets it from --addenda).
    void setAddendaSwitch(std::function<bool()> addendaOn);

Q_SIGNALS:
    // A new case (opened, imported, new) replaced the previous one.
    void caseReplaced();
    void fileNameChanged(const QString& fileName);
    void readOnlyChanged(bool readOnly);
    void modifiedChanged(bool modified);
    // A calculation run ended (its answers are in the case).
    void calculated();
    // A calculation run begins; calculationEnded follows on every way out of
    // it, also when the run throws (calculated only after a complete run).
    void calculationStarted();
    void calculationEnded();

private:
    void takeOver(std::unique_ptr<CaseData> data, const QString& fileName, bool modified,
                  CaseAccess access = CaseAccess::Edit);
    // The case's file is now path: the lock of the previous one goes, the
    // new one's is taken, and its stamp is kept.
    void adoptFile(const QString& path, CaseAccess access);
    void setReadOnly(bool readOnly);

    std::unique_ptr<CaseData> m_data;
    ProgramSettings m_settings;
    std::unique_ptr<ScheduleBuffers> m_buffers;
    std::unique_ptr<TextMeasurer> m_measurer;
    std::unique_ptr<TextWrapper> m_wrapper;
    std::function<void()> m_storeOpenWorksheets;
    std::function<bool()> m_addendaOn;
    QString m_fileName;
    std::unique_ptr<CaseLock> m_lock;
    FileStamp m_stamp;  // of the file as read or last saved
    bool m_lockCases = false;
    bool m_readOnly = false;
    bool m_modified = false;
    bool m_everyCategoryFault = false;
};

}  // namespace wm4
