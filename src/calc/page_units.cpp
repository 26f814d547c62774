#include "calc/page_units.h"

#include <array>
#include <utility>

#include "calc/letters/letter_units.h"
#include "calc/relief/relief_units.h"
#include "calc/transfer/transfer_units.h"

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
    // Relief from administration and summary release
    {20, Calc20},
    {21, Calc21},
    {26, Calc26},
    {27, Calc27},
    {72, Calc72},
    {73, Calc73},
    // Transfer forms and affidavits
    {97, Calc97},
    {98, Calc98},
    {100, Calc100},
    {102, Calc102},
    {104, Calc104},
    {111, Calc111},
    {115, Calc115},
    {127, Calc127},
    {196, Calc196},
    // Enclosure letters
    {116, Calc116},
    {117, Calc117},
    {119, Calc119},
    {121, Calc121},
    {122, Calc122},
    {123, Calc123},
    {125, Calc125},
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
