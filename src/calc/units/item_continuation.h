#pragma once
// Continuation addenda for the sections that list one item per line
// (item capacities): with addenda on, an item beyond the section's limit is
// not reported or dropped; the section's last place gives way to
// "(continued on addendum)", and that item and every later one are recorded
// for the addendum. With addenda off the section behaves as ItemFits says.
#include <QString>
#include <initializer_list>
#include <vector>

#include "calc/checks/item_capacity.h"
#include "calc/units/blocks.h"

namespace wm4::units {

class ItemContinuation {
public:
    ItemContinuation(PageCopy& pc, const ItemCapacity& box);

    // True when the continuation addenda are on for this run.
    bool active() const;

    // Item `index` (from 0), as the addendum would print it, whose first
    // slot (the mark's place) and other slots are given. True: it prints in
    // its place as always. False: it continues on the addendum (write
    // nothing); the first time, the item in the last place gives way to the
    // mark.
    bool fits(int index, const QString& entry, int firstSlot, std::initializer_list<int> others);

private:
    PageCopy& m_pc;
    const ItemCapacity& m_box;
    QString m_lastEntry;
    int m_lastSlot = -1;
    std::vector<int> m_lastOthers;
    qsizetype m_continuation = -1;
};

}  // namespace wm4::units
