// Numbers: cleaning typed number texts, reading them and the amount format.
#include "case/conversions.h"

#include <charconv>
#include <cmath>
#include <string>

#include "case/conv_rounding.h"
#include "messages/report.h"

namespace wm4 {
namespace {

// Report numbers of the readers (message * 10 + advice digit 2).
constexpr quint16 Str2Float_PFailed = 21182;
constexpr quint16 Str2Float_0Failed = 21192;
constexpr quint16 Str2Float_2Failed = 21202;
constexpr quint16 Str2IntFailed = 21212;

bool isRemovedSign(QChar c) {
    switch (c.unicode()) {
        case u' ':
        case u'$':
        case u'%':
        case u'(':
        case u')':
        case u',':
        case u'-':
            return true;
        default:
            return false;
    }
}

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Skips a run of ASCII digits from `at`; returns how many there were.
qsizetype skipDigits(QStringView text, qsizetype& at) {
    const qsizetype start = at;
    while (at < text.size() && isAsciiDigit(text[at])) ++at;
    return at - start;
}

// Latin-1 bytes of a text already known to be ASCII, without a leading "+"
// (std::from_chars takes none).
std::string asciiWithoutPlus(QStringView text) {
    if (text.startsWith(u'+')) text = text.mid(1);
    std::string bytes(size_t(text.size()), '\0');
    for (qsizetype i = 0; i < text.size(); ++i) bytes[size_t(i)] = char(text[i].unicode());
    return bytes;
}

// A cleaned real number: sign, digits with one optional decimal point,
// optional exponent. Nothing else ("inf", "nan", hex and blanks are refused).
std::optional<double> readReal(QStringView text) {
    qsizetype at = 0;
    if (at < text.size() && (text[at] == u'+' || text[at] == u'-')) ++at;
    qsizetype digits = skipDigits(text, at);
    if (at < text.size() && text[at] == u'.') {
        ++at;
        digits += skipDigits(text, at);
    }
    if (digits == 0) return std::nullopt;
    if (at < text.size() && (text[at] == u'e' || text[at] == u'E')) {
        ++at;
        if (at < text.size() && (text[at] == u'+' || text[at] == u'-')) ++at;
        if (skipDigits(text, at) == 0) return std::nullopt;
    }
    if (at != text.size()) return std::nullopt;

    const std::string bytes = asciiWithoutPlus(text);
    double value = 0;
    const auto [end, error] = std::from_chars(bytes.data(), bytes.data() + bytes.size(), value);
    if (error != std::errc() || end != bytes.data() + bytes.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// A cleaned integer: sign and digits, within 32 bits.
std::optional<qint32> readInt(QStringView text) {
    qsizetype at = 0;
    if (at < text.size() && (text[at] == u'+' || text[at] == u'-')) ++at;
    if (skipDigits(text, at) == 0 || at != text.size()) return std::nullopt;
    const std::string bytes = asciiWithoutPlus(text);
    qint32 value = 0;
    const auto [end, error] = std::from_chars(bytes.data(), bytes.data() + bytes.size(), value);
    if (error != std::errc() || end != bytes.data() + bytes.size()) return std::nullopt;
    return value;
}

// The shared body of the three real readers: clean, read, round.
double readRealOrReport(const QString& text, quint16 failure, int decimals) {
    const QString cleaned = RemoveCommasAndSigns(text.isEmpty() ? QStringLiteral("0.00") : text);
    const std::optional<double> value = readReal(cleaned);
    if (!value) {
        ReportError(failure, cleaned);
        return 0;
    }
    return decimals < 0 ? *value : roundHalfAwayFromZero(*value, decimals);
}

}  // namespace

QString RemoveCommasAndSigns(const QString& text) {
    bool negative = false;
    QString cleaned;
    cleaned.reserve(text.size() + 1);
    for (const QChar c : text) {
        if (c == u'(' || c == u'-') negative = true;
        if (!isRemovedSign(c)) cleaned.append(c);
    }
    if (negative) cleaned.prepend(u'-');
    return cleaned;
}

double Str2Float_2(const QString& text) {
    return readRealOrReport(text, Str2Float_2Failed, 2);
}
double Str2Float_0(const QString& text) {
    return readRealOrReport(text, Str2Float_0Failed, 0);
}
double Str2Float_P(const QString& text) {
    return readRealOrReport(text, Str2Float_PFailed, -1);
}

qint32 Str2Int(const QString& text) {
    const QString cleaned = RemoveCommasAndSigns(text.isEmpty() ? QStringLiteral("0") : text);
    const std::optional<qint32> value = readInt(cleaned);
    if (!value) {
        ReportError(Str2IntFailed, cleaned);
        return 0;
    }
    return *value;
}

QString FormatAmount(double value) {
    // Amounts come from the readers above and are finite; anything else
    // prints as zero rather than as a word on a court form.
    if (!std::isfinite(value)) value = 0;
    const double rounded = roundHalfAwayFromZero(value, 2);
    // The rounded value is the nearest double to a two-decimal number, so
    // "%.2f" writes exactly those two decimals.
    const QString digits = QString::asprintf("%.2f", std::fabs(rounded));
    const qsizetype point = digits.indexOf(u'.');
    QString text;
    text.reserve(digits.size() + digits.size() / 3 + 1);
    for (qsizetype i = 0; i < point; ++i) {
        if (i > 0 && (point - i) % 3 == 0) text.append(u',');
        text.append(digits[i]);
    }
    text.append(QStringView(digits).mid(point));
    // No "-0.00": a negative amount that rounds to zero prints as zero.
    if (rounded < 0) text.prepend(u'-');
    return text;
}

}  // namespace wm4
