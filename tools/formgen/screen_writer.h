#pragma once
// Writes a page screen: Qt Designer XML ("pageN.psf") with one control per
// slot. The binding reads Tag (the codes of case/field_codes.h) and StyleLookup from dynamic
// properties; every control sits at a fixed place, as the screens always did.
#include <QByteArray>

#include "screen_items.h"

namespace formgen {

QByteArray WriteScreen(const FormSource& src, const QList<ScreenControl>& controls);

}  // namespace formgen
