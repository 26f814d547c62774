#pragma once
// FitTextToWidth: the largest RTF font size, not larger than the template's,
// at which a one-line field's text fits the field's width.
#include <QString>

namespace wm4 {

class TextMeasurer;

// `currentSize` is the RTF size in half-points in force at the field (the
// number of the last "\fs" control word). The result is the text unchanged
// (width 0), the text behind a size control word ("\fs28 " ... "\fs12 "), or
// "REDUCE TEXT" when no size from 14 points down to 6 fits or the current
// size is below 12. Measures "Arial" at each candidate's point size.
QString FitTextToWidth(const TextMeasurer& measurer, const QString& text, int currentSize,
                       double widthInches);

}  // namespace wm4
