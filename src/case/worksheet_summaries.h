#pragma once
// The summary cells of the worksheets, built from the other cells of a row as
// the worksheet windows build them: the Send To summary of the asset and
// expense worksheets (rebuilt whenever a row is saved) and the asset category
// summary (built when the category dialog closes). The windows and the
// printouts share these, so a printout of rows never saved through a window
// shows what the window would show.
#include <QString>

namespace wm4 {

class WorksheetStore;

// The category summary is cut to this many characters.
inline constexpr int CategorySummaryLength = 50;

// The codes of the set send-to flags of an asset row, in the summary order,
// joined by ", " ("5.1, 6.0, 13.0"); empty when none is set.
QString AssetSendToSummary(const WorksheetStore& assets, int row);

// The chosen category items of an asset row other than "Not used for this
// asset", in the category dialog's form order, joined by "/" and cut to 50
// characters ("Real Estate/Income").
QString AssetCategorySummary(const WorksheetStore& assets, int row);
// The same items joined by "/", whole (the printout wraps them between
// items rather than cutting a word).
QString AssetCategoryList(const WorksheetStore& assets, int row);

// The codes of the set send-to flags of an expense row ("13.0, SchJ").
QString ExpenseSendToSummary(const WorksheetStore& expenses, int row);

// The stored summary cell when it holds text, otherwise the summary built
// from the row (a row saved by a window always holds its summary; a row
// written by other means may not).
QString ShownAssetSendTo(const WorksheetStore& assets, int row);
QString ShownAssetCategory(const WorksheetStore& assets, int row);
QString ShownExpenseSendTo(const WorksheetStore& expenses, int row);

}  // namespace wm4
