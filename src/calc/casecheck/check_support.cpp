#include "calc/casecheck/check_support.h"

#include <QRegularExpression>
#include <cmath>

#include "case/conversions.h"

namespace wm4::casecheck {

std::optional<double> amountOf(const QString& text) {
    QString t = text.trimmed();
    if (t.isEmpty()) return std::nullopt;
    bool negative = false;
    if (t.startsWith(u'(') && t.endsWith(u')')) {
        negative = true;
        t = t.mid(1, t.size() - 2);
    }
    t.remove(u'$').remove(u',').remove(u' ');
    bool ok = false;
    const double value = t.toDouble(&ok);
    if (!ok) return std::nullopt;
    return negative ? -value : value;
}

std::optional<double> slotAmount(const CaseData& data, int page, int slot, int copy) {
    return amountOf(data.answers.answer(page, copy, slot));
}

bool sameAmount(double a, double b) {
    return std::llround(a * 100) == std::llround(b * 100);
}

QString money(double amount) {
    return FormatAmount(amount);
}

std::optional<QDate> dateOf(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return std::nullopt;
    return ParseShortDate(ShortDateText(t));
}

std::optional<int> accountNumberOf(const QString& text) {
    const QString t = text.trimmed().toLower();
    // "2", "2nd", "No. 2": the first figure.
    static const QRegularExpression figure(QStringLiteral(R"((\d+))"));
    if (const auto m = figure.match(t); m.hasMatch()) return m.captured(1).toInt();
    // "First", "First and final", "Second partial": the first word that
    // is an ordinal or a number.
    static const char* const kOrdinals[] = {"first", "second", "third",    "fourth",
                                            "fifth", "sixth",  "seventh",  "eighth",
                                            "ninth", "tenth",  "eleventh", "twelfth"};
    static const char* const kNumbers[] = {"one",   "two",   "three", "four", "five",   "six",
                                           "seven", "eight", "nine",  "ten",  "eleven", "twelve"};
    static const QRegularExpression words(QStringLiteral(R"([^a-z]+)"));
    for (const QString& word : t.split(words, Qt::SkipEmptyParts))
        for (int n = 0; n < 12; ++n)
            if (word == QLatin1String(kOrdinals[n]) || word == QLatin1String(kNumbers[n]))
                return n + 1;
    return std::nullopt;
}

const QString& gi(const CaseData& data, int slot) {
    return data.answers.answer(GeneralInformation, 0, slot);
}

void add(CaseFindings& out, const CaseRule& rule, const QString& text, const ReportPlace& place) {
    out.append({&rule, text, place});
}

}  // namespace wm4::casecheck
