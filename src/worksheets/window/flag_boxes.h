#pragma once
// Send-to flags shown as check boxes, built from a flag table (column, code,
// caption). The boxes are laid out in columns, top to bottom, in the panel's
// own order.
#include <span>
#include <vector>

#include "case/worksheet_lists.h"

class QCheckBox;
class QGridLayout;
class QWidget;

namespace wm4 {

// A check box per flag, returned in table order. layoutColumns lists the
// flags' store columns in layout order, columnSizes the number of boxes of
// each layout column. Captions longer than their column are cut by the
// layout; the full caption is the box's tooltip, accessible name and
// right-click hint.
std::vector<QCheckBox*> BuildFlagBoxes(std::span<const SendToFlag> flags,
                                       std::span<const int> layoutColumns,
                                       std::span<const int> columnSizes, QWidget* parent,
                                       QGridLayout* layout);

// The right-click hint: a one-item popup that shows the full caption followed
// by "   ."; choosing it does nothing.
void AddCaptionHint(QCheckBox* box);

}  // namespace wm4
