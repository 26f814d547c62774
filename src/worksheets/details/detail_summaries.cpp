#include "worksheets/details/detail_summaries.h"

#include <QStringList>
#include <initializer_list>

#include "case/case_data.h"

namespace wm4 {

namespace {

// The values of the given columns' fields that are not empty, in the order
// given, joined by ", ".
template <typename Fields, typename Values>
QString joinNonEmpty(const Fields& fields, const Values& values, std::initializer_list<int> order) {
    QStringList parts;
    for (int column : order)
        for (size_t i = 0; i < fields.size(); ++i)
            if (fields[i].column == column && !values[i].isEmpty()) parts.append(values[i]);
    return parts.join(u", ");
}

template <typename Fields, typename Values>
const QString& valueOf(const Fields& fields, const Values& values, int column) {
    static const QString none;
    for (size_t i = 0; i < fields.size(); ++i)
        if (fields[i].column == column) return values[i];
    return none;
}

}  // namespace

QString SendToSummary(std::span<const SendToFlag> flags, const std::function<bool(int)>& isSet) {
    QStringList codes;
    for (const SendToFlag& flag : flags)
        if (isSet(flag.column)) codes.append(flag.code.toString());
    return codes.join(u", ");
}

QString AssetSendToSummary(const AssetDetail& detail) {
    return SendToSummary(AssetSendToFlags, [&](int column) { return detail.isSent(column); });
}

void CompleteSendToSummary(std::span<const SendToFlag> flags, int summaryColumn, QStringList& row) {
    while (row.size() <= summaryColumn) row.append(QString());
    if (row[summaryColumn].isEmpty())
        row[summaryColumn] =
            SendToSummary(flags, [&row](int column) { return row.value(column) == u"X"; });
}

void CompleteAssetSummaries(QStringList& row) {
    const AssetDetail detail = AssetDetail::fromRow(row);
    while (row.size() < AssetColumns) row.append(QString());
    const std::pair<int, QString> summaries[] = {
        {assetColumn::SendToSummary, AssetSendToSummary(detail)},
        {assetColumn::CategorySummary, CategorySummary(detail)},
        {assetColumn::RealtySummary, RealtySummary(detail)},
        {assetColumn::VehicleSummary, VehicleSummary(detail)},
        {assetColumn::StockSummary, StockSummary(detail)},
        {assetColumn::IdentifierSummary, IdentifierSummary(detail.identifiers)},
    };
    for (const auto& [column, summary] : summaries)
        if (row[column].isEmpty()) row[column] = summary;
}

QString CategorySummary(const AssetDetail& detail) {
    QStringList chosen;
    for (size_t i = 0; i < AssetCategoryLists.size(); ++i) {
        const CategoryList& list = AssetCategoryLists[i];
        const QString& text = detail.categories[i];
        // The 6.0 list's empty item is a choice too, but adds nothing to read.
        if (text.isEmpty() || list.items.front().compare(text, Qt::CaseInsensitive) == 0) continue;
        chosen.append(text);
    }
    return chosen.join(u'/').left(CategorySummaryLength);
}

QString RealtySummary(const AssetDetail& d) {
    namespace col = assetColumn;
    QString summary;
    const auto append = [&](int column, QStringView separator) {
        const QString& value = valueOf(RealtyFields, d.realty, column);
        if (value.isEmpty()) return;
        if (!summary.isEmpty()) summary += separator;
        summary += value;
    };
    append(col::RealtyHouseNumber, u", ");
    append(col::RealtyStreetName, u" ");
    for (int column :
         {col::RealtyCityStateZip, col::RealtyParcelNumber, col::RealtyVolume, col::RealtyPage,
          col::RealtyLotNumber, col::RealtySubdivision, col::RealtyFrontage, col::RealtyDepth,
          col::RealtySublot, col::RealtyAcreage})
        append(column, u", ");
    return summary;
}

QString VehicleSummary(const AssetDetail& d) {
    namespace col = assetColumn;
    return joinNonEmpty(
        VehicleFields, d.vehicle,
        {col::VehicleBodyType, col::VehicleMake, col::VehicleYear, col::VehicleManufacturer,
         col::VehicleLength, col::VehicleModel, col::VehicleSerialNumber, col::VehicleTitleNumber,
         col::VehicleHorsepower});
}

QString StockSummary(const AssetDetail& d) {
    namespace col = assetColumn;
    return joinNonEmpty(
        StockFields, d.stock,
        {col::StockCorporation, col::StockShares, col::StockShareClass, col::StockCertificate});
}

QString IdentifierSummary(const Identifiers& identifiers) {
    QStringList parts;
    for (const QString& value : identifiers)
        if (!value.isEmpty()) parts.append(value);
    return parts.join(u", ");
}

}  // namespace wm4
