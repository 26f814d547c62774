#pragma once
// Line-by-line reading and writing of the program's 8-bit text files (client
// file, settings file, prior-version file): Windows-1252, CR LF written; LF
// alone and CR alone are accepted as line ends too.
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
//
// The reader counts the file's lines once, so that a count read from the file
// can be held against the lines that follow before anything is allocated for
// it: a file of a few bytes cannot make the reader build millions of rows.
class LineReader {
public:
    LineReader(const QByteArray& bytes, const QString& path);

    bool atEnd() const { return m_pos >= m_bytes.size(); }
    qint64 lineNumber() const { return m_line; }  // of the line read last
    const QString& path() const { return m_path; }

    // The lines after the one read last.
    qint64 linesLeft() const { return m_lineCount - m_line; }
    bool holds(qint64 lines) const { return lines <= linesLeft(); }
    // Fails at the line read last: `what` asks for `needed` more lines than
    // the file holds ("the row count 500 of the kin worksheet").
    [[noreturn]] void failShort(qint64 needed, const QString& what) const;
    // Fails at the next line unless the file ends here; `after` names what
    // came last ("the time worksheet").
    void expectEnd(const QString& after);

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
    qint64 m_line = 0;
    qint64 m_lineCount = 0;
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
