#include "schedules/commissioners_report.h"

#include "case/conversions.h"
#include "case/worksheet_columns.h"
#include "schedules/account_rows.h"

namespace wm4 {
namespace {

using namespace schedules;

constexpr double WrapWidth = 3.58;
constexpr int RowsPerCopy = 42;

double markedTotal(const WorksheetStore& store, int markColumn, int amountColumn) {
    double total = 0;
    for (int r = 0; r < store.rowCount(); ++r)
        if (IsMarked(store, markColumn, r))
            AddCents(total, Str2Float_2(store.cell(amountColumn, r)));
    return total;
}

}  // namespace

void BuildCommissionersReport(CaseData& data, ScheduleBuffers& buffers, TextWrapper& wrapper) {
    CommissionersReport& s = buffers.commissionersReport;
    AccountRowBuilder out(&s.rows, wrapper, WrapWidth);
    s.copies = 0;
    const WorksheetStore& assets = data.ASchedList;
    const WorksheetStore& expenses = data.ESchedList;
    s.receiptsTotal = markedTotal(assets, assetColumn::ToCommissionersReport, assetColumn::Value);
    s.disbursementsTotal =
        markedTotal(expenses, expenseColumn::ToCommissionersReport, expenseColumn::Amount);

    // A section whose total is not above 0 is left out with its items.
    if (s.receiptsTotal > 0) {
        if (!out.heading(ReceiptsSectionRow, ReportSectionBeyondBuffer)) return;
        for (int a = 0; a < assets.rowCount(); ++a)
            if (IsMarked(assets, assetColumn::ToCommissionersReport, a) &&
                !out.receipt(assets, a, true))
                return;
        if (!out.receiptTotal(QStringLiteral("********** Total of Receipts"), s.receiptsTotal,
                              ReportSectionBeyondBuffer))
            return;
    }
    if (s.disbursementsTotal > 0) {
        if (!out.heading(DisbursementsSectionRow, ReportSectionBeyondBuffer)) return;
        for (int e = 0; e < expenses.rowCount(); ++e)
            if (IsMarked(expenses, expenseColumn::ToCommissionersReport, e) &&
                !out.disbursement(expenses, e))
                return;
        // The total stands in the disbursement column, under its own
        // heading (AccountRowBuilder).
        if (!out.disbursementTotal(QStringLiteral("********** Total of Disbursements"),
                                   s.disbursementsTotal, ReportSectionBeyondBuffer))
            return;
    }

    s.copies = (out.next() + RowsPerCopy - 1) / RowsPerCopy;
    if (s.copies < CopyCount)
        data.answers.NoOfCommRep = s.copies;
    else
        ReportError(ReportTooManySheets2503);  // NoOfCommRep keeps the run's 0
}

}  // namespace wm4
