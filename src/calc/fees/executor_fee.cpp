// Computation of Executor's Fee (page 99). The fee is computed from the
// CalcTtls totals; overridden display slots (the base lines, real estate not
// sold, non-probate assets) stand beside the computed figures.
#include "calc/fees/fee_units.h"
#include "calc/units/blocks.h"
#include "case/conversions.h"

namespace wm4 {
namespace {

using units::PageCopy;
using units::Write;
namespace gi = units::gi;

constexpr int Page = 99;

// The executor's schedule: 4% of the first 100,000, 3% of the next 300,000,
// 2% of the rest; 1% of real estate not sold and of non-probate assets.
constexpr double FirstBand = 100000, SecondBandEnd = 400000;
constexpr double FirstRate = 0.04, SecondRate = 0.03, BalanceRate = 0.02, OnePercent = 0.01;
constexpr double FirstBandFee = 4000, SecondBandFee = 9000;

}  // namespace

void Calc99(CalcContext& ctx, int /*copy*/) {
    PageCopy pc(ctx, Page, 0);
    const auto& e = ctx.totals.executorFee;  // E1 ... E5
    const double personalProperty = e[0], realtyProceeds = e[1], income = e[2];
    const double realEstateNotSold = e[3], nonProbate = e[4];

    pc.keep(0, units::giAnswer(ctx, gi::DecedentName).toUpper());
    pc.keep(1, units::giAnswer(ctx, gi::CaseNumber));
    pc.putAmount(2, personalProperty + realtyProceeds, Write::Kept);
    pc.putAmount(3, income, Write::Kept);

    // The base is always the totals, whatever slots 2 and 3 show.
    pc.putAmount(4, personalProperty + realtyProceeds + income);
    const double base = pc.amount(4);
    pc.putAmount(5, base <= FirstBand ? base * FirstRate : FirstBandFee);
    pc.putAmount(
        6, base <= SecondBandEnd ? qMax(0.0, (base - FirstBand) * SecondRate) : SecondBandFee);
    pc.putAmount(7, qMax(0.0, base - SecondBandEnd));
    pc.putAmount(8, base > SecondBandEnd ? (base - SecondBandEnd) * BalanceRate : 0.0);
    pc.putAmount(9, pc.amount(5) + pc.amount(6) + pc.amount(8));

    pc.putAmount(10, realEstateNotSold, Write::Kept);
    pc.putAmount(11, realEstateNotSold * OnePercent);  // from the total, not slot 10
    pc.putAmount(12, nonProbate, Write::Kept);
    pc.putAmount(13, nonProbate * OnePercent);

    pc.put(14, pc.text(9));
    pc.put(15, pc.text(11));
    pc.put(16, pc.text(13));
    pc.putAmount(17, pc.amount(9) + pc.amount(11) + pc.amount(13));
    // Slot 18 is typed by the user (fees already paid); 19 is not touched.
    pc.putAmount(20, pc.amount(17) - pc.amount(18), Write::Kept);
}

}  // namespace wm4
