// Numbers: cleaning typed number texts, reading them and the amount format.
#include "case/conversions.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

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

// The grammar of a cleaned real number: sign, digits with one optional
// decimal point, optional exponent. Nothing else (no "inf", no "nan").
std::optional<double> readReal(const QString& cleaned) {
    static const QRegularExpression grammar(
        QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$)"));
    if (!grammar.match(cleaned).hasMatch()) return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(cleaned, &ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
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
    static const QRegularExpression grammar(QStringLiteral(R"(^[+-]?\d+$)"));
    const QString cleaned = RemoveCommasAndSigns(text.isEmpty() ? QStringLiteral("0") : text);
    bool ok = false;
    const qint32 value = grammar.match(cleaned).hasMatch() ? cleaned.toInt(&ok, 10) : 0;
    if (!ok) {
        ReportError(Str2IntFailed, cleaned);
        return 0;
    }
    return value;
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
