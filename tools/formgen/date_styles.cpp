#include "date_styles.h"

#include <algorithm>
#include <array>

namespace formgen {

namespace {

// Pages whose dates print in short form; every other page uses the long form.
constexpr std::array kShortDatePages = {
    95,   // Form Tracker, front: columns of dates filed and due
    96,   // Form Tracker, back
    97,   // BMV 3773 surviving spouse's affidavit for a vehicle
    98,   // BMV 3774 application for a certificate of title
    100,  // DTE 100 statement of real property conveyance fee
    111,  // confidential personal identifiers (a table of filings)
    115,  // stock power of attorney
    196,  // DTE 100EX statement of reason for exemption
};

}  // namespace

DateStyle DateStyleOf(int page) {
    return std::find(kShortDatePages.begin(), kShortDatePages.end(), page) != kShortDatePages.end()
               ? DateStyle::Short
               : DateStyle::Long;
}

QSet<int> DateSlots(const FormSource& src) {
    QSet<int> slots;
    for (const Line& line : src.screen) {
        if (line.directive != QLatin1String("field")) continue;
        const QList<Token> words = line.positional();
        if (words.size() >= 2 && words[1].text == QLatin1String("date")) {
            bool ok = false;
            const int slot = words[0].text.toInt(&ok);
            if (ok) slots.insert(slot);
        }
    }
    return slots;
}

}  // namespace formgen
