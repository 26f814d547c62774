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
    const SheetCount count = CountSheets(rows, SheetRows, FrontRows);
    s.sheets = count.sheets;
    if (count.sheets < CopyCount)
        s.totalPages = count.pages;
    else
        ReportError(ReportTooManySheets2501);
    return CopiesToUse(count.sheets);
}

void BuildAccountSchedule(const CaseData& data, ScheduleBuffers& buffers, TextWrapper& wrapper) {
    const AccountSchedule& s = buffers.account;
    AccountRowBuilder out(buffers.account.rows, wrapper, WrapWidth);

    if (s.receiptsTotal > 0) {
        if (!out.label(ReceiptsSectionRow, {}, ReportSectionBeyondBuffer)) return;
        out.skip(1);
    }
    const WorksheetStore& assets = data.ASchedList;
    const auto receipts = MarkedRowsByGroup(assets, assetColumn::ToForm13_0,
                                            assetColumn::Category13_0, AccountReceiptGroups);
    for (int g = 0; g < AccountReceiptGroupCount; ++g) {
        // A group is printed when a receipt has its category, even at 0.00.
        if (!s.receiptPresent[g]) continue;
        if (!out.label(AccountReceiptGroups[g].header, {}, ReportRowBeyondBuffer)) return;
        out.skip(1);
        for (int a : receipts[g]) {
            AccountRow first;
            first.receipt = assets.cell(assetColumn::Value, a);
            if (!out.item(assets.cell(assetColumn::Description, a), first)) return;
        }
        if (!out.label(AccountReceiptGroups[g].subtotal, FormatAmount(s.receiptSubtotals[g]),
                       ReportRowBeyondBuffer))
            return;
        out.skip(1);
    }
    if (s.receiptsTotal > 0) {
        if (!out.label(QStringLiteral("Grand Total of Receipts"), FormatAmount(s.receiptsTotal),
                       ReportSectionBeyondBuffer))
            return;
        out.skip(1);
    }

    if (s.disbursementsTotal > 0) {
        if (!out.label(DisbursementsSectionRow, {}, ReportSectionBeyondBuffer)) return;
        out.skip(1);
    }
    const WorksheetStore& expenses = data.ESchedList;
    const auto disbursements =
        MarkedRowsByGroup(expenses, expenseColumn::ToForm13_0, expenseColumn::Category13_0,
                          AccountDisbursementGroups);
    for (int g = 0; g < AccountDisbursementGroupCount; ++g) {
        // A group whose items add up to 0 or less is left out with its items.
        if (!(s.disbursementSubtotals[g] > 0)) continue;
        if (!out.label(AccountDisbursementGroups[g].header, {}, ReportRowBeyondBuffer)) return;
        out.skip(1);
        for (int e : disbursements[g]) {
            AccountRow first;
            first.checkNumber = expenses.cell(expenseColumn::CheckNumber, e);
            first.disbursement = expenses.cell(expenseColumn::Amount, e);
            if (!out.item(expenses.cell(expenseColumn::Description, e), first)) return;
        }
        if (!out.disbursementLabel(AccountDisbursementGroups[g].subtotal,
                                   FormatAmount(s.disbursementSubtotals[g]), ReportRowBeyondBuffer))
            return;
        out.skip(1);
    }
    if (s.disbursementsTotal > 0)
        out.disbursementLabel(QStringLiteral("Grand Total of Disbursements"),
                              FormatAmount(s.disbursementsTotal), ReportSectionBeyondBuffer);
}

}  // namespace wm4
