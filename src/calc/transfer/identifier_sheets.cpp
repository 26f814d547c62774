// The confidential personal identifier sheets (page 111): ten entries a
// sheet, taken from the asset rows marked for them and then the expense rows.
#include <vector>

#include "calc/transfer/asset_details.h"
#include "calc/transfer/transfer_units.h"
#include "calc/units/blocks.h"
#include "forms/page111.h"

namespace wm4 {

using namespace units;
using namespace transfer;

namespace {

constexpr int EntriesPerSheet = 10;
constexpr int FirstEntrySlot = page111::Entries.start;
constexpr int SlotsPerEntry = 5;
static_assert(page111::Entries.count == EntriesPerSheet * SlotsPerEntry);

struct IdentifierEntry {
    const WorksheetStore* store;
    int row;
    IdentifierCells cells;
};

std::vector<IdentifierEntry> identifierEntries(const CalcContext& ctx) {
    std::vector<IdentifierEntry> entries;
    const auto collect = [&entries](const WorksheetStore& store, int sendTo,
                                    const IdentifierCells& cells) {
        for (int row = 0; row < store.rowCount(); ++row)
            if (isMarked(store.cell(sendTo, row))) entries.push_back({&store, row, cells});
    };
    collect(ctx.data.ASchedList, assetColumn::ToIdentifiers, AssetIdentifier);
    collect(ctx.data.ESchedList, expenseColumn::ToIdentifiers, ExpenseIdentifier);
    return entries;
}

}  // namespace

void Calc111(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page111::Page, copy);
    const int sheets = ctx.A().NoOfCPID;
    pc.fullCaption();
    pc.put(page111::Sheet, QString::number(copy + 1));
    pc.put(page111::Of, QString::number(sheets));
    pc.put(page111::AFurtherSheetFollows, copy + 1 < sheets ? QStringLiteral("X") : QString());
    if (copy == 0) {
        pc.attorneyWithRegistration(page111::AttorneyFirstSheet,
                                    page111::RegistrationNumberFirstSheet, Write::Kept);
    } else {
        pc.keep(page111::AttorneyFirstSheet, QString());
        pc.put(page111::RegistrationNumberFirstSheet, QString());
    }

    pc.clear(FirstEntrySlot, FirstEntrySlot + EntriesPerSheet * SlotsPerEntry - 1);
    const std::vector<IdentifierEntry> entries = identifierEntries(ctx);
    for (int k = 0; k < EntriesPerSheet; ++k) {
        const size_t index = size_t(copy * EntriesPerSheet + k);
        if (index >= entries.size()) break;
        const IdentifierEntry& e = entries[index];
        const int slot = FirstEntrySlot + SlotsPerEntry * k;
        const auto cell = [&e](int column) { return e.store->cell(column, e.row); };
        pc.put(slot, cell(e.cells.completeIdentifier));
        pc.put(slot + 1, cell(e.cells.institution));
        pc.put(slot + 2, cell(e.cells.abbreviation));
        pc.put(slot + 3, cell(e.cells.formNumber));
        pc.put(slot + 4, cell(e.cells.filingDate));
    }
}

}  // namespace wm4
