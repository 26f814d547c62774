// Amounts in words for the fee forms: "One Thousand Twelve ".
#include <array>
#include <cmath>

#include "case/conversions.h"
#include "messages/report.h"

namespace wm4 {
namespace {

constexpr quint16 AmountTooLarge = 21260;
constexpr quint16 AmountNotWords = 21270;

constexpr double LargestAmount = 999'999'999;

// Index = digit; a zero digit contributes nothing.
constexpr std::array<const char16_t*, 10> onesWords = {
    u"", u"One ", u"Two ", u"Three ", u"Four ", u"Five ", u"Six ", u"Seven ", u"Eight ", u"Nine "};
constexpr std::array<const char16_t*, 10> tensWords = {
    u"",       u"Ten ",   u"Twenty ",  u"Thirty ", u"Forty ",
    u"Fifty ", u"Sixty ", u"Seventy ", u"Eighty ", u"Ninety "};

// "Ten One" .. "Ten Nine" and what each becomes.
constexpr std::array<const char16_t*, 9> teenPatterns = {u"Ten One",   u"Ten Two",   u"Ten Three",
                                                         u"Ten Four",  u"Ten Five",  u"Ten Six",
                                                         u"Ten Seven", u"Ten Eight", u"Ten Nine"};
constexpr std::array<const char16_t*, 9> teenWords = {u"Eleven",    u"Twelve",   u"Thirteen",
                                                      u"Fourteen",  u"Fifteen",  u"Sixteen",
                                                      u"Seventeen", u"Eighteen", u"Nineteen"};

// The hundreds, tens and ones of a group 0..999, before teens are joined.
QString groupWords(int group) {
    QString words;
    if (group / 100)
        words += QString::fromUtf16(onesWords[group / 100]) + QStringLiteral("Hundred ");
    words += QString::fromUtf16(tensWords[group / 10 % 10]);
    words += QString::fromUtf16(onesWords[group % 10]);
    return words;
}

}  // namespace

QString ConvertTeens(const QString& text) {
    for (int i = 0; i < int(teenPatterns.size()); ++i) {
        const QString pattern = QString::fromUtf16(teenPatterns[i]);
        const qsizetype at = text.indexOf(pattern);
        if (at < 0) continue;
        // The tail after the pattern is kept up to 255 characters, as always.
        return text.left(at) + QString::fromUtf16(teenWords[i]) +
               text.mid(at + pattern.size(), 255);
    }
    return text;
}

QString NumberToWords(double value) {
    if (std::isnan(value)) {
        ReportError(AmountNotWords);
        return QString();
    }
    if (value > LargestAmount) {
        ReportError(AmountTooLarge);
        return QString();
    }
    if (value == 0) return QStringLiteral("No ");
    if (value < 1) return QString();  // fractions and negative amounts

    const int whole = int(value);  // the fraction is spelled by the caller
    const int millions = whole / 1'000'000;
    const int thousands = whole / 1'000 % 1'000;
    const int units = whole % 1'000;

    QString words = groupWords(millions);
    if (millions) words = ConvertTeens(words + QStringLiteral("Million "));
    words += groupWords(thousands);
    if (thousands) words = ConvertTeens(words + QStringLiteral("Thousand "));
    words += groupWords(units);
    return ConvertTeens(words);
}

}  // namespace wm4
