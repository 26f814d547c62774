#pragma once
// A case with worksheet rows added cell by cell, a fixed-width measurer (a
// character of size 11 is 5.5 pixels wide, so short descriptions take one
// line and bar-separated ones one line a part) and a report recorder.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "case/case_data.h"
#include "output/textfit/text_wrapper.h"
#include "schedules/schedule_buffers.h"
#include "support/fixed_width_measurer.h"
#include "support/report_recorder.h"

namespace wm4::test {

using Cells = std::vector<std::pair<int, QString>>;

// Appends a row with the given cells; the store's first, empty row stays.
inline int AddRow(WorksheetStore& store, Cells cells) {
    const int row = store.rowCount();
    store.setRowCount(row + 1);
    for (const auto& [column, text] : cells) store.setCell(column, row, text);
    return row;
}

// A description of `lines` short lines joined by bar separators.
inline QString Lines(int lines) {
    return QStringList(lines, QStringLiteral("item")).join(" | ");
}

class ScheduleTest : public ::testing::Test {
protected:
    CaseData data;
    ScheduleBuffers buffers;
    FixedWidthMeasurer measurer;
    TextWrapper wrapper{measurer};
    ReportRecorder reports;
};

}  // namespace wm4::test
