// Form 5.10, the application for summary release from administration
// (pages 72 and 73). Each section lists one line per asset: the first
// wrapped line of its description and its value cell as typed.
#include <memory>

#include "calc/checks/item_capacity.h"
#include "calc/units/item_continuation.h"
#include "calc/relief/relief_rows.h"
#include "calc/relief/relief_units.h"
#include "case/conversions.h"
#include "forms/page072.h"
#include "forms/page073.h"

namespace wm4 {

using namespace units;
using namespace relief;

namespace {

constexpr quint16 ErrVehicles = 30019;
constexpr quint16 ErrAccounts = 30029;
constexpr quint16 ErrStocksAndBonds = 30039;
constexpr quint16 ErrOtherAssets = 30049;

const ItemCapacity& capacity(quint16 errNo) {
    return *itemCapacity(errNo);
}

// A section of one line per item: a check box, then (first line, value)
// pairs from firstSlot, all kept writes.
struct ItemSection {
    Category category;
    int checkBox;
    int firstSlot;
    double inches;  // width of the description line
    const ItemCapacity& capacity;
    int items = 0;
    // With continuation addenda on: the items beyond the section's room.
    std::shared_ptr<units::ItemContinuation> continued{};
};

// Lists one asset in its section. False when the section is full (its
// message reported).
bool listItem(PageCopy& pc, ItemSection& section, int row) {
    const WorksheetStore& assets = pc.ctx().data.ASchedList;
    if (pc.ctx().data.continuations.enabled()) {
        if (!section.continued)
            section.continued = std::make_shared<units::ItemContinuation>(pc, section.capacity);
        const int next = section.firstSlot + 2 * section.items;
        const QString entry = assets.cell(assetColumn::Description, row) +
                              QStringLiteral("   ") + assets.cell(assetColumn::Value, row);
        if (!section.continued->fits(section.items, entry, next, {next + 1})) {
            ++section.items;
            return true;  // on the addendum; the list goes on
        }
    } else if (!ItemFits(section.capacity, section.items)) {
        return false;
    }
    const int slot = section.firstSlot + 2 * section.items++;
    pc.keep(section.checkBox, QStringLiteral("X"));
    pc.keep(slot, firstLine(pc.ctx(), assets.cell(assetColumn::Description, row),
                            ArialNarrow11(section.inches)));
    pc.keep(slot + 1, assets.cell(assetColumn::Value, row));
    return true;
}

}  // namespace

void Calc72(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page72::Page, copy);
    pc.caption();
    pc.decedentBlock(page72::DecedentBlock);
    pc.clear(page72::HoldsVehicles, page72::VehicleLines.last(), Write::Kept);

    ItemSection vehicles{Category::MotorVehicle, page72::HoldsVehicles, page72::VehicleLines.start,
                         4.6, capacity(ErrVehicles)};
    for (int row : assetRowsOf(ctx, assetColumn::ToForm5_10, assetColumn::Category5_10,
                               Category::MotorVehicle))
        if (!listItem(pc, vehicles, row)) break;  // the third vehicle stops the list
}

void Calc73(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page73::Page, copy);
    pc.caseLine();
    pc.clear(page73::HoldsAccounts, page73::OtherAssetLines.last(), Write::Kept);

    ItemSection sections[] = {
        {Category::Accounts, page73::HoldsAccounts, page73::AccountLines.start, 4.6,
         capacity(ErrAccounts)},
        {Category::StocksAndBonds, page73::HoldsStocksAndBonds, page73::SecurityLines.start, 4.6,
         capacity(ErrStocksAndBonds)},
        {Category::Other, page73::HoldsOtherAssets, page73::OtherAssetLines.start, 6.0,
         capacity(ErrOtherAssets)},
    };
    const WorksheetStore& assets = ctx.data.ASchedList;
    for (int row : markedAssetRows(ctx, assetColumn::ToForm5_10)) {
        const QString& category = assets.cell(assetColumn::Category5_10, row);
        if (categoryMatches(category, Category::RealEstate)) {
            // One real estate line: the last row's value.
            pc.keep(page73::HoldsRealEstate, QStringLiteral("X"));
            pc.keep(page73::ValueOfTheRealEstate, assets.cell(assetColumn::Value, row));
            continue;
        }
        for (ItemSection& section : sections) {
            if (!categoryMatches(category, section.category)) continue;
            if (!listItem(pc, section, row)) return;  // a full section ends the page
            break;
        }
    }

    // Every asset marked for the form, whatever its category (CalcTtls).
    pc.putAmount(page73::TotalOfTheAssets, ctx.totals.form5_10);
    pc.attorneyBlock(page73::AttorneyBlock);
    pc.fiduciaryBlock(page73::FiduciaryBlock);
}

}  // namespace wm4
