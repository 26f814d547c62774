#include "app/runtime_folder.h"

#include <QDir>
#include <QFile>

namespace wm4 {

namespace {
constexpr char RuntimeVariable[] = "XDG_RUNTIME_DIR";
}

PrivateRuntimeFolder::PrivateRuntimeFolder() {
    if (!qEnvironmentVariableIsEmpty(RuntimeVariable)) return;
    // An explicit name: the default one needs the application name, and the
    // application object does not exist yet.
    auto folder = std::make_unique<QTemporaryDir>(QDir::tempPath() +
                                                  QStringLiteral("/wendmoor4-runtime-XXXXXX"));
    if (!folder->isValid()) return;  // Qt then falls back to its own folder
    qputenv(RuntimeVariable, QFile::encodeName(folder->path()));
    m_folder = std::move(folder);
}

PrivateRuntimeFolder::~PrivateRuntimeFolder() {
    if (m_folder) qunsetenv(RuntimeVariable);
}

}  // namespace wm4
