// Application for Attorney Fees (page 43), which bills the time worksheet,
// and the Judgment Entry for Attorney Fees (page 49), which repeats its
// figures. Page 49 runs after page 43 in every run.
#include <QDate>
#include <cmath>

#include "calc/fees/fee_units.h"
#include "calc/units/blocks.h"
#include "case/conversions.h"
#include "forms/page043.h"
#include "forms/page049.h"

namespace wm4 {
namespace {

using units::PageCopy;
using units::Write;
namespace gi = units::gi;

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
    PageCopy pc(ctx, page43::Page, 0);
    pc.caption();
    pc.putGi(page43::Attorney, gi::AttorneyName);
    pc.putGi(page43::Decedent, gi::DecedentName);
    pc.putGi(page43::FiduciaryTitle, gi::FiduciaryTitle);

    const Billing billing = billTime(ctx.data.TSchedList);
    pc.put(page43::FeeInWords, feeInWords(billing.fee));
    pc.putAmount(page43::Fee, billing.fee);
    pc.put(page43::HoursOfService, QString::number(billing.hours, 'g', 15));
    pc.put(page43::FeeInWordsConsent, pc.text(page43::FeeInWords));
    pc.putAmount(page43::FeeConsent, billing.fee);

    pc.putGi(page43::SignatureAttorney, gi::AttorneyName);
    pc.putGi(page43::Street, gi::AttorneyStreet);
    pc.put(page43::CityStateAndZIP, units::attorneyCityLine(ctx));
    pc.putGi(page43::Telephone, gi::AttorneyPhone);
    pc.put(page43::Registration,
           QStringLiteral("Sup Ct Reg No. ") + units::giAnswer(ctx, gi::AttorneyRegistration));

    // The consent: kin rows marked for the application, up to its ten lines.
    units::writeAllPersons(pc, {kinColumn::Name});
}

void Calc49(CalcContext& ctx, int /*copy*/) {
    PageCopy pc(ctx, page49::Page, 0);
    pc.caption();
    pc.put(page49::Attorney, pc.other(page43::Page, page43::Attorney));
    pc.put(page49::FeeInWords, pc.other(page43::Page, page43::FeeInWordsConsent));
    pc.put(page49::Fee, pc.other(page43::Page, page43::FeeConsent));
    pc.judgeLine(page49::Judge);
}

}  // namespace wm4
