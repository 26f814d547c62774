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

// Lays the schedule's rows out into `out` from the counter's totals and
// flags: the builder writes them, the counter's dry run counts them.
void layOut(const CaseData& data, const AccountSchedule& s, AccountRowBuilder& out) {
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

}  // namespace

int CountAccountSchedule(const CaseData& data, ScheduleBuffers& buffers, TextWrapper& wrapper) {
    AccountSchedule& s = buffers.account;
    s.receiptSubtotals.fill(0);
    s.receiptPresent.fill(false);
    s.disbursementSubtotals.fill(0);
    s.receiptsTotal = s.disbursementsTotal = 0;
    s.totalPages = s.sheets = 0;

    // The lines of the items the schedule does not print (no group, or a
    // disbursement group not above 0) count towards the copies too.
    int unprintedLines = 0;
    const WorksheetStore& assets = data.ASchedList;
    for (int r = 0; r < assets.rowCount(); ++r) {
        if (!IsMarked(assets, assetColumn::ToForm13_0, r)) continue;
        const int g = GroupOf(assets.cell(assetColumn::Category13_0, r), AccountReceiptGroups);
        if (g < 0) {
            unprintedLines += lineCount(wrapper, assets.cell(assetColumn::Description, r));
            continue;
        }
        AddCents(s.receiptSubtotals[g], Str2Float_2(assets.cell(assetColumn::Value, r)));
        s.receiptPresent[g] = true;
    }
    s.receiptsTotal = SumOfCents(s.receiptSubtotals);

    const WorksheetStore& expenses = data.ESchedList;
    std::array<int, AccountDisbursementGroupCount> groupLines{};
    for (int r = 0; r < expenses.rowCount(); ++r) {
        if (!IsMarked(expenses, expenseColumn::ToForm13_0, r)) continue;
        const int lines = lineCount(wrapper, expenses.cell(expenseColumn::Description, r));
        const int g =
            GroupOf(expenses.cell(expenseColumn::Category13_0, r), AccountDisbursementGroups);
        if (g < 0) {
            unprintedLines += lines;
            continue;
        }
        groupLines[size_t(g)] += lines;
        AddCents(s.disbursementSubtotals[g], Str2Float_2(expenses.cell(expenseColumn::Amount, r)));
    }
    for (int g = 0; g < AccountDisbursementGroupCount; ++g)
        if (!(s.disbursementSubtotals[g] > 0)) unprintedLines += groupLines[size_t(g)];
    s.disbursementsTotal = SumOfCents(s.disbursementSubtotals);

    // The printed rows as the builder lays them out (each group's header,
    // blank, items, subtotal and blank; the sections' rows), with the empty
    // rows that keep an item on one sheet.
    AccountRowBuilder dryRun(nullptr, wrapper, WrapWidth, SheetRows);
    layOut(data, s, dryRun);
    s.rowCount = dryRun.next() + unprintedLines;
    return CountScheduleSheets(s, SheetRows, FrontRows, ReportTooManySheets2501);
}

void BuildAccountSchedule(const CaseData& data, ScheduleBuffers& buffers, TextWrapper& wrapper) {
    AccountRowBuilder out(&buffers.account.rows, wrapper, WrapWidth, SheetRows);
    layOut(data, buffers.account, out);
}

}  // namespace wm4
