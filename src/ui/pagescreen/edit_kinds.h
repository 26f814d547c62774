#pragma once
// The edit kinds of a page screen's edit boxes (their Tag codes are in
// case/field_codes.h). These routines say how an answer is shown in a box,
// stored from it, and rewritten when the user leaves it.
#include <QString>

#include "case/field_codes.h"

namespace wm4 {

// The box text for an answer; blankZero: an amount or percentage of value 0
// shows as an empty box. Unbound boxes have no shown text (nullopt-like: the
// caller leaves them alone).
QString ShownEditText(EditKind kind, const QString& answer, bool blankZero);

// The answer for a box text.
QString StoredEditText(EditKind kind, const QString& boxText);

// The box text after the user leaves the box; text and unbound boxes keep it.
QString ReformattedEditText(EditKind kind, const QString& boxText);

}  // namespace wm4
