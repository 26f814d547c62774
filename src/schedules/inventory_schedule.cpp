#include "schedules/inventory_schedule.h"

#include <algorithm>

#include "case/conversions.h"
#include "case/worksheet_columns.h"
#include "output/textfit/text_wrapper.h"
#include "schedules/schedule_common.h"

namespace wm4 {
namespace {

using namespace schedules;

// What tells the two schedules apart.
struct InventoryForm {
    int markColumn;      // "X" when the asset goes on the form
    int categoryColumn;  // the form's category
    double countWidth;   // inches the counter wraps at
    double buildWidth;   // inches the builder wraps at
    int sheetRows;       // rows a sheet (copy)
    int frontRows;       // of them on the front page
    bool appraisedMark;  // the builder copies the appraised mark
};

constexpr InventoryForm Form6_1{
    assetColumn::ToForm6_0, assetColumn::Category6_0, 4.85, 5.0, 86, 36, true};
constexpr InventoryForm Form13_2{
    assetColumn::ToForm13_2, assetColumn::Category13_2, 4.3, 4.3, 74, 26, false};

int autoToSpouseIndex(const QString& category) {
    const QString upper = category.toUpper();
    for (int i = 0; i < AutoToSpouseCount; ++i)
        if (upper == AutoToSpouseCategories[i]) return i;
    return -1;
}

void resetTotals(InventorySchedule& s) {
    s.subtotals.fill(0);
    s.present.fill(false);
    s.grandTotal = 0;
    s.rowCount = s.totalPages = s.sheets = 0;
}

// Adds an asset's value to its group, when its category is a group's.
void addToGroup(InventorySchedule& s, const WorksheetStore& assets, int row, int group) {
    if (group < 0) return;
    AddCents(s.subtotals[group], Str2Float_2(assets.cell(assetColumn::Value, row)));
    s.present[group] = true;
}

// Grand total, group rows, sheets and pages from the description lines
// counted; `closingRows` are the rows after the last group.
int finishCount(InventorySchedule& s, const InventoryForm& form, int lines, int closingRows) {
    s.grandTotal =
        s.subtotals[TangibleGroup] + s.subtotals[IntangibleGroup] + s.subtotals[RealPropertyGroup];
    const int groups = int(std::count(s.present.begin(), s.present.end(), true));
    s.rowCount = lines + 4 * groups + closingRows;  // header, blank, subtotal, blank
    return CountScheduleSheets(s, form.sheetRows, form.frontRows, ReportTooManySheets2503);
}

void build(const CaseData& data, InventorySchedule& s, const InventoryForm& form,
           TextWrapper& wrapper) {
    RowWriter<InventoryRow> out(s.rows);
    const WorksheetStore& assets = data.ASchedList;
    const auto byGroup =
        MarkedRowsByGroup(assets, form.markColumn, form.categoryColumn, InventoryGroups);
    int r = 0;
    for (int g = 0; g < InventoryGroupCount; ++g) {
        if (!s.present[g]) continue;
        InventoryRow* header = out.row(r);
        if (!header) return;
        header->description = InventoryGroups[g].header;
        r += 2;
        for (int a : byGroup[g]) {
            const QStringList lines =
                wrapper.WrapText(assets.cell(assetColumn::Description, a), ScheduleFont,
                                 ScheduleFontSize, form.buildWidth);
            for (int i = 0; i < lines.size(); ++i, ++r) {
                InventoryRow* row = out.row(r);
                if (!row) return;
                row->description = lines[i];
                if (i > 0) continue;
                row->value = assets.cell(assetColumn::Value, a);
                if (form.appraisedMark) row->appraised = assets.cell(assetColumn::Appraised, a);
            }
        }
        InventoryRow* subtotal = out.row(r);
        if (!subtotal) return;
        subtotal->description = InventoryGroups[g].subtotal;
        subtotal->value = FormatAmount(s.subtotals[g]);
        r += 2;
    }
    // Written also when no group is present (then row 0, "0.00").
    InventoryRow* total = out.row(r);
    if (!total) return;
    total->description = GrandTotalRow;
    total->value = FormatAmount(s.grandTotal);
}

}  // namespace

int CountInventorySchedule(const CaseData& data, ScheduleBuffers& buffers, TextWrapper& wrapper) {
    InventoryScheduleWithAutos& s = buffers.inventory;
    resetTotals(s);
    s.autoValues.fill(0);
    const WorksheetStore& assets = data.ASchedList;
    int lines = 0;
    for (int r = 0; r < assets.rowCount(); ++r) {
        if (!IsMarked(assets, Form6_1.markColumn, r)) continue;
        const QString& category = assets.cell(Form6_1.categoryColumn, r);
        const int autoIndex = autoToSpouseIndex(category);
        const int lineCount = wrapper.LineCount(assets.cell(assetColumn::Description, r),
                                                ScheduleFont, ScheduleFontSize, Form6_1.countWidth);
        // Automobiles passing to the spouse appear on Form 6.0, not here.
        if (autoIndex < 0) lines += lineCount;
        if (autoIndex >= 0)
            s.autoValues[autoIndex] = Str2Float_2(assets.cell(assetColumn::Value, r));
        else
            addToGroup(s, assets, r, GroupOf(category, InventoryGroups));
    }
    // The grand total row follows the last group; counting it keeps it on a
    // printed sheet when the groups fill their last sheet to the end. With no
    // group there is no schedule to print and no copy is needed.
    const bool anyGroup = std::find(s.present.begin(), s.present.end(), true) != s.present.end();
    return finishCount(s, Form6_1, lines, anyGroup ? 1 : 0);
}

void BuildInventorySchedule(const CaseData& data, ScheduleBuffers& buffers, TextWrapper& wrapper) {
    build(data, buffers.inventory, Form6_1, wrapper);
}

int CountAssetsRemaining(const CaseData& data, ScheduleBuffers& buffers, TextWrapper& wrapper) {
    InventorySchedule& s = buffers.assetsRemaining;
    resetTotals(s);
    const WorksheetStore& assets = data.ASchedList;
    int lines = 0;
    for (int r = 0; r < assets.rowCount(); ++r) {
        if (!IsMarked(assets, Form13_2.markColumn, r)) continue;
        // Lines count whatever the category.
        lines += wrapper.LineCount(assets.cell(assetColumn::Description, r), ScheduleFont,
                                   ScheduleFontSize, Form13_2.countWidth);
        addToGroup(s, assets, r, GroupOf(assets.cell(Form13_2.categoryColumn, r), InventoryGroups));
    }
    return finishCount(s, Form13_2, lines, 1);  // the grand total row always counts
}

void BuildAssetsRemaining(const CaseData& data, ScheduleBuffers& buffers, TextWrapper& wrapper) {
    build(data, buffers.assetsRemaining, Form13_2, wrapper);
}

}  // namespace wm4
