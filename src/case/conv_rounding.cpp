#include "case/conv_rounding.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace wm4 {
namespace {
// A double holds 15 significant decimal digits faithfully: a typed amount
// read into a double prints back as typed at this precision.
constexpr int SignificantDigits = 15;
}  // namespace

double roundHalfAwayFromZero(double value, int decimals) {
    if (!std::isfinite(value) || value == 0) return value;
    const double scale = std::pow(10.0, decimals);

    // d.dddddddddddddde+XX: the value's 15 significant digits and exponent.
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.*e", SignificantDigits - 1, std::fabs(value));
    const int exponent = std::atoi(buffer + SignificantDigits + 2);
    const char digits[SignificantDigits] = {
        buffer[0], buffer[2],  buffer[3],  buffer[4],  buffer[5],  buffer[6],  buffer[7], buffer[8],
        buffer[9], buffer[10], buffer[11], buffer[12], buffer[13], buffer[14], buffer[15]};

    // Digits that stay: those worth at least 10^-decimals.
    const int kept = exponent + 1 + decimals;
    if (kept >= SignificantDigits) return std::round(value * scale) / scale;  // nothing to cut
    double magnitude = 0;
    if (kept >= 0) {
        long long whole = 0;
        for (int i = 0; i < kept; ++i) whole = whole * 10 + (digits[i] - '0');
        if (digits[kept] >= '5') ++whole;
        // Both operands are exact, so the quotient is the double nearest to
        // the rounded decimal number: what reading "%14.2f" text gives.
        magnitude = double(whole) / scale;
    }
    if (magnitude == 0) return 0;  // no negative zero
    return value < 0 ? -magnitude : magnitude;
}

}  // namespace wm4
