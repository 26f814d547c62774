#pragma once
// The dollar ceilings of relief from administration: the assets relieved
// (Form 5.1) against the ceiling checked on Form 5.0, and the automobiles
// that pass to the surviving spouse against their allowance.
#include <QtGlobal>
#include <span>

#include "case/answers.h"
#include "forms/page018.h"
#include "forms/page020.h"

namespace wm4 {

struct ReliefCeiling {
    int form5_0Slot;  // the check box on Form 5.0 (page 18)
    double ceiling;
    quint16 errNo;
};

// In test order.
std::span<const ReliefCeiling> ReliefCeilings();

inline constexpr int Form5_0Page = page18::Page;
inline constexpr int Form5_1FrontPage = page20::Page;
inline constexpr int Form5_1TotalSlot = page20::TotalToBeRelieved;

// Reads the Form 5.1 total (page 20 slot 57) and tests it against every
// ceiling checked ("X") on Form 5.0; each exceeded ceiling reports its own
// message. A total equal to a ceiling passes. Returns true when none failed.
bool CheckReliefCeilings(const TAnswer& a);

inline constexpr double SpouseAutomobileAllowance = 65000.0;
inline constexpr quint16 ErrForm5_1Automobiles = 31070;
inline constexpr quint16 ErrForm6_0Automobiles = 31080;

// The automobiles to the spouse (Form 5.1: 31070, Form 6.0: 31080): reports
// `errNo` when `total` exceeds the allowance; equal passes. Compared in whole
// cents so that sums of two-decimal amounts are exact. Returns true when it
// passes.
bool CheckAutomobileAllowance(double total, quint16 errNo);

// True when `amount` is greater than `ceiling`, compared in whole cents.
bool exceedsInCents(double amount, double ceiling);

}  // namespace wm4
