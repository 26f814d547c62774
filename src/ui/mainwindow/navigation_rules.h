#pragma once
// Where the Next and Prior buttons lead and when they are shown. Fronts and
// backs of two-sided forms pair up; a two-sided multi-copy form walks front 0,
// back 0, front 1, back 1, ...; a one-page multi-copy form walks its copies.
// The page lists are the window's navigation tables; they are narrower than
// the catalogue's sides and counters (the 24.0 form, the affidavits and the
// claims schedule are reached through the menu only).
#include <optional>

#include "case/answers.h"

namespace wm4 {

// The navigation code Next leads to from (page, copy); nothing when the page
// has no Next move.
std::optional<int> NextCode(int page, int copy);
// The navigation code Prior leads to; page 0 copy 0 for a page without a
// Prior move of its own.
int PriorCode(int page, int copy);

struct StepButtons {
    bool next = false;
    bool prior = false;
};

// Which of Next and Prior are shown on (page, copy), by the copy counters of
// the answer store.
StepButtons StepButtonsFor(const TAnswer& answers, int page, int copy);

}  // namespace wm4
