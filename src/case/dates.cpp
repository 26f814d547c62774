// Dates: the fixed United States short date (M/d/yyyy), month-name texts and
// the long form printed on the forms.
#include <QRegularExpression>
#include <array>

#include "case/conversions.h"
#include "messages/report.h"

namespace wm4 {
namespace {

constexpr quint16 Str2DateFailed = 21340;

constexpr std::array<const char16_t*, 12> monthAbbreviations = {
    u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun", u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};

constexpr std::array<const char16_t*, 12> monthNames = {
    u"January", u"February", u"March",     u"April",   u"May",      u"June",
    u"July",    u"August",   u"September", u"October", u"November", u"December"};

// Two-digit years fall within the 50 years either side of the current year
// (the classic desktop rule: in 2026, "76" is 1976 and "75" is 2075).
constexpr int TwoDigitYearWindow = 50;

int expandTwoDigitYear(int year) {
    const int threshold = QDate::currentDate().year() - TwoDigitYearWindow;
    year += threshold / 100 * 100;
    if (year < threshold) year += 100;
    return year;
}

}  // namespace

QString ShortDateText(const QString& text) {
    if (text.isEmpty() || (text.front() >= u'0' && text.front() <= u'9')) return text;

    QString month;
    for (int i = 0; i < int(monthAbbreviations.size()); ++i)
        if (text.contains(QStringView(monthAbbreviations[i]))) {
            month = QString::number(i + 1);
            break;
        }
    if (month.isEmpty()) month = text.left(qMax<qsizetype>(text.indexOf(u'/'), 0));

    // Day: between the first blank and the first ", "; year: after the ", ".
    const qsizetype blank = text.indexOf(u' ');
    const qsizetype comma = text.indexOf(QStringLiteral(", "));
    const QString day =
        blank >= 0 && comma > blank ? text.mid(blank + 1, comma - blank - 1) : QString();
    const QString year = comma >= 0 ? text.mid(comma + 2) : QString();
    return month + u'/' + day + u'/' + year;
}

std::optional<QDate> ParseShortDate(const QString& text) {
    // Month and day of one or two digits, an optional year of one to four
    // digits (two or fewer digits: the two-digit year rule; none: this year).
    static const QRegularExpression grammar(
        QStringLiteral(R"(^\s*(\d{1,2})/(\d{1,2})(?:/(\d{1,4}))?\s*$)"));
    const QRegularExpressionMatch match = grammar.match(text);
    if (!match.hasMatch()) return std::nullopt;
    const int month = match.capturedView(1).toInt();
    const int day = match.capturedView(2).toInt();
    int year = QDate::currentDate().year();
    if (match.hasCaptured(3)) {
        const QStringView yearText = match.capturedView(3);
        year = yearText.toInt();
        if (yearText.size() <= 2) year = expandTwoDigitYear(year);
    }
    const QDate date(year, month, day);
    if (!date.isValid() || year < 1) return std::nullopt;
    return date;
}

QString FormatShortDate(const QDate& date) {
    return QString::number(date.month()) + u'/' + QString::number(date.day()) + u'/' +
           QString::number(date.year());
}

QDate Str2Date(const QString& text) {
    const QString normalised = ShortDateText(text);
    if (normalised.isEmpty()) return QDate::currentDate();
    if (const std::optional<QDate> date = ParseShortDate(normalised)) return *date;
    ReportError(Str2DateFailed, normalised);
    return QDate::currentDate();
}

QString ConvertDate(const QString& text) {
    if (text.isEmpty()) return text;
    for (const char16_t* name : monthNames)
        if (text.contains(QStringView(name), Qt::CaseInsensitive)) return text;
    const std::optional<QDate> date = ParseShortDate(text);
    if (!date) return text;
    return QString::fromUtf16(monthNames[date->month() - 1]) + u' ' + QString::number(date->day()) +
           QStringLiteral(", ") + QString::number(date->year());
}

}  // namespace wm4
