#pragma once
// Item capacities: a form section lists one line per asset and has room for
// a fixed number of items.
#include <QtGlobal>
#include <span>

#include "calc/checks/worksheet_marks.h"

namespace wm4 {

enum class ItemOverflow {
    ListStops,  // the list stops; the rest of the page is still calculated
    EndsPage,   // the page calculation ends
};

struct ItemCapacity {
    int page;
    const char* section;
    Grid grid;
    int sendColumn;  // -1: items are chosen otherwise (12.1's persons by name)
    const char* category;  // nullptr for any
    int limit;
    quint16 errNo;
    ItemOverflow after;
};

std::span<const ItemCapacity> ItemCapacities();

// The capacity reported with `errNo`; nullptr when there is none.
const ItemCapacity* itemCapacity(quint16 errNo);

// True when item `index` (counted from 0) still fits the section. The first
// item beyond the limit reports the section's message and returns false; the
// caller then stops the list or ends the page as `after` says.
bool ItemFits(const ItemCapacity& capacity, int index);

}  // namespace wm4
