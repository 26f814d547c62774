// Computation of Executor's Fee (page 99). The fee is computed from the
// CalcTtls totals; overridden display slots (the base lines, real estate not
// sold, non-probate assets) stand beside the computed figures.
#include "calc/fees/fee_units.h"
#include "calc/units/blocks.h"
#include "case/conversions.h"
#include "forms/page099.h"

namespace wm4 {
namespace {

using units::PageCopy;
using units::Write;
namespace gi = units::gi;

// The executor's schedule: 4% of the first 100,000, 3% of the next 300,000,
// 2% of the rest; 1% of real estate not sold and of non-probate assets.
constexpr double FirstBand = 100000, SecondBandEnd = 400000;
constexpr double FirstRate = 0.04, SecondRate = 0.03, BalanceRate = 0.02, OnePercent = 0.01;
constexpr double FirstBandFee = 4000, SecondBandFee = 9000;

}  // namespace

void Calc99(CalcContext& ctx, int /*copy*/) {
    PageCopy pc(ctx, page99::Page, 0);
    const auto& e = ctx.totals.executorFee;  // E1 ... E5
    const double personalProperty = e[0], realtyProceeds = e[1], income = e[2];
    const double realEstateNotSold = e[3], nonProbate = e[4];

    pc.keep(page99::EstateOf, units::giAnswer(ctx, gi::DecedentName).toUpper());
    pc.keep(page99::CaseNumber, units::giAnswer(ctx, gi::CaseNumber));
    pc.putAmount(page99::PersonalPropertyAndSaleProceeds, personalProperty + realtyProceeds,
                 Write::Kept);
    pc.putAmount(page99::IncomeReceived, income, Write::Kept);

    // The base is always the totals, whatever slots 2 and 3 show.
    pc.putAmount(page99::TotalBase, personalProperty + realtyProceeds + income);
    const double base = pc.amount(page99::TotalBase);
    pc.putAmount(page99::FirstBandCommission, base <= FirstBand ? base * FirstRate : FirstBandFee);
    pc.putAmount(page99::SecondBandCommission, base <= SecondBandEnd
                                                   ? qMax(0.0, (base - FirstBand) * SecondRate)
                                                   : SecondBandFee);
    pc.putAmount(page99::BaseAbove400000, qMax(0.0, base - SecondBandEnd));
    pc.putAmount(page99::BalanceCommission,
                 base > SecondBandEnd ? (base - SecondBandEnd) * BalanceRate : 0.0);
    pc.putAmount(page99::CommissionOnTheBase, pc.amount(page99::FirstBandCommission) +
                                                  pc.amount(page99::SecondBandCommission) +
                                                  pc.amount(page99::BalanceCommission));

    pc.putAmount(page99::RealEstateNotSold, realEstateNotSold, Write::Kept);
    pc.putAmount(page99::RealEstateNotSoldCommission,
                 realEstateNotSold * OnePercent);  // from the total, not the box
    pc.putAmount(page99::NonProbateProperty, nonProbate, Write::Kept);
    pc.putAmount(page99::NonProbateCommission, nonProbate * OnePercent);

    pc.put(page99::SummaryBaseCommission, pc.text(page99::CommissionOnTheBase));
    pc.put(page99::CommissionOnRealEstateNotSold, pc.text(page99::RealEstateNotSoldCommission));
    pc.put(page99::CommissionOnNonProbateProperty, pc.text(page99::NonProbateCommission));
    pc.putAmount(page99::TotalCommission, pc.amount(page99::CommissionOnTheBase) +
                                              pc.amount(page99::RealEstateNotSoldCommission) +
                                              pc.amount(page99::NonProbateCommission));
    // Slot 18 is typed by the user (fees already paid); 19 is not touched.
    pc.putAmount(
        page99::CommissionDue,
        pc.amount(page99::TotalCommission) - pc.amount(page99::LessCommissionAlreadyPaidOrWaived),
        Write::Kept);
}

}  // namespace wm4
