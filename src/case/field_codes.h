#pragma once
// How the generated page screens and print templates name a slot: the Tag a
// screen control carries and the kind character of a template's merge marker
// /K SLOT/. The form generator writes them, the page screen, the override
// command, the merge and the data tests read them; all through this header.
//
// Tag of an edit box: kind x 1000 + slot (1 text, 2 and 4 amount, 3
// percentage, 5 whole number; any other kind leaves the box unbound).
// Tag of a check box: the slot, or 1000 + slot for an estimate mark.
// Tag of every other control (memo, combo, radio): the slot.

namespace wm4 {

enum class EditKind { Unbound = 0, Text = 1, Amount = 2, Percent = 3, Amount4 = 4, Whole = 5 };

inline constexpr int TagKindFactor = 1000;

constexpr int EditTag(EditKind kind, int slot) {
    return int(kind) * TagKindFactor + slot;
}
constexpr EditKind EditKindOfTag(int tag) {
    const int kind = tag / TagKindFactor;
    return kind < 0 || kind > 5 ? EditKind::Unbound : static_cast<EditKind>(kind);
}
// The slot of an edit box's or a memo's Tag.
constexpr int SlotOfTag(int tag) {
    return tag % TagKindFactor;
}
// The slot of an edit box whose kind binds it, or -1.
constexpr int BoundEditSlot(int tag) {
    return EditKindOfTag(tag) == EditKind::Unbound ? -1 : SlotOfTag(tag);
}

constexpr int EstimateTag(int slot) {
    return TagKindFactor + slot;
}
constexpr bool IsEstimateTag(int tag) {
    return tag >= TagKindFactor;
}
// The slot of a check box's Tag (an estimate mark's or a plain box's).
constexpr int CheckSlotOfTag(int tag) {
    return IsEstimateTag(tag) ? tag - TagKindFactor : tag;
}

// A range of slots the calculation fills as one area (a person block, a
// list of lines), as the generated page headers name it: count slots from
// start.
struct SlotRange {
    int start;
    int count;
    constexpr int last() const { return start + count - 1; }
    constexpr int operator[](int i) const { return start + i; }
};

// The slots of a court caption, the same on every page that has one (the
// form sources' caption, fullcaption and backcaption): a front side's
// estate and case number, a full caption's county and judges lines above
// them, and the case number alone on a back side.
namespace caption {
inline constexpr int County = 0, Judges = 1, Estate = 2, CaseNumber = 3;
inline constexpr int BackCaseNumber = 0;
}  // namespace caption

// The kind characters of a merge marker /K SLOT/. Lines ("~") prints an
// answer of several lines (the kin printout's name and address), each line
// escaped, as paragraphs: no kind prints an answer as RTF.
namespace MarkerKind {
inline constexpr char16_t Plain = u'*', PlainToo = u'<', Amount = u'$', AmountToo = u'#',
                          Percent = u'%', CheckBox = u'&', MultiLine = u'+', Lines = u'~',
                          LongDate = u'^', TypedSignature = u'!';
inline constexpr char16_t Kinds[] = {Plain,    PlainToo,  Amount, AmountToo, Percent,
                                     CheckBox, MultiLine, Lines,  LongDate,  TypedSignature};

constexpr bool IsKind(char16_t c) {
    for (char16_t k : Kinds)
        if (k == c) return true;
    return false;
}
}  // namespace MarkerKind

}  // namespace wm4
