// FitTextToWidth with a fixed-width measurer: a character is half the pixel
// size wide, and a candidate of P points measures at P x 96 / 72 pixels.
#include "output/textfit/fit_text.h"

#include <gtest/gtest.h>

#include "support/fixed_width_measurer.h"

namespace wm4 {
namespace {

struct FitCase {
    const char* name;
    QString text;
    int currentSize;
    double widthInches;
    QString result;
};

class FitText : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitText, ChoosesTheLargestSizeThatFits) {
    test::FixedWidthMeasurer measurer(0.5);
    const FitCase& c = GetParam();
    EXPECT_EQ(FitTextToWidth(measurer, c.text, c.currentSize, c.widthInches), c.result);
}

// Ten characters in 1 inch (96 pixels), measured width / 0.9 against 96:
// 14 pt 103.7, 13 pt 96.3 (does not fit: not strictly less), 12 pt 88.9.
INSTANTIATE_TEST_SUITE_P(
    Cases, FitText,
    ::testing::Values(FitCase{"WidthZeroUnchanged", "abcdefghij", 24, 0, "abcdefghij"},
                      FitCase{"BelowTwelveReduces", "a", 10, 1, "REDUCE TEXT"},
                      FitCase{"FitsAtTwelve", "abcdefghij", 24, 1, "\\fs24 abcdefghij"},
                      FitCase{"StartsAtFourteen", "abcdefghij", 40, 1, "\\fs24 abcdefghij"},
                      FitCase{"OddSizeStartsBelow", "abc", 25, 1, "\\fs24 abc"},
                      FitCase{"NeverLargerThanTemplate", "abc", 20, 1, "\\fs20 abc"},
                      FitCase{"ShortTextAtFourteen", "abc", 28, 1, "\\fs28 abc"},
                      FitCase{"SixPoints", "abcdefghijklmnopqrst", 20, 1,
                              "\\fs12 abcdefghijklmnopqrst"},
                      FitCase{"NothingFits", QString(40, QChar(u'x')), 28, 1, "REDUCE TEXT"},
                      FitCase{"EmptyText", "", 20, 1, "\\fs20 "}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

}  // namespace
}  // namespace wm4
