#include "worksheets/grid/worksheet_model.h"

#include "case/worksheet_store.h"

namespace wm4 {

WorksheetModel::WorksheetModel(int columns, const GridLayout& layout, QObject* parent)
    : QAbstractTableModel(parent),
      m_columns(columns),
      m_layout(layout),
      m_alignment(size_t(columns), Qt::AlignLeft | Qt::AlignVCenter) {
    for (int c = 0; c < columns; ++c) m_headers.append(QString());
    for (const GridColumn& c : layout.columns) {
        m_headers[c.column] = QString::fromLatin1(c.header);
        m_alignment[size_t(c.column)] = c.alignment;
    }
}

int WorksheetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows();
}

int WorksheetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_columns;
}

QVariant WorksheetModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole) return m_rows[size_t(index.row())].at(index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(m_alignment[size_t(index.column())]);
    return {};
}

QVariant WorksheetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) return m_headers.value(section);
    if (orientation == Qt::Vertical && role == Qt::DisplayRole) return section + 1;
    return {};
}

QStringList WorksheetModel::emptyRow() const {
    QStringList cells;
    cells.reserve(m_columns);
    for (int c = 0; c < m_columns; ++c) cells.append(QString());
    return cells;
}

void WorksheetModel::setRow(int r, const QStringList& cells) {
    QStringList& target = m_rows[size_t(r)];
    for (int c = 0; c < m_columns; ++c) target[c] = c < cells.size() ? cells[c] : QString();
    Q_EMIT dataChanged(index(r, 0), index(r, m_columns - 1));
}

void WorksheetModel::insertRowAt(int r, const QStringList& cells) {
    beginInsertRows({}, r, r);
    QStringList row = emptyRow();
    for (int c = 0; c < m_columns && c < cells.size(); ++c) row[c] = cells[c];
    m_rows.insert(m_rows.begin() + r, std::move(row));
    endInsertRows();
}

void WorksheetModel::removeRowAt(int r) {
    beginRemoveRows({}, r, r);
    m_rows.erase(m_rows.begin() + r);
    endRemoveRows();
}

void WorksheetModel::resetRows(std::vector<QStringList> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void WorksheetModel::sortRows(int column, SortKind kind, SortDirection direction) {
    beginResetModel();
    SortRows(m_rows, column, kind, direction);
    endResetModel();
}

void WorksheetModel::load(const WorksheetStore& store) {
    std::vector<QStringList> rows;
    rows.reserve(size_t(store.rowCount()));
    for (int r = 0; r < store.rowCount(); ++r) {
        QStringList cells = store.row(r);
        while (cells.size() < m_columns) cells.append(QString());
        rows.push_back(std::move(cells));
    }
    resetRows(std::move(rows));
}

void WorksheetModel::save(WorksheetStore& store) const {
    store.setRowCount(rows());
    for (int r = 0; r < rows(); ++r) store.setRow(r, m_rows[size_t(r)]);
}

void WorksheetModel::setHeader(int column, const QString& text) {
    m_headers[column] = text;
    Q_EMIT headerDataChanged(Qt::Horizontal, column, column);
}

}  // namespace wm4
