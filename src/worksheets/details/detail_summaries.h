#pragma once
// The summaries the asset and expense worksheets show for a row's details:
// the Send To summary ("CommRep, SchA"), the category summary ("Real
// Estate/Income", at most 50 characters) and the realty, vehicle, stock and
// personal-identifier summaries. Each is built from the row's own values;
// no form reads a summary.
#include <QString>
#include <functional>
#include <span>

#include "case/worksheet_summaries.h"  // CategorySummaryLength
#include "worksheets/details/detail_records.h"

namespace wm4 {

// The codes of the set flags, in table order, joined by ", ". isSet is asked
// for each flag's column.
QString SendToSummary(std::span<const SendToFlag> flags, const std::function<bool(int)>& isSet);
// The asset row's Send To summary, from its flags.
QString AssetSendToSummary(const AssetDetail& detail);

// The chosen items (not a list's first item) in list order, joined by "/",
// cut at 50 characters.
QString CategorySummary(const AssetDetail& detail);

// Street number, street name, city, parcel number, volume, page, lot,
// subdivision, frontage, depth, sublot and acreage that are not empty: the
// street name follows what precedes it after a blank, every later value
// after ", ", and the first value stands without a separator
// ("12 Oak Lane, Anytown").
QString RealtySummary(const AssetDetail& detail);
// Body type, make, year, manufacturer, length, model, serial number, title
// number and horsepower that are not empty, joined by ", ".
QString VehicleSummary(const AssetDetail& detail);
// Corporation, number of shares, class and certificate number that are not
// empty, joined by ", ".
QString StockSummary(const AssetDetail& detail);
// The summary cells of a stored row that are empty, built from the row's
// values: a worksheet shows every row's summaries, also of rows written
// without them (the shipped sample, a prior version, the command line).
// isSet of SendToSummary reads the row's "X" cells.
void CompleteAssetSummaries(QStringList& row);
void CompleteSendToSummary(std::span<const SendToFlag> flags, int summaryColumn, QStringList& row);

// Complete identification, institution, abbreviation, form number and
// filing date that are not empty, joined by ", ".
QString IdentifierSummary(const Identifiers& identifiers);

}  // namespace wm4
