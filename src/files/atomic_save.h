#pragma once
// Writes a whole file so that a failed or interrupted save never destroys the
// file it replaces: the bytes go to a temporary file beside the target, which
// is renamed over the target only after everything was written.
#include <QByteArray>
#include <QString>

namespace wm4 {

// Throws FileError naming path when the file cannot be written.
void SaveFileAtomically(const QString& path, const QByteArray& bytes);

}  // namespace wm4
