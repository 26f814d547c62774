// Computation of Attorney Fee (page 101) under the court's schedule, which
// changed for deaths on or after August 1, 2017. The fee is computed from
// the page's own slots, so an overridden base changes the fee.
#include "calc/fees/fee_units.h"
#include "calc/units/blocks.h"
#include "case/conversions.h"

namespace wm4 {
namespace {

using units::PageCopy;
using units::Write;
namespace gi = units::gi;

constexpr int Page = 101;
constexpr int ReliefPage = 20, ReliefTotalSlot = 57;  // Form 5.1 front

constexpr AttorneyFeeSchedule kBefore2017 = {
    "4", "4,000", "3", "9,000", "2", "500", "1.5", "1", "2", "For Dates of Death Before 8/1/2017"};
constexpr AttorneyFeeSchedule kFrom2017 = {"4.5", "4,500", "3.5", "10,500", "2.5",
                                           "750", "2.5",   "1.5", "2.5",    "Effective 8/1/2017"};

// Slots 18 ... 27 hold the schedule's figures, in the order of the struct.
constexpr int ScheduleFirstSlot = 18;

// The bands start one dollar above the round figures.
constexpr double SecondBandStart = 100001, BalanceStart = 400001;

void writeSchedule(PageCopy& pc, const AttorneyFeeSchedule& s) {
    const char* figures[] = {s.firstRate,    s.firstMaximum,  s.secondRate, s.secondMaximum,
                             s.balanceRate,  s.reliefMinimum, s.reliefRate, s.otherNo706Rate,
                             s.other706Rate, s.caption};
    int slot = ScheduleFirstSlot;
    for (const char* figure : figures) pc.put(slot++, QString::fromLatin1(figure));
}

}  // namespace

const AttorneyFeeSchedule& attorneyFeeSchedule(const QDate& dateOfDeath) {
    static const QDate firstDay2017 = Str2Date(QStringLiteral("08/01/2017"));
    return dateOfDeath >= firstDay2017 ? kFrom2017 : kBefore2017;
}

void Calc101(CalcContext& ctx, int /*copy*/) {
    PageCopy pc(ctx, Page, 0);
    const auto& a = ctx.totals.attorneyFee;  // A1 ... A6

    pc.keep(0, units::giAnswer(ctx, gi::DecedentName).toUpper());
    pc.keep(1, units::giAnswer(ctx, gi::CaseNumber));
    writeSchedule(pc, attorneyFeeSchedule(Str2Date(units::giAnswer(ctx, gi::DeathDate))));

    pc.putAmount(2, a[0] + a[1] + a[2], Write::Kept);
    const double base = pc.amount(2);
    pc.putAmount(3, qMin(base * pc.amount(18) / 100, pc.amount(19)));
    pc.putAmount(4, qMax(0.0, qMin((base - SecondBandStart) * pc.amount(20) / 100, pc.amount(21))));
    pc.putAmount(5, qMax(0.0, (base - BalanceStart) * pc.amount(22) / 100));

    pc.putAmount(6, a[3], Write::Kept);
    pc.putAmount(7, pc.amount(6) * 0.01);  // real estate not sold: always one percent

    pc.keep(8, pc.other(ReliefPage, ReliefTotalSlot));
    double relief = pc.amount(8) * pc.amount(24) / 100;
    if (relief > 0 && relief < pc.amount(23)) relief = pc.amount(23);
    pc.putAmount(9, relief);

    pc.putAmount(10, a[4], Write::Kept);
    pc.putAmount(11, pc.amount(10) * pc.amount(25) / 100);
    pc.putAmount(12, a[5], Write::Kept);
    pc.putAmount(13, pc.amount(12) * pc.amount(26) / 100);

    double totalBase = 0, totalFee = 0;
    for (int slot : {2, 6, 8, 10, 12}) totalBase += pc.amount(slot);
    for (int slot : {3, 4, 5, 7, 9, 11, 13}) totalFee += pc.amount(slot);
    pc.putAmount(14, totalBase);
    pc.putAmount(15, totalFee);

    pc.fiduciaryNames(16);
    pc.putGi(17, gi::AttorneyName);
}

}  // namespace wm4
