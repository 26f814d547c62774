#include "files/atomic_save.h"

#include <QSaveFile>

#include "files/file_error.h"

namespace wm4 {

void SaveFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw FileError(path, 0, QStringLiteral("cannot be written: ") + file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw FileError(path, 0, QStringLiteral("cannot be written: ") + reason);
    }
    if (!file.commit())
        throw FileError(path, 0, QStringLiteral("cannot be written: ") + file.errorString());
}

}  // namespace wm4
