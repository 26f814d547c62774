#include "case/worksheet_summaries.h"

#include <QStringList>

#include "case/worksheet_columns.h"
#include "case/worksheet_store.h"

namespace wm4 {

namespace {

struct FlagCode {
    int column;
    const char* code;
};

// The asset send-to flags in the order of the Send To summary.
constexpr FlagCode AssetSendToCodes[] = {
    {assetColumn::ToForm3_0, "3.0"},
    {assetColumn::ToForm4_0, "4.0"},
    {assetColumn::ToForm5_1, "5.1"},
    {assetColumn::ToForm5_6, "5.6"},
    {assetColumn::ToForm5_9, "5.9"},
    {assetColumn::ToForm5_10, "5.10"},
    {assetColumn::ToForm6_0, "6.0"},
    {assetColumn::ToForm7_1, "7.1"},
    {assetColumn::ToForm7_2, "7.2"},
    {assetColumn::ToForm9_0, "9.0"},
    {assetColumn::ToForm9_C, "9.C"},
    {assetColumn::ToForm10_0, "10.0"},
    {assetColumn::ToForm11_0, "11.0"},
    {assetColumn::ToForm12_0, "12.0"},
    {assetColumn::ToForm13_0, "13.0"},
    {assetColumn::ToForm13_2, "13.2"},
    {assetColumn::ToNewlyDiscovered, "NDisc"},
    {assetColumn::ToSpouseAffidavit, "SSA"},
    {assetColumn::ToBmv3773, "3773"},
    {assetColumn::ToBmv3774, "3774"},
    {assetColumn::ToStockPower, "Stock POA"},
    {assetColumn::ToExecutorFee, "ExecFee"},
    {assetColumn::ToAttorneyFee, "AttyFee"},
    {assetColumn::ToIdentifiers, "CPID"},
    {assetColumn::ToCommissionersReport, "CommRep"},
    {assetColumn::ToScheduleA, "SchA"},
    {assetColumn::ToScheduleB, "SchB"},
    {assetColumn::ToScheduleC, "SchC"},
    {assetColumn::ToScheduleD, "SchD"},
    {assetColumn::ToScheduleE1, "SchE1"},
    {assetColumn::ToScheduleE2, "SchE2"},
    {assetColumn::ToScheduleF, "SchF"},
    {assetColumn::ToScheduleG, "SchG"},
    {assetColumn::ToScheduleH, "SchH"},
    {assetColumn::ToScheduleI, "SchI"},
};

constexpr FlagCode ExpenseSendToCodes[] = {
    {expenseColumn::ToForm5_1, "5.1"},      {expenseColumn::ToForm5_6, "5.6"},
    {expenseColumn::ToForm13_0, "13.0"},    {expenseColumn::ToForm24_4, "24.4"},
    {expenseColumn::ToIdentifiers, "CPID"}, {expenseColumn::ToCommissionersReport, "CommRep"},
    {expenseColumn::ToScheduleJ, "SchJ"},   {expenseColumn::ToScheduleK, "SchK"},
    {expenseColumn::ToScheduleM1, "SchM1"}, {expenseColumn::ToScheduleM2, "SchM2"},
};

// The category columns in the category dialog's top-to-bottom order.
constexpr int AssetCategoryColumns[] = {
    assetColumn::Category3_0,  assetColumn::Category4_0,         assetColumn::Category5_1,
    assetColumn::Category5_6,  assetColumn::Category5_10,        assetColumn::Category6_0,
    assetColumn::Category7_1,  assetColumn::Category7_2,         assetColumn::Category13_0,
    assetColumn::Category13_2, assetColumn::CategoryExecutorFee, assetColumn::CategoryAttorneyFee,
};
constexpr int CategorySummaryLength = 50;

template <size_t N>
QString codesOf(const WorksheetStore& store, int row, const FlagCode (&codes)[N]) {
    QStringList set;
    for (const FlagCode& flag : codes)
        if (store.cell(flag.column, row) == QLatin1String("X"))
            set << QString::fromLatin1(flag.code);
    return set.join(QStringLiteral(", "));
}

// A category cell names a chosen item unless it is empty, the "0" of a row
// never saved, or the dialog's first item.
bool isChosenCategory(const QString& cell) {
    return !cell.isEmpty() && cell != QLatin1String("0") &&
           cell.compare(QLatin1String("Not used for this asset"), Qt::CaseInsensitive) != 0;
}

QString storedOr(const QString& stored, QString built) {
    return stored.trimmed().isEmpty() ? built : stored;
}

}  // namespace

QString AssetSendToSummary(const WorksheetStore& assets, int row) {
    return codesOf(assets, row, AssetSendToCodes);
}

QString AssetCategorySummary(const WorksheetStore& assets, int row) {
    QStringList chosen;
    for (int column : AssetCategoryColumns)
        if (isChosenCategory(assets.cell(column, row))) chosen << assets.cell(column, row);
    return chosen.join(u'/').left(CategorySummaryLength);
}

QString ExpenseSendToSummary(const WorksheetStore& expenses, int row) {
    return codesOf(expenses, row, ExpenseSendToCodes);
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
