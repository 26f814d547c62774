#include "calc/page_units.h"

#include <array>
#include <utility>

#include "calc/deadlines/tracker_unit.h"
#include "calc/fees/fee_units.h"
#include "calc/letters/letter_units.h"
#include "calc/relief/relief_units.h"
#include "calc/transfer/transfer_units.h"
#include "calc/units/units.h"

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
    // Form pages
    {0, units::Calc0},
    {1, units::Calc1},
    {2, units::Calc2},
    {3, units::Calc3},
    {4, units::Calc4},
    {5, units::Calc5},
    {6, units::Calc6},
    {7, units::Calc7},
    {8, units::Calc8},
    {9, units::Calc9},
    {10, units::Calc10},
    {11, units::Calc11},
    {12, units::Calc12},
    {13, units::Calc13},
    {14, units::Calc14},
    {15, units::Calc15},
    {16, units::Calc16},
    {17, units::Calc17},
    {18, units::Calc18},
    {19, units::Calc19},
    {22, units::Calc22},
    {23, units::Calc23},
    {24, units::Calc24},
    {25, units::Calc25},
    {28, units::Calc28},
    {29, units::Calc29},
    {30, units::Calc30},
    {31, units::Calc31},
    {32, units::Calc32},
    {33, units::Calc33},
    {34, units::Calc34},
    {35, units::Calc35},
    {36, units::Calc36},
    {37, units::Calc37},
    {38, units::Calc38},
    {39, units::Calc39},
    {40, units::Calc40},
    {41, units::Calc41},
    {42, units::Calc42},
    {44, units::Calc44},
    {45, units::Calc45},
    {46, units::Calc46},
    {47, units::Calc47},
    {48, units::Calc48},
    {50, units::Calc50},
    {51, units::Calc51},
    {52, units::Calc52},
    {53, units::Calc53},
    {54, units::Calc54},
    {55, units::Calc55},
    {56, units::Calc56},
    {57, units::Calc57},
    {58, units::Calc58},
    {59, units::Calc59},
    {60, units::Calc60},
    {61, units::Calc61},
    {62, units::Calc62},
    {63, units::Calc63},
    {64, units::Calc64},
    {65, units::Calc65},
    {66, units::Calc66},
    {67, units::Calc67},
    {68, units::Calc68},
    {69, units::Calc69},
    {70, units::Calc70},
    {71, units::Calc71},
    {74, units::Calc74},
    {75, units::Calc75},
    {76, units::Calc76},
    {77, units::Calc77},
    {79, units::Calc79},
    {84, units::Calc84},
    {85, units::Calc85},
    {86, units::Calc86},
    {87, units::Calc87},
    {88, units::Calc88},
    {89, units::Calc89},
    {90, units::Calc90},
    {91, units::Calc91},
    {92, units::Calc92},
    {107, units::Calc107},
    {110, units::Calc110},
    {112, units::Calc112},
    {128, units::Calc128},
    {129, units::Calc129},
    {150, units::Calc150},
    {151, units::Calc151},
    {152, units::Calc152},
    {153, units::Calc153},
    {154, units::Calc154},
    {155, units::Calc155},
    {156, units::Calc156},
    {157, units::Calc157},
    {158, units::Calc158},
    // Fee computations
    {43, Calc43},
    {49, Calc49},
    {95, Calc95},
    {96, Calc96},
    {99, Calc99},
    {101, Calc101},
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
