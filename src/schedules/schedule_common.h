#pragma once
// What the schedule counters and builders share: the schedules' font, marked
// rows, category lookup, sheet and page arithmetic, and a row writer that
// stops at the end of the 10,000-row buffer.
#include <QString>
#include <array>
#include <vector>

#include "case/answers.h"
#include "case/conv_rounding.h"
#include "case/worksheet_store.h"
#include "messages/report.h"
#include "schedules/schedule_buffers.h"

namespace wm4::schedules {

// Every schedule wraps its descriptions in this font and size.
inline const QString ScheduleFont = QStringLiteral("Arial Narrow");
inline constexpr double ScheduleFontSize = 11;

// Overflow reports (message * 10 + digit).
inline constexpr quint16 ReportRowBeyondBuffer = 30500;      // an item or group row
inline constexpr quint16 ReportSectionBeyondBuffer = 30510;  // a section or grand total row
// 100 sheets or more: 2501 for the account and the claims, 2503 for the
// inventory, the assets remaining and the Commissioner's Report.
inline constexpr quint16 ReportTooManySheets2501 = 25019;
inline constexpr quint16 ReportTooManySheets2503 = 25039;

// Adds an amount to a total kept in whole cents. The amounts are cents
// already; rounding each sum keeps binary fractions from piling up, so items
// that cancel out give a total of exactly 0 and a group or section that nets
// to nothing is left out as it should be, not printed with "0.00".
inline void AddCents(double& total, double amount) {
    total = roundHalfAwayFromZero(total + amount, 2);
}

template <typename Range>
double SumOfCents(const Range& amounts) {
    double total = 0;
    for (double amount : amounts) AddCents(total, amount);
    return total;
}

inline bool IsMarked(const WorksheetStore& store, int column, int row) {
    return store.cell(column, row) == u"X";
}

// The index of the group whose category is `category` upper-cased, or -1.
template <std::size_t N>
int GroupOf(const QString& category, const std::array<ScheduleGroup, N>& groups) {
    const QString upper = category.toUpper();
    for (std::size_t g = 0; g < N; ++g)
        if (upper == groups[g].category) return int(g);
    return -1;
}

// The marked rows of each group, in worksheet order: one pass over the store,
// so a builder walks each group's rows without looking at the others.
template <std::size_t N>
std::array<std::vector<int>, N> MarkedRowsByGroup(const WorksheetStore& store, int markColumn,
                                                  int categoryColumn,
                                                  const std::array<ScheduleGroup, N>& groups) {
    std::array<std::vector<int>, N> rows;
    for (int r = 0; r < store.rowCount(); ++r) {
        if (!IsMarked(store, markColumn, r)) continue;
        const int g = GroupOf(store.cell(categoryColumn, r), groups);
        if (g >= 0) rows[g].push_back(r);
    }
    return rows;
}

struct SheetCount {
    int sheets = 0;  // rows / rows a sheet, rounded up
    int pages = 0;   // printed sides: the back only when rows pass the front
};

// Sheets and printed pages of a two-sided schedule of `rows` rows.
inline SheetCount CountSheets(int rows, int sheetRows, int frontRows) {
    SheetCount count;
    count.sheets = (rows + sheetRows - 1) / sheetRows;
    const int rest = rows % sheetRows;
    count.pages = 2 * (rows / sheetRows) + (rest == 0 ? 0 : rest <= frontRows ? 1 : 2);
    return count;
}

// A schedule of 100 sheets or more is reported and the run stops at its next
// gate; the copies handed on are capped at what the answer store holds, so
// the copy counters and page counts never address a copy it lacks.
inline int CopiesToUse(int sheets) {
    return sheets < CopyCount ? sheets : CopyCount;
}

// A two-sided schedule's sheets and printed pages from its rowCount; 100
// sheets or more are reported with `tooManyReport` (the page count stays 0).
// Returns the copies to hand on.
template <typename Schedule>
int CountScheduleSheets(Schedule& s, int sheetRows, int frontRows, quint16 tooManyReport) {
    const SheetCount count = CountSheets(s.rowCount, sheetRows, frontRows);
    s.sheets = count.sheets;
    if (count.sheets < CopyCount)
        s.totalPages = count.pages;
    else
        ReportError(tooManyReport);
    return CopiesToUse(count.sheets);
}

// Writes rows into a buffer; the first row beyond the buffer reports and
// stops every later write (the rows written so far stay).
template <typename Row>
class RowWriter {
public:
    explicit RowWriter(ScheduleTable<Row>& table) : m_table(table) { m_table.clear(); }

    // The row at `index`, or nullptr (after reporting `reportNo` once) when
    // it lies beyond the buffer or an earlier write did.
    Row* row(int index, quint16 reportNo = ReportRowBeyondBuffer) {
        if (m_stopped) return nullptr;
        if (index >= ScheduleBufferRows) {
            m_stopped = true;
            ReportError(reportNo);
            return nullptr;
        }
        return &m_table.at(index);
    }
    bool stopped() const { return m_stopped; }

private:
    ScheduleTable<Row>& m_table;
    bool m_stopped = false;
};

}  // namespace wm4::schedules
