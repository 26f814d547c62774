#pragma once
// A case for the page-unit tests: answers, worksheets, schedule buffers, a
// fixed-width measurer (11-point text is 5.5 pixels a character, so a column
// of w inches holds Trunc(w x 96 x 0.75) / 5.5 characters: 22 at 1.75 in,
// 50 at 3.9 in) and a report recorder.
#include <gtest/gtest.h>

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

using Cells = std::initializer_list<std::pair<int, QString>>;

class UnitTestCase : public ::testing::Test {
protected:
    CaseData data;
    ScheduleBuffers buffers;
    ProgramSettings settings;
    FixedWidthMeasurer measurer;
    TextWrapper wrapper{measurer};
    CalcContext ctx{data, buffers, settings, wrapper};
    ReportRecorder reports;

    TAnswer& a() { return data.answers; }
    void gi(int answer, const QString& text) { a().setAnswer(0, 0, answer, text); }
    const QString& slot(int page, int copy, int s) { return a().answer(page, copy, s); }

    // Appends a row (the store's one empty row is used first).
    static int addRow(WorksheetStore& store, Cells cells) {
        int row = store.rowCount();
        if (row == 1 && store.row(0).join(QString()).isEmpty())
            row = 0;
        else
            store.setRowCount(row + 1);
        for (const auto& [column, text] : cells) store.setCell(column, row, text);
        return row;
    }
    int addKin(Cells cells) { return addRow(data.KSchedList, cells); }
    int addAsset(Cells cells) { return addRow(data.ASchedList, cells); }

    // `count` kin rows "Person 1" ... marked in `column`, with street and
    // city line "Street i", "City i".
    void markedPersons(int column, int count) {
        for (int i = 1; i <= count; ++i)
            addKin({{1, QStringLiteral("Person %1").arg(i)},
                    {2, QStringLiteral("Street %1").arg(i)},
                    {3, QStringLiteral("City %1").arg(i)},
                    {column, QStringLiteral("X")}});
    }

    // The user types over a computed slot in override mode.
    void overrideSlot(int page, int copy, int s, const QString& text) {
        a().setAnswer(page, copy, s, text);
        a().setOvRide(page, copy, s, true);
    }
};

}  // namespace wm4::test
