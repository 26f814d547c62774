// Forms 13.0 to 13.11 around the fiduciary's account (the schedule pages
// are in schedule_sheets.cpp), Forms 5.5, 5.9, 5.11, 6.3AA, 6.4A, 6.4C, the
// report and entry of newly discovered assets and Forms 24.0 back to 24.6.
#include "calc/units/blocks.h"
#include "calc/units/units.h"
#include "case/conversions.h"

namespace wm4::units {

namespace {
const std::vector<int> kNameOnly{kinColumn::Name};
const std::vector<int> kNameAddress{kinColumn::Name, kinColumn::Street, kinColumn::CityStateZip};
}  // namespace

// 13.0 front.
void Calc60(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 60, copy);
    pc.caption();
    pc.longDates({9, 10, 39});
}

// 13.3: the full caption as typed.
void Calc66(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 66, copy);
    pc.fullCaption(false);
    pc.longDates({4, 13});
    pc.judgeLine(14);
}

// 13.4 waiver of partial account.
void Calc67(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 67, copy);
    pc.caption();
    pc.longDates({4, 5});
    pc.fiduciaryNames(6, Write::Kept);
    writeAllPersons(pc, kNameOnly);
}

// 13.5 notice of hearing on the account, one person a copy; the hearing
// details typed on the first notice carry over.
void Calc68(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 68, copy);
    pc.put(2, giAnswer(ctx, gi::DecedentName).toUpper());
    pc.putGi(3, gi::CaseNumber);
    const int row = personOfCopy(ctx, kinColumn::ToForm13_5, copy);
    writePersons(pc, {4, 3, 1, kNameAddress, true},
                 row >= 0 ? std::vector<int>{row} : std::vector<int>{});
    pc.inherit(7, 12);
    pc.longDates({8, 9, 10});
    pc.attorneyWithRegistration(14, 15, Write::Kept);
}

// 13.6.
void Calc69(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 69, copy);
    pc.caption();
    pc.attorneyWithRegistration(10, 11);
    pc.fiduciaryNames(12, Write::Kept);
    pc.judgeLine(13);
}

// 13.7b waiver of notice and consent to the account, ten names a copy on
// every other slot; the attorney's fee of the fee application.
void Calc70(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 70, copy);
    pc.caption();
    pc.keep(24, pc.ctx().A().answer(43, 0, 14));
    writePersons(pc, {4, 2, 10, kNameOnly, true},
                 personsOfCopy(ctx, kinColumn::ToForm13_7b, copy, 10));
}

// 5.11.
void Calc74(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 74, copy);
    pc.caption();
    pc.putGi(4, gi::FiduciaryName);
    pc.longDate(7);
    pc.judgeLine(8);
}

// 5.9 report of distribution: one line box of 24 lines, each asset's
// distribution date, distributees and value beside its first line.
void Calc75(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 75, copy);
    const WorksheetStore& assets = ctx.data.ASchedList;
    pc.caption();
    pc.clear(4, 100, Write::Kept);
    pc.putGi(4, gi::FiduciaryTitle, Write::Kept);
    LineWriter lines(pc, 30379, 5, 4, Write::Kept);
    for (int row : markedAssetRows(ctx, assetColumn::ToForm5_9))
        if (!lines.add(assets.cell(assetColumn::Description, row),
                       {{1, assets.cell(assetColumn::DistributionDate, row)},
                        {2, assets.cell(assetColumn::Distributees, row)},
                        {3, FormatAmount(Str2Float_2(assets.cell(assetColumn::Value, row)))}}))
            return;
    pc.fiduciaryNames(101, Write::Kept);
    pc.judgeLine(103);
}

// 5.5 front and back.
void Calc76(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 76, copy);
    pc.fullCaption();
}

void Calc77(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 77, copy);
    pc.caseLine();
}

// 6.3AA, the certificate of service of the notice of hearing on the
// inventory: the hearing the notices (6.3) set, and the persons they went to
// with their addresses; the date each was served is typed.
void Calc84(CalcContext& ctx, int copy) {
    constexpr int kFirstPerson = 10, kStride = 3, kPersons = 12;
    PageCopy pc(ctx, 84, copy);
    pc.caption();
    pc.putGi(4, gi::AttorneyName, Write::Kept);
    pc.keep(5, ConvertDate(ctx.A().answer(33, 0, 7)));
    const WorksheetStore& kinStore = ctx.data.KSchedList;
    const std::vector<int> served = markedKinRows(ctx, kinColumn::ToForm6_3);
    for (int i = 0; i < kPersons; ++i) {
        const int slot = kFirstPerson + kStride * i;
        const bool listed = i < int(served.size());
        const int row = listed ? served[size_t(i)] : -1;
        pc.keep(slot, listed ? kinStore.cell(kinColumn::Name, row) : QString());
        pc.keep(slot + 1, listed ? kinStore.cell(kinColumn::Street, row) + QStringLiteral(", ") +
                                       kinStore.cell(kinColumn::CityStateZip, row)
                                 : QString());
    }
}

// 13.8.
void Calc85(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 85, copy);
    pc.caption();
    pc.attorneyWithRegistration(13, 14);
    pc.fiduciaryNames(15, Write::Kept);
    pc.longDate(18);
    pc.judgeLine(22);
}

// 13.9.
void Calc86(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 86, copy);
    pc.caption();
    pc.longDate(5);
    pc.attorneyWithRegistration(11, 12);
    pc.fiduciaryNames(13, Write::Kept);
}

// 13.10: signed by the fiduciary or by the attorney.
void Calc92(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 92, copy);
    pc.caption();
    pc.signer(11, {12}, 13, -1);
}

// Judgment entry on newly discovered assets: repeats the report's slots.
void Calc107(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 107, copy);
    pc.clear(0, 24, Write::Kept);
    pc.caption();
    for (int slot = 0; slot <= 24; ++slot) pc.put(slot, pc.other(128, slot));
    pc.keep(25, giAnswer(ctx, gi::Judge).toUpper());
}

// 6.4A application for a commissioner for the safe deposit box.
void Calc110(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 110, copy);
    pc.caption();
    pc.decedentBlock(4);
    pc.putGi(11, gi::AttorneyName, Write::Kept);
    pc.attorneyBlock(14);
    pc.fiduciaryBlock(19, Write::Kept);
}

// 13.11.
void Calc112(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 112, copy);
    pc.caption();
    pc.putGi(4, gi::DeathDate);
    pc.longDate(6);
    pc.attorneyBlock(27);
    pc.fiduciaryBlock(32);
}

// Report of newly discovered assets: ten assets, description on one line.
void Calc128(CalcContext& ctx, int copy) {
    constexpr int kAssets = 10;
    PageCopy pc(ctx, 128, copy);
    const WorksheetStore& assets = ctx.data.ASchedList;
    pc.clear(0, 24, Write::Kept);
    pc.caption();
    int k = 0;
    for (int row : markedAssetRows(ctx, assetColumn::ToNewlyDiscovered)) {
        if (k == kAssets) break;
        const int slot = 5 + 2 * k++;
        if (pc.overridden(slot)) continue;
        pc.keep(slot, Bar2Space(assets.cell(assetColumn::Description, row)));
        pc.keep(slot + 1, FormatAmount(Str2Float_2(assets.cell(assetColumn::Value, row))));
    }
    pc.fiduciaryBlock(25);
}

// 6.4C waiver and consent.
void Calc129(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 129, copy);
    pc.caption();
    pc.keep(4, pc.other(110, 11));
    pc.fiduciaryNames(6);
    writeAllPersons(pc, kNameOnly);
}

// 24.0 back.
void Calc151(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 151, copy);
    pc.caseLine();
    pc.attorneyBlock(1);
    pc.fiduciaryBlock(6);
}

// 24.1.
void Calc152(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 152, copy);
    pc.caption();
    pc.putGi(4, gi::County);
    pc.judgeLine(10);
}

// 24.2 notice of hearing on insolvency, one person a copy; the attorney's
// lines typed or computed on the first notice carry over.
void Calc153(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 153, copy);
    pc.caption();
    const int row = personOfCopy(ctx, kinColumn::ToForm24_2, copy);
    writePersons(pc, {4, 3, 1, kNameAddress, true},
                 row >= 0 ? std::vector<int>{row} : std::vector<int>{});
    pc.putGi(7, gi::County);
    pc.putGi(8, gi::County);
    pc.inherit(9, 13);
    // Its dates in long form, as on every other notice.
    pc.longDates({9, 12, 13});
    if (copy == 0) {
        pc.attorneyBlock(14, Write::Kept);
    } else {
        for (int slot = 14; slot <= 18; ++slot) pc.keep(slot, ctx.A().answer(153, 0, slot));
    }
}

// 24.3.
void Calc154(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 154, copy);
    pc.caption();
    pc.attorneyBlock(4, Write::Kept);
}

// 24.6 front and back.
void Calc157(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 157, copy);
    pc.caption();
}

void Calc158(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 158, copy);
    pc.caseLine();
    pc.judgeLine(11);
}

}  // namespace wm4::units
