#include "files/text_lines.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "files/cp1252.h"

namespace wm4 {

QString FormatReal23(double value) {
    if (!std::isfinite(value) || value == 0) value = 0;
    // "%.14E" gives "4.41000000000000E+00"; the files hold four exponent digits.
    char mantissa[32];
    std::snprintf(mantissa, sizeof mantissa, "%.14E", std::fabs(value));
    const char* e = std::strchr(mantissa, 'E');
    const int exponent = std::atoi(e + 1);
    char text[40];
    std::snprintf(text, sizeof text, "%c%.*sE%c%04d", value < 0 ? '-' : ' ', int(e - mantissa),
                  mantissa, exponent < 0 ? '-' : '+', std::abs(exponent));
    return QString::fromLatin1(text);
}

bool ParseFileReal(QStringView text, double* value) {
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty()) return false;
    // Only digits, signs, "." and exponents: QString's reader would also take
    // "inf" and "nan".
    for (const QChar ch : trimmed)
        if (!ch.isDigit() && ch != u'.' && ch != u'+' && ch != u'-' && ch != u'e' && ch != u'E')
            return false;
    bool ok = false;
    const double read = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(read)) return false;
    *value = read;
    return true;
}

bool ParseFileInteger(QStringView text, qint64* value) {
    bool ok = false;
    const qint64 read = text.trimmed().toLongLong(&ok, 10);
    if (!ok) return false;
    *value = read;
    return true;
}

namespace {

// A line ends at CR LF, LF or CR; the last line may have no line end.
qint64 countLines(const QByteArray& bytes) {
    const char* p = bytes.constData();
    const qsizetype n = bytes.size();
    qint64 lines = 0;
    for (qsizetype k = 0; k < n; ++k) {
        if (p[k] == '\n' || (p[k] == '\r' && (k + 1 == n || p[k + 1] != '\n'))) ++lines;
    }
    if (n > 0 && p[n - 1] != '\n' && p[n - 1] != '\r') ++lines;
    return lines;
}

}  // namespace

LineReader::LineReader(const QByteArray& bytes, const QString& path)
    : m_bytes(bytes), m_path(path), m_lineCount(countLines(bytes)) {}

QByteArrayView LineReader::next() {
    if (atEnd()) {
        m_line += 1;
        fail(QStringLiteral("the file ends early"));
    }
    const char* start = m_bytes.constData() + m_pos;
    const qsizetype left = m_bytes.size() - m_pos;
    qsizetype length = 0;
    while (length < left && start[length] != '\n' && start[length] != '\r') ++length;
    qsizetype end = length;
    if (end < left) {
        // CR LF is one line end.
        end += start[end] == '\r' && end + 1 < left && start[end + 1] == '\n' ? 2 : 1;
    }
    m_pos += end;
    m_line += 1;
    return QByteArrayView(start, length);
}

void LineReader::failShort(qint64 needed, const QString& what) const {
    fail(QStringLiteral("the file ends early: %1 needs %2 more lines, but only %3 follow")
             .arg(what)
             .arg(needed)
             .arg(linesLeft()));
}

void LineReader::expectEnd(const QString& after) {
    if (atEnd()) return;
    m_line += 1;
    const qint64 more = linesLeft() + 1;
    fail(QStringLiteral("the file goes on after %1 (%2 more %3); it may be damaged")
             .arg(after)
             .arg(more)
             .arg(more == 1 ? QStringLiteral("line") : QStringLiteral("lines")));
}

QString LineReader::text() {
    const QByteArrayView bytes = next();
    return DecodeCp1252(bytes.data(), bytes.size());
}

void LineReader::skip() {
    next();
}

namespace {

// The integer of a line in the form the writer gives it ("0", "-1", "125"),
// read without decoding the line: half the lines of a case are such flags
// and counts. Any other form (blanks, a sign "+", leading zeros, long digit
// strings) is left to the general reader.
bool readPlainInteger(QByteArrayView line, qint64* value) {
    qsizetype k = 0;
    const bool negative = !line.isEmpty() && line[0] == '-';
    if (negative) k = 1;
    const qsizetype digits = line.size() - k;
    if (digits < 1 || digits > 18) return false;
    if (line[k] == '0' && digits > 1) return false;
    qint64 read = 0;
    for (; k < line.size(); ++k) {
        const char c = line[k];
        if (c < '0' || c > '9') return false;
        read = read * 10 + (c - '0');
    }
    *value = negative ? -read : read;
    return true;
}

}  // namespace

int LineReader::integer() {
    const QByteArrayView bytes = next();
    qint64 plain = 0;
    if (readPlainInteger(bytes, &plain) && plain >= INT_MIN && plain <= INT_MAX) return int(plain);
    const QString line = DecodeCp1252(bytes.data(), bytes.size());
    qint64 value = 0;
    if (!ParseFileInteger(line, &value) || value < INT_MIN || value > INT_MAX)
        fail(QStringLiteral("expected a whole number, found \"%1\"").arg(line));
    return int(value);
}

double LineReader::real() {
    const QString line = text();
    double value = 0;
    if (!ParseFileReal(line, &value))
        fail(QStringLiteral("expected a number, found \"%1\"").arg(line));
    return value;
}

void LineReader::fail(const QString& reason) const {
    throw FileError(m_path, m_line, reason);
}

bool LineWriter::line(QStringView text) {
    bool exact = true;
    if (text.contains(u'\n') || text.contains(u'\r')) {
        QString joined = text.toString();
        joined.replace(QStringLiteral("\r\n"), QStringLiteral(" | "));
        joined.replace(u'\r', QStringLiteral(" | "));
        joined.replace(u'\n', QStringLiteral(" | "));
        exact = AppendCp1252(m_bytes, joined);
    } else {
        exact = AppendCp1252(m_bytes, text);
    }
    m_bytes.append("\r\n", 2);
    return exact;
}

void LineWriter::line(const char* ascii) {
    m_bytes.append(ascii);
    m_bytes.append("\r\n", 2);
}

void LineWriter::integer(qint64 value) {
    m_bytes.append(QByteArray::number(value));
    m_bytes.append("\r\n", 2);
}

}  // namespace wm4
