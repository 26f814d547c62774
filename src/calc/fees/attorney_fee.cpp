// Computation of Attorney Fee (page 101) under the court's schedule, which
// changed for deaths on or after August 1, 2017. The fee is computed from
// the page's own slots, so an overridden base changes the fee.
#include <iterator>

#include "calc/fees/fee_units.h"
#include "calc/units/blocks.h"
#include "case/conversions.h"
#include "forms/page020.h"
#include "forms/page101.h"

namespace wm4 {
namespace {

using units::PageCopy;
using units::Write;
namespace gi = units::gi;

constexpr AttorneyFeeSchedule kBefore2017 = {
    "4", "4,000", "3", "9,000", "2", "500", "1.5", "1", "2", "For Dates of Death Before 8/1/2017"};
constexpr AttorneyFeeSchedule kFrom2017 = {"4.5", "4,500", "3.5", "10,500", "2.5",
                                           "750", "2.5",   "1.5", "2.5",    "Effective 8/1/2017"};

// The bands start one dollar above the round figures.
constexpr double SecondBandStart = 100001, BalanceStart = 400001;

void writeSchedule(PageCopy& pc, const AttorneyFeeSchedule& s) {
    const char* figures[] = {s.firstRate,    s.firstMaximum,  s.secondRate, s.secondMaximum,
                             s.balanceRate,  s.reliefMinimum, s.reliefRate, s.otherNo706Rate,
                             s.other706Rate, s.caption};
    static_assert(std::size(figures) == size_t(page101::ScheduleFigures.count));
    int slot = page101::ScheduleFigures.start;  // the figures in the order of the struct
    for (const char* figure : figures) pc.put(slot++, QString::fromLatin1(figure));
}

}  // namespace

const AttorneyFeeSchedule& attorneyFeeSchedule(const QDate& dateOfDeath) {
    static const QDate firstDay2017 = Str2Date(QStringLiteral("08/01/2017"));
    return dateOfDeath >= firstDay2017 ? kFrom2017 : kBefore2017;
}

void Calc101(CalcContext& ctx, int /*copy*/) {
    PageCopy pc(ctx, page101::Page, 0);
    const auto& a = ctx.totals.attorneyFee;  // A1 ... A6

    pc.keep(page101::EstateOf, units::giAnswer(ctx, gi::DecedentName).toUpper());
    pc.keep(page101::CaseNumber, units::giAnswer(ctx, gi::CaseNumber));
    writeSchedule(pc, attorneyFeeSchedule(Str2Date(units::giAnswer(ctx, gi::DeathDate))));

    pc.putAmount(page101::Base, a[0] + a[1] + a[2], Write::Kept);
    const double base = pc.amount(page101::Base);
    pc.putAmount(page101::FeeOnTheFirst100000,
                 qMin(base * pc.amount(page101::RateOnTheFirstBandPercent) / 100,
                      pc.amount(page101::MostOnTheFirstBand)));
    pc.putAmount(page101::FeeOnTheNext300000,
                 qMax(0.0, qMin((base - SecondBandStart) *
                                    pc.amount(page101::RateOnTheSecondBandPercent) / 100,
                                pc.amount(page101::MostOnTheSecondBand))));
    pc.putAmount(
        page101::FeeOnTheBalance,
        qMax(0.0, (base - BalanceStart) * pc.amount(page101::RateOnTheBalancePercent) / 100));

    pc.putAmount(page101::RealEstateNotSold, a[3], Write::Kept);
    pc.putAmount(
        page101::FeeOnRealEstateNotSold,
        pc.amount(page101::RealEstateNotSold) * 0.01);  // real estate not sold: always one percent

    pc.keep(page101::AssetsRelieved, pc.other(page20::Page, page20::TotalToBeRelieved));
    double relief = pc.amount(page101::AssetsRelieved) *
                    pc.amount(page101::RateForReliefFromAdministrationPercent) / 100;
    if (relief > 0 && relief < pc.amount(page101::LeastFeeForReliefFromAdministration))
        relief = pc.amount(page101::LeastFeeForReliefFromAdministration);
    pc.putAmount(page101::FeeOnAssetsRelieved, relief);

    pc.putAmount(page101::OtherAssetsWithoutReturn, a[4], Write::Kept);
    pc.putAmount(page101::FeeOnOtherAssetsWithoutReturn,
                 pc.amount(page101::OtherAssetsWithoutReturn) *
                     pc.amount(page101::RateOtherAssetsWithoutFederalReturn) / 100);
    pc.putAmount(page101::OtherAssetsWithReturn, a[5], Write::Kept);
    pc.putAmount(page101::FeeOnOtherAssetsWithReturn,
                 pc.amount(page101::OtherAssetsWithReturn) *
                     pc.amount(page101::RateOtherAssetsWithFederalReturn) / 100);

    double totalBase = 0, totalFee = 0;
    for (int slot : {page101::Base, page101::RealEstateNotSold, page101::AssetsRelieved,
                     page101::OtherAssetsWithoutReturn, page101::OtherAssetsWithReturn})
        totalBase += pc.amount(slot);
    for (int slot :
         {page101::FeeOnTheFirst100000, page101::FeeOnTheNext300000, page101::FeeOnTheBalance,
          page101::FeeOnRealEstateNotSold, page101::FeeOnAssetsRelieved,
          page101::FeeOnOtherAssetsWithoutReturn, page101::FeeOnOtherAssetsWithReturn})
        totalFee += pc.amount(slot);
    pc.putAmount(page101::TotalBase, totalBase);
    pc.putAmount(page101::TotalFee, totalFee);

    pc.fiduciaryNames(page101::Fiduciary);
    pc.putGi(page101::Attorney, gi::AttorneyName);
}

}  // namespace wm4
