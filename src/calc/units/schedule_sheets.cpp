// The schedule pages copy their lines from the schedule buffers the run's
// builders filled: copy c of a two-sided schedule is sheet 2c + 1 (front)
// and 2c + 2 (back); the summary pages take the schedules' totals.
#include "calc/checks/dollar_ceilings.h"
#include "calc/units/blocks.h"
#include "calc/units/units.h"
#include "case/conversions.h"
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

// Inventory 86 rows a sheet (36 + 50), three texts a line.
constexpr Side kInventoryFront{30, {6, 3, 36, 4, 5}, 86, 0};
constexpr Side kInventoryBack{31, {3, 3, 50, 1, 2}, 86, 36};
// Account 90 rows a sheet (40 + 50), four texts a line.
constexpr Side kAccountFront{62, {6, 4, 40, 4, 5}, 90, 0};
constexpr Side kAccountBack{63, {3, 4, 50, 1, 2}, 90, 40};
// Assets remaining 74 rows a sheet (26 + 48), three texts a line; the front's
// lines follow its five amounts.
constexpr Side kRemainingFront{64, {11, 3, 26, 4, 5}, 74, 0};
constexpr Side kRemainingBack{65, {3, 3, 48, 1, 2}, 74, 26};

// A money column's text on the sheet: items carry the worksheet cell's
// "$", subtotals and totals none, so the column drops it from all of them
// and every line of the column reads alike ("12,345.67").
QString moneyColumn(const QString& amount) {
    if (!amount.contains(u'$')) return amount;
    QString text = amount;
    text.remove(u'$');
    return text.trimmed();
}

SheetSource inventorySource(const InventorySchedule& schedule) {
    return {
        schedule.rows.size(), [&schedule](int line, int text) {
            const InventoryRow& row = schedule.rows.row(line);
            return text == 0 ? row.description : text == 1 ? row.appraised : moneyColumn(row.value);
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
                        return moneyColumn(row.disbursement);
                    default:
                        return moneyColumn(row.receipt);
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
// A back page beyond the schedule's last page carries no page number.
void writeSide(PageCopy& pc, const Side& side, const SheetSource& source, int totalPages) {
    const int copy = pc.copy();
    const int sheetNumber = 2 * copy + (side.firstRow == 0 ? 1 : 2);
    writeScheduleSheet(pc, side.layout, source, side.rowsPerSheet * copy + side.firstRow,
                       sheetNumber <= totalPages ? sheetNumber : 0, totalPages);
}

}  // namespace

// 6.0 front, inventory and appraisal: the inventory totals, the automobiles
// that pass to the spouse and their allowance.
void Calc28(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 28, copy);
    const InventoryScheduleWithAutos& inventory = ctx.buffers.inventory;
    pc.caption();
    pc.putAmount(4, inventory.subtotals[TangibleGroup]);
    pc.putAmount(5, inventory.subtotals[IntangibleGroup]);
    pc.putAmount(6, inventory.subtotals[RealPropertyGroup]);
    pc.putAmount(7, inventory.grandTotal);
    // Only the automobiles categorised to the spouse print; the other lines
    // stay empty rather than showing 0.00. One so categorised prints even
    // without a spouse: left off, its value would fall out of the inventory,
    // since the schedule leaves such automobiles to this page.
    double autos = 0;
    for (int i = 0; i < AutoToSpouseCount; ++i) {
        const double value = inventory.autoValues[size_t(i)];
        if (value != 0) {
            pc.putAmount(21 + i, value);
        } else {
            pc.put(21 + i, QString());
        }
        autos += pc.amount(21 + i);
    }
    pc.putAmount(10, autos);
    pc.attorneyWithRegistration(14, 15);
    pc.fiduciaryNames(16, Write::Kept);
    pc.put(17, hasCoFiduciary(ctx) ? giAnswer(ctx, gi::FiduciaryPhone) + QStringLiteral(" & ") +
                                         giAnswer(ctx, gi::CoFiduciaryPhone)
                                   : giAnswer(ctx, gi::FiduciaryPhone));
    CheckAutomobileAllowance(pc.amount(10), ErrForm6_0Automobiles);
}

// 6.1 schedule of assets, front and back.
void Calc30(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 30, copy);
    const InventorySchedule& inventory = ctx.buffers.inventory;
    pc.caption();
    writeSide(pc, kInventoryFront, inventorySource(inventory), inventory.totalPages);
    pc.fiduciaryNames(114);
}

void Calc31(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 31, copy);
    const InventorySchedule& inventory = ctx.buffers.inventory;
    pc.caseLine();
    writeSide(pc, kInventoryBack, inventorySource(inventory), inventory.totalPages);
    pc.fiduciaryNames(153);
}

// 13.0 back, the account's summary: the six receipt groups and their total,
// the nine disbursement groups and their total, and the balance on hand.
void Calc61(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 61, copy);
    const AccountSchedule& account = ctx.buffers.account;
    pc.caseLine();
    int slot = 1;
    for (double subtotal : account.receiptSubtotals) pc.putAmount(slot++, subtotal);
    pc.putAmount(slot++, account.receiptsTotal);
    for (double subtotal : account.disbursementSubtotals) pc.putAmount(slot++, subtotal);
    pc.putAmount(slot++, account.disbursementsTotal);
    pc.putAmount(slot, pc.amount(7) - pc.amount(17));
    pc.attorneyWithRegistration(19, 20);
    pc.fiduciaryNames(21, Write::Kept);
    pc.longDates({22, 23, 26});
    pc.judgeLine(27);
}

// 13.1 schedule of receipts and disbursements.
void Calc62(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 62, copy);
    const AccountSchedule& account = ctx.buffers.account;
    pc.caption();
    writeSide(pc, kAccountFront, accountSource(account.rows), account.totalPages);
}

void Calc63(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 63, copy);
    const AccountSchedule& account = ctx.buffers.account;
    pc.caseLine();
    writeSide(pc, kAccountBack, accountSource(account.rows), account.totalPages);
    pc.fiduciaryNames(203, Write::Kept);
}

// 13.2 assets remaining; the first front carries the schedule's amounts:
// tangible, intangible, personal property together, real property, total.
void Calc64(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 64, copy);
    const InventorySchedule& remaining = ctx.buffers.assetsRemaining;
    pc.caption();
    pc.clear(6, 10);
    if (copy == 0) {
        pc.putAmount(6, remaining.subtotals[TangibleGroup]);
        pc.putAmount(7, remaining.subtotals[IntangibleGroup]);
        pc.putAmount(8, pc.amount(6) + pc.amount(7));
        pc.putAmount(9, remaining.subtotals[RealPropertyGroup]);
        pc.putAmount(10, remaining.grandTotal);
    }
    writeSide(pc, kRemainingFront, inventorySource(remaining), remaining.totalPages);
}

void Calc65(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 65, copy);
    const InventorySchedule& remaining = ctx.buffers.assetsRemaining;
    pc.caseLine();
    writeSide(pc, kRemainingBack, inventorySource(remaining), remaining.totalPages);
    pc.fiduciaryNames(147, Write::Kept);
}

// The Commissioner's Report, 42 lines a copy.
void Calc71(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 71, copy);
    pc.caption();
    writeScheduleSheet(pc, {4, 4, 42, -1, -1}, accountSource(ctx.buffers.commissionersReport.rows),
                       42 * copy, 0, 0);
}

// 24.0 front, representation of insolvency: the claims' total and the four
// values of the estate that are not zero.
void Calc150(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 150, copy);
    const InsolvencySchedule& claims = ctx.buffers.insolvency;
    pc.caption();
    pc.putGi(5, gi::DeathDate);
    pc.putAmount(10, claims.grandTotal, Write::Kept);
    const double values[] = {claims.tangibleSubtotal, claims.intangibleSubtotal, claims.page56Value,
                             claims.realLessPage56};
    for (int i = 0; i < 4; ++i) {
        const int mark = 12 + 2 * i;
        const bool shown = values[i] != 0;
        pc.keep(mark, shown ? QStringLiteral("X") : QString());
        pc.keep(mark + 1, shown ? FormatAmount(values[i]) : QString());
    }
}

// 24.4 schedule of claims (sheet 1) and its continuations 24.5.
void Calc155(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 155, copy);
    pc.fullCaption();
    pc.put(4, units::fiduciaryNames(ctx, QStringLiteral(" / ")));
    writeScheduleSheet(pc, {7, 6, 22, 5, 6}, insolvencySource(ctx.buffers.insolvency), 0, 1,
                       ctx.A().NoOf24_5 + 1);
}

void Calc156(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 156, copy);
    pc.fullCaption();
    writeScheduleSheet(pc, {7, 6, 30, 5, 6}, insolvencySource(ctx.buffers.insolvency),
                       22 + 30 * copy, copy + 2, ctx.A().NoOf24_5 + 1);
}

}  // namespace wm4::units
