#pragma once
// Form 2.2 is one notice per person; the court's packet holds at most 40.
#include <QtGlobal>

namespace wm4 {

inline constexpr int Form2_2CopyLimit = 40;
inline constexpr quint16 ErrTooManyForm2_2 = 25020;

// Counts one more kin row marked for Form 2.2 into `count`. A row beyond the
// limit is not counted and reports 25020 (one report per such row).
void countForm2_2Row(int& count);

}  // namespace wm4
