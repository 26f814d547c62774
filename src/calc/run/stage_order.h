#pragma once
// The order in which stage 3 of a run calculates the pages, as data.
#include <span>

#include "case/answers.h"

namespace wm4 {

// What a step does besides (or instead of) running page units.
enum class StageAction {
    Pages,        // run the units of `pages`
    Gate,         // stop the run when ErrFlag is set
    ClearPage62,  // empty slots 0..165 of page 62 copy 0 before the account sheets
};

// The schedule builder a step runs before its pages.
enum class StageBuilder { None, Inventory, Account, AssetsRemaining };

struct StagePages {
    int count = 0;
    int pages[17] = {};
};

struct StageStep {
    StageAction action;
    StageBuilder builder;
    StagePages pages;
    // The copies: copy 0 only when null; else copies 0 ... counter - 1,
    // each copy running every page of the step before the next copy starts.
    int TAnswer::*counter;
    int fixedCopies;  // > 0: exactly this many copies (page 121)
};

std::span<const StageStep> StageOrder();

// The copies a step runs in a store (never more than the store holds).
int stepCopies(const StageStep& step, const TAnswer& a);

}  // namespace wm4
