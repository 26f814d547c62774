#include "ui/mainwindow/recent_files.h"

#include <QFileInfo>

#include "files/client_file.h"
#include "files/settings.h"

namespace wm4 {

bool IsUntitled(const QString& path) {
    return path.isEmpty() || FileNamePart(path).compare(UntitledFileName, Qt::CaseInsensitive) == 0;
}

QString FileNamePart(const QString& path) {
    return QFileInfo(path).fileName();
}

bool PromoteRecentFile(QStringList& recent, const QString& path) {
    if (IsUntitled(path)) return true;
    for (qsizetype i = 0; i < recent.size(); ++i) {
        if (recent[i].compare(path, Qt::CaseInsensitive) == 0) {
            recent.move(i, 0);
            return true;
        }
    }
    return false;
}

void RememberRecentFile(QStringList& recent, const QString& path) {
    if (!PromoteRecentFile(recent, path)) recent.prepend(path);
    while (recent.size() > MaxRecentFiles) recent.removeLast();
}

}  // namespace wm4
