#pragma once
// Fills a buffer laid out like the account (the account schedule and the
// Commissioner's Report): wrapped item lines with their amounts beside the
// first line, and label rows (headers, subtotals, totals) with the amount in
// the column of the section they close: receipts under receipts,
// disbursements under disbursements. Rows are written at the cursor, which advances by the
// rows written; skip() leaves empty rows.
#include "output/textfit/text_wrapper.h"
#include "schedules/schedule_common.h"

namespace wm4::schedules {

class AccountRowBuilder {
public:
    AccountRowBuilder(ScheduleTable<AccountRow>& table, TextWrapper& wrapper, double wrapWidth)
        : m_out(table), m_wrapper(wrapper), m_wrapWidth(wrapWidth) {}

    // One row: `text` in the description, `receipt` in the receipt column.
    // False when the buffer ran out (reported with `reportNo`).
    bool label(const QString& text, const QString& receipt, quint16 reportNo) {
        AccountRow* row = m_out.row(m_next, reportNo);
        if (!row) return false;
        row->description = text;
        row->receipt = receipt;
        ++m_next;
        return true;
    }

    // A label row of the disbursements: `disbursement` in the disbursement
    // column.
    bool disbursementLabel(const QString& text, const QString& disbursement, quint16 reportNo) {
        AccountRow* row = m_out.row(m_next, reportNo);
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
        for (int i = 0; i < lines.size(); ++i) {
            AccountRow* row = m_out.row(m_next);
            if (!row) return false;
            if (i == 0) *row = first;
            row->description = lines[i];
            ++m_next;
        }
        return true;
    }

    void skip(int rows) { m_next += rows; }
    int next() const { return m_next; }

private:
    RowWriter<AccountRow> m_out;
    TextWrapper& m_wrapper;
    double m_wrapWidth;
    int m_next = 0;
};

}  // namespace wm4::schedules
