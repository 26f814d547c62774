// Path helpers. The path delimiter of this build is "/".
#include <QDir>
#include <QFileInfo>

#include "case/conversions.h"

namespace wm4 {
namespace {
constexpr QChar PathDelimiter = u'/';
}  // namespace

QString AddTrailingDelimiter(const QString& path) {
    // An empty folder stays empty: a bare file name then stays relative
    // instead of pointing at the root folder.
    if (path.isEmpty() || path.endsWith(PathDelimiter)) return path;
    return path + PathDelimiter;
}

QString RemoveTrailingBackslash(const QString& path) {
    return path.endsWith(PathDelimiter) ? path.chopped(1) : path;
}

QString RemoveExtension(const QString& fileName) {
    // Only a "." in the last path component starts an extension, so a dotted
    // folder name ("/cases/2021.smith/estate") is never cut.
    const qsizetype dot = fileName.lastIndexOf(u'.');
    if (dot < 0 || dot < fileName.lastIndexOf(PathDelimiter)) return fileName;
    return fileName.left(dot);
}

void FindFileInTree(const QString& folder, const QString& fileName, bool& found,
                    QString& foundPath) {
    if (found) return;
    // Every entry, hidden and system ones included, in name order; links to
    // folders are not followed, so a link loop cannot recurse forever.
    const QFileInfoList entries = QDir(folder).entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
        QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& entry : entries) {
        if (entry.isDir()) {
            if (entry.isSymLink()) continue;
            FindFileInTree(entry.filePath(), fileName, found, foundPath);
            if (found) return;
        } else if (entry.fileName().compare(fileName, Qt::CaseInsensitive) == 0) {
            found = true;
            foundPath = AddTrailingDelimiter(folder) + entry.fileName();
            return;
        }
    }
}

}  // namespace wm4
