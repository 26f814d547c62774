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

LineReader::LineReader(const QByteArray& bytes, const QString& path)
    : m_bytes(bytes), m_path(path) {}

QByteArrayView LineReader::next() {
    if (atEnd()) {
        m_line += 1;
        fail(QStringLiteral("the file ends early"));
    }
    const char* start = m_bytes.constData() + m_pos;
    const qsizetype left = m_bytes.size() - m_pos;
    const auto* lf = static_cast<const char*>(std::memchr(start, '\n', size_t(left)));
    qsizetype length = lf ? qsizetype(lf - start) : left;
    m_pos += lf ? length + 1 : length;
    if (length > 0 && start[length - 1] == '\r') --length;
    m_line += 1;
    return QByteArrayView(start, length);
}

QString LineReader::text() {
    const QByteArrayView bytes = next();
    return DecodeCp1252(bytes.data(), bytes.size());
}

void LineReader::skip() {
    next();
}

int LineReader::integer() {
    const QString line = text();
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
