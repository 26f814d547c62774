#pragma once
// The table model of a worksheet window: the window's own copy of the rows
// (all store columns, as text), the current headers, and the row operations
// the commands use. The grid view shows it; nothing here is per cell widget.
#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

#include "worksheets/grid/grid_columns.h"
#include "worksheets/grid/row_sort.h"

namespace wm4 {

class WorksheetStore;

class WorksheetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    WorksheetModel(int columns, const GridLayout& layout, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const GridLayout& layout() const { return m_layout; }
    int rows() const { return int(m_rows.size()); }
    const QStringList& row(int r) const { return m_rows[size_t(r)]; }
    QStringList emptyRow() const;

    void setRow(int r, const QStringList& cells);
    void insertRowAt(int r, const QStringList& cells);  // before r; r == rows() appends
    void removeRowAt(int r);
    // All rows replaced (count 0 allowed).
    void resetRows(std::vector<QStringList> rows);
    void sortRows(int column, SortKind kind, SortDirection direction);

    // The store's rows into the model, and back (row count and every cell).
    void load(const WorksheetStore& store);
    void save(WorksheetStore& store) const;

    void setHeader(int column, const QString& text);
    QString header(int column) const { return m_headers.value(column); }

private:
    int m_columns;
    const GridLayout& m_layout;
    std::vector<QStringList> m_rows;
    QStringList m_headers;  // one per store column; hidden ones empty
    std::vector<Qt::Alignment> m_alignment;
};

}  // namespace wm4
