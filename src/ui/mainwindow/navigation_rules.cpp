#include "ui/mainwindow/navigation_rules.h"

#include <algorithm>
#include <span>

#include "case/page_catalogue.h"

namespace wm4 {

namespace {

// Two-sided multi-copy forms: front pages (the back is page + 1).
constexpr int kMultiFronts[] = {30, 55, 57, 62, 64};
// Two-sided single forms: front pages (the back is page + 1).
constexpr int kSingleFronts[] = {3,  9,  11, 18, 20, 24, 26, 28, 35,
                                 40, 46, 53, 60, 72, 76, 87, 95, 157};
// One-page forms that come in copies.
constexpr int kCopyPages[] = {6,  16,  23,  33,  50,  52,  59,  68,  70, 71,
                              98, 100, 111, 116, 117, 119, 122, 127, 196};
// The appointment letter always has two copies.
constexpr int kTwoCopyLetter = 121;

bool in(std::span<const int> pages, int page) {
    return std::find(pages.begin(), pages.end(), page) != pages.end();
}

// The copy counter of a multi-copy page.
int counterOf(const TAnswer& a, int page) {
    const PageEntry* e = catalogueEntry(page);
    return e && e->copyCounter ? a.*(e->copyCounter) : 0;
}

bool notLastCopy(const TAnswer& a, int page, int copy) {
    const int k = counterOf(a, page);
    return k > 1 && copy < k - 1;
}

}  // namespace

std::optional<int> NextCode(int page, int copy) {
    if (page == 1) return navigationCode(2, copy);
    if (page == 2) return navigationCode(1, copy + 1);
    if (in(kMultiFronts, page)) return navigationCode(page + 1, copy);
    if (in(kMultiFronts, page - 1)) return navigationCode(page - 1, copy + 1);
    if (in(kSingleFronts, page)) return navigationCode(page + 1, 0);
    if (in(kCopyPages, page) || page == kTwoCopyLetter) return navigationCode(page, copy + 1);
    return std::nullopt;
}

int PriorCode(int page, int copy) {
    if (page == 1) return navigationCode(2, copy - 1);
    if (page == 2) return navigationCode(1, copy);
    // From a multi-copy front the previous copy's back comes first.
    if (in(kMultiFronts, page)) return navigationCode(page + 1, copy - 1);
    if (in(kMultiFronts, page - 1)) return navigationCode(page - 1, copy);
    if (in(kSingleFronts, page - 1)) return navigationCode(page - 1, 0);
    if (in(kCopyPages, page) || page == kTwoCopyLetter) return navigationCode(page, copy - 1);
    return navigationCode(0, 0);
}

StepButtons StepButtonsFor(const TAnswer& a, int page, int copy) {
    if (page == 1 || in(kMultiFronts, page)) return {true, copy >= 1};
    if (page == 2 || in(kMultiFronts, page - 1)) return {notLastCopy(a, page, copy), true};
    if (in(kSingleFronts, page)) return {true, false};
    if (in(kSingleFronts, page - 1)) return {false, true};
    if (in(kCopyPages, page)) return {copy < counterOf(a, page) - 1, copy >= 1};
    if (page == kTwoCopyLetter) return {copy < 1, copy >= 1};
    return {};
}

}  // namespace wm4
