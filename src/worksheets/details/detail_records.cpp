#include "worksheets/details/detail_records.h"

#include "case/case_data.h"
#include "worksheets/details/detail_summaries.h"

namespace wm4 {

namespace {

template <typename Fields, typename Values>
void readFields(const Fields& fields, const QStringList& cells, Values& values) {
    for (size_t i = 0; i < fields.size(); ++i) values[i] = cells.value(fields[i].column);
}

template <typename Fields, typename Values>
void writeFields(const Fields& fields, const Values& values, QStringList& cells) {
    for (size_t i = 0; i < fields.size(); ++i) cells[fields[i].column] = values[i];
}

template <typename Table>
int indexOfColumn(const Table& table, int column) {
    for (size_t i = 0; i < table.size(); ++i)
        if (table[i].column == column) return int(i);
    return -1;
}

}  // namespace

AssetDetail::AssetDetail() {
    categories.fill(AssetNotCategorised.toString());
}

AssetDetail AssetDetail::fromRow(const QStringList& cells) {
    AssetDetail d;
    readFields(AssetSendToFlags, cells, d.sendTo);
    readFields(AssetCategoryLists, cells, d.categories);
    readFields(RealtyFields, cells, d.realty);
    readFields(VehicleFields, cells, d.vehicle);
    readFields(StockFields, cells, d.stock);
    readFields(IdentifierFields, cells, d.identifiers);
    d.distributees = cells.value(assetColumn::Distributees);
    d.categorySummary = cells.value(assetColumn::CategorySummary);
    d.realtySummary = cells.value(assetColumn::RealtySummary);
    d.vehicleSummary = cells.value(assetColumn::VehicleSummary);
    d.stockSummary = cells.value(assetColumn::StockSummary);
    d.identifierSummary = cells.value(assetColumn::IdentifierSummary);
    return d;
}

void AssetDetail::writeToRow(QStringList& cells) const {
    while (cells.size() < AssetColumns) cells.append(QString());
    writeFields(AssetSendToFlags, sendTo, cells);
    writeFields(AssetCategoryLists, categories, cells);
    writeFields(RealtyFields, realty, cells);
    writeFields(VehicleFields, vehicle, cells);
    writeFields(StockFields, stock, cells);
    writeFields(IdentifierFields, identifiers, cells);
    cells[assetColumn::Distributees] = distributees;
    cells[assetColumn::SendToSummary] = AssetSendToSummary(*this);
    cells[assetColumn::CategorySummary] = categorySummary;
    cells[assetColumn::RealtySummary] = realtySummary;
    cells[assetColumn::VehicleSummary] = vehicleSummary;
    cells[assetColumn::StockSummary] = stockSummary;
    cells[assetColumn::IdentifierSummary] = identifierSummary;
}

bool AssetDetail::isSent(int column) const {
    const int i = indexOfColumn(AssetSendToFlags, column);
    return i >= 0 && sendTo[i] == u"X";
}

void AssetDetail::setSent(int column, bool sent) {
    const int i = indexOfColumn(AssetSendToFlags, column);
    if (i >= 0) sendTo[i] = sent ? QStringLiteral("X") : QString();
}

const QString& AssetDetail::category(int column) const {
    static const QString none;
    const int i = indexOfColumn(AssetCategoryLists, column);
    return i >= 0 ? categories[i] : none;
}

ExpenseDetail ExpenseDetail::fromRow(const QStringList& cells) {
    ExpenseDetail d;
    for (size_t i = 0; i < IdentifierFields.size(); ++i)
        d.identifiers[i] = cells.value(IdentifierFields[i].expenseColumn);
    d.parties = cells.value(expenseColumn::InterestedPersons);
    return d;
}

void ExpenseDetail::writeToRow(QStringList& cells) const {
    while (cells.size() < ExpenseColumns) cells.append(QString());
    for (size_t i = 0; i < IdentifierFields.size(); ++i)
        cells[IdentifierFields[i].expenseColumn] = identifiers[i];
    cells[expenseColumn::InterestedPersons] = parties;
}

}  // namespace wm4
