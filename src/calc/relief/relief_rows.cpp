#include "calc/relief/relief_rows.h"

namespace wm4::relief {

std::vector<int> assetRowsOf(const CalcContext& ctx, int sendTo, int categoryColumn,
                             units::Category category) {
    std::vector<int> rows;
    const WorksheetStore& assets = ctx.data.ASchedList;
    for (int row : units::markedAssetRows(ctx, sendTo))
        if (units::categoryMatches(assets.cell(categoryColumn, row), category)) rows.push_back(row);
    return rows;
}

QStringList descriptionLines(CalcContext& ctx, const QString& description,
                             const units::TextFont& font) {
    QStringList lines = units::wrapLines(ctx, description, font);
    if (lines.isEmpty()) lines.append(QString());
    return lines;
}

}  // namespace wm4::relief
