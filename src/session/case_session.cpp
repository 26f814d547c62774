#include "session/case_session.h"

#include <QFileInfo>
#include <QScopeGuard>

#include "calc/run/calculate_complete.h"
#include "files/backup_generation.h"
#include "files/client_file.h"
#include "files/file_error.h"
#include "files/wm3_import.h"
#include "messages/report.h"
#include "output/qtmeasure/qt_text_measurer.h"
#include "output/textfit/text_wrapper.h"

namespace wm4 {

CaseSession::CaseSession(ProgramSettings settings, QObject* parent)
    : QObject(parent),
      m_data(std::make_unique<CaseData>()),
      m_settings(std::move(settings)),
      m_buffers(std::make_unique<ScheduleBuffers>()) {
    setErrFlagTarget(&m_data->answers.ErrFlag);
}

CaseSession::~CaseSession() {
    if (errFlagTarget() == &m_data->answers.ErrFlag) setErrFlagTarget(nullptr);
}

TextWrapper& CaseSession::wrapper() {
    if (!m_wrapper) {
        EnsureGuiApplication();
        if (!m_measurer) m_measurer = std::make_unique<QtTextMeasurer>();
        m_wrapper = std::make_unique<TextWrapper>(*m_measurer, m_settings.MemoWidthFactor);
    }
    return *m_wrapper;
}

void CaseSession::resetWrapper() {
    m_wrapper.reset();
}

namespace {

// The same file, through a link too.
bool sameFile(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty()) return false;
    const QFileInfo fa(a), fb(b);
    if (fa.exists() && fb.exists()) return fa.canonicalFilePath() == fb.canonicalFilePath();
    return fa.absoluteFilePath() == fb.absoluteFilePath();
}

}  // namespace

void CaseSession::setFileName(const QString& path) {
    if (path == m_fileName) return;
    adoptFile(path, CaseAccess::Edit);
    m_fileName = path;
    Q_EMIT fileNameChanged(m_fileName);
}

void CaseSession::setLockCases(bool lock) {
    m_lockCases = lock;
    if (!lock) m_lock.reset();
}

std::optional<CaseLockInfo> CaseSession::heldElsewhere(const QString& path) const {
    if (path.isEmpty()) return std::nullopt;
    std::optional<CaseLockInfo> lock = ReadCaseLock(path);
    if (!lock || IsStale(*lock)) return std::nullopt;
    if (lock->readable && IsThisProcess(lock->holder.host, lock->holder.pid)) return std::nullopt;
    return lock;
}

bool CaseSession::changedOnDisk() const {
    if (m_fileName.isEmpty()) return false;
    const FileStamp now = StampOf(m_fileName);
    // A file that went away is simply written again.
    return now.exists && now != m_stamp;
}

void CaseSession::setReadOnly(bool readOnly) {
    if (readOnly == m_readOnly) return;
    m_readOnly = readOnly;
    Q_EMIT readOnlyChanged(m_readOnly);
}

void CaseSession::adoptFile(const QString& path, CaseAccess access) {
    if (m_lock && !sameFile(m_lock->casePath(), path)) m_lock.reset();
    bool readOnly = access == CaseAccess::ReadOnly && !path.isEmpty();
    if (m_lockCases && !path.isEmpty() && !readOnly && !m_lock) {
        std::optional<CaseLockInfo> holder;
        m_lock = CaseLock::take(path, &holder);
        // Another copy took it since the question was asked.
        if (!m_lock && holder) readOnly = true;
    }
    if (readOnly) m_lock.reset();
    m_stamp = StampOf(path);
    setReadOnly(readOnly);
}

void CaseSession::setModified(bool modified) {
    if (modified == m_modified) return;
    m_modified = modified;
    Q_EMIT modifiedChanged(m_modified);
}

void CaseSession::takeOver(std::unique_ptr<CaseData> data, const QString& fileName, bool modified,
                           CaseAccess access) {
    m_data = std::move(data);
    setErrFlagTarget(&m_data->answers.ErrFlag);
    adoptFile(fileName, access);
    if (fileName != m_fileName) {
        m_fileName = fileName;
        Q_EMIT fileNameChanged(m_fileName);
    }
    setModified(modified);
    Q_EMIT caseReplaced();
}

namespace {

// Reports of the read flag the fresh store; afterwards the target is given
// back (takeOver then points it at the fresh store when the read succeeded).
template <typename Read>
std::unique_ptr<CaseData> readFresh(Read read) {
    auto fresh = std::make_unique<CaseData>();
    const ScopedErrFlagTarget target(&fresh->answers.ErrFlag);
    if (read(*fresh)) return fresh;
    return nullptr;
}

}  // namespace

bool CaseSession::openCase(const QString& path, QString* error, CaseAccess access) {
    auto fresh = readFresh([&](CaseData& d) { return ReadClientFile(d, path, error); });
    if (!fresh) return false;
    takeOver(std::move(fresh), path, false, access);
    return true;
}

bool CaseSession::openCaseOverTemplate(const QString& templatePath, const QString& path,
                                       QString* error, CaseAccess access) {
    auto fresh = readFresh([&](CaseData& d) {
        if (QFileInfo::exists(templatePath) && !ReadClientFile(d, templatePath, error))
            return false;
        return ReadClientFile(d, path, error);
    });
    if (!fresh) return false;
    takeOver(std::move(fresh), path, false, access);
    return true;
}

bool CaseSession::openTemplateCase(const QString& path, QString* error) {
    auto fresh = readFresh([&](CaseData& d) { return ReadClientFile(d, path, error); });
    if (!fresh) return false;
    takeOver(std::move(fresh), QString(), false);
    return true;
}

void CaseSession::newEmptyCase() {
    takeOver(std::make_unique<CaseData>(), QString(), false);
}

bool CaseSession::importWM3(const QString& path, QString* error) {
    auto fresh = readFresh([&](CaseData& d) { return ReadWM3File(d, path, error); });
    if (!fresh) return false;
    takeOver(std::move(fresh), QString(), true);
    return true;
}

void CaseSession::saveCase(const QString& path) {
    if (m_readOnly && sameFile(path, m_fileName))
        throw FileError(path, 0,
                        QStringLiteral("is open read-only here, since another copy of Wendmoor4 "
                                       "had it open: save your changes under another name with "
                                       "Save As"));
    if (m_lockCases && !sameFile(path, m_fileName))
        if (const std::optional<CaseLockInfo> holder = heldElsewhere(path))
            throw FileError(path, 0,
                            QStringLiteral("is open in Wendmoor4 by %1: choose another name")
                                .arg(DescribeHolder(*holder)));
    storeOpenWorksheets();
    KeepBackupGeneration(path);  // NAME.wm4.bak: the file as it was before this save
    WriteClientFile(*m_data, path);
    setFileName(path);
    m_stamp = StampOf(path);  // the file is now the one this case was saved as
    setModified(false);
}

void CaseSession::writeCopy(const QString& path) const {
    storeOpenWorksheets();
    WriteClientFile(*m_data, path);
}

void CaseSession::setStoreOpenWorksheets(std::function<void()> store) {
    m_storeOpenWorksheets = std::move(store);
}

void CaseSession::storeOpenWorksheets() const {
    if (m_storeOpenWorksheets) m_storeOpenWorksheets();
}

void CaseSession::setAddendaSwitch(std::function<bool()> addendaOn) {
    m_addendaOn = std::move(addendaOn);
}

RunOutcome CaseSession::calculate() {
    Q_EMIT calculationStarted();
    const auto ended = qScopeGuard([this] { Q_EMIT calculationEnded(); });
    CalcContext ctx{*m_data, *m_buffers, wrapper()};
    ctx.storeOpenWorksheets = m_storeOpenWorksheets;
    ctx.everyCategoryFault = m_everyCategoryFault;
    if (m_addendaOn) m_data->continuations.setEnabled(m_addendaOn());
    const RunOutcome outcome = CalculateComplete(ctx);
    Q_EMIT calculated();
    return outcome;
}

}  // namespace wm4
