#pragma once
#include <QString>

#include "messages/report_place.h"

namespace wm4 {

// "6.0 Inventory & Appraisal", "2.2 Notice of Probate, copy 2", "Asset
// Worksheet, row 3", or empty for no place. Copies are counted from 1 and
// shown only for pages that come in several; rows are counted from 1 as the
// worksheet windows number them.
QString reportPlaceText(const ReportPlace& place);

}  // namespace wm4
