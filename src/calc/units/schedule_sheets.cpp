// The schedule pages copy their lines from the schedule buffers the run's
// builders filled: copy c of a two-sided schedule is sheet 2c + 1 (front)
// and 2c + 2 (back); the summary pages take the schedules' totals.
#include "calc/checks/dollar_ceilings.h"
#include "calc/units/blocks.h"
#include "calc/units/units.h"
#include "case/conversions.h"
#include "forms/page028.h"
#include "forms/page030.h"
#include "forms/page031.h"
#include "forms/page061.h"
#include "forms/page062.h"
#include "forms/page063.h"
#include "forms/page064.h"
#include "forms/page065.h"
#include "forms/page071.h"
#include "forms/page150.h"
#include "forms/page155.h"
#include "forms/page156.h"
#include "schedules/schedule_buffers.h"

namespace wm4::units {

namespace {

// Lines of a sheet side and where they go.
struct Side {
    int page;
    SheetLayout layout;
    int rowsPerSheet;  // lines of front and back together
    int firstRow;      // offset of this side within its sheet
};

// The sheet layout of a page's line area: `texts` texts a line, the sheet
// number and count in the given slots (-1: none).
constexpr SheetLayout sheet(SlotRange lines, int texts, int numberSlot = -1, int countSlot = -1) {
    return {lines.start, texts, lines.count / texts, numberSlot, countSlot};
}

// Inventory 86 rows a sheet (36 + 50), three texts a line.
constexpr Side kInventoryFront{
    page30::Page, sheet(page30::Lines, 3, page30::PageNumber, page30::NumberOfPages), 86, 0};
constexpr Side kInventoryBack{
    page31::Page, sheet(page31::Lines, 3, page31::PageNumber, page31::NumberOfPages), 86, 36};
// Account 90 rows a sheet (40 + 50), four texts a line.
constexpr Side kAccountFront{
    page62::Page, sheet(page62::Lines, 4, page62::PageNumber, page62::NumberOfPages), 90, 0};
constexpr Side kAccountBack{
    page63::Page, sheet(page63::Lines, 4, page63::PageNumber, page63::NumberOfPages), 90, 40};
// Assets remaining 74 rows a sheet (26 + 48), three texts a line; the front's
// lines follow its five amounts.
constexpr Side kRemainingFront{
    page64::Page, sheet(page64::Lines, 3, page64::PageNumber, page64::NumberOfPages), 74, 0};
constexpr Side kRemainingBack{
    page65::Page, sheet(page65::Lines, 3, page65::PageNumber, page65::NumberOfPages), 74, 26};
static_assert(kInventoryFront.layout.lines == 36 && kInventoryBack.layout.lines == 50 &&
              kAccountFront.layout.lines == 40 && kAccountBack.layout.lines == 50 &&
              kRemainingFront.layout.lines == 26 && kRemainingBack.layout.lines == 48);

// The sheets copy the schedules' texts as they stand: an item's amount is
// its worksheet text ("$" and all), a subtotal or total the figure alone.
SheetSource inventorySource(const InventorySchedule& schedule) {
    return {
        schedule.rows.size(), [&schedule](int line, int text) {
            const InventoryRow& row = schedule.rows.row(line);
            return text == 0 ? row.description : text == 1 ? row.appraised : row.value;
        }};
}

SheetSource accountSource(const ScheduleTable<AccountRow>& rows) {
    return {rows.size(), [&rows](int line, int text) {
                const AccountRow& row = rows.row(line);
                switch (text) {
                    case 0:
                        return row.description;
                    case 1:
                        return row.checkNumber;
                    case 2:
                        return row.disbursement;
                    default:
                        return row.receipt;
                }
            }};
}

SheetSource insolvencySource(const InsolvencySchedule& schedule) {
    return {schedule.rows.size(), [&schedule](int line, int text) {
                const InsolvencyRow& row = schedule.rows.row(line);
                switch (text) {
                    case 0:
                        return row.claimNumber;
                    case 1:
                        return row.description;
                    case 2:
                        return row.classCode;
                    case 3:
                        return row.amount;
                    case 4:
                        return row.estimatedPayment;
                    default:
                        return row.rejected;
                }
            }};
}

// Writes one side of copy c of a two-sided schedule of `totalPages` pages.
// Every side that prints is numbered, of all the sides that print: a
// schedule ending on a front still prints that sheet's back, which would
// read "Page __ of __" (or "Page 2 of 1"), so the count takes it in ("Page 2
// of 2"). No schedule (0 pages, or too many sheets) numbers none.
void writeSide(PageCopy& pc, const Side& side, const SheetSource& source, int totalPages) {
    const int copy = pc.copy();
    const int sheetNumber = 2 * copy + (side.firstRow == 0 ? 1 : 2);
    const int printedSides = totalPages + totalPages % 2;
    writeScheduleSheet(pc, side.layout, source, side.rowsPerSheet * copy + side.firstRow,
                       sheetNumber <= printedSides ? sheetNumber : 0, printedSides);
}

}  // namespace

// 6.0 front, inventory and appraisal: the inventory totals, the automobiles
// that pass to the spouse and their allowance.
void Calc28(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page28::Page, copy);
    const InventoryScheduleWithAutos& inventory = ctx.buffers.inventory;
    pc.caption();
    pc.putAmount(page28::TangiblePersonalProperty, inventory.subtotals[TangibleGroup]);
    pc.putAmount(page28::IntangiblePersonalProperty, inventory.subtotals[IntangibleGroup]);
    pc.putAmount(page28::RealProperty, inventory.subtotals[RealPropertyGroup]);
    pc.putAmount(page28::TotalOfTheInventory, inventory.grandTotal);
    // Only the automobiles categorised to the spouse print; the other lines
    // stay empty rather than showing 0.00. One so categorised prints even
    // without a spouse: left off, its value would fall out of the inventory,
    // since the schedule leaves such automobiles to this page.
    double autos = 0;
    static_assert(page28::AutosToSpouse.count == AutoToSpouseCount);
    for (int i = 0; i < AutoToSpouseCount; ++i) {
        const double value = inventory.autoValues[size_t(i)];
        if (value != 0) {
            pc.putAmount(page28::AutosToSpouse[i], value);
        } else {
            pc.put(page28::AutosToSpouse[i], QString());
        }
        autos += pc.amount(page28::AutosToSpouse[i]);
    }
    pc.putAmount(page28::TotalOfTheAutomobiles, autos);
    pc.attorneyWithRegistration(page28::Attorney, page28::AttorneyRegistrationNumber);
    pc.fiduciaryNames(page28::Fiduciary, Write::Kept);
    pc.put(page28::FiduciaryTelephone, hasCoFiduciary(ctx) ? giAnswer(ctx, gi::FiduciaryPhone) +
                                                                 QStringLiteral(" & ") +
                                                                 giAnswer(ctx, gi::CoFiduciaryPhone)
                                                           : giAnswer(ctx, gi::FiduciaryPhone));
    CheckAutomobileAllowance(pc.amount(page28::TotalOfTheAutomobiles), ErrForm6_0Automobiles);
}

// 6.1 schedule of assets, front and back.
void Calc30(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page30::Page, copy);
    const InventorySchedule& inventory = ctx.buffers.inventory;
    pc.caption();
    writeSide(pc, kInventoryFront, inventorySource(inventory), inventory.totalPages);
    pc.fiduciaryNames(page30::Fiduciary);
}

void Calc31(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page31::Page, copy);
    const InventorySchedule& inventory = ctx.buffers.inventory;
    pc.caseLine();
    writeSide(pc, kInventoryBack, inventorySource(inventory), inventory.totalPages);
    pc.fiduciaryNames(page31::Fiduciary);
}

// 13.0 back, the account's summary: the six receipt groups and their total,
// the nine disbursement groups and their total, and the balance on hand.
void Calc61(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page61::Page, copy);
    const AccountSchedule& account = ctx.buffers.account;
    pc.caseLine();
    int slot = 1;
    for (double subtotal : account.receiptSubtotals) pc.putAmount(slot++, subtotal);
    pc.putAmount(slot++, account.receiptsTotal);
    for (double subtotal : account.disbursementSubtotals) pc.putAmount(slot++, subtotal);
    pc.putAmount(slot++, account.disbursementsTotal);
    pc.putAmount(slot, pc.amount(page61::TotalReceipts) - pc.amount(page61::TotalDisbursements));
    pc.attorneyWithRegistration(page61::Attorney, page61::AttorneyRegistrationNumber);
    pc.fiduciaryNames(page61::Fiduciary, Write::Kept);
    pc.longDates({page61::DateTheAccountIsSigned, page61::DateOfTheHearingOnTheAccount,
                  page61::DateOfTheEntry});
    pc.judgeLine(page61::Judge);
}

// 13.1 schedule of receipts and disbursements.
void Calc62(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page62::Page, copy);
    const AccountSchedule& account = ctx.buffers.account;
    pc.caption();
    writeSide(pc, kAccountFront, accountSource(account.rows), account.totalPages);
}

void Calc63(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page63::Page, copy);
    const AccountSchedule& account = ctx.buffers.account;
    pc.caseLine();
    writeSide(pc, kAccountBack, accountSource(account.rows), account.totalPages);
    pc.fiduciaryNames(page63::Fiduciary, Write::Kept);
}

// 13.2 assets remaining; the first front carries the schedule's amounts:
// tangible, intangible, personal property together, real property, total.
void Calc64(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page64::Page, copy);
    const InventorySchedule& remaining = ctx.buffers.assetsRemaining;
    pc.caption();
    pc.clear(page64::TangiblePersonalProperty, page64::TotalAssetsRemaining);
    if (copy == 0) {
        pc.putAmount(page64::TangiblePersonalProperty, remaining.subtotals[TangibleGroup]);
        pc.putAmount(page64::IntangiblePersonalProperty, remaining.subtotals[IntangibleGroup]);
        pc.putAmount(page64::TotalPersonalProperty,
                     pc.amount(page64::TangiblePersonalProperty) +
                         pc.amount(page64::IntangiblePersonalProperty));
        pc.putAmount(page64::RealProperty, remaining.subtotals[RealPropertyGroup]);
        pc.putAmount(page64::TotalAssetsRemaining, remaining.grandTotal);
    }
    writeSide(pc, kRemainingFront, inventorySource(remaining), remaining.totalPages);
}

void Calc65(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page65::Page, copy);
    const InventorySchedule& remaining = ctx.buffers.assetsRemaining;
    pc.caseLine();
    writeSide(pc, kRemainingBack, inventorySource(remaining), remaining.totalPages);
    pc.fiduciaryNames(page65::Fiduciary, Write::Kept);
}

// The Commissioner's Report, 42 lines a copy.
void Calc71(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page71::Page, copy);
    pc.caption();
    static_assert(sheet(page71::Lines, 4).lines == 42);
    writeScheduleSheet(pc, sheet(page71::Lines, 4),
                       accountSource(ctx.buffers.commissionersReport.rows), 42 * copy, 0, 0);
}

// 24.0 front, representation of insolvency: the claims' total and the four
// values of the estate that are not zero.
void Calc150(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page150::Page, copy);
    const InsolvencySchedule& claims = ctx.buffers.insolvency;
    pc.caption();
    pc.putGi(page150::DateOfDeath, gi::DeathDate);
    pc.putAmount(page150::TotalOfTheClaimsScheduleOfClaims, claims.grandTotal, Write::Kept);
    const double values[] = {claims.tangibleSubtotal, claims.intangibleSubtotal, claims.page56Value,
                             claims.realLessPage56};
    for (int i = 0; i < 4; ++i) {
        const int mark = page150::EstateValues.start + 2 * i;  // the box, its value
        const bool shown = values[i] != 0;
        pc.keep(mark, shown ? QStringLiteral("X") : QString());
        pc.keep(mark + 1, shown ? FormatAmount(values[i]) : QString());
    }
}

// 24.4 schedule of claims (sheet 1) and its continuations 24.5.
void Calc155(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page155::Page, copy);
    pc.fullCaption();
    pc.put(page155::Fiduciary, units::fiduciaryNames(ctx, QStringLiteral(" / ")));
    constexpr SheetLayout kLayout =
        sheet(page155::Lines, 6, page155::PageNumber, page155::NumberOfPages);
    static_assert(kLayout.lines == 22);
    writeScheduleSheet(pc, kLayout, insolvencySource(ctx.buffers.insolvency), 0, 1,
                       ctx.A().NoOf24_5 + 1);
}

void Calc156(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page156::Page, copy);
    pc.fullCaption();
    constexpr SheetLayout kLayout =
        sheet(page156::Lines, 6, page156::PageNumber, page156::NumberOfPages);
    static_assert(kLayout.lines == 30);
    writeScheduleSheet(pc, kLayout, insolvencySource(ctx.buffers.insolvency), 22 + 30 * copy,
                       copy + 2, ctx.A().NoOf24_5 + 1);
}

}  // namespace wm4::units
