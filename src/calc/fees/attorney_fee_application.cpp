// Application for Attorney Fees (page 43), which bills the time worksheet,
// and the Judgment Entry for Attorney Fees (page 49), which repeats its
// figures. Page 49 runs after page 43 in every run.
#include <QDate>
#include <cmath>

#include "calc/fees/fee_units.h"
#include "calc/units/blocks.h"
#include "case/conversions.h"

namespace wm4 {
namespace {

using units::PageCopy;
using units::Write;
namespace gi = units::gi;

constexpr int ApplicationPage = 43;
constexpr int EntryPage = 49;

struct Billing {
    double hours = 0;
    double fee = 0;  // not rounded
};

Billing billTime(const WorksheetStore& time) {
    Billing b;
    for (int row = 0; row < time.rowCount(); ++row) {
        const double hours = Str2Float_P(time.cell(timeColumn::Hours, row));
        b.hours += hours;
        b.fee += hours * Str2Float_2(time.cell(timeColumn::Rate, row));
    }
    return b;
}

}  // namespace

QString feeInWords(double fee) {
    // The words follow the figure the form shows: the fee rounded to cents,
    // read back from its amount text, then split into dollars and cents.
    const qint64 cents = std::llround(Str2Float_2(FormatAmount(fee)) * 100.0);
    return NumberToWords(double(cents / 100)) + QStringLiteral("Dollars and ") +
           NumberToWords(double(cents % 100)) + QStringLiteral("Cents");
}

void Calc43(CalcContext& ctx, int /*copy*/) {
    PageCopy pc(ctx, ApplicationPage, 0);
    pc.caption();
    pc.putGi(4, gi::AttorneyName);
    pc.putGi(5, gi::DecedentName);
    pc.putGi(6, gi::FiduciaryTitle);

    const Billing billing = billTime(ctx.data.TSchedList);
    pc.put(7, feeInWords(billing.fee));
    pc.putAmount(8, billing.fee);
    pc.put(10, QString::number(billing.hours, 'g', 15));
    pc.put(13, pc.text(7));
    pc.putAmount(14, billing.fee);

    pc.putGi(15, gi::AttorneyName);
    pc.putGi(16, gi::AttorneyStreet);
    pc.put(17, units::attorneyCityLine(ctx));
    pc.putGi(18, gi::AttorneyPhone);
    pc.put(19, QStringLiteral("Sup Ct Reg No. ") + units::giAnswer(ctx, gi::AttorneyRegistration));

    // The consent: kin rows marked for the application, up to its ten lines.
    units::writeAllPersons(pc, {kinColumn::Name});
}

void Calc49(CalcContext& ctx, int /*copy*/) {
    PageCopy pc(ctx, EntryPage, 0);
    pc.caption();
    pc.put(7, pc.other(ApplicationPage, 4));
    pc.put(9, pc.other(ApplicationPage, 13));
    pc.put(10, pc.other(ApplicationPage, 14));
    pc.judgeLine(11);
}

}  // namespace wm4
