#include "calc/checks/dollar_ceilings.h"

#include <cmath>

#include "case/conversions.h"
#include "messages/report.h"

namespace wm4 {
namespace {

constexpr ReliefCeiling kCeilings[] = {
    {page18::Ceiling15000, 15000, 31010}, {page18::Ceiling25000, 25000, 31020},
    {page18::Ceiling35000, 35000, 31030}, {page18::Ceiling50000, 50000, 31040},
    {page18::Ceiling85000, 85000, 31050}, {page18::Ceiling100000, 100000, 31060},
};

qint64 cents(double amount) {
    return qint64(std::llround(amount * 100.0));
}

}  // namespace

std::span<const ReliefCeiling> ReliefCeilings() {
    return kCeilings;
}

bool exceedsInCents(double amount, double ceiling) {
    return cents(amount) > cents(ceiling);
}

bool CheckReliefCeilings(const TAnswer& a) {
    const double relieved = Str2Float_2(a.answer(Form5_1FrontPage, 0, Form5_1TotalSlot));
    bool passed = true;
    for (const ReliefCeiling& ceiling : kCeilings) {
        if (a.answer(Form5_0Page, 0, ceiling.form5_0Slot) != u"X") continue;
        if (exceedsInCents(relieved, ceiling.ceiling)) {
            ReportError(ceiling.errNo);
            passed = false;
        }
    }
    return passed;
}

bool CheckAutomobileAllowance(double total, quint16 errNo) {
    if (!exceedsInCents(total, SpouseAutomobileAllowance)) return true;
    ReportError(errNo);
    return false;
}

}  // namespace wm4
