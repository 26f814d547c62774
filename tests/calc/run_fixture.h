#pragma once
// A case with everything a calculation run needs, measuring with the fixed
// width measurer (the tests here do not depend on font metrics), and small
// helpers to fill worksheet rows.
#include <QString>
#include <initializer_list>
#include <utility>

#include "calc/calc_context.h"
#include "case/case_data.h"
#include "files/settings.h"
#include "output/textfit/text_wrapper.h"
#include "schedules/schedule_buffers.h"
#include "support/fixed_width_measurer.h"
#include "support/report_recorder.h"

namespace wm4::test {

struct RunFixture {
    CaseData data;
    ScheduleBuffers buffers;
    ProgramSettings settings;
    FixedWidthMeasurer measurer;
    TextWrapper wrapper{measurer};
    CalcContext ctx{data, buffers, settings, wrapper};
    ReportRecorder reports;

    TAnswer& a() { return data.answers; }

    // Appends a row to a worksheet (the store starts with one empty row,
    // which the first call fills) with the given (column, text) cells.
    static int addRow(WorksheetStore& store, std::initializer_list<std::pair<int, QString>> cells) {
        int row = store.rowCount();
        bool firstEmpty = row == 1;
        for (const QString& cell : store.row(0)) firstEmpty = firstEmpty && cell.isEmpty();
        if (firstEmpty)
            row = 0;
        else
            store.setRowCount(row + 1);
        for (const auto& [column, text] : cells) store.setCell(column, row, text);
        return row;
    }
    int kin(std::initializer_list<std::pair<int, QString>> cells) {
        return addRow(data.KSchedList, cells);
    }
    int asset(std::initializer_list<std::pair<int, QString>> cells) {
        return addRow(data.ASchedList, cells);
    }
    int expense(std::initializer_list<std::pair<int, QString>> cells) {
        return addRow(data.ESchedList, cells);
    }
    // `count` kin rows named "Person 1" ... marked "X" in `column`.
    void markedKin(int column, int count) {
        for (int i = 1; i <= count; ++i)
            kin({{1, QStringLiteral("Person %1").arg(i)}, {column, QStringLiteral("X")}});
    }
};

inline const QString X = QStringLiteral("X");

}  // namespace wm4::test
