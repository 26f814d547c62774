#include "session/case_session.h"

#include <QFileInfo>
#include <QScopeGuard>

#include "calc/run/calculate_complete.h"
#include "files/backup_generation.h"
#include "files/client_file.h"
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

void CaseSession::setFileName(const QString& path) {
    if (path == m_fileName) return;
    m_fileName = path;
    Q_EMIT fileNameChanged(m_fileName);
}

void CaseSession::setModified(bool modified) {
    if (modified == m_modified) return;
    m_modified = modified;
    Q_EMIT modifiedChanged(m_modified);
}

void CaseSession::takeOver(std::unique_ptr<CaseData> data, const QString& fileName, bool modified) {
    m_data = std::move(data);
    setErrFlagTarget(&m_data->answers.ErrFlag);
    setFileName(fileName);
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

bool CaseSession::openCase(const QString& path, QString* error) {
    auto fresh = readFresh([&](CaseData& d) { return ReadClientFile(d, path, error); });
    if (!fresh) return false;
    takeOver(std::move(fresh), path, false);
    return true;
}

bool CaseSession::openCaseOverTemplate(const QString& templatePath, const QString& path,
                                       QString* error) {
    auto fresh = readFresh([&](CaseData& d) {
        if (QFileInfo::exists(templatePath) && !ReadClientFile(d, templatePath, error))
            return false;
        return ReadClientFile(d, path, error);
    });
    if (!fresh) return false;
    takeOver(std::move(fresh), path, false);
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
    storeOpenWorksheets();
    KeepBackupGeneration(path);  // NAME.wm4.bak: the file as it was before this save
    WriteClientFile(*m_data, path);
    setFileName(path);
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
