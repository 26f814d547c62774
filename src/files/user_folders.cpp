#include "files/user_folders.h"

#include <QDir>
#include <QFile>

#include "files/client_file.h"

namespace wm4 {

bool PrepareUserFolders(const ProgramSettings& s) {
    bool ok = true;
    for (const QString& folder : {s.ClientFolder, s.WM3Folder, s.TempFolder})
        ok = QDir().mkpath(folder) && ok;
    const QString target = s.ClientFolder + u'/' + TemplateCaseFileName;
    const QString shipped = s.ProgramFolder + u'/' + TemplateCaseFileName;
    if (!QFile::exists(target) && QFile::exists(shipped)) ok = QFile::copy(shipped, target) && ok;
    return ok;
}

}  // namespace wm4
