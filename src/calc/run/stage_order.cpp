#include "calc/run/stage_order.h"

#include <algorithm>
#include <initializer_list>

namespace wm4 {
namespace {

constexpr StagePages pages(std::initializer_list<int> list) {
    StagePages p;
    for (int page : list) p.pages[p.count++] = page;
    return p;
}

using enum StageAction;
using enum StageBuilder;
using A = TAnswer;

constexpr StageStep once(std::initializer_list<int> list, StageBuilder before = None) {
    return {Pages, before, pages(list), nullptr, 0};
}
constexpr StageStep each(std::initializer_list<int> list, int A::*counter,
                         StageBuilder before = None) {
    return {Pages, before, pages(list), counter, 0};
}

// Page 128 runs twice: its second run (with the letters' pages done) gives
// its final values. Pages without a unit (the form tracker, the filled and
// unused pages) do not appear.
constexpr StageStep kOrder[] = {
    once({0}),
    each({1, 2}, &A::NoOf1_0),
    once({3, 4, 5}),
    each({6}, &A::NoOf2_2),
    once({7, 8, 9, 10, 11, 12, 13, 14, 15}),
    each({16}, &A::NoOf4_4),
    once({17, 18, 19, 20}),
    {Gate, None, {}, nullptr, 0},  // messages of pages 1-20 end the run here
    once({21, 22}),
    each({23}, &A::NoOf5_3),
    once({24, 25, 26, 27, 28, 29}),
    each({30, 31}, &A::NoOf6_1, Inventory),
    once({32}),
    each({33}, &A::NoOf6_3),
    once({34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49}),
    each({50}, &A::NoOf10_2),
    once({51}),
    each({52}, &A::NoOf10_4),
    once({53, 54}),
    each({55, 56, 57, 58, 59}, &A::NoOf12),
    once({60, 61}, Account),
    {ClearPage62, None, {}, nullptr, 0},
    each({62, 63}, &A::NoOf13_1),
    each({64, 65}, &A::NoOf13_2, AssetsRemaining),
    once({66, 67}),
    each({68}, &A::NoOf13_5),
    once({69}),
    each({70}, &A::NoOf13_7b),
    each({71}, &A::NoOfCommRep),
    once({72, 73, 74, 75, 76, 77, 79, 84, 85, 86, 87, 88, 89, 90, 91, 92, 97}),
    each({98}, &A::NoOf3774),
    once({99}),
    each({100}, &A::NoOf12),
    once({101}),
    each({102}, &A::NoOfSSA_JS),
    once({104, 128, 107, 110}),
    each({111}, &A::NoOfCPID),
    once({112}),
    each({115}, &A::NoOfStockPOA),
    each({116}, &A::NoOfWillLtr),
    each({117}, &A::NoOfInvLtr),
    each({119}, &A::NoOfAcctLtr),
    {Pages, None, pages({121}), nullptr, 2},
    each({122}, &A::NoOfInsLtr),
    once({123, 125}),
    each({127}, &A::NoOf9_C),
    once({128, 129, 150, 151, 152}),
    each({153}, &A::NoOf24_2),
    once({154, 155}),
    each({156}, &A::NoOf24_5),
    once({157, 158}),
    each({196}, &A::NoOf12),
    once({95, 96}),  // the Form Tracker's deadlines, from dates every earlier unit leaves alone
};

}  // namespace

std::span<const StageStep> StageOrder() {
    return kOrder;
}

int stepCopies(const StageStep& step, const TAnswer& a) {
    int copies = 1;
    if (step.fixedCopies > 0)
        copies = step.fixedCopies;
    else if (step.counter)
        copies = a.*(step.counter);
    return std::clamp(copies, 0, CopyCount);
}

}  // namespace wm4
