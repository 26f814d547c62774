#pragma once
// The measuring interface: how wide a text prints in a font family and size.
// Wrapping and fitting measure only through it, so the engine runs headless
// with any implementation: the Qt one (wm4_qtmeasure) for real fonts, a
// fixed-width one in tests where the exact font does not matter.
#include <QString>
#include <QStringView>

namespace wm4 {

class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;

    // Width of `text` in pixels of 1/96 inch, for the font `family` at a
    // pixel size of `pixelSize` (one pixel = 1/96 inch). Families are the
    // forms' names ("Arial", "Arial Narrow", "Segoe UI"); the implementation
    // maps them to installed fonts. Called once per character while wrapping,
    // so implementations keep the font object of the last family and size.
    virtual double textWidth(QStringView text, const QString& family, double pixelSize) const = 0;
};

}  // namespace wm4
