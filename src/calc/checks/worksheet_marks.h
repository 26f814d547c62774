#pragma once
// Reading the send-to and category cells of the worksheet rows the way every
// check and unit reads them.
#include <QString>
#include <QStringView>

#include "case/case_data.h"

namespace wm4 {

// The worksheets a check reads from.
enum class Grid { Kin, Asset, Expense };

const WorksheetStore& gridStore(const CaseData& data, Grid grid);
WorksheetStore& gridStore(CaseData& data, Grid grid);

// A row is marked for a form when its send-to cell holds exactly "X".
inline bool isMarked(const QString& cell) {
    return cell == u"X";
}
inline bool isMarked(const WorksheetStore& store, int column, int row) {
    return isMarked(store.cell(column, row));
}

// Category texts are compared without regard to case, and without the blanks
// a hand-edited or imported cell may carry around them.
bool sameCategory(const QString& cell, QStringView name);

// A category cell counts as missing when it is empty, holds a new row's "0",
// or holds the list's "not used" item: "Not used for this asset", "Not used
// for this expense", and the expense list's own wording "Not used on this
// expense".
bool categoryMissing(const QString& cell);

}  // namespace wm4
