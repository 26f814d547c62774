#include "worksheets/details/detail_records.h"

#include <gtest/gtest.h>

#include <QSet>

#include "case/case_data.h"

namespace wm4 {
namespace {

namespace col = assetColumn;

// Every column a detail field of the asset record stands in.
QSet<int> assetDetailColumns() {
    QSet<int> columns;
    for (const SendToFlag& f : AssetSendToFlags) columns.insert(f.column);
    for (const CategoryList& l : AssetCategoryLists) columns.insert(l.column);
    for (const DetailField& f : RealtyFields) columns.insert(f.column);
    for (const DetailField& f : VehicleFields) columns.insert(f.column);
    for (const DetailField& f : StockFields) columns.insert(f.column);
    for (const IdentifierField& f : IdentifierFields) columns.insert(f.column);
    return columns;
}

TEST(AssetDetail, TablesCoverTheStoredLayoutOnce) {
    // 35 flags, 12 categories, 12 realty, 9 vehicle, 4 stock, 5 identifiers,
    // each in a column of its own: 16 ... 92 without the summaries.
    EXPECT_EQ(assetDetailColumns().size(), 35 + 12 + 12 + 9 + 4 + 5);
    for (int c = col::ToForm3_0; c <= col::ToNewlyDiscovered; ++c)
        EXPECT_TRUE(assetDetailColumns().contains(c)) << "column " << c;
}

TEST(AssetDetail, ClearedRecordIsNotCategorised) {
    const AssetDetail d;
    for (const QString& c : d.categories) EXPECT_EQ(c, QStringLiteral("Not used for this asset"));
    for (const QString& f : d.sendTo) EXPECT_TRUE(f.isEmpty());
    EXPECT_TRUE(d.distributees.isEmpty());
    EXPECT_EQ(d.category(col::CategoryAttorneyFee), QStringLiteral("Not used for this asset"));
}

TEST(AssetDetail, RowRoundTripKeepsEveryCellAndRebuildsTheSendToSummary) {
    QStringList row;
    for (int c = 0; c < AssetColumns; ++c) row.append(QStringLiteral("cell %1").arg(c));
    row[col::ToScheduleA] = QStringLiteral("X");
    row[col::ToCommissionersReport] = QStringLiteral("X");

    const AssetDetail d = AssetDetail::fromRow(row);
    EXPECT_TRUE(d.isSent(col::ToScheduleA));
    EXPECT_FALSE(d.isSent(col::ToForm3_0));  // "cell 16" is no "X"
    EXPECT_EQ(d.category(col::Category5_10), QStringLiteral("cell 52"));
    EXPECT_EQ(d.distributees, QStringLiteral("cell 5"));
    EXPECT_EQ(d.realtySummary, QStringLiteral("cell 12"));

    QStringList written(AssetColumns);
    d.writeToRow(written);
    for (int c = 0; c < AssetColumns; ++c) {
        if (c == col::SendToSummary)
            EXPECT_EQ(written[c], QStringLiteral("CommRep, SchA"));
        else if (assetDetailColumns().contains(c) ||
                 (c >= col::Distributees && c <= 15 && c != 6 && c != 7 && c != 8 && c != 9))
            EXPECT_EQ(written[c], row[c]) << "column " << c;
        else
            EXPECT_TRUE(written[c].isEmpty()) << "column " << c << " belongs to the panel";
    }
    // A copy of the record (the row clipboard) pasted into another row gives
    // the same details and summaries.
    const AssetDetail clipboard = d;
    QStringList pasted(AssetColumns);
    clipboard.writeToRow(pasted);
    EXPECT_EQ(pasted, written);
    EXPECT_EQ(AssetDetail::fromRow(pasted), d);
}

TEST(AssetDetail, NewRowDefaultsReadAsNotSentAndZeroCategories) {
    WorksheetStore store(AssetColumns);
    for (int c = col::Category3_0; c <= col::Category13_2; ++c) store.setCell(c, 0, "0");
    store.setCell(col::Appraised, 0, "0");
    const AssetDetail d = AssetDetail::fromRow(store.row(0));
    EXPECT_EQ(d.category(col::Category3_0), QStringLiteral("0"));
    EXPECT_EQ(d.category(col::CategoryExecutorFee), QString());
    for (const SendToFlag& f : AssetSendToFlags) EXPECT_FALSE(d.isSent(f.column));
}

TEST(ExpenseDetail, RowRoundTripTouchesOnlyIdentifiersAndParties) {
    QStringList row;
    for (int c = 0; c < ExpenseColumns; ++c) row.append(QStringLiteral("e%1").arg(c));
    const ExpenseDetail d = ExpenseDetail::fromRow(row);
    EXPECT_EQ(d.identifiers[0], QStringLiteral("e20"));  // complete identification
    EXPECT_EQ(d.identifiers[4], QStringLiteral("e16"));  // filing date
    EXPECT_EQ(d.parties, QStringLiteral("e25"));

    QStringList written(ExpenseColumns);
    d.writeToRow(written);
    for (int c = 0; c < ExpenseColumns; ++c) {
        const bool detail = (c >= 16 && c <= 20) || c == expenseColumn::InterestedPersons;
        EXPECT_EQ(written[c], detail ? row[c] : QString()) << "column " << c;
    }
    EXPECT_EQ(ExpenseDetail(), ExpenseDetail::fromRow(QStringList(ExpenseColumns)));
}

TEST(CategoryLists, StoredTextsAreFoundRegardlessOfCase) {
    const CategoryList& form3 = AssetCategoryLists[0];
    EXPECT_EQ(categoryItemIndex(form3, u"REAL ESTATE"), 2);
    EXPECT_EQ(categoryItemIndex(form3, u"0"), -1);
    EXPECT_EQ(categoryItemIndex(ExpenseCategory24_4, u"(10) other debts"), 10);
    EXPECT_EQ(chosenItems(ExpenseCategory13_0).front(),
              QStringView(u"Fiduciary Fees This Accounting Period"));
    // Every asset list starts with the cleared row's item.
    for (const CategoryList& list : AssetCategoryLists)
        EXPECT_EQ(list.items.front(), AssetNotCategorised);
}

}  // namespace
}  // namespace wm4
