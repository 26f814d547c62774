#include "output/textfit/fit_text.h"

#include <array>

#include "output/textfit/text_measurer.h"

namespace wm4 {
namespace {

struct FitCandidate {
    int threshold;  // tried when the current size (half-points) is at least this
    int points;     // measuring size
    const char* controlWord;
};

// Largest first: the first that fits wins.
constexpr std::array<FitCandidate, 9> Candidates{{
    {28, 14, "\\fs28 "},
    {26, 13, "\\fs26 "},
    {24, 12, "\\fs24 "},
    {22, 11, "\\fs22 "},
    {20, 10, "\\fs20 "},
    {18, 9, "\\fs18 "},
    {16, 8, "\\fs16 "},
    {14, 7, "\\fs14 "},
    {12, 6, "\\fs12 "},
}};

constexpr double UnitsPerInch = 96.0;

}  // namespace

QString FitTextToWidth(const TextMeasurer& measurer, const QString& text, int currentSize,
                       double widthInches) {
    if (widthInches == 0) return text;
    static const QString family = QStringLiteral("Arial");
    const double available = widthInches * UnitsPerInch;
    for (const FitCandidate& candidate : Candidates) {
        if (currentSize < candidate.threshold) continue;
        const double pixelSize = candidate.points * UnitsPerInch / 72.0;
        // A tenth of slack: the printed text must stay clear of the box edge.
        if (measurer.textWidth(text, family, pixelSize) / 0.9 < available)
            return QLatin1String(candidate.controlWord) + text;
    }
    return QStringLiteral("REDUCE TEXT");
}

}  // namespace wm4
