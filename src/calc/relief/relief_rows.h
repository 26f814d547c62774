#pragma once
// The worksheet rows the relief forms list, and how a description is wrapped
// for them.
#include <QStringList>
#include <vector>

#include "calc/units/blocks.h"
#include "calc/units/categories.h"

namespace wm4::relief {

// Asset rows marked in `sendTo` whose category cell (`categoryColumn`) names
// `category` in any of its wordings, top to bottom.
std::vector<int> assetRowsOf(const CalcContext& ctx, int sendTo, int categoryColumn,
                             units::Category category);

// The printed rows of a description for a box. A description that wraps to
// nothing (an empty cell) still takes one empty line, so that the value
// beside it is printed and counted.
QStringList descriptionLines(CalcContext& ctx, const QString& description,
                             const units::TextFont& font);

}  // namespace wm4::relief
