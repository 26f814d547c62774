#pragma once
// Send-to flags shown as check boxes: one table per worksheet gives each
// flag's store column, the code that stands for it in the row's Send To
// summary and its caption. The summary order is the table's order; the boxes
// are laid out in columns, top to bottom, in their own order.
#include <QString>
#include <QStringList>
#include <span>
#include <vector>

class QCheckBox;
class QGridLayout;
class QWidget;

namespace wm4 {

struct FlagBox {
    int column;           // the store column, "X" when checked
    const char* code;     // in the Send To summary
    const char* caption;  // the check box
};

// The codes of the flags whose cells hold "X", in table order, joined by ", ".
QString SendToSummary(std::span<const FlagBox> flags, const QStringList& row);

// A check box per flag, in layout order: layoutOrder lists the table indexes
// column after column, columnBreaks the number of boxes of each column.
// Captions longer than the column are cut by the layout; the full caption is
// the box's tooltip, accessible name and right-click hint.
std::vector<QCheckBox*> BuildFlagBoxes(std::span<const FlagBox> flags,
                                       std::span<const int> layoutOrder,
                                       std::span<const int> columnSizes, QWidget* parent,
                                       QGridLayout* layout);

// The right-click hint: a one-item popup that shows the full caption followed
// by "   ."; choosing it does nothing.
void AddCaptionHint(QCheckBox* box);

}  // namespace wm4
