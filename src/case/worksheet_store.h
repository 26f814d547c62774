#pragma once
// A worksheet store: a table of text cells addressed (column, row). Rows have
// no key; a row's position is its only identity. Readers address cells by the
// column numbers of the worksheet layouts (asset 100, expense 26, kin 48,
// time 4 columns).
#include <QString>
#include <QStringList>
#include <vector>

namespace wm4 {

class WorksheetStore {
public:
    explicit WorksheetStore(int columns) : m_columns(columns) { setRowCount(1); }

    int columnCount() const { return m_columns; }
    int rowCount() const { return int(m_rows.size()); }
    // Growing adds empty rows; shrinking drops the rows past the new count.
    void setRowCount(int rows);

    const QString& cell(int column, int row) const { return m_rows[row][column]; }
    void setCell(int column, int row, const QString& text) { m_rows[row][column] = text; }

    const QStringList& row(int row) const { return m_rows[row]; }
    void setRow(int row, const QStringList& cells);
    void insertRow(int before);  // an empty row
    void removeRow(int row);
    void clearRow(int row);
    // Back to one empty row.
    void clear();

private:
    int m_columns;
    std::vector<QStringList> m_rows;
};

}  // namespace wm4
