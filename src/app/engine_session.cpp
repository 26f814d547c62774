#include "app/engine_session.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "calc/run/calculate_complete.h"
#include "files/client_file.h"
#include "files/wm3_import.h"
#include "output/qtmeasure/qt_text_measurer.h"
#include "output/textfit/text_wrapper.h"

namespace wm4 {

namespace {

QString dataFolderFor(const CommandArgs& args) {
    const QString option = args.dataFolder();
    if (!option.isEmpty() && !QFileInfo(option).isDir())
        throw CommandError(QStringLiteral("%1: the data folder \"%2\" does not exist")
                               .arg(args.command(), option));
    // Tests run commands without an application object: no program folder.
    const QString applicationDir =
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    return ResolveDataFolder(option, applicationDir, QStringLiteral(WM4_BUILD_TREE_DIR),
                             QStringLiteral(WM4_SOURCE_DATA_DIR),
                             QStringLiteral(WM4_INSTALL_DATA_DIR));
}

}  // namespace

EngineSession::EngineSession(const CommandArgs& args)
    : m_data(std::make_unique<CaseData>()), m_buffers(std::make_unique<ScheduleBuffers>()) {
    const QString dataFolder = dataFolderFor(args);
    m_settings = DefaultSettings(dataFolder);
    ReadINI(m_settings, SettingsFileUse::ReadOnly);
    if (!args.dataFolder().isEmpty()) SetDataFolders(m_settings, dataFolder);
}

EngineSession::~EngineSession() = default;

TextWrapper& EngineSession::wrapper() {
    if (!m_wrapper) {
        EnsureGuiApplication();
        m_measurer = std::make_unique<QtTextMeasurer>();
        m_wrapper = std::make_unique<TextWrapper>(*m_measurer, m_settings.MemoWidthFactor);
    }
    return *m_wrapper;
}

void EngineSession::readCase(const QString& path) {
    m_data = std::make_unique<CaseData>();
    QString error;
    if (!ReadClientFile(*m_data, path, &error)) throw CommandError(error);
}

void EngineSession::importWM3(const QString& path) {
    m_data = std::make_unique<CaseData>();
    QString error;
    if (!ReadWM3File(*m_data, path, &error)) throw CommandError(error);
}

void EngineSession::saveCase(const QString& path) const {
    WriteClientFile(*m_data, path);
}

void EngineSession::calculate() {
    CalcContext ctx{*m_data, *m_buffers, m_settings, wrapper()};
    CalculateComplete(ctx);
}

}  // namespace wm4
