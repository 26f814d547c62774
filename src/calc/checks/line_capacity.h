#pragma once
// Line capacities: a box of a form takes the wrapped lines of the texts sent
// to it, one line per slot, and holds a fixed number of lines.
#include <QtGlobal>
#include <span>

#include "calc/checks/worksheet_marks.h"

namespace wm4 {

// What follows the line that would exceed the box.
enum class LineOverflow {
    KeepWhole,  // the whole text still goes into its slot; the message only warns
    EndsPage,   // the page calculation ends
    EndsRow,    // only that row's lines stop; the next row is tried
};

struct LineCapacity {
    int page;
    const char* section;
    Grid grid;
    int sendColumn;        // send-to column of the rows listed
    const char* category;  // category the rows must carry; nullptr for any
    const char* font;      // "Arial" or "Arial Narrow"
    double pointSize;
    double widthInches;
    int lines;  // lines the box holds
    quint16 errNo;
    LineOverflow after;
};

// Every line capacity, in page order.
std::span<const LineCapacity> LineCapacities();

// The capacity reported with `errNo` (each box has its own message); nullptr
// when there is none.
const LineCapacity* lineCapacity(quint16 errNo);

// How many lines of one text go into a box.
struct LinePlacement {
    int lines = 0;          // lines to write, from the text's first
    bool overflow = false;  // the message was reported
    bool endsPage = false;  // the page calculation must end after writing them
};

// `used` lines are already in the box and the next text wrapped into
// `wanted` lines. Reports the box's message when a line would exceed it and
// says how many lines still go in (all of them for KeepWhole).
LinePlacement PlaceLines(const LineCapacity& capacity, int used, int wanted);

}  // namespace wm4
