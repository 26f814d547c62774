// Form 5.6, the entry relieving the estate from administration (pages 26
// and 27).
#include "calc/relief/relief_rows.h"
#include "calc/relief/relief_units.h"
#include "case/conversions.h"

namespace wm4 {

using namespace units;
using namespace relief;

namespace {

constexpr quint16 ErrPersonaltyLines = 29200;
constexpr quint16 ErrAccountLines = 29210;
constexpr quint16 ErrDebtLines = 29220;
constexpr quint16 ErrRemainderLines = 29230;
// The description is column 1 in the asset and the expense worksheet alike.
static_assert(assetColumn::Description == expenseColumn::Description);

// One section of the front: its rows' lines go into a small box of kept
// slots; a row that does not fit loses its further lines, and each section
// row sets its check boxes.
void fillFrontSection(PageCopy& pc, const WorksheetStore& store, const std::vector<int>& rows,
                      quint16 errNo, int firstLineSlot, std::initializer_list<int> checkBoxes) {
    LineWriter box(pc, errNo, firstLineSlot, 1, Write::Kept);
    for (int row : rows) {
        for (int slot : checkBoxes) pc.keep(slot, QStringLiteral("X"));
        box.add(store.cell(assetColumn::Description, row));
    }
}

}  // namespace

void Calc26(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 26, copy);
    pc.caption();
    pc.clear(6, 11, Write::Kept);
    pc.clear(18, 18, Write::Kept);
    pc.clear(20, 23, Write::Kept);

    const WorksheetStore& assets = ctx.data.ASchedList;
    fillFrontSection(pc, assets,
                     assetRowsOf(ctx, assetColumn::ToForm5_6, assetColumn::Category5_6,
                                 Category::PersonaltyToBeSold),
                     ErrPersonaltyLines, 7, {6});
    fillFrontSection(pc, assets,
                     assetRowsOf(ctx, assetColumn::ToForm5_6, assetColumn::Category5_6,
                                 Category::AccountsToBeReleased),
                     ErrAccountLines, 21, {18, 20});
    fillFrontSection(pc, ctx.data.ESchedList, markedExpenseRows(ctx, expenseColumn::ToForm5_6),
                     ErrDebtLines, 10, {9});
}

void Calc27(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 27, copy);
    pc.caseLine();
    // The check box goes with the list: without a remainder it is cleared,
    // as the front clears its boxes.
    pc.keep(1, QString());
    constexpr int Lines = 32;
    for (int i = 0; i < Lines; ++i) {
        pc.keep(2 + 3 * i, QString());  // distributees
        pc.put(3 + 3 * i, QString());   // description line
        pc.put(4 + 3 * i, QString());   // value
    }

    const WorksheetStore& assets = ctx.data.ASchedList;
    LineWriter box(pc, ErrRemainderLines, 3, 3);
    for (int row : assetRowsOf(ctx, assetColumn::ToForm5_6, assetColumn::Category5_6,
                               Category::RemainderToBeDistributed)) {
        pc.keep(1, QStringLiteral("X"));
        const int before = box.linesWritten();
        const bool goOn = box.addLines(
            descriptionLines(ctx, assets.cell(assetColumn::Description, row), box.font()),
            {{1, FormatAmount(Str2Float_2(assets.cell(assetColumn::Value, row)))}});
        // The distributees stand beside the first line, kept if overridden.
        if (box.linesWritten() > before)
            pc.keep(box.slotOfLine(before) - 1, assets.cell(assetColumn::Distributees, row));
        if (!goOn) return;
    }

    pc.longDate(99);
    pc.judgeLine(100);
}

}  // namespace wm4
