#pragma once
// Qt wants a per-user runtime folder (XDG_RUNTIME_DIR). Where none is set, as
// on build servers and in cron jobs, it warns on standard error and falls back
// to a folder under /tmp shared by every run. A command gives its process a
// private runtime folder instead, so that REPORT lines and the reason of a
// failure stay the only text on standard error.
#include <QTemporaryDir>
#include <memory>

namespace wm4 {

class PrivateRuntimeFolder {
public:
    // Sets XDG_RUNTIME_DIR to a new folder of this process (mode 0700) when
    // it is unset; does nothing when it is set. Create it before the
    // application object.
    PrivateRuntimeFolder();
    // Unsets the variable it set and removes the folder.
    ~PrivateRuntimeFolder();
    PrivateRuntimeFolder(const PrivateRuntimeFolder&) = delete;
    PrivateRuntimeFolder& operator=(const PrivateRuntimeFolder&) = delete;

private:
    std::unique_ptr<QTemporaryDir> m_folder;
};

}  // namespace wm4
