#include "ui/pagescreen/edit_kinds.h"

#include <gtest/gtest.h>

#include "support/report_recorder.h"

namespace wm4 {
namespace {

struct ShownCase {
    int tag;
    const char* answer;
    bool blankZero;
    const char* shown;
};

TEST(EditKinds, ShownTextByKind) {
    const ShownCase cases[] = {
        {1004, "  Jane Doe ", false, "  Jane Doe "},  // text: unchanged
        {2015, "", true, ""},                         // amount 0 on a blank-zero page
        {2015, "", false, "0.00"},
        {2015, "$1,234.5", false, "1,234.50"},
        {4015, "-12", false, "-12.00"},
        {3007, "0.05", false, "5.00%"},
        {3007, "", true, ""},
        {3007, "0.125", false, "12.50%"},
        {5003, "1,234", false, "1,234"},  // whole number: shown as stored
        {7001, "anything", false, ""},    // kind above 5: unbound
    };
    for (const ShownCase& c : cases)
        EXPECT_EQ(ShownEditText(EditKindOfTag(c.tag), QString::fromLatin1(c.answer), c.blankZero),
                  QString::fromLatin1(c.shown))
            << "Tag " << c.tag << " answer \"" << c.answer << "\"";
}

TEST(EditKinds, StoredAndReformattedText) {
    EXPECT_EQ(StoredEditText(EditKind::Percent, QStringLiteral("5.00%")), QStringLiteral("0.05"));
    EXPECT_EQ(StoredEditText(EditKind::Percent, QStringLiteral("12.50%")), QStringLiteral("0.125"));
    // A percentage box that lost its sign keeps its number.
    EXPECT_EQ(StoredEditText(EditKind::Percent, QStringLiteral("5")), QStringLiteral("0.05"));
    EXPECT_EQ(StoredEditText(EditKind::Amount, QStringLiteral("1234.5")), QStringLiteral("1234.5"));
    EXPECT_EQ(ReformattedEditText(EditKind::Amount, QStringLiteral("1234.5")),
              QStringLiteral("1,234.50"));
    EXPECT_EQ(ReformattedEditText(EditKind::Percent, QStringLiteral("5")), QStringLiteral("5.00%"));
    EXPECT_EQ(ReformattedEditText(EditKind::Whole, QStringLiteral("1234")),
              QStringLiteral("1,234"));
    EXPECT_EQ(ReformattedEditText(EditKind::Whole, QStringLiteral("1234.6")),
              QStringLiteral("1,235"));
    EXPECT_EQ(ReformattedEditText(EditKind::Text, QStringLiteral(" a ")), QStringLiteral(" a "));
}

TEST(EditKinds, UnreadableAmountReportsAndShowsZero) {
    test::ReportRecorder recorder;
    EXPECT_EQ(ShownEditText(EditKind::Amount, QStringLiteral("abc"), false),
              QStringLiteral("0.00"));
    EXPECT_FALSE(recorder.reports().empty());
}

}  // namespace
}  // namespace wm4
