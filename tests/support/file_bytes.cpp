#include "support/file_bytes.h"

#include <QFile>

namespace wm4::test {

QByteArray readAll(const QString& path, const QByteArray& unreadable) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : unreadable;
}

}  // namespace wm4::test
