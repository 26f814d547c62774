#pragma once
// Facts about a page the screen, the merge and the catalogue look up by page
// number. Each page with a form source (data/forms/pageNNN.form) declares
// them in its heading lines ("focus SLOT", "fit none", "amounts empty"),
// which the build turns into the table forms/page_facts.h; the few pages
// without a source keep theirs in the hand table of page_facts.cpp.
#include <span>

namespace wm4 {

struct PageFacts {
    int page = -1;
    // Tag of the control that receives the focus when the page is shown, or
    // -1 when no control does.
    int focusTag = -1;
    // The template's plain fields are fitted to their places (false: they
    // keep their own size, as in schedules and lists with small print).
    bool fitted = true;
    // An amount without a value shows and prints empty instead of "0.00".
    bool amountsEmpty = false;
};

// The facts of a page; a page named nowhere gets the defaults above.
PageFacts FactsOfPage(int page);

// The hand table: pages without a form source, with their facts.
std::span<const PageFacts> FactsOfPagesWithoutSource();

}  // namespace wm4
