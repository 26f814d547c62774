#pragma once
// The case every calculation test works on: the answer store, the four
// worksheets, the schedule buffers, a fixed-width measurer
// (wrapping that does not depend on installed fonts: 11-point text is 5.5
// pixels a character, so a column of w inches holds
// Trunc(w x 96 x 0.75) / 5.5 characters: 22 at 1.75 in, 50 at 3.9 in), the
// calculation context over them and a report recorder. Rows are added with
// the cells a test cares about; every other cell is empty.
#include <gtest/gtest.h>

#include <QString>
#include <initializer_list>
#include <utility>

#include "calc/calc_context.h"
#include "case/case_data.h"
#include "case/worksheet_columns.h"
#include "files/settings.h"
#include "forms/page000.h"
#include "output/textfit/text_wrapper.h"
#include "schedules/schedule_buffers.h"
#include "support/fixed_width_measurer.h"
#include "support/report_recorder.h"

namespace wm4::test {

// Worksheet columns the tests fill, written out here rather than taken from
// the code under test, so that the tests also pin the stored row layout.
namespace columns {
inline constexpr int AssetDescription = 1, AssetValue = 2, AssetAppraised = 3,
                     AssetDistributees = 5;
inline constexpr int AssetForm3_0 = 16, AssetForm5_1 = 18, AssetForm5_6 = 19, AssetForm5_10 = 21,
                     AssetForm12 = 28, AssetSpouseAffidavit = 31, AssetBmv3773 = 32,
                     AssetBmv3774 = 33, AssetStockPower = 34, AssetIdentifiers = 36,
                     AssetForm9C = 88;
inline constexpr int AssetCategory3_0 = 48, AssetCategory5_1 = 50, AssetCategory5_6 = 51,
                     AssetCategory5_10 = 52;
inline constexpr int ExpenseDescription = 1, ExpenseAmount = 2, ExpenseNature = 4,
                     ExpenseForm5_1 = 7, ExpenseForm5_6 = 8, ExpenseIdentifiers = 10;
inline constexpr int KinName = 1, KinStreet = 2, KinCityLine = 3, KinGender = 6, KinSsn = 7;
}  // namespace columns

using Cells = std::initializer_list<std::pair<int, QString>>;

inline const QString X = QStringLiteral("X");

struct CalcCase {
    CaseData data;
    ScheduleBuffers buffers;
    FixedWidthMeasurer measurer;
    TextWrapper wrapper{measurer};
    CalcContext ctx{data, buffers, wrapper};
    ReportRecorder reports;

    TAnswer& a() { return data.answers; }

    // A General Information answer.
    void gi(int answer, const QString& text) { a().setAnswer(page0::Page, 0, answer, text); }
    // The attorney the letters and the transfer forms print: J. Counsel,
    // 2 Court St, Akron, OH 44308, 330-555-0100.
    void typeAttorney() {
        gi(page0::AttorneyName, "J. Counsel");
        gi(page0::AttorneyStreet, "2 Court St");
        gi(page0::AttorneyCity, "Akron");
        gi(page0::AttorneyState, "OH");
        gi(page0::AttorneyZip, "44308");
        gi(page0::AttorneyPhone, "330-555-0100");
    }

    const QString& slot(int page, int copy, int s) { return a().answer(page, copy, s); }
    const QString& slot(int page, int s) { return slot(page, 0, s); }

    // The user types over a computed slot in override mode.
    void overrideSlot(int page, int copy, int s, const QString& text) {
        a().setAnswer(page, copy, s, text);
        a().setOvRide(page, copy, s, true);
    }

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
    int addAsset(Cells cells) { return addRow(data.ASchedList, cells); }
    int addExpense(Cells cells) { return addRow(data.ESchedList, cells); }
    int addKin(Cells cells) { return addRow(data.KSchedList, cells); }

    // `count` kin rows named "Person 1" ... marked "X" in `column`.
    void markedKin(int column, int count) {
        for (int i = 1; i <= count; ++i)
            addKin({{kinColumn::Name, QStringLiteral("Person %1").arg(i)}, {column, X}});
    }
    // The same with street and city line "Street i", "City i".
    void markedPersons(int column, int count) {
        for (int i = 1; i <= count; ++i)
            addKin({{kinColumn::Name, QStringLiteral("Person %1").arg(i)},
                    {kinColumn::Street, QStringLiteral("Street %1").arg(i)},
                    {kinColumn::CityStateZip, QStringLiteral("City %1").arg(i)},
                    {column, X}});
    }
};

// The case as a GoogleTest fixture.
class CalcCaseTest : public CalcCase, public ::testing::Test {};

}  // namespace wm4::test
