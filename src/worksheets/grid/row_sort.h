#pragma once
// Sorting worksheet rows on one column. The order is the one a pass-until-no-
// exchange neighbour sort gives (equal rows never exchanged, so the sort is
// stable in both directions), computed with a stable O(n log n) sort over
// keys read once per row.
#include <QStringList>
#include <vector>

#include "worksheets/grid/grid_columns.h"

namespace wm4 {

enum class SortDirection { Ascending, Descending };

// Reorders rows whole on `column`. Money cells that do not read are reported
// once each by Str2Float_2 (and count as 0); unreadable time-worksheet dates
// are reported by Str2Date. Fewer than two rows are left alone.
void SortRows(std::vector<QStringList>& rows, int column, SortKind kind, SortDirection direction);

}  // namespace wm4
