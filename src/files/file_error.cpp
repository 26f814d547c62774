#include "files/file_error.h"

#include <QDir>

namespace wm4 {

namespace {
std::string describe(const QString& path, qint64 line, const QString& reason) {
    QString text = QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(path));
    if (line > 0) text += QStringLiteral(", line %1").arg(line);
    text += QStringLiteral(": ") + reason;
    return text.toStdString();
}
}  // namespace

FileError::FileError(const QString& path, qint64 line, const QString& reason)
    : std::runtime_error(describe(path, line, reason)),
      m_path(path),
      m_line(line),
      m_reason(reason) {}

}  // namespace wm4
