#include "calc/page_units.h"

#include <array>
#include <utility>

// Each group of units declares its Calc functions in its own header; this
// table is the one place that ties page numbers to them. Add a row per unit.

namespace wm4 {
namespace {

struct UnitRow {
    int page;
    PageUnit unit;
};

constexpr UnitRow kUnits[] = {
    {-1, nullptr},  // placeholder so the table is never empty; ignored
};

std::array<PageUnit, PageCount> buildTable() {
    std::array<PageUnit, PageCount> table{};
    for (const UnitRow& row : kUnits)
        if (row.page >= 0 && row.page < PageCount) table[size_t(row.page)] = row.unit;
    return table;
}

}  // namespace

PageUnit pageUnit(int page) {
    static const std::array<PageUnit, PageCount> table = buildTable();
    return page >= 0 && page < PageCount ? table[size_t(page)] : nullptr;
}

}  // namespace wm4
