// Form 5.6, the entry relieving the estate from administration (pages 26
// and 27).
#include "calc/relief/relief_rows.h"
#include "calc/relief/relief_units.h"
#include "case/conversions.h"
#include "forms/page026.h"
#include "forms/page027.h"

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
    PageCopy pc(ctx, page26::Page, copy);
    pc.caption();
    pc.clear(page26::SellsPersonalProperty, page26::DebtsContinued, Write::Kept);
    pc.clear(page26::ReleasesAccounts, page26::ReleasesAccounts, Write::Kept);
    pc.clear(page26::OrdersAccountsReleased, page26::AccountsContinued2, Write::Kept);

    const WorksheetStore& assets = ctx.data.ASchedList;
    fillFrontSection(pc, assets,
                     assetRowsOf(ctx, assetColumn::ToForm5_6, assetColumn::Category5_6,
                                 Category::PersonaltyToBeSold),
                     ErrPersonaltyLines, page26::Property, {page26::SellsPersonalProperty});
    fillFrontSection(pc, assets,
                     assetRowsOf(ctx, assetColumn::ToForm5_6, assetColumn::Category5_6,
                                 Category::AccountsToBeReleased),
                     ErrAccountLines, page26::Accounts,
                     {page26::ReleasesAccounts, page26::OrdersAccountsReleased});
    fillFrontSection(pc, ctx.data.ESchedList, markedExpenseRows(ctx, expenseColumn::ToForm5_6),
                     ErrDebtLines, page26::Debts, {page26::PaysDebts});
}

void Calc27(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page27::Page, copy);
    pc.caseLine();
    // The check box goes with the list: without a remainder it is cleared,
    // as the front clears its boxes.
    pc.keep(page27::TheRemainderOfTheEstateIsToBeDistributedAsFollows, QString());
    constexpr int Lines = 32, SlotsPerLine = 3;
    static_assert(page27::Remainder.count == Lines * SlotsPerLine);
    for (int i = 0; i < Lines; ++i) {
        const int line = page27::Remainder.start + SlotsPerLine * i;
        pc.keep(line, QString());     // distributees
        pc.put(line + 1, QString());  // description line
        pc.put(line + 2, QString());  // value
    }

    const WorksheetStore& assets = ctx.data.ASchedList;
    // The description column; the distributees stand before it, the value after.
    LineWriter box(pc, ErrRemainderLines, page27::Remainder[1], 3);
    for (int row : assetRowsOf(ctx, assetColumn::ToForm5_6, assetColumn::Category5_6,
                               Category::RemainderToBeDistributed)) {
        pc.keep(page27::TheRemainderOfTheEstateIsToBeDistributedAsFollows, QStringLiteral("X"));
        const int before = box.linesWritten();
        const bool goOn = box.addLines(
            descriptionLines(ctx, assets.cell(assetColumn::Description, row), box.font()),
            {{1, FormatAmount(Str2Float_2(assets.cell(assetColumn::Value, row)))}});
        // The distributees stand beside the first line, kept if overridden.
        if (box.linesWritten() > before)
            pc.keep(box.slotOfLine(before) - 1, assets.cell(assetColumn::Distributees, row));
        if (!goOn) return;
    }

    pc.longDate(page27::DateOfTheEntry);
    pc.judgeLine(page27::Judge);
}

}  // namespace wm4
