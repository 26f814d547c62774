#pragma once
// Helpers the sample cases are written with: rows of cells and marks, typed
// answers and answers typed over in override mode.
#include <QString>
#include <initializer_list>
#include <utility>
#include <vector>

#include "case/case_data.h"

namespace wm4::test::sample {

using Cells = std::initializer_list<std::pair<int, const char*>>;

// Appends a row with the given cells and "X" in each mark column (the
// store's single empty row is used first); returns the row.
int addRow(WorksheetStore& store, Cells cells, const std::vector<int>& marks = {});

// A typed answer of page copy (page, copy).
void answer(CaseData& data, int page, int slot, const char* text, int copy = 0);

// An answer the user typed over a computed slot in override mode.
void overridden(CaseData& data, int page, int slot, const char* text, int copy = 0);

// Several typed answers of one page copy.
void answers(CaseData& data, int page, Cells slots, int copy = 0);

}  // namespace wm4::test::sample
