// Dates print in one style per form: every date a court form asks for
// prints in long form ("March 10, 2026") whatever the slot holds, so a date
// typed short never stands beside long ones; the motor-vehicle, taxation
// and stock-transfer forms keep the short form their boxes are drawn for,
// and so does the Form Tracker, whose dates stand in table columns.
#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>

#include "data/data_files.h"

namespace wm4::test {
namespace {

// The slots a form source declares as dates on its screen.
QSet<int> DateFields(const QString& source) {
    static const QRegularExpression field(QStringLiteral(R"(^\s*field (\d+) date\b)"),
                                          QRegularExpression::MultilineOption);
    QSet<int> slots;
    for (auto it = field.globalMatch(source); it.hasNext();)
        slots.insert(it.next().captured(1).toInt());
    return slots;
}

TEST(DateStyle, CourtFormsPrintEveryDateInLongForm) {
    const QSet<int> shortDateForms{95, 96, 97, 98, 100, 111, 115, 196};
    const QDir forms(dataDir() + QStringLiteral("/forms"));
    int longDates = 0;
    for (const QString& name : forms.entryList({QStringLiteral("page*.form")})) {
        const int page = name.mid(4, 3).toInt();
        const QSet<int> dates = DateFields(ReadLatin1(forms.filePath(name)));
        const QString rtf = dataDir() + QStringLiteral("/RTF/Page%1.rtf").arg(page);
        if (dates.isEmpty() || !QFile::exists(rtf)) continue;
        for (const Marker& m : TemplateMarkers(ReadLatin1(rtf))) {
            if (!dates.contains(m.slot)) continue;
            if (shortDateForms.contains(page)) {
                EXPECT_NE(m.kind, u'^') << "page " << page << " slot " << m.slot;
            } else {
                EXPECT_EQ(m.kind, u'^') << "page " << page << " slot " << m.slot;
                ++longDates;
            }
        }
    }
    EXPECT_GT(longDates, 100);  // the check saw the forms' dates
}

}  // namespace
}  // namespace wm4::test
