#pragma once
// The recent-file list of the File menu: most recently used first, at most
// MaxRecentFiles entries, kept in the settings file.
#include <QString>
#include <QStringList>

namespace wm4 {

// True at once for an untitled case. Otherwise moves the path to the front
// when the list holds it (compared without regard to case) and returns true;
// returns false when it does not (the caller then inserts it at the front).
bool PromoteRecentFile(QStringList& recent, const QString& path);

// Promotes the path, or inserts it at the front, then keeps at most
// MaxRecentFiles entries.
void RememberRecentFile(QStringList& recent, const QString& path);

// True when the file-name part of path, upper-cased, is "UNTITLED.WM4".
bool IsUntitled(const QString& path);

// The file-name part of a path.
QString FileNamePart(const QString& path);

}  // namespace wm4
