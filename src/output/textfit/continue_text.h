#pragma once
// The part of a one-line answer that prints on the form when the answer
// does not fit its field at the smallest size and continues on an addendum.
#include <QString>

namespace wm4 {

class TextMeasurer;

// The longest start of `text`, cut after a whole word (or, for a single
// word longer than the field, after a character), that fits the field
// together with " " + `mark` at the size in force (`currentSize`,
// half-points), measured as FitTextToWidth measures (in `family`). Empty when not even the
// first character fits beside the mark.
QString TextBeforeMark(const TextMeasurer& measurer, const QString& text, const QString& mark,
                       int currentSize, double widthInches,
                       const QString& family = QStringLiteral("Arial"));

// True when the text, as it stands at the size in force, is no wider than
// the field (for the forms whose fields keep their own size).
bool TextFitsAsItStands(const TextMeasurer& measurer, const QString& text, int currentSize,
                        double widthInches, const QString& family);

}  // namespace wm4
