#include "support/fixed_width_measurer.h"

namespace wm4::test {

double FixedWidthMeasurer::textWidth(QStringView text, const QString& /*family*/,
                                     double pixelSize) const {
    ++m_measurements;
    return double(text.size()) * pixelSize * m_widthPerPixel;
}

}  // namespace wm4::test
