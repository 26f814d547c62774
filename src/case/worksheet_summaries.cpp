#include "case/worksheet_summaries.h"

#include <QStringList>

#include "case/worksheet_columns.h"
#include "case/worksheet_lists.h"
#include "case/worksheet_store.h"

namespace wm4 {

namespace {

// The codes of the set flags, in the tables' summary order.
template <size_t N>
QString codesOf(const WorksheetStore& store, int row, const std::array<SendToFlag, N>& flags) {
    QStringList set;
    for (const SendToFlag& flag : flags)
        if (store.cell(flag.column, row) == QLatin1String("X")) set << flag.code.toString();
    return set.join(QStringLiteral(", "));
}

// A category cell names a chosen item unless it is empty, the "0" of a row
// never saved, or the dialog's first item.
bool isChosenCategory(const CategoryList& list, const QString& cell) {
    return !cell.isEmpty() && cell != QLatin1String("0") &&
           list.items.front().compare(cell, Qt::CaseInsensitive) != 0;
}

QString storedOr(const QString& stored, QString built) {
    return stored.trimmed().isEmpty() ? built : stored;
}

}  // namespace

QString AssetSendToSummary(const WorksheetStore& assets, int row) {
    return codesOf(assets, row, AssetSendToFlags);
}

QString AssetCategoryList(const WorksheetStore& assets, int row) {
    QStringList chosen;
    for (const CategoryList& list : AssetCategoryLists)
        if (isChosenCategory(list, assets.cell(list.column, row)))
            chosen << assets.cell(list.column, row);
    return chosen.join(u'/');
}

QString AssetCategorySummary(const WorksheetStore& assets, int row) {
    return AssetCategoryList(assets, row).left(CategorySummaryLength);
}

QString ExpenseSendToSummary(const WorksheetStore& expenses, int row) {
    return codesOf(expenses, row, ExpenseSendToFlags);
}

QString ShownAssetSendTo(const WorksheetStore& assets, int row) {
    return storedOr(assets.cell(assetColumn::SendToSummary, row), AssetSendToSummary(assets, row));
}

QString ShownAssetCategory(const WorksheetStore& assets, int row) {
    return storedOr(assets.cell(assetColumn::CategorySummary, row),
                    AssetCategorySummary(assets, row));
}

QString ShownExpenseSendTo(const WorksheetStore& expenses, int row) {
    return storedOr(expenses.cell(expenseColumn::SendToSummary, row),
                    ExpenseSendToSummary(expenses, row));
}

}  // namespace wm4
