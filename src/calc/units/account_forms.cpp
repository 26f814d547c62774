// Forms 13.0 to 13.11 around the fiduciary's account (the schedule pages
// are in schedule_sheets.cpp), Forms 5.5, 5.9, 5.11, 6.3AA, 6.4A, 6.4C, the
// report and entry of newly discovered assets and Forms 24.0 back to 24.6.
#include "calc/units/blocks.h"
#include "calc/units/units.h"
#include "case/conversions.h"
#include "forms/page033.h"
#include "forms/page043.h"
#include "forms/page060.h"
#include "forms/page066.h"
#include "forms/page067.h"
#include "forms/page068.h"
#include "forms/page069.h"
#include "forms/page070.h"
#include "forms/page074.h"
#include "forms/page075.h"
#include "forms/page076.h"
#include "forms/page077.h"
#include "forms/page084.h"
#include "forms/page085.h"
#include "forms/page086.h"
#include "forms/page092.h"
#include "forms/page107.h"
#include "forms/page110.h"
#include "forms/page112.h"
#include "forms/page128.h"
#include "forms/page129.h"
#include "forms/page151.h"
#include "forms/page152.h"
#include "forms/page153.h"
#include "forms/page154.h"
#include "forms/page157.h"
#include "forms/page158.h"

namespace wm4::units {

// 13.0 front.
void Calc60(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page60::Page, copy);
    pc.caption();
    pc.longDates(
        {page60::AccountPeriodFrom, page60::AccountPeriodTo, page60::DateTheFiduciaryWasAppointed});
}

// 13.3: the full caption as typed.
void Calc66(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page66::Page, copy);
    pc.fullCaption(false);
    pc.longDates({page66::DateOfTheHearingOnTheAccount, page66::DateOfTheEntry});
    pc.judgeLine(page66::Judge);
}

// 13.4 waiver of partial account.
void Calc67(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page67::Page, copy);
    pc.caption();
    pc.longDates({page67::PartialAccountPeriodFrom, page67::PartialAccountPeriodTo});
    pc.fiduciaryNames(page67::Fiduciary, Write::Kept);
    writeAllPersons(pc, kNameOnly);
}

// 13.5 notice of hearing on the account, one person a copy; the hearing
// details typed on the first notice carry over.
void Calc68(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page68::Page, copy);
    pc.put(page68::EstateOf, giAnswer(ctx, gi::DecedentName).toUpper());
    pc.putGi(page68::CaseNumber, gi::CaseNumber);
    const int row = personOfCopy(ctx, kinColumn::ToForm13_5, copy);
    writePersons(pc, {page68::Notified.start, page68::Notified.count, 1, kNameAddress, true},
                 row >= 0 ? std::vector<int>{row} : std::vector<int>{});
    pc.inherit(page68::Account, page68::Courtroom);
    pc.longDates({page68::DateTheAccountWasFiled, page68::DateOfTheHearing,
                  page68::LastDayToFileExceptions});
    pc.attorneyWithRegistration(page68::Attorney, page68::AttorneyRegistrationNumber, Write::Kept);
}

// 13.6.
void Calc69(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page69::Page, copy);
    pc.caption();
    pc.attorneyWithRegistration(page69::Attorney, page69::AttorneyRegistrationNumber);
    pc.fiduciaryNames(page69::Fiduciary, Write::Kept);
    pc.judgeLine(page69::Judge);
}

// 13.7b waiver of notice and consent to the account, ten names a copy on
// every other slot; the attorney's fee of the fee application.
void Calc70(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page70::Page, copy);
    pc.caption();
    constexpr int kPersons = 10, kSlotsPerPerson = 2;
    static_assert(page70::Waivers.count == kPersons * kSlotsPerPerson);
    pc.keep(page70::AttorneyFeeConsentedTo,
            pc.ctx().A().answer(page43::Page, 0, page43::FeeConsent));
    writePersons(pc, {page70::Waivers.start, kSlotsPerPerson, kPersons, kNameOnly, true},
                 personsOfCopy(ctx, kinColumn::ToForm13_7b, copy, kPersons));
}

// 5.11.
void Calc74(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page74::Page, copy);
    pc.caption();
    pc.putGi(page74::ReleasedTo, gi::FiduciaryName);
    pc.longDate(page74::DateOfTheEntry);
    pc.judgeLine(page74::Judge);
}

// 5.9 report of distribution: one line box of 24 lines, each asset's
// distribution date, distributees and value beside its first line.
void Calc75(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page75::Page, copy);
    const WorksheetStore& assets = ctx.data.ASchedList;
    pc.caption();
    pc.clear(page75::Report.start, page75::Report.last(), Write::Kept);
    pc.putGi(page75::FiduciaryTitle, gi::FiduciaryTitle, Write::Kept);
    LineWriter lines(pc, 30379, page75::Distributions.start, 4, Write::Kept);
    for (int row : markedAssetRows(ctx, assetColumn::ToForm5_9))
        if (!lines.add(assets.cell(assetColumn::Description, row),
                       {{1, assets.cell(assetColumn::DistributionDate, row)},
                        {2, assets.cell(assetColumn::Distributees, row)},
                        {3, FormatAmount(Str2Float_2(assets.cell(assetColumn::Value, row)))}}))
            return;
    pc.fiduciaryNames(page75::Fiduciary, Write::Kept);
    pc.judgeLine(page75::Judge);
}

// 5.5 front and back.
void Calc76(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page76::Page, copy);
    pc.fullCaption();
}

void Calc77(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page77::Page, copy);
    pc.caseLine();
}

// 6.3AA, the certificate of service of the notice of hearing on the
// inventory: the hearing the notices (6.3) set, and the persons they went to
// with their addresses; the date each was served is typed.
void Calc84(CalcContext& ctx, int copy) {
    constexpr int kFirstPerson = page84::Served.start, kStride = 3, kPersons = 12;
    static_assert(page84::Served.count == kStride * kPersons);
    PageCopy pc(ctx, page84::Page, copy);
    pc.caption();
    pc.putGi(page84::Attorney, gi::AttorneyName, Write::Kept);
    pc.keep(page84::DateOfTheHearing,
            ConvertDate(ctx.A().answer(page33::Page, 0, page33::DateOfTheHearing)));
    const WorksheetStore& kinStore = ctx.data.KSchedList;
    // The persons served are the user's lines (the 6.3 notices' persons
    // are offered into the empty ones, never written over what was typed).
    const std::vector<int> served = markedKinRows(ctx, kinColumn::ToForm6_3);
    for (int i = 0; i < kPersons && i < int(served.size()); ++i) {
        const int slot = kFirstPerson + kStride * i;
        const int row = served[size_t(i)];
        pc.offer(slot, kinStore.cell(kinColumn::Name, row));
        pc.offer(slot + 1, kinStore.cell(kinColumn::Street, row) + QStringLiteral(", ") +
                               kinStore.cell(kinColumn::CityStateZip, row));
    }
}

// 13.8.
void Calc85(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page85::Page, copy);
    pc.caption();
    pc.attorneyWithRegistration(page85::Attorney, page85::AttorneyRegistrationNumber);
    pc.fiduciaryNames(page85::Fiduciary, Write::Kept);
    pc.longDate(page85::DateOfTheEntry);
    pc.judgeLine(page85::Judge);
}

// 13.9.
void Calc86(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page86::Page, copy);
    pc.caption();
    pc.longDate(page86::DateTheAccountAndNoticeWereServed);
    pc.attorneyWithRegistration(page86::Attorney, page86::AttorneyRegistrationNumber);
    pc.fiduciaryNames(page86::Fiduciary, Write::Kept);
}

// 13.10: signed by the fiduciary or by the attorney.
void Calc92(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page92::Page, copy);
    pc.caption();
    pc.signer(page92::Signer, {page92::TheFiduciary}, page92::TheAttorney, -1);
}

// Judgment entry on newly discovered assets: repeats the report's slots.
void Calc107(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page107::Page, copy);
    static_assert(page107::Report.start == page128::Report.start &&
                  page107::Report.count == page128::Report.count);
    pc.clear(page107::Report.start, page107::Report.last(), Write::Kept);
    pc.caption();
    for (int slot = page107::Report.start; slot <= page107::Report.last(); ++slot)
        pc.put(slot, pc.other(page128::Page, slot));
    pc.keep(page107::Judge, giAnswer(ctx, gi::Judge).toUpper());
}

// 6.4A application for a commissioner for the safe deposit box.
void Calc110(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page110::Page, copy);
    pc.caption();
    pc.decedentBlock(page110::DecedentBlock);
    pc.putGi(page110::CommissionerProposed, gi::AttorneyName, Write::Kept);
    pc.attorneyBlock(page110::AttorneyBlock);
    pc.fiduciaryBlock(page110::FiduciaryBlock, Write::Kept);
}

// 13.11.
void Calc112(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page112::Page, copy);
    pc.caption();
    pc.putGi(page112::DateOfDeath, gi::DeathDate);
    pc.longDate(page112::DateTheEstateWasClosed);
    pc.attorneyBlock(page112::AttorneyBlock);
    pc.fiduciaryBlock(page112::FiduciaryBlock);
}

// Report of newly discovered assets: ten assets, description on one line.
void Calc128(CalcContext& ctx, int copy) {
    constexpr int kAssets = 10;
    PageCopy pc(ctx, page128::Page, copy);
    const WorksheetStore& assets = ctx.data.ASchedList;
    pc.clear(page128::Report.start, page128::Report.last(), Write::Kept);
    pc.caption();
    int k = 0;
    for (int row : markedAssetRows(ctx, assetColumn::ToNewlyDiscovered)) {
        if (k == kAssets) break;
        const int slot = page128::Assets.start + 2 * k++;  // description, value
        if (pc.overridden(slot)) continue;
        pc.keep(slot, Bar2Space(assets.cell(assetColumn::Description, row)));
        pc.keep(slot + 1, FormatAmount(Str2Float_2(assets.cell(assetColumn::Value, row))));
    }
    pc.fiduciaryBlock(page128::FiduciaryBlock);
}

// 6.4C waiver and consent.
void Calc129(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page129::Page, copy);
    pc.caption();
    pc.keep(page129::Commissioner, pc.other(page110::Page, page110::CommissionerProposed));
    pc.fiduciaryNames(page129::ApplicantFiduciary);
    writeAllPersons(pc, kNameOnly);
}

// 24.0 back.
void Calc151(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page151::Page, copy);
    pc.caseLine();
    pc.attorneyBlock(page151::AttorneyBlock);
    pc.fiduciaryBlock(page151::FiduciaryBlock);
}

// 24.1.
void Calc152(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page152::Page, copy);
    pc.caption();
    pc.putGi(page152::County, gi::County);
    pc.judgeLine(page152::Judge);
}

// 24.2 notice of hearing on insolvency, one person a copy; the attorney's
// lines typed or computed on the first notice carry over.
void Calc153(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page153::Page, copy);
    pc.caption();
    const int row = personOfCopy(ctx, kinColumn::ToForm24_2, copy);
    writePersons(pc, {page153::Notified.start, page153::Notified.count, 1, kNameAddress, true},
                 row >= 0 ? std::vector<int>{row} : std::vector<int>{});
    pc.putGi(page153::County, gi::County);
    pc.putGi(page153::CountyOfTheCourt, gi::County);
    pc.inherit(page153::DateOfTheHearing, page153::DateOfThisNotice);
    // Its dates in long form, as on every other notice.
    pc.longDates({page153::DateOfTheHearing, page153::DateTheRepresentationWasFiled,
                  page153::DateOfThisNotice});
    if (copy == 0) {
        pc.attorneyBlock(page153::AttorneyBlock, Write::Kept);
    } else {
        for (int slot = page153::AttorneyBlock.start; slot <= page153::AttorneyBlock.last(); ++slot)
            pc.keep(slot, ctx.A().answer(page153::Page, 0, slot));
    }
}

// 24.3.
void Calc154(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page154::Page, copy);
    pc.caption();
    pc.attorneyBlock(page154::AttorneyBlock, Write::Kept);
}

// 24.6 front and back.
void Calc157(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page157::Page, copy);
    pc.caption();
}

void Calc158(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page158::Page, copy);
    pc.caseLine();
    pc.judgeLine(page158::Judge);
}

}  // namespace wm4::units
