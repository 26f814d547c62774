#include "worksheets/details/distributee_selection.h"

#include <gtest/gtest.h>

namespace wm4 {
namespace {

struct Case {
    QStringList names;
    const char* selection;
    QList<bool> checked;
    const char* why;
};

TEST(DistributeeSelection, WholeNamesOnly) {
    const Case cases[] = {
        {{"Ann", "Ann Lee"}, "Ann Lee", {false, true}, "Ann occurs inside Ann Lee only"},
        {{"Ann", "Ann Lee"}, "Ann, Ann Lee", {true, true}, "both chosen"},
        {{"Ann", "Ann Lee"}, "Ann", {true, false}, "Ann alone"},
        {{"Lee", "Ann", "Lee, Ann"},
         "Lee, Ann",
         {false, false, true},
         "a name with \", \" reads as one name rather than two"},
        {{"Lee", "Ann", "Lee, Ann"}, "Lee, Ann, Lee, Ann", {true, true, true}, "all three"},
        {{"Lee, Ann", "Bob"}, "Lee, Ann, Bob", {true, true}, "a comma name first"},
        {{"Bob", "Lee, Ann"}, "Bob, Lee, Ann", {true, true}, "a comma name last"},
        {{"", "Ann", ""}, "", {false, false, false}, "empty selection"},
        {{"", ""}, "Ann", {false, false}, "an empty name is never checked"},
        {{"Ann", "Bob"},
         "Annabel, Bob",
         {false, true},
         "a renamed kin: whole names that still stand are checked"},
        {{"Ann", "Bob", "Carl"},
         "Bob, Ann",
         {true, true, false},
         "hand-made order: each whole name found"},
        {{"Ann", "Ann"}, "Ann, Ann", {true, true}, "two kin of one name, both chosen"},
        {{"Ann", "Ann"}, "Ann", {true, false}, "two kin of one name, one chosen"},
        {{"ann"}, "Ann", {false}, "names are compared with case"},
        {{"Ann"}, "Ann, ", {true}, "a hand-made trailing separator still leaves Ann whole"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SelectedNames(c.names, QString::fromLatin1(c.selection)), c.checked) << c.why;
}

TEST(DistributeeSelection, ChosenNamesRoundTrip) {
    const QStringList names = {"Smith, John Jr.", "Ann", "Ann Lee", "", "Lee, Ann", "Lee"};
    // Every choice of names, written as the dialog writes it, reads back the same.
    for (int mask = 0; mask < (1 << names.size()); ++mask) {
        QStringList chosen;
        for (int i = 0; i < names.size(); ++i)
            if (mask & (1 << i)) chosen.append(names[i]);
        if (mask & (1 << 3)) continue;  // the empty name cannot be chosen
        const QString text = JoinSelection(chosen);
        const QList<bool> read = SelectedNames(names, text);
        // "Lee, Ann" chosen alone and "Lee" with "Ann" would write different
        // texts only by order; where the texts coincide the fewer names win.
        QStringList reread;
        for (int i = 0; i < names.size(); ++i)
            if (read[i]) reread.append(names[i]);
        EXPECT_EQ(JoinSelection(reread), text) << text.toStdString();
    }
}

}  // namespace
}  // namespace wm4

namespace wm4 {
namespace {

TEST(DistributeeSelection, LongKinListsWithSharedNamePrefixes) {
    // "Heir 1", "Heir 1, Jr.", "Heir 10" ...: every second one chosen.
    QStringList names;
    for (int i = 0; i < 400; ++i)
        names.append(i % 3 == 1 ? QStringLiteral("Heir %1, Jr.").arg(i / 3)
                                : QStringLiteral("Heir %1").arg(i));
    QStringList chosen;
    QList<bool> expected;
    for (int i = 0; i < names.size(); ++i) {
        expected.append(i % 2 == 0);
        if (i % 2 == 0) chosen.append(names[i]);
    }
    EXPECT_EQ(SelectedNames(names, JoinSelection(chosen)), expected);
}

}  // namespace
}  // namespace wm4
