#pragma once
// A measurer for tests where the exact font does not matter: every character
// is equally wide, `widthPerPixel` times the pixel size, in every family.
// With the default 0.5 a character of size 12 is 6 pixels wide.
#include "output/textfit/text_measurer.h"

namespace wm4::test {

class FixedWidthMeasurer : public TextMeasurer {
public:
    explicit FixedWidthMeasurer(double widthPerPixel = 0.5) : m_widthPerPixel(widthPerPixel) {}

    double textWidth(QStringView text, const QString& family, double pixelSize) const override;

    // How many measurements were made, to check the work the wrapper saves.
    int measurements() const { return m_measurements; }

private:
    double m_widthPerPixel;
    mutable int m_measurements = 0;
};

}  // namespace wm4::test
