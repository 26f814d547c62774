// Row breaking with a fixed-width measurer: at size 10 and 0.1 per pixel
// every character is 1 pixel wide, so a memo 10 pixels wide takes 10.
#include <gtest/gtest.h>

#include "output/textfit/text_wrapper.h"
#include "support/fixed_width_measurer.h"

namespace wm4 {
namespace {

struct WrapCase {
    const char* name;
    QString text;
    QStringList rows;
};

class WrapRows : public ::testing::TestWithParam<WrapCase> {};

TEST_P(WrapRows, BreaksAsThePrintedFormDoes) {
    test::FixedWidthMeasurer measurer(0.1);
    EXPECT_EQ(WrapTextRows(measurer, GetParam().text, "Arial Narrow", 10, 10), GetParam().rows);
}

// Positions: a row grows until its text passes 10 characters.
INSTANTIATE_TEST_SUITE_P(
    Cases, WrapRows,
    ::testing::Values(
        WrapCase{"Empty", "", {}}, WrapCase{"Short", "abc", {"abc"}},
        WrapCase{"BarStartsParagraph", "abc | def", {"abc", "def"}},
        WrapCase{"TrailingEmptyLine", "abc | ", {"abc", ""}},
        WrapCase{"EmptyMiddleLine", "abc |  | def", {"abc", "", "def"}},
        WrapCase{"LineBreaksToo", "abc\r\ndef\nghi", {"abc", "def", "ghi"}},
        // One word: the row ends with the first character that overflows.
        WrapCase{"LongWord", "abcdefghijklmno", {"abcdefghijk", "lmno"}},
        WrapCase{
            "LongWordTwice", "abcdefghijklmnopqrstuvwxyz", {"abcdefghijk", "lmnopqrstuv", "wxyz"}},
        // Broken at a blank: the blank stays, the next row starts after it.
        WrapCase{"BreakAtBlank", "hello world again more", {"hello ", "world ", "again more"}},
        // The paragraph's last character ends its row unmeasured.
        WrapCase{"LastCharacterNotMeasured", "hello world again", {"hello ", "world again"}},
        // The nearest blank at or before the overflow.
        WrapCase{"TwoBlanks", "abcde  fghijkl", {"abcde  ", "fghijkl"}},
        // Blanks that open a row are not measured but stay in its text.
        WrapCase{
            "BlankOpensRow", "abcdefghij  klmnopqrst uv", {"abcdefghij ", " klmnopqrst ", "uv"}},
        WrapCase{"OnlyBlanks", "   ", {"   "}},
        WrapCase{"ExactlyFull", "abcdefghij", {"abcdefghij"}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(MemoWidth, TruncatesInchesTimes96TimesFactor) {
    EXPECT_EQ(MemoWidth(3.58, 0.75), 257);  // 257.76
    EXPECT_EQ(MemoWidth(4.85, 0.75), 349);  // 349.2
    EXPECT_EQ(MemoWidth(5.0, 0.75), 360);
    EXPECT_EQ(MemoWidth(2.7, 0.75), 194);   // 194.4
    EXPECT_EQ(MemoWidth(4.3, 0.75), 309);   // 309.6
    EXPECT_EQ(MemoWidth(5.79, 0.75), 416);  // 416.88
    EXPECT_EQ(MemoWidth(4.6, 0.75), 331);   // 331.2
    EXPECT_EQ(MemoWidth(2.75, 1.0), 264);
    EXPECT_EQ(MemoWidth(0, 0.75), 0);
}

TEST(TextWrapper, MeasuresAtTheMemoWidthOfTheFactor) {
    test::FixedWidthMeasurer measurer(0.1);  // 1.1 pixels a character at size 11
    TextWrapper wrapper(measurer);
    // 1 inch at 0.75 is 72 pixels: 65 characters fit, the 66th overflows.
    const QString word(100, QChar(u'x'));
    EXPECT_EQ(wrapper.WrapText(word, "Arial Narrow", 11, 1.0),
              QStringList({word.left(66), word.mid(66)}));
    wrapper.setMemoWidthFactor(1.0);  // 96 pixels: 87 fit
    EXPECT_EQ(wrapper.LineCount(word, "Arial Narrow", 11, 1.0), 2);
    EXPECT_EQ(wrapper.WrapText(word, "Arial Narrow", 11, 1.0).first().size(), 88);
}

TEST(TextWrapper, WrapsEachTextOncePerRun) {
    test::FixedWidthMeasurer measurer(0.1);
    TextWrapper wrapper(measurer);
    const QString text = "Household goods and furnishings | at the residence on Elm Street";
    const QStringList rows = wrapper.WrapText(text, "Arial Narrow", 11, 1.0);
    const int afterFirst = measurer.measurements();
    EXPECT_GT(afterFirst, 0);

    EXPECT_EQ(wrapper.WrapText(text, "Arial Narrow", 11, 1.0), rows);
    EXPECT_EQ(measurer.measurements(), afterFirst);

    // Another width, size or family is another wrap.
    wrapper.WrapText(text, "Arial Narrow", 11, 0.5);
    wrapper.WrapText(text, "Arial Narrow", 10, 1.0);
    wrapper.WrapText(text, "Segoe UI", 11, 1.0);
    EXPECT_EQ(wrapper.cachedTexts(), 4);

    wrapper.clearCache();
    EXPECT_EQ(wrapper.cachedTexts(), 0);
    const int beforeRewrap = measurer.measurements();
    EXPECT_EQ(wrapper.WrapText(text, "Arial Narrow", 11, 1.0), rows);
    EXPECT_EQ(measurer.measurements() - beforeRewrap, afterFirst);
}

TEST(TextWrapper, ChangingTheFactorForgetsOldRows) {
    test::FixedWidthMeasurer measurer(0.1);
    TextWrapper wrapper(measurer);
    const QString word(100, QChar(u'x'));
    EXPECT_EQ(wrapper.LineCount(word, "Arial Narrow", 11, 1.0), 2);
    wrapper.setMemoWidthFactor(0.5);  // 48 pixels: 43 fit, rows of 44
    EXPECT_EQ(wrapper.LineCount(word, "Arial Narrow", 11, 1.0), 3);
}

}  // namespace
}  // namespace wm4
