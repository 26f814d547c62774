#include "calc/units/item_continuation.h"

#include "case/continuations.h"

namespace wm4::units {

ItemContinuation::ItemContinuation(PageCopy& pc, const ItemCapacity& box) : m_pc(pc), m_box(box) {}

bool ItemContinuation::active() const {
    return m_pc.ctx().data.continuations.enabled();
}

bool ItemContinuation::fits(int index, const QString& entry, int firstSlot,
                            std::initializer_list<int> others) {
    ContinuationStore& store = m_pc.ctx().data.continuations;
    if (index < m_box.limit) {
        m_lastEntry = entry;
        m_lastSlot = firstSlot;
        m_lastOthers.assign(others.begin(), others.end());
        return true;
    }
    if (m_continuation >= 0) {
        store.appendLine(m_continuation, entry);
        return false;
    }
    Continuation rest{m_pc.page(), m_pc.copy(), m_lastSlot, QString::fromLatin1(m_box.section),
                      {}};
    if (m_lastSlot >= 0) {
        m_pc.keep(m_lastSlot, ContinuedMark.toString());
        for (int slot : m_lastOthers) m_pc.keep(slot, QString());
        rest.lines << m_lastEntry;
    }
    rest.lines << entry;
    m_continuation = store.add(std::move(rest));
    return false;
}

}  // namespace wm4::units
