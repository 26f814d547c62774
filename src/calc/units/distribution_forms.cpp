// Forms 10.0 to 12.2: distribution in kind and its notices, the fiduciary's
// acceptance, the consent to sell real estate and the certificates of
// transfer (one copy per parcel of real estate).
#include "calc/checks/item_capacity.h"
#include "calc/units/item_continuation.h"
#include "calc/transfer/transfer_rows.h"
#include "calc/units/blocks.h"
#include "calc/units/units.h"
#include "case/conversions.h"
#include "forms/page003.h"
#include "forms/page006.h"
#include "forms/page007.h"
#include "forms/page046.h"
#include "forms/page047.h"
#include "forms/page048.h"
#include "forms/page050.h"
#include "forms/page051.h"
#include "forms/page052.h"
#include "forms/page053.h"
#include "forms/page054.h"
#include "forms/page055.h"
#include "forms/page056.h"
#include "forms/page057.h"
#include "forms/page058.h"
#include "forms/page059.h"

namespace wm4::units {

namespace {
// The asset row the copy of Forms 12.0-12.2 is for, or -1.
int realEstateOfCopy(const CalcContext& ctx, int copy) {
    const std::vector<int> rows = markedAssetRows(ctx, assetColumn::ToForm12_0);
    return copy < int(rows.size()) ? rows[size_t(copy)] : -1;
}
}  // namespace

// 10.0 front, application to distribute in kind.
void Calc46(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page46::Page, copy);
    pc.caption();
    pc.putAmount(page46::Total, pc.amount(page46::PersonalProperty) +
                                    pc.amount(page46::RealProperty) +
                                    pc.amount(page46::IncomeAndOtherReceipts));
    pc.attorneyBlock(page46::AttorneyBlock);
    pc.fiduciaryNames(page46::Fiduciary, Write::Kept);
}

// 10.0 back: the consents and the schedule of property distributed in kind
// (distributee, description lines, value). Slot 1 first takes the
// surviving spouse; the first consenting person takes it over.
void Calc47(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page47::Page, copy);
    const WorksheetStore& assets = ctx.data.ASchedList;
    pc.caseLine();
    pc.putGi(page47::Consents.start, gi::SpouseName);
    pc.clear(page47::Consents[1], page47::Consents.last(), Write::Kept);
    if (!writeAllPersons(pc, kNameOnly, true, false)) return;
    // The property column; the distributee stands before it, the value after.
    LineWriter lines(pc, 29260, page47::PropertyLines[1], 3, Write::Kept);
    lines.clear({-1, 1});
    for (int row : markedAssetRows(ctx, assetColumn::ToForm10_0))
        if (!lines.add(assets.cell(assetColumn::Description, row),
                       {{-1, assets.cell(assetColumn::Distributees, row)},
                        {1, FormatAmount(Str2Float_2(assets.cell(assetColumn::Value, row)))}}))
            return;
    pc.longDates({page47::DateOfTheHearing, page47::DateOfTheEntry});
    pc.judgeLine(page47::Judge);
}

// 10.1.
void Calc48(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page48::Page, copy);
    pc.caption();
    pc.longDate(page48::DateOfTheEntry);
    pc.judgeLine(page48::Judge);
}

// 10.2 notice of hearing on distribution in kind, five persons a copy.
void Calc50(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page50::Page, copy);
    pc.caption();
    constexpr int kPersons = 5, kSlotsPerPerson = 3;
    static_assert(page50::Notified.count == kPersons * kSlotsPerPerson);
    writePersons(pc, {page50::Notified.start, kSlotsPerPerson, kPersons, kNameAddress, true},
                 personsOfCopy(ctx, kinColumn::ToForm10_2, copy, kPersons));
    pc.inherit(page50::DateOfTheHearing, page50::Courtroom);
    pc.longDate(page50::DateOfTheHearing);
    pc.judgeLine(page50::Judge);
}

// The fiduciary's acceptance.
void Calc51(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page51::Page, copy);
    pc.caption();
    pc.longDate(page51::DateOfTheAcceptance);
    QString names =
        giAnswer(ctx, gi::FiduciaryName) + QStringLiteral(", ") + giAnswer(ctx, gi::FiduciaryTitle);
    if (hasCoFiduciary(ctx))
        names += QStringLiteral(", ") + QStringLiteral(" & ") + giAnswer(ctx, gi::CoFiduciaryName) +
                 QStringLiteral(", ") + giAnswer(ctx, gi::CoFiduciaryTitle);
    pc.keep(page51::FiduciaryAndTitle, names);
    // Each signs on a line of its own, named under it.
    pc.putGi(page51::FiduciarySigning, gi::FiduciaryName, Write::Kept);
    pc.putGi(page51::CoFiduciarySigning, gi::CoFiduciaryName, Write::Kept);
    // The second line is captioned only when there is a co-fiduciary to sign it.
    pc.put(page51::CoFiduciaryLine,
           hasCoFiduciary(ctx) ? QStringLiteral("Co-fiduciary") : QString());
}

// 10.4 notice to distributee, one person a copy, with the property the
// application to distribute in kind (asset rows sent to 10.0) gives that
// person: the rows whose distributees name the person, one a line.
void Calc52(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page52::Page, copy);
    const WorksheetStore& assets = ctx.data.ASchedList;
    pc.caption();
    pc.fiduciaryBlock(page52::FiduciaryBlock);
    const int row = personOfCopy(ctx, kinColumn::ToForm10_4, copy);
    writePersons(pc, {page52::Notified.start, page52::Notified.count, 1, kNameAddress, false},
                 row >= 0 ? std::vector<int>{row} : std::vector<int>{});
    pc.inherit({page52::DateOfTheEntryApprovingTheDistribution});
    pc.longDates({page52::DateOfTheEntryApprovingTheDistribution, page52::DateOfThisNotice});
    pc.put(page52::DistributeeReceipt, pc.text(page52::Name));

    QStringList property;
    const QString& person = pc.text(page52::Name);
    if (!person.isEmpty())
        for (int asset : markedAssetRows(ctx, assetColumn::ToForm10_0))
            if (assets.cell(assetColumn::Distributees, asset).contains(person))
                property << Bar2Space(assets.cell(assetColumn::Description, asset)).trimmed();
    pc.keep(page52::PropertyDistributedToThisPerson, property.join(QStringLiteral(" | ")));
}

// 11.0 front, consent to power to sell real estate.
void Calc53(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page53::Page, copy);
    pc.caption();
    writeAllPersons(pc, kNameOnly);
}

// 11.0 back: the legal description of the real estate, and the same
// descriptions as one text with paragraph marks.
void Calc54(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page54::Page, copy);
    const WorksheetStore& assets = ctx.data.ASchedList;
    pc.caseLine();
    LineWriter lines(pc, 29270, page54::Lines.start, 1);
    lines.clear();
    QStringList descriptions;
    for (int row : markedAssetRows(ctx, assetColumn::ToForm11_0)) {
        descriptions << assets.cell(assetColumn::Description, row);
        if (!lines.add(assets.cell(assetColumn::Description, row))) return;
    }
    pc.put(page54::LegalDescription, Bar2Par(descriptions.join(BarSeparator)));
    pc.attorneyBlock(page54::AttorneyBlock);
}

// 12.0 front, application for certificate of transfer.
void Calc55(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page55::Page, copy);
    pc.caption();
    pc.decedentBlock(page55::DecedentBlock);
    pc.keep(page55::CertificateNumber, QString::number(copy + 1));
    pc.put(page55::DateOfDeathShown,
           pc.isX(page55::ShowDateOfDeath) ? giAnswer(ctx, gi::DeathDate) : QString());
    pc.longDates({page55::DateWillAdmitted, page55::DateOfTheAppointmentOrEntry});
}

// 12.0 back.
void Calc56(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page56::Page, copy);
    pc.caseLine();
    pc.putAmount(page56::NetValue,
                 pc.amount(page56::ValueOfThisRealEstate) + pc.amount(page56::OtherRealEstate) +
                     pc.amount(page56::OtherAssets) - pc.amount(page56::LessDebtsAndCosts));
    pc.putAmount(page56::TotalPersonalProperty,
                 pc.amount(page56::PersonalProperty) + pc.amount(page56::OtherPersonalProperty));
    // "Surviving spouse: None" states that there is none; an empty line would
    // leave the question open.
    pc.put(page56::SurvivingSpouse,
           hasSurvivingSpouse(ctx) ? giAnswer(ctx, gi::SpouseName) : QStringLiteral("None"));
    pc.fiduciaryNames(page56::Fiduciary);
    pc.putGi(page56::FiduciaryTitle, gi::FiduciaryTitle);
    pc.put(page56::CertificateNumber, pc.other(page55::Page, page55::CertificateNumber));
    pc.longDate(page56::DateOfTheEntry);
    pc.judgeLine(page56::Judge);
}

namespace {
enum class Succession { Testate, Intestate, Unknown };

// How the decedent's real estate passes, as the application (12.0) says:
// its "testate" box, its "intestate" box, or, with neither ticked, testate
// when the case holds a will: its date on Form 2.0, or the date it was
// admitted (2.2) or presented (2.3). Without any of these the certificate
// ticks neither: an unticked box is no statement of intestacy.
Succession successionOf(const CalcContext& ctx, int copy) {
    const TAnswer& a = ctx.A();
    if (a.answer(page55::Page, copy, page55::Testate) == u"X") return Succession::Testate;
    if (a.answer(page55::Page, copy, page55::Intestate) == u"X") return Succession::Intestate;
    return caseHoldsAWill(ctx) ? Succession::Testate : Succession::Unknown;
}

}  // namespace

// 12.1 front, certificate of transfer.
void Calc57(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page57::Page, copy);
    pc.caption();
    pc.put(page57::Decedent, decedentFullName(ctx));
    pc.put(page57::CertificateNumber, QString::number(copy + 1));
    const Succession succession = successionOf(ctx, copy);
    pc.keep(page57::DiedIntestate,
            succession == Succession::Intestate ? QStringLiteral("X") : QString());
    pc.keep(page57::DiedTestate,
            succession == Succession::Testate ? QStringLiteral("X") : QString());
    pc.put(page57::DateOfDeath, ConvertDate(giAnswer(ctx, gi::DeathDate)));
    // The spouse's interest and the allowance it satisfies: a sentence only
    // for a spouse and an allowance actually typed.
    const bool allowance = hasSurvivingSpouse(ctx) && pc.amount(page57::SpouseAllowance) > 0;
    pc.put(page57::SurvivingSpouse, allowance ? giAnswer(ctx, gi::SpouseName) : QString());
    pc.put(page57::AllowanceSentence,
           allowance ? QStringLiteral("The interest of the surviving spouse, ") +
                           giAnswer(ctx, gi::SpouseName) +
                           QStringLiteral(", includes the allowance for support of $") +
                           FormatAmount(pc.amount(page57::SpouseAllowance)) +
                           QStringLiteral(" satisfied by this transfer.")
                     : QString());
}

// 12.1 back: the legal description of the copy's parcel and the persons
// entitled to it (the kin rows the parcel's distributees name), written on
// the front's person lines.
void Calc58(CalcContext& ctx, int copy) {
    // On page 57: name, street, city line, relationship.
    constexpr int kPersonsFirstSlot = page57::Persons.start;
    constexpr int kPersonStride = 5;  // the fifth slot is the person's share (the user's)
    PageCopy pc(ctx, page58::Page, copy);
    PageCopy front(ctx, page57::Page, copy);
    const WorksheetStore& assets = ctx.data.ASchedList;
    const WorksheetStore& kinStore = ctx.data.KSchedList;
    const int parcel = realEstateOfCopy(ctx, copy);
    const QString description =
        parcel >= 0 ? assets.cell(assetColumn::Description, parcel) : QString();

    pc.caseLine();
    LineWriter lines(pc, 29280, page58::Lines.start, 1);
    lines.clear();
    if (!lines.add(description)) return;

    const ItemCapacity* persons = itemCapacity(30279);
    const QString distributees =
        parcel >= 0 ? assets.cell(assetColumn::Distributees, parcel) : QString();
    // The person lines are emptied and refilled; the share column is the
    // user's (typed on the certificate) and is left as typed.
    for (int p = 0; p < persons->limit; ++p)
        front.clear(kPersonsFirstSlot + kPersonStride * p,
                    kPersonsFirstSlot + kPersonStride * p + 3, Write::Kept);
    ItemContinuation continued(front, *persons);
    int p = 0;
    for (const transfer::Grantee& grantee : transfer::findGrantees(ctx, distributees)) {
        const int row = grantee.kinRow;
        // A share only where the data states one: beside the name in the
        // distributees text, or the whole parcel for a person named alone.
        const QString share = grantee.sole ? QStringLiteral("Entire interest") : grantee.share;
        if (continued.active()) {
            const int first = kPersonsFirstSlot + kPersonStride * p;
            QStringList parts;
            for (int column : {kinColumn::Name, kinColumn::Street, kinColumn::CityStateZip,
                               kinColumn::Relationship})
                if (!kinStore.cell(column, row).trimmed().isEmpty()) parts << kinStore.cell(column, row);
            const QString typed = front.text(first + 4).trimmed();
            if (!typed.isEmpty() || !share.isEmpty()) parts << (typed.isEmpty() ? share : typed);
            if (!continued.fits(p, parts.join(QStringLiteral(", ")), first,
                                {first + 1, first + 2, first + 3})) {
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
        front.offer(slot + 4, share);
    }

    pc.keep(page58::AttorneyAddress,
            giAnswer(ctx, gi::AttorneyStreet) + QStringLiteral(", ") + attorneyCityLine(ctx));
    pc.put(page58::LegalDescription, Bar2Par(description));
    pc.judgeLine(page58::JudgeCertificate);
    pc.judgeLine(page58::JudgeAttestation);
    pc.put(page58::CertificateNumber, front.text(page57::CertificateNumber));
}

// 12.2.
void Calc59(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page59::Page, copy);
    pc.caption();
    pc.put(page59::CertificateNumber, QString::number(copy + 1));
    pc.longDate(page59::DateOfTheEntry);
    pc.judgeLine(page59::Judge);
}

}  // namespace wm4::units
