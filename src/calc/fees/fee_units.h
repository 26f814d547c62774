#pragma once
// The fee pages: the executor's fee computation (page 99), the attorney fee
// computation (page 101), the application for attorney fees (page 43) and
// its judgment entry (page 49). Each fills copy 0.
#include <QDate>
#include <QString>

#include "calc/calc_context.h"

namespace wm4 {

void Calc99(CalcContext& ctx, int copy);
void Calc101(CalcContext& ctx, int copy);
void Calc43(CalcContext& ctx, int copy);
void Calc49(CalcContext& ctx, int copy);

// The attorney's fee schedule of the court: the one for deaths before
// August 1, 2017, or the one from that day on. Slots 18-27 of page 101.
struct AttorneyFeeSchedule {
    const char* firstRate;       // percent on the first band
    const char* firstMaximum;    // maximum of the first band
    const char* secondRate;      // percent on the second band
    const char* secondMaximum;   // maximum of the second band
    const char* balanceRate;     // percent on the balance
    const char* reliefMinimum;   // minimum fee for relief from administration
    const char* reliefRate;      // percent for relief from administration
    const char* otherNo706Rate;  // percent on "Other - 706 Not Required"
    const char* other706Rate;    // percent on "Other - 706 Required"
    const char* caption;
};
const AttorneyFeeSchedule& attorneyFeeSchedule(const QDate& dateOfDeath);

// The amount in words as the application spells it: the whole dollars and
// the cents of `fee` rounded to cents, "... Dollars and ... Cents".
QString feeInWords(double fee);

}  // namespace wm4
