#pragma once
// Fills a buffer laid out like the account (the account schedule and the
// Commissioner's Report): wrapped item lines with their amounts beside the
// first line, and label rows (headers, subtotals, totals) with the amount in
// the column of the section they close: receipts under receipts,
// disbursements under disbursements. The disbursements' subtotals and totals
// once stood in the receipt column too, where a reader adds them to the
// receipts; they stand under their own heading (disbursementTotal). Rows are
// written at the cursor, which advances by the rows written; skip() leaves
// empty rows.
//
// With `keepWithin` (the rows of a sheet) an item's lines stay on one sheet:
// an item that would run over the sheet's end starts the next sheet, the
// rest of the sheet left empty. Without a table the builder only lays the
// rows out (the counter's dry run, which sees the same empty rows).
#include <optional>

#include "case/conversions.h"
#include "case/worksheet_columns.h"
#include "output/textfit/text_wrapper.h"
#include "schedules/schedule_common.h"

namespace wm4::schedules {

class AccountRowBuilder {
public:
    AccountRowBuilder(ScheduleTable<AccountRow>* table, TextWrapper& wrapper, double wrapWidth,
                      int keepWithin = 0)
        : m_wrapper(wrapper), m_wrapWidth(wrapWidth), m_keepWithin(keepWithin) {
        if (table) m_out.emplace(*table);
    }

    // One row: `text` in the description, `receipt` in the receipt column.
    // False when the buffer ran out (reported with `reportNo`).
    bool label(const QString& text, const QString& receipt, quint16 reportNo) {
        AccountRow* row = rowAt(m_next, reportNo);
        if (!row) return false;
        row->description = text;
        row->receipt = receipt;
        ++m_next;
        return true;
    }

    // A label row of the disbursements: `disbursement` in the disbursement
    // column.
    bool disbursementLabel(const QString& text, const QString& disbursement, quint16 reportNo) {
        AccountRow* row = rowAt(m_next, reportNo);
        if (!row) return false;
        row->description = text;
        row->disbursement = disbursement;
        ++m_next;
        return true;
    }

    // The wrapped lines of `description`, one a row; the first line carries
    // `first`'s other texts. False when the buffer ran out.
    bool item(const QString& description, const AccountRow& first) {
        const QStringList lines =
            m_wrapper.WrapText(description, ScheduleFont, ScheduleFontSize, m_wrapWidth);
        keepOnOneSheet(int(lines.size()));
        for (int i = 0; i < lines.size(); ++i) {
            AccountRow* row = rowAt(m_next, ReportRowBeyondBuffer);
            if (!row) return false;
            if (i == 0) *row = first;
            row->description = lines[i];
            ++m_next;
        }
        return true;
    }

    // A header row and the empty row after it.
    bool heading(const QString& text, quint16 reportNo) {
        if (!label(text, {}, reportNo)) return false;
        skip(1);
        return true;
    }

    // A subtotal or total row with its amount, and the empty row after it.
    bool receiptTotal(const QString& text, double amount, quint16 reportNo) {
        if (!label(text, FormatAmount(amount), reportNo)) return false;
        skip(1);
        return true;
    }
    bool disbursementTotal(const QString& text, double amount, quint16 reportNo) {
        if (!disbursementLabel(text, FormatAmount(amount), reportNo)) return false;
        skip(1);
        return true;
    }

    // An asset worksheet row as a receipt, its value beside the first line
    // (and its voucher number, where the report shows one).
    bool receipt(const WorksheetStore& assets, int row, bool withVoucher) {
        AccountRow first;
        if (withVoucher) first.checkNumber = assets.cell(assetColumn::VoucherNumber, row);
        first.receipt = assets.cell(assetColumn::Value, row);
        return item(assets.cell(assetColumn::Description, row), first);
    }

    // An expense worksheet row as a disbursement, with its check number.
    bool disbursement(const WorksheetStore& expenses, int row) {
        AccountRow first;
        first.checkNumber = expenses.cell(expenseColumn::CheckNumber, row);
        first.disbursement = expenses.cell(expenseColumn::Amount, row);
        return item(expenses.cell(expenseColumn::Description, row), first);
    }

    void skip(int rows) { m_next += rows; }
    int next() const { return m_next; }

private:
    // The row to write at, or nullptr when the buffer ran out; a dry run
    // writes into a scratch row.
    AccountRow* rowAt(int index, quint16 reportNo) {
        if (!m_out) {
            m_scratch = {};
            return &m_scratch;
        }
        return m_out->row(index, reportNo);
    }

    // Moves the cursor to the next sheet when `lines` would run over the end
    // of this one (an item longer than a sheet runs over anyway).
    void keepOnOneSheet(int lines) {
        if (m_keepWithin <= 0 || lines > m_keepWithin) return;
        const int used = m_next % m_keepWithin;
        if (used + lines > m_keepWithin) m_next += m_keepWithin - used;
    }

    std::optional<RowWriter<AccountRow>> m_out;
    AccountRow m_scratch;
    TextWrapper& m_wrapper;
    double m_wrapWidth;
    int m_keepWithin;
    int m_next = 0;
};

}  // namespace wm4::schedules
