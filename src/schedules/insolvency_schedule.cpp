#include "schedules/insolvency_schedule.h"

#include <algorithm>

#include "case/conversions.h"
#include "case/worksheet_columns.h"
#include "forms/page056.h"
#include "output/textfit/text_wrapper.h"
#include "schedules/schedule_common.h"

namespace wm4 {
namespace {

using namespace schedules;

constexpr double WrapWidth = 2.7;
constexpr int FirstSheetRows = 22;         // Form 24.4
constexpr int ContinuationSheetRows = 30;  // each copy of Form 24.5

// Page 56 (Form 12.0) answer 4, subtracted from the real property.
constexpr int Page56 = page56::Page, Page56Slot = page56::ValueOfThisRealEstate;

// The priority class of a Form 24 category (index 0..9), or -1. "(10)" is
// told from "(1)" by its second digit, so a prefix test serves both.
int classOf(const QString& category) {
    for (int k = 0; k < InsolvencyClassCount; ++k)
        if (category.startsWith(QLatin1String(InsolvencyClasses[k].code))) return k;
    return -1;
}

QStringList wrapDescription(TextWrapper& wrapper, const QString& description) {
    return wrapper.WrapText(description, ScheduleFont, ScheduleFontSize, WrapWidth);
}

}  // namespace

int CountInsolvencySchedule(const CaseData& data, ScheduleBuffers& buffers, TextWrapper& wrapper) {
    InsolvencySchedule& s = buffers.insolvency;
    s.subtotals.fill(0);
    s.present.fill(false);
    s.grandTotal = 0;
    s.estimatedSubtotals.fill(0);
    s.estimated.fill(false);
    s.estimatedTotal = 0;
    s.rowCount = s.sheets = 0;

    const InventorySchedule& inventory = buffers.inventory;
    s.tangibleSubtotal = inventory.subtotals[TangibleGroup];
    s.intangibleSubtotal = inventory.subtotals[IntangibleGroup];
    s.page56Value = Str2Float_2(data.answers.answer(Page56, 0, Page56Slot));
    s.realLessPage56 =
        roundHalfAwayFromZero(inventory.subtotals[RealPropertyGroup] - s.page56Value, 2);

    const WorksheetStore& expenses = data.ESchedList;
    int rows = 0;
    for (int r = 0; r < expenses.rowCount(); ++r) {
        if (!IsMarked(expenses, expenseColumn::ToForm24_4, r)) continue;
        // Counted also when the claim has no class and is not listed.
        rows +=
            int(wrapDescription(wrapper, expenses.cell(expenseColumn::Description, r)).size()) + 1;
        const int k = classOf(expenses.cell(expenseColumn::Category24_4, r));
        if (k < 0) continue;
        AddCents(s.subtotals[k], Str2Float_2(expenses.cell(expenseColumn::Amount, r)));
        s.present[k] = true;
        const QString& payment = expenses.cell(expenseColumn::EstimatedPayment, r);
        if (!payment.trimmed().isEmpty()) {
            AddCents(s.estimatedSubtotals[k], Str2Float_2(payment));
            s.estimated[k] = true;
        }
    }
    for (bool present : s.present)
        if (present) rows += 4;  // header, blank, subtotal, blank
    s.grandTotal = SumOfCents(s.subtotals);
    s.estimatedTotal = SumOfCents(s.estimatedSubtotals);
    if (s.grandTotal > 0) rows += 4;
    s.rowCount = rows;

    s.sheets = 1;
    if (rows > FirstSheetRows)
        s.sheets += (rows - FirstSheetRows + ContinuationSheetRows - 1) / ContinuationSheetRows;
    if (s.sheets >= CopyCount) ReportError(ReportTooManySheets2501);
    return CopiesToUse(s.sheets);
}

void BuildInsolvencySchedule(const CaseData& data, ScheduleBuffers& buffers, TextWrapper& wrapper) {
    InsolvencySchedule& s = buffers.insolvency;
    RowWriter<InsolvencyRow> out(s.rows);
    const WorksheetStore& expenses = data.ESchedList;

    // The claims of each class, in worksheet order.
    std::array<std::vector<int>, InsolvencyClassCount> claims;
    for (int r = 0; r < expenses.rowCount(); ++r) {
        if (!IsMarked(expenses, expenseColumn::ToForm24_4, r)) continue;
        const int k = classOf(expenses.cell(expenseColumn::Category24_4, r));
        if (k >= 0) claims[k].push_back(r);
    }

    int i = 0;
    int claimNumber = 0;  // numbered across all classes
    for (int k = 0; k < InsolvencyClassCount; ++k) {
        if (!s.present[k]) continue;
        InsolvencyRow* header = out.row(i);
        if (!header) return;
        header->claimNumber = QStringLiteral("***");
        header->description = InsolvencyClasses[k].header;
        i += 2;
        for (int e : claims[k]) {
            const QStringList lines =
                wrapDescription(wrapper, expenses.cell(expenseColumn::Description, e));
            for (int line = 0; line < lines.size(); ++line, ++i) {
                InsolvencyRow* row = out.row(i);
                if (!row) return;
                row->description = lines[line];
                if (line > 0) continue;
                row->claimNumber = QString::number(++claimNumber);
                row->classCode = InsolvencyClasses[k].code;
                row->amount = expenses.cell(expenseColumn::Amount, e);
                row->estimatedPayment = expenses.cell(expenseColumn::EstimatedPayment, e);
                row->rejected = IsMarked(expenses, expenseColumn::ClaimRejected, e)
                                    ? QStringLiteral("Y")
                                    : QStringLiteral("N");
            }
        }
        InsolvencyRow* subtotal = out.row(i);
        if (!subtotal) return;
        subtotal->description = QStringLiteral("SUBTOTAL");
        subtotal->amount = FormatAmount(s.subtotals[k]);
        // The subtotal and grand-total rows also total the estimated
        // payments typed for their claims (left empty where none was typed).
        if (s.estimated[k]) subtotal->estimatedPayment = FormatAmount(s.estimatedSubtotals[k]);
        i += 2;
    }
    if (s.grandTotal > 0) {
        InsolvencyRow* total = out.row(i, ReportSectionBeyondBuffer);
        if (!total) return;
        total->description = QStringLiteral("Grand Total ");
        total->amount = FormatAmount(s.grandTotal);
        const bool anyEstimated =
            std::any_of(s.estimated.begin(), s.estimated.end(), [](bool e) { return e; });
        if (anyEstimated) total->estimatedPayment = FormatAmount(s.estimatedTotal);
    }
}

}  // namespace wm4
