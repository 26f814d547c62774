#include "schedules/account_schedule.h"

#include "case/conversions.h"
#include "case/worksheet_columns.h"
#include "output/textfit/text_wrapper.h"
#include "schedules/account_rows.h"

namespace wm4 {
namespace {

using namespace schedules;

constexpr double WrapWidth = 3.58;
constexpr int SheetRows = 90;  // 40 on page 62, 50 on page 63
constexpr int FrontRows = 40;

int lineCount(TextWrapper& wrapper, const QString& description) {
    return wrapper.LineCount(description, ScheduleFont, ScheduleFontSize, WrapWidth);
}

}  // namespace

int CountAccountSchedule(const CaseData& data, ScheduleBuffers& buffers, TextWrapper& wrapper) {
    AccountSchedule& s = buffers.account;
    s.receiptSubtotals.fill(0);
    s.receiptPresent.fill(false);
    s.disbursementSubtotals.fill(0);
    s.receiptsTotal = s.disbursementsTotal = 0;
    s.totalPages = s.sheets = 0;

    int rows = 0;
    const WorksheetStore& assets = data.ASchedList;
    for (int r = 0; r < assets.rowCount(); ++r) {
        if (!IsMarked(assets, assetColumn::ToForm13_0, r)) continue;
        // Lines count even when the category matches no group.
        rows += lineCount(wrapper, assets.cell(assetColumn::Description, r));
        const int g = GroupOf(assets.cell(assetColumn::Category13_0, r), AccountReceiptGroups);
        if (g < 0) continue;
        AddCents(s.receiptSubtotals[g], Str2Float_2(assets.cell(assetColumn::Value, r)));
        s.receiptPresent[g] = true;
    }
    s.receiptsTotal = SumOfCents(s.receiptSubtotals);
    for (bool present : s.receiptPresent)
        if (present) rows += 4;          // header, blank, subtotal, blank
    if (s.receiptsTotal > 0) rows += 4;  // section header, blank, grand total, blank

    const WorksheetStore& expenses = data.ESchedList;
    for (int r = 0; r < expenses.rowCount(); ++r) {
        if (!IsMarked(expenses, expenseColumn::ToForm13_0, r)) continue;
        rows += lineCount(wrapper, expenses.cell(expenseColumn::Description, r));
        const int g =
            GroupOf(expenses.cell(expenseColumn::Category13_0, r), AccountDisbursementGroups);
        if (g >= 0)
            AddCents(s.disbursementSubtotals[g],
                     Str2Float_2(expenses.cell(expenseColumn::Amount, r)));
    }
    for (double subtotal : s.disbursementSubtotals)
        if (subtotal > 0) rows += 4;
    s.disbursementsTotal = SumOfCents(s.disbursementSubtotals);
    if (s.disbursementsTotal > 0) rows += 4;

    s.rowCount = rows;
    return CountScheduleSheets(s, SheetRows, FrontRows, ReportTooManySheets2501);
}

void BuildAccountSchedule(const CaseData& data, ScheduleBuffers& buffers, TextWrapper& wrapper) {
    const AccountSchedule& s = buffers.account;
    AccountRowBuilder out(buffers.account.rows, wrapper, WrapWidth);

    if (s.receiptsTotal > 0 && !out.heading(ReceiptsSectionRow, ReportSectionBeyondBuffer))
        return;
    const WorksheetStore& assets = data.ASchedList;
    const auto receipts = MarkedRowsByGroup(assets, assetColumn::ToForm13_0,
                                            assetColumn::Category13_0, AccountReceiptGroups);
    for (int g = 0; g < AccountReceiptGroupCount; ++g) {
        // A group is printed when a receipt has its category, even at 0.00.
        if (!s.receiptPresent[g]) continue;
        if (!out.heading(AccountReceiptGroups[g].header, ReportRowBeyondBuffer)) return;
        for (int a : receipts[g])
            if (!out.receipt(assets, a, false)) return;
        if (!out.receiptTotal(AccountReceiptGroups[g].subtotal, s.receiptSubtotals[g],
                              ReportRowBeyondBuffer))
            return;
    }
    if (s.receiptsTotal > 0 &&
        !out.receiptTotal(QStringLiteral("********** Grand Total of Receipts"), s.receiptsTotal,
                          ReportSectionBeyondBuffer))
        return;

    if (s.disbursementsTotal > 0 &&
        !out.heading(DisbursementsSectionRow, ReportSectionBeyondBuffer))
        return;
    const WorksheetStore& expenses = data.ESchedList;
    const auto disbursements =
        MarkedRowsByGroup(expenses, expenseColumn::ToForm13_0, expenseColumn::Category13_0,
                          AccountDisbursementGroups);
    for (int g = 0; g < AccountDisbursementGroupCount; ++g) {
        // A group whose items add up to 0 or less is left out with its items.
        if (!(s.disbursementSubtotals[g] > 0)) continue;
        if (!out.heading(AccountDisbursementGroups[g].header, ReportRowBeyondBuffer)) return;
        for (int e : disbursements[g])
            if (!out.disbursement(expenses, e)) return;
        if (!out.disbursementTotal(AccountDisbursementGroups[g].subtotal,
                                   s.disbursementSubtotals[g], ReportRowBeyondBuffer))
            return;
    }
    // The disbursements' subtotals and total stand in the disbursement
    // column, under their own heading (AccountRowBuilder).
    if (s.disbursementsTotal > 0)
        out.disbursementTotal(QStringLiteral("********** Grand Total of Disbursements"),
                              s.disbursementsTotal, ReportSectionBeyondBuffer);
}

}  // namespace wm4
