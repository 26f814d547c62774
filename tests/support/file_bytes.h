#pragma once
// Reading a whole file in a test.
#include <QByteArray>
#include <QString>

namespace wm4::test {

// The bytes of the file at path, or `unreadable` when it cannot be opened:
// a test that tells a missing file from an empty one passes a marker such as
// "(unreadable)", which a comparison then shows.
QByteArray readAll(const QString& path, const QByteArray& unreadable = QByteArray());

}  // namespace wm4::test
