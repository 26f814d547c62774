// Forms 10.0 to 12.2: distribution in kind and its notices, the fiduciary's
// acceptance, the consent to sell real estate and the certificates of
// transfer (one copy per parcel of real estate).
#include "calc/checks/item_capacity.h"
#include "calc/units/item_continuation.h"
#include "calc/transfer/transfer_rows.h"
#include "calc/units/blocks.h"
#include "calc/units/units.h"
#include "case/conversions.h"

namespace wm4::units {

namespace {
const std::vector<int> kNameOnly{kinColumn::Name};
const std::vector<int> kNameAddress{kinColumn::Name, kinColumn::Street, kinColumn::CityStateZip};

// The asset row the copy of Forms 12.0-12.2 is for, or -1.
int realEstateOfCopy(const CalcContext& ctx, int copy) {
    const std::vector<int> rows = markedAssetRows(ctx, assetColumn::ToForm12_0);
    return copy < int(rows.size()) ? rows[size_t(copy)] : -1;
}
}  // namespace

// 10.0 front, application to distribute in kind.
void Calc46(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 46, copy);
    pc.caption();
    pc.putAmount(15, pc.amount(12) + pc.amount(13) + pc.amount(14));
    pc.attorneyBlock(16);
    pc.fiduciaryNames(21, Write::Kept);
}

// 10.0 back: the consents and the schedule of property distributed in kind
// (distributee, description lines, value). Slot 1 first takes the
// surviving spouse; the first consenting person takes it over.
void Calc47(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 47, copy);
    const WorksheetStore& assets = ctx.data.ASchedList;
    pc.caseLine();
    pc.putGi(1, gi::SpouseName);
    pc.clear(2, 8, Write::Kept);
    if (!writeAllPersons(pc, kNameOnly, true, false)) return;
    LineWriter lines(pc, 29260, 10, 3, Write::Kept);
    lines.clear({-1, 1});
    for (int row : markedAssetRows(ctx, assetColumn::ToForm10_0))
        if (!lines.add(assets.cell(assetColumn::Description, row),
                       {{-1, assets.cell(assetColumn::Distributees, row)},
                        {1, FormatAmount(Str2Float_2(assets.cell(assetColumn::Value, row)))}}))
            return;
    pc.longDates({49, 55});
    pc.judgeLine(56);
}

// 10.1.
void Calc48(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 48, copy);
    pc.caption();
    pc.longDate(11);
    pc.judgeLine(12);
}

// 10.2 notice of hearing on distribution in kind, five persons a copy.
void Calc50(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 50, copy);
    pc.caption();
    writePersons(pc, {4, 3, 5, kNameAddress, true},
                 personsOfCopy(ctx, kinColumn::ToForm10_2, copy, 5));
    pc.inherit(19, 21);
    pc.longDate(19);
    pc.judgeLine(24);
}

// The fiduciary's acceptance.
void Calc51(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 51, copy);
    pc.caption();
    pc.longDate(4);
    QString names =
        giAnswer(ctx, gi::FiduciaryName) + QStringLiteral(", ") + giAnswer(ctx, gi::FiduciaryTitle);
    if (hasCoFiduciary(ctx))
        names += QStringLiteral(", ") + QStringLiteral(" & ") + giAnswer(ctx, gi::CoFiduciaryName) +
                 QStringLiteral(", ") + giAnswer(ctx, gi::CoFiduciaryTitle);
    pc.keep(5, names);
    // Each signs on a line of its own, named under it.
    pc.putGi(7, gi::FiduciaryName, Write::Kept);
    pc.putGi(8, gi::CoFiduciaryName, Write::Kept);
}

// 10.4 notice to distributee, one person a copy, with the property the
// application to distribute in kind (asset rows sent to 10.0) gives that
// person: the rows whose distributees name the person, one a line.
void Calc52(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 52, copy);
    const WorksheetStore& assets = ctx.data.ASchedList;
    pc.caption();
    pc.fiduciaryBlock(7);
    const int row = personOfCopy(ctx, kinColumn::ToForm10_4, copy);
    writePersons(pc, {4, 3, 1, kNameAddress, false},
                 row >= 0 ? std::vector<int>{row} : std::vector<int>{});
    pc.inherit({11});
    pc.longDates({11, 12});
    pc.put(13, pc.text(4));

    QStringList property;
    const QString& person = pc.text(4);
    if (!person.isEmpty())
        for (int asset : markedAssetRows(ctx, assetColumn::ToForm10_0))
            if (assets.cell(assetColumn::Distributees, asset).contains(person))
                property << Bar2Space(assets.cell(assetColumn::Description, asset)).trimmed();
    pc.keep(14, property.join(QStringLiteral(" | ")));
}

// 11.0 front, consent to power to sell real estate.
void Calc53(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 53, copy);
    pc.caption();
    writeAllPersons(pc, kNameOnly);
}

// 11.0 back: the legal description of the real estate, and the same
// descriptions as one text with paragraph marks.
void Calc54(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 54, copy);
    const WorksheetStore& assets = ctx.data.ASchedList;
    pc.caseLine();
    LineWriter lines(pc, 29270, 1, 1);
    lines.clear();
    QStringList descriptions;
    for (int row : markedAssetRows(ctx, assetColumn::ToForm11_0)) {
        descriptions << assets.cell(assetColumn::Description, row);
        if (!lines.add(assets.cell(assetColumn::Description, row))) return;
    }
    pc.put(47, Bar2Par(descriptions.join(BarSeparator)));
    pc.attorneyBlock(42);
}

// 12.0 front, application for certificate of transfer.
void Calc55(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 55, copy);
    pc.caption();
    pc.decedentBlock(4);
    pc.keep(11, QString::number(copy + 1));
    pc.put(14, pc.isX(13) ? giAnswer(ctx, gi::DeathDate) : QString());
    pc.longDates({15, 20});
}

// 12.0 back.
void Calc56(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 56, copy);
    pc.caseLine();
    pc.putAmount(8, pc.amount(4) + pc.amount(5) + pc.amount(6) - pc.amount(7));
    pc.putAmount(9, pc.amount(2) + pc.amount(3));
    // "Surviving spouse: None" states that there is none; an empty line would
    // leave the question open.
    pc.put(10, hasSurvivingSpouse(ctx) ? giAnswer(ctx, gi::SpouseName) : QStringLiteral("None"));
    pc.fiduciaryNames(11);
    pc.putGi(12, gi::FiduciaryTitle);
    pc.put(13, pc.other(55, 11));
    pc.longDate(15);
    pc.judgeLine(16);
}

namespace {

enum class Succession { Testate, Intestate, Unknown };

// How the decedent's real estate passes, as the application (12.0) says:
// its "testate" box, its "intestate" box, or, with neither ticked, testate
// when the case holds a will: its date on Form 2.0, or the date it was
// admitted (2.2) or presented (2.3). Without any of these the certificate
// ticks neither: an unticked box is no statement of intestacy.
Succession successionOf(const CalcContext& ctx, int copy) {
    constexpr int kForm12_0 = 55, kTestateBox = 12, kIntestateBox = 21;
    struct WillAnswer {
        int page, slot;
    };
    constexpr WillAnswer kWillAnswers[] = {{3, 28}, {6, 10}, {7, 4}};
    const TAnswer& a = ctx.A();
    if (a.answer(kForm12_0, copy, kTestateBox) == u"X") return Succession::Testate;
    if (a.answer(kForm12_0, copy, kIntestateBox) == u"X") return Succession::Intestate;
    for (const WillAnswer& will : kWillAnswers)
        if (!a.answer(will.page, 0, will.slot).trimmed().isEmpty()) return Succession::Testate;
    return Succession::Unknown;
}

}  // namespace

// 12.1 front, certificate of transfer.
void Calc57(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 57, copy);
    pc.caption();
    pc.put(85, decedentFullName(ctx));
    pc.put(4, QString::number(copy + 1));
    const Succession succession = successionOf(ctx, copy);
    pc.keep(5, succession == Succession::Intestate ? QStringLiteral("X") : QString());
    pc.keep(6, succession == Succession::Testate ? QStringLiteral("X") : QString());
    pc.put(7, ConvertDate(giAnswer(ctx, gi::DeathDate)));
    // The spouse's interest and the allowance it satisfies: a sentence only
    // for a spouse and an allowance actually typed.
    const bool allowance = hasSurvivingSpouse(ctx) && pc.amount(83) > 0;
    pc.put(84, allowance ? giAnswer(ctx, gi::SpouseName) : QString());
    pc.put(86, allowance ? QStringLiteral("The interest of the surviving spouse, ") +
                               giAnswer(ctx, gi::SpouseName) +
                               QStringLiteral(", includes the allowance for support of $") +
                               FormatAmount(pc.amount(83)) +
                               QStringLiteral(" satisfied by this transfer.")
                         : QString());
}

// 12.1 back: the legal description of the copy's parcel and the persons
// entitled to it (the kin rows the parcel's distributees name), written on
// the front's person lines.
void Calc58(CalcContext& ctx, int copy) {
    constexpr int kPersonsFirstSlot = 8;  // on page 57: name, street, city line, relationship
    constexpr int kPersonStride = 5;      // the fifth slot is the person's share
    PageCopy pc(ctx, 58, copy);
    PageCopy front(ctx, 57, copy);
    const WorksheetStore& assets = ctx.data.ASchedList;
    const WorksheetStore& kinStore = ctx.data.KSchedList;
    const int parcel = realEstateOfCopy(ctx, copy);
    const QString description =
        parcel >= 0 ? assets.cell(assetColumn::Description, parcel) : QString();

    pc.caseLine();
    LineWriter lines(pc, 29280, 1, 1);
    lines.clear();
    if (!lines.add(description)) return;

    const ItemCapacity* persons = itemCapacity(30279);
    const QString distributees =
        parcel >= 0 ? assets.cell(assetColumn::Distributees, parcel) : QString();
    for (int p = 0; p < persons->limit; ++p)
        front.clear(kPersonsFirstSlot + kPersonStride * p,
                    kPersonsFirstSlot + kPersonStride * p + 4, Write::Kept);
    ItemContinuation continued(front, *persons);
    int p = 0;
    for (const transfer::Grantee& grantee : transfer::findGrantees(ctx, distributees)) {
        const int row = grantee.kinRow;
        if (continued.active()) {
            const int first = kPersonsFirstSlot + kPersonStride * p;
            QStringList parts;
            for (int column : {kinColumn::Name, kinColumn::Street, kinColumn::CityStateZip,
                               kinColumn::Relationship})
                if (!kinStore.cell(column, row).trimmed().isEmpty()) parts << kinStore.cell(column, row);
            if (!grantee.share.isEmpty()) parts << grantee.share;
            if (!continued.fits(p, parts.join(QStringLiteral(", ")), first,
                                {first + 1, first + 2, first + 3, first + 4})) {
                ++p;
                continue;
            }
        } else if (!ItemFits(*persons, p)) {
            return;
        }
        const int slot = kPersonsFirstSlot + kPersonStride * p++;
        front.keep(slot, kinStore.cell(kinColumn::Name, row));
        front.keep(slot + 1, kinStore.cell(kinColumn::Street, row));
        front.keep(slot + 2, kinStore.cell(kinColumn::CityStateZip, row));
        front.keep(slot + 3, kinStore.cell(kinColumn::Relationship, row));
        front.keep(slot + 4, grantee.share);
    }

    pc.keep(43, giAnswer(ctx, gi::AttorneyStreet) + QStringLiteral(", ") + attorneyCityLine(ctx));
    pc.put(44, Bar2Par(description));
    pc.judgeLine(38);
    pc.judgeLine(42);
    pc.put(39, front.text(4));
}

// 12.2.
void Calc59(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 59, copy);
    pc.caption();
    pc.put(4, QString::number(copy + 1));
    pc.longDate(6);
    pc.judgeLine(7);
}

}  // namespace wm4::units
