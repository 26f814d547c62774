#pragma once
// The edit kinds of a page screen's edit boxes. An edit box's Tag is
// kind x 1000 + slot: 1 text, 2 and 4 amount, 3 percentage, 5 whole number;
// any other kind leaves the box unbound. These routines say how an answer is
// shown in a box, stored from it, and rewritten when the user leaves it.
#include <QString>

namespace wm4 {

enum class EditKind { Unbound = 0, Text = 1, Amount = 2, Percent = 3, Amount4 = 4, Whole = 5 };

EditKind EditKindOfTag(int tag);
inline int SlotOfTag(int tag) {
    return tag % 1000;
}

// The box text for an answer; blankZero: an amount or percentage of value 0
// shows as an empty box. Unbound boxes have no shown text (nullopt-like: the
// caller leaves them alone).
QString ShownEditText(EditKind kind, const QString& answer, bool blankZero);

// The answer for a box text.
QString StoredEditText(EditKind kind, const QString& boxText);

// The box text after the user leaves the box; text and unbound boxes keep it.
QString ReformattedEditText(EditKind kind, const QString& boxText);

}  // namespace wm4
