#pragma once
// Line-by-line reading and writing of the program's 8-bit text files (client
// file, settings file, prior-version file): Windows-1252, CR LF written, LF
// alone accepted.
#include <QByteArray>
#include <QString>

#include "files/file_error.h"

namespace wm4 {

// The fixed scientific form of width 23 in which the files hold reals:
// " 4.41000000000000E+0000", "-1.25000000000000E-0003".
QString FormatReal23(double value);

// A real written in any decimal or scientific form, with surrounding blanks.
bool ParseFileReal(QStringView text, double* value);

// An integer in plain decimal, with an optional sign and surrounding blanks.
bool ParseFileInteger(QStringView text, qint64* value);

// Reads the lines of a file held in memory. Each read that finds no line, or
// a line that is not the number asked for, throws FileError naming the file
// and the line number.
class LineReader {
public:
    LineReader(const QByteArray& bytes, const QString& path);

    bool atEnd() const { return m_pos >= m_bytes.size(); }
    int lineNumber() const { return m_line; }  // of the line read last
    const QString& path() const { return m_path; }

    QString text();
    void skip();  // a line whose content is ignored
    int integer();
    double real();

    [[noreturn]] void fail(const QString& reason) const;

private:
    // The next line's bytes, without its line end.
    QByteArrayView next();

    const QByteArray& m_bytes;
    QString m_path;
    qsizetype m_pos = 0;
    int m_line = 0;
};

// Builds a file's bytes line by line.
class LineWriter {
public:
    explicit LineWriter(qsizetype reserve = 0) { m_bytes.reserve(reserve); }

    // Writes text as one line. A line break inside text would split the line
    // and shift every later value of the file, so it is written as the bar
    // separator " | " that multi-line answers use. Returns false when a
    // character had no Windows-1252 byte and was written as "?".
    bool line(QStringView text);
    void line(const char* ascii);  // a fixed ASCII line
    void integer(qint64 value);
    void real(double value) { line(FormatReal23(value)); }

    const QByteArray& bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

}  // namespace wm4
