#include "case/page_facts.h"

#include "forms/page_facts.h"

namespace wm4 {

namespace {

// Pages that have no form source: the printouts and lists that schedules
// and calculations fill (their templates are kept by hand). Every other
// page's facts stand in its form source.
constexpr PageFacts kPagesWithoutSource[] = {
    {114, -1, true, true},
    {126, -1, false, false},
    {184, -1, false, true},
};

}  // namespace

PageFacts FactsOfPage(int page) {
    for (const PageFacts& f : forms::kFormPageFacts)
        if (f.page == page) return f;
    for (const PageFacts& f : kPagesWithoutSource)
        if (f.page == page) return f;
    PageFacts none;
    none.page = page;
    return none;
}

std::span<const PageFacts> FactsOfPagesWithoutSource() {
    return kPagesWithoutSource;
}

}  // namespace wm4
