#pragma once
// A file of the program that could not be read or written.
#include <QString>
#include <stdexcept>

namespace wm4 {

// what() names the file, and the line for a read error.
class FileError : public std::runtime_error {
public:
    FileError(const QString& path, qint64 line, const QString& reason);
    const QString& path() const { return m_path; }
    qint64 line() const { return m_line; }  // 0 when no line is concerned
    const QString& reason() const { return m_reason; }
    QString text() const { return QString::fromUtf8(what()); }

private:
    QString m_path;
    qint64 m_line;
    QString m_reason;
};

}  // namespace wm4
