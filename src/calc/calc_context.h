#pragma once
// What a calculation run works on: the case (answers and worksheets), the
// schedule buffers the builders fill, the program settings, and the text
// wrapper that counts lines the way the printed forms break them.
//
// Data flows worksheets -> counts and schedules -> page units in fixed order
// -> answers.
#include "case/case_data.h"

namespace wm4 {

struct ProgramSettings;
struct ScheduleBuffers;
class TextWrapper;

struct CalcContext {
    CaseData& data;
    ScheduleBuffers& buffers;
    const ProgramSettings& settings;
    TextWrapper& wrapper;

    TAnswer& A() { return data.answers; }
    const TAnswer& A() const { return data.answers; }
};

// The calculation unit of one page, run for one copy.
using PageUnit = void (*)(CalcContext& ctx, int copy);

}  // namespace wm4
