#include "case/field_codes.h"

#include <gtest/gtest.h>

namespace wm4 {
namespace {

// The generator writes these codes and the screens read them back: every
// kind and slot a screen can carry survives the round trip.
TEST(FieldCodes, TagsRoundTrip) {
    struct Case {
        int tag;
        EditKind kind;
        int editSlot;   // BoundEditSlot
        int checkSlot;  // CheckSlotOfTag
        bool estimate;
    };
    const Case cases[] = {
        {EditTag(EditKind::Text, 0), EditKind::Text, 0, 0, true},
        {EditTag(EditKind::Amount, 299), EditKind::Amount, 299, 1299, true},
        {EditTag(EditKind::Whole, 7), EditKind::Whole, 7, 4007, true},
        {EstimateTag(42), EditKind::Text, 42, 42, true},
        {23, EditKind::Unbound, -1, 23, false},     // a plain check box, memo or combo
        {6017, EditKind::Unbound, -1, 5017, true},  // an edit kind no box is bound by
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tag);
        EXPECT_EQ(EditKindOfTag(c.tag), c.kind);
        EXPECT_EQ(BoundEditSlot(c.tag), c.editSlot);
        EXPECT_EQ(CheckSlotOfTag(c.tag), c.checkSlot);
        EXPECT_EQ(IsEstimateTag(c.tag), c.estimate);
    }
}

TEST(FieldCodes, MarkerKinds) {
    for (char16_t c : {u'*', u'<', u'$', u'#', u'%', u'&', u'+', u'~', u'^', u'!'})
        EXPECT_TRUE(MarkerKind::IsKind(c)) << char(c);
    for (char16_t c : {u'/', u'a', u'1', u' ', u'@'})
        EXPECT_FALSE(MarkerKind::IsKind(c)) << char(c);
}

}  // namespace
}  // namespace wm4
