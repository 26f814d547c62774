#include "case/worksheet_store.h"

namespace wm4 {

namespace {
QStringList emptyRow(int columns) {
    QStringList cells;
    cells.reserve(columns);
    for (int c = 0; c < columns; ++c) cells.append(QString());
    return cells;
}
}  // namespace

void WorksheetStore::setRowCount(int rows) {
    if (rows < 0) rows = 0;
    const int old = rowCount();
    m_rows.resize(size_t(rows));
    for (int r = old; r < rows; ++r) m_rows[size_t(r)] = emptyRow(m_columns);
}

void WorksheetStore::setRow(int row, const QStringList& cells) {
    QStringList& target = m_rows[size_t(row)];
    for (int c = 0; c < m_columns; ++c) target[c] = c < cells.size() ? cells[c] : QString();
}

void WorksheetStore::insertRow(int before) {
    m_rows.insert(m_rows.begin() + before, emptyRow(m_columns));
}

void WorksheetStore::removeRow(int row) { m_rows.erase(m_rows.begin() + row); }

void WorksheetStore::clearRow(int row) { m_rows[size_t(row)] = emptyRow(m_columns); }

void WorksheetStore::clear() {
    m_rows.clear();
    setRowCount(1);
}

}  // namespace wm4
