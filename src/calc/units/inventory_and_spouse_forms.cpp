// Forms 6.0 back to 9.2: the inventory's waiver and notices, the family
// allowance and its apportionment, the surviving spouse's election and
// notices, the sale of personal property; Forms 7.0, 7.0(A) and 8.3 to 8.6.
#include <stdexcept>
#include <utility>

#include "calc/checks/item_capacity.h"
#include "calc/units/blocks.h"
#include "calc/units/categories.h"
#include "calc/units/item_continuation.h"
#include "calc/units/units.h"
#include "case/conversions.h"

namespace wm4::units {

namespace {
const std::vector<int> kNameOnly{kinColumn::Name};
const std::vector<int> kNameAddress{kinColumn::Name, kinColumn::Street, kinColumn::CityStateZip};

const ItemCapacity& itemBox(quint16 errNo) {
    const ItemCapacity* box = itemCapacity(errNo);
    if (!box) throw std::logic_error("no item capacity with this message");
    return *box;
}

QString formattedValue(const WorksheetStore& assets, int row) {
    return FormatAmount(Str2Float_2(assets.cell(assetColumn::Value, row)));
}
}  // namespace

// 6.0 back, waiver.
void Calc29(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 29, copy);
    pc.caseLine();
    // The spouse's joinder prints only when there is a spouse to join.
    pc.put(1, hasSurvivingSpouse(ctx)
                  ? giAnswer(ctx, gi::SpouseName) +
                        QStringLiteral(", the surviving spouse, joins in this waiver.")
                  : QString());
    if (!writeAllPersons(pc, kNameOnly)) return;
    pc.longDates({16, 19});
    pc.judgeLine(20);
}

// 6.2 waiver of notice of hearing on the inventory.
void Calc32(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 32, copy);
    pc.caption();
    writeAllPersons(pc, kNameOnly);
}

// 6.3 notice of hearing on the inventory, one person a copy.
void Calc33(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 33, copy);
    pc.caption();
    const int row = personOfCopy(ctx, kinColumn::ToForm6_3, copy);
    writePersons(pc, {4, 3, 1, kNameAddress, false},
                 row >= 0 ? std::vector<int>{row} : std::vector<int>{});
    pc.inherit(7, 9);
    pc.longDate(7);
    pc.attorneyWithRegistration(10, 11, Write::Kept);
}

// 7.1 application for family allowance: one line per asset, five assets.
void Calc34(CalcContext& ctx, int copy) {
    constexpr TextFont kFont{"Arial Narrow", 11, 4.5};
    PageCopy pc(ctx, 34, copy);
    const WorksheetStore& assets = ctx.data.ASchedList;
    const ItemCapacity& box = itemBox(30189);
    // The caption like every other court form (7.1 once printed without
    // estate and case number, and the clerk could not docket it).
    pc.caption();
    pc.clear(9, 18, Write::Kept);
    ItemContinuation continued(pc, box);
    int k = 0;
    for (int row : markedAssetRows(ctx, assetColumn::ToForm7_1)) {
        if (continued.active()) {
            const QString entry = assets.cell(assetColumn::Description, row) +
                                  QStringLiteral("   ") + formattedValue(assets, row);
            if (!continued.fits(k, entry, 9 + 2 * k, {10 + 2 * k})) {
                ++k;
                continue;
            }
        } else if (!ItemFits(box, k)) {
            return;
        }
        const int slot = 9 + 2 * k++;
        if (pc.overridden(slot)) continue;
        pc.keep(slot, firstLine(ctx, assets.cell(assetColumn::Description, row), kFont));
        pc.keep(slot + 1, formattedValue(assets, row));
    }
    pc.keep(8, pc.text(9).isEmpty() ? QString() : QStringLiteral("X"));
    pc.fiduciaryNames(19);
    for (int slot = 20; slot <= 23; ++slot) pc.put(slot, pc.text(slot - 16));
    pc.judgeLine(24);
}

// 7.2 front, apportionment of the family allowance: the spouse and the
// minor children (name, street, city line, birth date, seven slots apart).
void Calc35(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 35, copy);
    pc.caption();
    pc.putGi(6, gi::SpouseName);
    pc.put(7, giAnswer(ctx, gi::SpouseStreet).isEmpty()
                  ? QString()
                  : giAnswer(ctx, gi::SpouseStreet) + QStringLiteral(", ") + spouseCityLine(ctx));
    if (!writeAllPersons(
            pc, {kinColumn::Name, kinColumn::Street, kinColumn::CityStateZip, kinColumn::BirthDate},
            false))
        return;
    pc.fiduciaryNames(43, Write::Kept);
}

// 7.2 back: the assets apportioned to the spouse (second automobile and
// others to the spouse) and to others with their distributees.
void Calc36(CalcContext& ctx, int copy) {
    constexpr TextFont kFont{"Arial Narrow", 11, 3.5};
    PageCopy pc(ctx, 36, copy);
    const WorksheetStore& assets = ctx.data.ASchedList;
    pc.caseLine();
    pc.longDates({3, 7, 29}, Write::Kept);
    pc.keep(1, pc.other(35, 4));
    pc.keep(8, pc.other(35, 4));
    pc.keep(2, pc.other(35, 5));
    pc.keep(9, pc.other(35, 5));
    pc.clear(10, 27, Write::Kept);
    const ItemCapacity& others = itemBox(30209);
    ItemContinuation continuedOthers(pc, others);
    int k = 0;
    // The spouse's two lines name every asset of their category, not only
    // the last one found.
    QStringList spouseAssets[2];
    for (int row : markedAssetRows(ctx, assetColumn::ToForm7_2)) {
        const QString& category = assets.cell(assetColumn::Category7_2, row);
        const QString description =
            firstLine(ctx, assets.cell(assetColumn::Description, row), kFont);
        int section = -1;  // 0: the automobile line (slot 10), 1: the spouse's (13)
        if (categoryMatches(category, Category::SecondAutomobile)) section = 0;
        if (categoryMatches(category, Category::Spouse)) section = 1;
        if (section >= 0) {
            const int first = section == 0 ? 10 : 13;
            spouseAssets[section] << description;
            pc.keep(first, QStringLiteral("X"));
            pc.putGi(first + 1, gi::SpouseName, Write::Kept);
            pc.keep(first + 2, spouseAssets[section].join(QStringLiteral("; ")));
        } else if (categoryMatches(category, Category::Others)) {
            if (continuedOthers.active()) {
                const QString entry = assets.cell(assetColumn::Distributees, row) +
                                      QStringLiteral(": ") +
                                      assets.cell(assetColumn::Description, row);
                if (!continuedOthers.fits(k, entry, 16 + 2 * k, {17 + 2 * k})) {
                    ++k;
                    continue;
                }
            } else if (!ItemFits(others, k)) {
                return;
            }
            const int slot = 16 + 2 * k++;
            if (pc.overridden(slot)) continue;
            pc.keep(slot, assets.cell(assetColumn::Distributees, row));
            pc.keep(slot + 1, description);
        }
    }
    pc.judgeLine(6);
    pc.judgeLine(28);
}

// 8.0 citation to the surviving spouse to elect.
void Calc37(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 37, copy);
    pc.caption();
    pc.putGi(4, gi::SpouseName);
    pc.putGi(5, gi::SpouseStreet);
    pc.put(6, giAnswer(ctx, gi::SpouseState).isEmpty() ? giAnswer(ctx, gi::SpouseCity)
                                                       : spouseCityLine(ctx));
    pc.longDate(7);
    pc.attorneyBlock(10);
    pc.fiduciaryBlock(15);
    pc.judgeLine(20);
}

// 8.1.
void Calc38(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 38, copy);
    pc.caption();
    pc.longDate(4);
    pc.putGi(5, gi::SpouseName);
    pc.attorneyBlock(6);
}

// 8.2. Runs under a guard: whatever goes wrong in it is reported and the
// run goes on.
void Calc39(CalcContext& ctx, int copy) {
    runGuarded(29397, [&] {
        PageCopy pc(ctx, 39, copy);
        pc.caption();
        pc.longDate(4);
        pc.putGi(5, gi::SpouseName);
        pc.judgeLine(6);
        pc.attorneyBlock(7);
    });
}

// 9.0 front, application to sell personal property: the consents. A
// surplus person stays marked, so the message repeats until the user
// removes one.
void Calc40(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 40, copy);
    pc.caption();
    pc.fiduciaryNames(11);
    // The spouse's consent line only for a spouse.
    pc.put(12, hasSurvivingSpouse(ctx)
                   ? QStringLiteral("Surviving Spouse ") + giAnswer(ctx, gi::SpouseName)
                   : QString());
    if (!writeAllPersons(pc, kNameOnly)) return;
    pc.attorneyBlock(18);
}

// 9.0 back, the property to be sold: description lines with the kind of
// sale, price and terms beside each asset's first line.
void Calc41(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 41, copy);
    const WorksheetStore& assets = ctx.data.ASchedList;
    pc.caseLine();
    LineWriter lines(pc, 29250, 1, 4);
    lines.clear({1, 2, 3});
    for (int row : markedAssetRows(ctx, assetColumn::ToForm9_0))
        if (!lines.add(assets.cell(assetColumn::Description, row),
                       {{1, assets.cell(assetColumn::PublicPrivate, row)},
                        {2, assets.cell(assetColumn::FixedBest, row)},
                        {3, assets.cell(assetColumn::CashTerms, row)}}))
            return;
    pc.longDate(87);
    pc.judgeLine(88);
}

// 9.1.
void Calc42(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 42, copy);
    pc.caption();
    pc.longDate(10);
    pc.judgeLine(11);
}

// 9.2.
void Calc44(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 44, copy);
    pc.caption();
    pc.putGi(4, gi::SpouseName);
    pc.putGi(5, gi::SpouseStreet);
    pc.put(6, spouseCityLine(ctx));
    pc.longDate(7);
    pc.judgeLine(9);
}

// 7.0 application to determine the allowance.
void Calc45(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 45, copy);
    pc.caption();
    pc.attorneyBlock(7);
    pc.putGi(18, gi::FurtherDetail);
    pc.fiduciaryNames(12, Write::Kept);
    pc.putGi(13, gi::FiduciaryStreet, Write::Kept);
    pc.keep(14, fiduciaryCityLine(ctx));
    pc.putGi(15, gi::FiduciaryPhone, Write::Kept);
    pc.putGi(19, gi::FiduciaryDetail, Write::Kept);
}

namespace {

// Whole years from birth to death, "69 years"; empty when either date does
// not read as a date.
QString ageAtDeath(const QString& birth, const QString& death) {
    const std::optional<QDate> born = ParseShortDate(ShortDateText(birth));
    const std::optional<QDate> died = ParseShortDate(ShortDateText(death));
    if (!born || !died) return QString();
    int years = died->year() - born->year();
    if (std::pair(born->month(), born->day()) > std::pair(died->month(), died->day())) --years;
    return QString::number(years) + QStringLiteral(" years");
}

}  // namespace

// 7.0(A), notice to the administrator: the decedent's name, address, birth,
// age at death and death.
void Calc79(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 79, copy);
    pc.caption();
    pc.put(4, decedentNameLine(ctx));
    pc.put(5, decedentAddressLine(ctx));
    pc.putGi(6, gi::DecedentBirthDate);
    pc.put(7, ageAtDeath(giAnswer(ctx, gi::DecedentBirthDate), giAnswer(ctx, gi::DeathDate)));
    pc.putGi(8, gi::DeathDate);
    pc.putGi(9, gi::DecedentExtra);
    pc.fiduciaryBlock(13, Write::Kept);
}

// 8.3 front and back.
void Calc87(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 87, copy);
    pc.caption();
    pc.putGi(4, gi::SpouseName);
    pc.putGi(5, gi::SpouseStreet);
    pc.put(6, spouseCityLine(ctx));
}

void Calc88(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 88, copy);
    pc.caseLine();
}

// 8.4.
void Calc89(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 89, copy);
    pc.caption();
    pc.judgeLine(7);
}

// 8.5.
void Calc90(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 90, copy);
    pc.caption();
}

// 8.6.
void Calc91(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 91, copy);
    pc.caption();
    pc.longDate(4);
    pc.putGi(5, gi::SpouseName);
    pc.attorneyBlock(6);
}

}  // namespace wm4::units
