#include "case/continuations.h"

namespace wm4 {

qsizetype ContinuationStore::add(Continuation item) {
    m_items.append(std::move(item));
    return m_items.size() - 1;
}

void ContinuationStore::appendLine(qsizetype index, const QString& line) {
    if (index >= 0 && index < m_items.size()) m_items[index].lines.append(line);
}

QList<Continuation> ContinuationStore::of(int page, int copy) const {
    QList<Continuation> out;
    for (const Continuation& item : m_items)
        if (item.page == page && item.copy == copy) out.append(item);
    return out;
}

}  // namespace wm4
