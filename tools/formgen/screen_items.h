#pragma once
// The screen section of a form source expanded into a flat list of controls:
// the block words (caption, attorney, fiduciary, decedent, grid) become the
// fields they stand for, with the labels every page uses for them.
#include "case/field_codes.h"
#include "form_source.h"

namespace formgen {

enum class ControlType { Section, Note, Field, Check, Radio, Memo, Combo, GridHeader, GridRow };

// Edit kinds of the binding (the generator writes text, amount, percentage
// and whole number boxes).
using wm4::EditKind;
namespace MarkerKind = wm4::MarkerKind;

// A field width that runs the box on to the screen's right margin.
constexpr int kToRightEdge = -1;

struct GridColumn {
    QString label;
    EditKind kind = EditKind::Text;
    int width = 200;  // pixels
};

struct ScreenControl {
    ControlType type = ControlType::Note;
    int slot = -1;
    EditKind kind = EditKind::Text;
    bool computed = false;  // the calculation writes it
    bool kept = false;      // ... with a kept write: the user may override it
    QString label;
    QString prompt;
    QString help;
    QString group;  // radio group
    int width = 0;  // pixels, 0 = the kind's default, kToRightEdge = up to the screen's edge
    int lines = 4;  // memo lines
    int estSlot = -1;
    QStringList items;          // combo box items
    QList<GridColumn> columns;  // grid header and rows
    QList<int> slots;           // grid row: one slot per column
    QString name;               // name= of the line: the slot's name in the code
    // A named range that starts here: a person block's first field, a grid's
    // header (its name=).
    QString rangeName;
    int rangeStart = -1;
    int rangeCount = 0;
};

// Expands the screen lines; throws std::runtime_error on bad lines.
QList<ScreenControl> ExpandScreen(const FormSource& src);

// Every slot a screen binds, with the number the binding carries in Tag.
QList<int> ScreenSlots(const QList<ScreenControl>& controls);

// Parses a column list "Name:260,$Value:120" (prefix $ amount, % percentage,
// # whole number; width in pixels for screens, inches for print).
struct ColumnSpec {
    QString label;
    QChar kind;  // '*', '$', '%', '#', '<' (a text set flush right)
    double width = 0;
};
QList<ColumnSpec> ParseColumns(const QString& text);

}  // namespace formgen
