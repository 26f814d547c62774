// The Qt measurer with the real fonts, and the wrapper on top of it: the row
// search must give exactly the rows of the character-by-character walk.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QRandomGenerator>

#include "case/conversions.h"
#include "output/qtmeasure/qt_text_measurer.h"
#include "output/textfit/fit_text.h"
#include "output/textfit/text_wrapper.h"

namespace wm4 {
namespace {

class QtMeasure : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureGuiApplication(); }
    QtTextMeasurer measurer;
};

TEST_F(QtMeasure, FormFontsResolveToMetricCompatibleFonts) {
    EXPECT_EQ(measurer.resolvedFamily("Arial"), "Liberation Sans");
    EXPECT_EQ(measurer.resolvedFamily("Arial Narrow"), "Liberation Sans Narrow");
    EXPECT_FALSE(measurer.resolvedFamily("Segoe UI").isEmpty());
}

TEST_F(QtMeasure, WidthsAreArialAdvancesScaledToThePixelSize) {
    // Arial's "M" advances 1706 of 2048 units; its narrow cut 1398.
    EXPECT_NEAR(measurer.textWidth(u"MMMMMMMMMM", "Arial", 20.48), 170.6, 0.01);
    EXPECT_NEAR(measurer.textWidth(u"M", "Arial", 11), 1706.0 / 2048 * 11, 0.01);
    EXPECT_NEAR(measurer.textWidth(u"M", "Arial Narrow", 11), 1398.0 / 2048 * 11, 0.01);
    // Fractional sizes are not rounded (8 points are 10 2/3 pixels).
    EXPECT_NEAR(measurer.textWidth(u"MMM", "Arial", 32.0 / 3) * 3,
                measurer.textWidth(u"MMM", "Arial", 32), 0.01);
    // No kerning: a row's width is the sum of its characters'.
    EXPECT_NEAR(measurer.textWidth(u"AV", "Arial", 11),
                measurer.textWidth(u"A", "Arial", 11) + measurer.textWidth(u"V", "Arial", 11),
                1e-9);
    EXPECT_EQ(measurer.textWidth(u"", "Arial", 11), 0);
}

TEST_F(QtMeasure, CharacterSumsAgreeWithLaidOutText) {
    const QString text = "Office furniture, fixtures & 2 filing cabinets (oak) - $1,250.00";
    for (const QString family : {"Arial", "Arial Narrow"}) {
        const QFontMetricsF laidOut(measurer.referenceFont(family));
        EXPECT_NEAR(measurer.textWidth(text, family, 1000), laidOut.horizontalAdvance(text), 0.5)
            << qPrintable(family);
    }
}

// The rows as the character-by-character walk makes them: one measurement
// per character, breaking at the nearest blank.
QStringList walkRows(const TextMeasurer& m, const QString& text, const QString& family, double size,
                     int memoWidth) {
    QStringList rows;
    if (text.isEmpty()) return rows;
    const auto isBreak = [](QChar c) { return c == u' ' || c == u'\r' || c == u'\n'; };
    const QStringList paragraphs = Bar2CRLF(text).split(QStringLiteral("\r\n"));
    for (const QString& s : paragraphs) {
        if (s.isEmpty()) {
            rows.append(QString());
            continue;
        }
        const qsizetype last = s.size() - 1;
        qsizetype p = 0;
        while (p <= last) {
            const qsizetype first = p;
            while (p < last && isBreak(s[p])) ++p;
            const qsizetype start = p;
            qsizetype end = last;
            for (; p < last; ++p) {
                if (m.textWidth(QStringView(s).mid(start, p - start + 1), family, size) <=
                    memoWidth)
                    continue;
                end = p;
                for (qsizetype q = p; q >= start; --q)
                    if (isBreak(s[q])) {
                        end = q;
                        break;
                    }
                break;
            }
            rows.append(s.mid(first, end - first + 1));
            p = end + 1;
        }
    }
    return rows;
}

TEST_F(QtMeasure, RowSearchMatchesTheCharacterWalk) {
    const QStringList words = {
        "Household",   "goods",    "and",        "furnishings",
        "at",          "the",      "residence,", "1200",
        "Elm",         "Street",   "Wendmoor,",  "Ohio",
        "Certificate", "No.",      "A-4471-220", "(100 shares)",
        "|",           "WWWWW",    "iiiiiiiiii", "Supercalifragilisticexpialidocious",
        " ",           "$1,250.00"};
    QRandomGenerator random(4471);
    const QStringList families = {"Arial Narrow", "Arial", "Segoe UI"};
    for (int i = 0; i < 300; ++i) {
        QStringList picked;
        const int count = random.bounded(1, 60);
        for (int w = 0; w < count; ++w) picked.append(words[random.bounded(words.size())]);
        const QString text = picked.join(' ');
        const QString& family = families[i % families.size()];
        const int memoWidth = MemoWidth(1.0 + random.bounded(50) / 10.0, 0.75);
        ASSERT_EQ(WrapTextRows(measurer, text, family, 11, memoWidth),
                  walkRows(measurer, text, family, 11, memoWidth))
            << qPrintable(text) << " in " << qPrintable(family) << " at " << memoWidth;
    }
}

TEST_F(QtMeasure, ScheduleDescriptionsInArialNarrow) {
    TextWrapper wrapper(measurer);
    // Generous widths: the counts do not hang on a pixel.
    EXPECT_EQ(wrapper.LineCount("Checking account, First Bank", "Arial Narrow", 11, 3.58), 1);
    EXPECT_EQ(wrapper.LineCount("Savings | Certificate of deposit", "Arial Narrow", 11, 3.58), 2);
    // About 280 pixels: two rows in 2.7 inches (194), one in 5.0 (360).
    const QString sentence = "Two-story frame residence with detached garage and workshop";
    EXPECT_NEAR(measurer.textWidth(sentence, "Arial Narrow", 11), 280, 30);
    EXPECT_EQ(wrapper.LineCount(sentence, "Arial Narrow", 11, 2.7), 2);
    EXPECT_EQ(wrapper.LineCount(sentence, "Arial Narrow", 11, 5.0), 1);
}

TEST_F(QtMeasure, FitsFieldsInArial) {
    // About 70 pixels at 12 points; 1.2 inches are 115.2 pixels.
    EXPECT_EQ(FitTextToWidth(measurer, "John Q. Smith", 24, 1.2), "\\fs24 John Q. Smith");
    EXPECT_EQ(FitTextToWidth(measurer, "John Q. Smith", 24, 0), "John Q. Smith");
    EXPECT_EQ(FitTextToWidth(measurer, "John Q. Smith", 10, 1.2), "REDUCE TEXT");
    EXPECT_EQ(FitTextToWidth(measurer, QString(200, QChar(u'W')), 28, 1.2), "REDUCE TEXT");
}

}  // namespace
}  // namespace wm4
