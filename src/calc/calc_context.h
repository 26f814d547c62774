#pragma once
// What a calculation run works on: the case (answers and worksheets), the
// schedule buffers the builders fill, and the text wrapper (made with the
// program settings' memo width factor) that counts lines the way the printed
// forms break them.
//
// Data flows worksheets -> counts and schedules -> page units in fixed order
// -> answers.
#include <QDate>
#include <functional>

#include "calc/fees/category_totals.h"
#include "case/case_data.h"

namespace wm4 {

struct ScheduleBuffers;
class TextWrapper;

struct CalcContext {
    CaseData& data;
    ScheduleBuffers& buffers;
    TextWrapper& wrapper;

    // Left by CalcTtls in stage 2 of every run for the units of Forms 3.0,
    // 4.0, 5.10 and the fee pages.
    CategoryTotals totals{};

    // Stage 2 of a run: stores the grids of the open worksheet windows into
    // the case so the run sees unsaved edits. Empty where no window exists
    // (command line, tests); the main window installs it.
    std::function<void()> storeOpenWorksheets{};

    // Today's date for the forms and letters that print it: the system clock
    // unless set otherwise (tests fix it so that date slots can be compared).
    std::function<QDate()> today = [] { return QDate::currentDate(); };

    // The category test of stage 1 reports every row that fails, not only
    // the first: the desktop lists a run's reports together, where one
    // report per row costs nothing. ErrFlag and the gates are the same.
    bool everyCategoryFault = false;

    TAnswer& A() { return data.answers; }
    const TAnswer& A() const { return data.answers; }
};

// The calculation unit of one page, run for one copy.
using PageUnit = void (*)(CalcContext& ctx, int copy);

}  // namespace wm4
