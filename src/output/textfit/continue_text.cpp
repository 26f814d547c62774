#include "output/textfit/continue_text.h"

#include "output/textfit/text_measurer.h"

namespace wm4 {

namespace {
constexpr double UnitsPerInch = 96.0;
}

bool TextFitsAsItStands(const TextMeasurer& measurer, const QString& text, int currentSize,
                        double widthInches, const QString& family) {
    const double pixelSize = currentSize / 2.0 * UnitsPerInch / 72.0;
    return widthInches <= 0 || measurer.textWidth(text, family, pixelSize) <= widthInches * UnitsPerInch;
}

QString TextBeforeMark(const TextMeasurer& measurer, const QString& text, const QString& mark,
                       int currentSize, double widthInches, const QString& family) {
    const double pixelSize = currentSize / 2.0 * UnitsPerInch / 72.0;
    const double available = widthInches * UnitsPerInch;
    // The same tenth of slack as the fitting keeps from the box edge.
    auto fits = [&](qsizetype length) {
        const QString printed = text.left(length).trimmed() + u' ' + mark;
        return measurer.textWidth(printed, family, pixelSize) / 0.9 < available;
    };
    // Widths grow with the length: the longest fitting length by halving.
    qsizetype low = 0, high = text.size();
    while (low < high) {
        const qsizetype mid = (low + high + 1) / 2;
        if (fits(mid))
            low = mid;
        else
            high = mid - 1;
    }
    if (low >= text.size()) return text.trimmed();
    // Back to the end of a word when one ends within the fitting part.
    const qsizetype blank = text.lastIndexOf(u' ', low);
    const qsizetype cut = blank > 0 ? blank : low;
    return text.left(cut).trimmed();
}

}  // namespace wm4
