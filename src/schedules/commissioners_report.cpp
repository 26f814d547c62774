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
    AccountRowBuilder out(s.rows, wrapper, WrapWidth);
    s.copies = 0;
    const WorksheetStore& assets = data.ASchedList;
    const WorksheetStore& expenses = data.ESchedList;
    s.receiptsTotal = markedTotal(assets, assetColumn::ToCommissionersReport, assetColumn::Value);
    s.disbursementsTotal =
        markedTotal(expenses, expenseColumn::ToCommissionersReport, expenseColumn::Amount);

    // A section whose total is not above 0 is left out with its items.
    if (s.receiptsTotal > 0) {
        if (!out.label(ReceiptsSectionRow, {}, ReportSectionBeyondBuffer)) return;
        out.skip(1);
        for (int a = 0; a < assets.rowCount(); ++a) {
            if (!IsMarked(assets, assetColumn::ToCommissionersReport, a)) continue;
            AccountRow first;
            first.checkNumber = assets.cell(assetColumn::VoucherNumber, a);
            first.receipt = assets.cell(assetColumn::Value, a);
            if (!out.item(assets.cell(assetColumn::Description, a), first)) return;
        }
        if (!out.label(QStringLiteral("Total of Receipts"), FormatAmount(s.receiptsTotal),
                       ReportSectionBeyondBuffer))
            return;
        out.skip(1);
    }
    if (s.disbursementsTotal > 0) {
        if (!out.label(DisbursementsSectionRow, {}, ReportSectionBeyondBuffer)) return;
        out.skip(1);
        for (int e = 0; e < expenses.rowCount(); ++e) {
            if (!IsMarked(expenses, expenseColumn::ToCommissionersReport, e)) continue;
            AccountRow first;
            first.checkNumber = expenses.cell(expenseColumn::CheckNumber, e);
            first.disbursement = expenses.cell(expenseColumn::Amount, e);
            if (!out.item(expenses.cell(expenseColumn::Description, e), first)) return;
        }
        if (!out.disbursementLabel(QStringLiteral("Total of Disbursements"),
                                   FormatAmount(s.disbursementsTotal), ReportSectionBeyondBuffer))
            return;
        out.skip(1);
    }

    s.copies = (out.next() + RowsPerCopy - 1) / RowsPerCopy;
    if (s.copies < CopyCount)
        data.answers.NoOfCommRep = s.copies;
    else
        ReportError(ReportTooManySheets2503);  // NoOfCommRep keeps the run's 0
}

}  // namespace wm4
