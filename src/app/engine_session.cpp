#include "app/engine_session.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

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

ProgramSettings commandSettings(const CommandArgs& args) {
    const QString dataFolder = dataFolderFor(args);
    ProgramSettings settings = DefaultSettings(dataFolder);
    ReadINI(settings, SettingsFileUse::ReadOnly);
    if (!args.dataFolder().isEmpty()) SetDataFolders(settings, dataFolder);
    return settings;
}

}  // namespace

EngineSession::EngineSession(const CommandArgs& args)
    : m_command(args.command()), m_session(std::make_unique<CaseSession>(commandSettings(args))) {}

EngineSession::~EngineSession() = default;

void EngineSession::readCase(const QString& path) {
    QString error;
    if (!m_session->openCase(path, &error)) throw CommandError(error);
}

void EngineSession::importWM3(const QString& path) {
    QString error;
    if (!m_session->importWM3(path, &error)) throw CommandError(error);
}

void EngineSession::calculateToTheEnd(const QString& consequence) {
    const RunOutcome outcome = calculate();
    if (!outcome.finished)
        throw CommandError(m_command + QStringLiteral(": ") + StoppedRunText(outcome) + u' ' +
                           consequence);
}

void EngineSession::saveCase(const QString& path) const { m_session->writeCopy(path); }

}  // namespace wm4
