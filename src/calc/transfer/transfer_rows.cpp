#include "calc/transfer/transfer_rows.h"

#include <QRegularExpression>
#include <limits>

#include "calc/transfer/asset_details.h"

namespace wm4::transfer {

int assetRowOfCopy(const CalcContext& ctx, int sendTo, int copy) {
    const WorksheetStore& assets = ctx.data.ASchedList;
    int seen = 0;
    for (int row = 0; row < assets.rowCount(); ++row) {
        if (!units::isMarked(assets.cell(sendTo, row))) continue;
        if (seen == copy) return row;
        ++seen;
    }
    return -1;
}

std::vector<int> findTransferees(const CalcContext& ctx, const QString& distributees, int limit,
                                 NameMatch match) {
    std::vector<int> rows;
    if (distributees.isEmpty()) return rows;
    const QString haystack = match == NameMatch::UpperCased ? distributees.toUpper() : distributees;
    const WorksheetStore& kin = ctx.data.KSchedList;
    for (int row = 0; row < kin.rowCount() && int(rows.size()) < limit; ++row) {
        const QString& name = kin.cell(kinColumn::Name, row);
        // An empty name would be "contained" in every text; it names nobody.
        if (name.isEmpty()) continue;
        const QString needle = match == NameMatch::UpperCased ? name.toUpper() : name;
        if (haystack.contains(needle)) rows.push_back(row);
    }
    return rows;
}

int findTransferee(const CalcContext& ctx, const QString& distributees, NameMatch match) {
    const std::vector<int> rows = findTransferees(ctx, distributees, 1, match);
    return rows.empty() ? -1 : rows.front();
}

namespace {

// The share written beside a name in its part of the distributees text, or
// empty: the part without the name, trimmed of blanks, brackets and dashes.
QString shareBesideName(const QString& distributees, const QString& name) {
    for (const QString& part : distributees.split(QStringLiteral(", "))) {
        if (!part.contains(name)) continue;
        QString share = part;
        share.remove(name);
        static const QString trimmed = QStringLiteral(" ()[]-:;");
        while (!share.isEmpty() && trimmed.contains(share.front())) share.remove(0, 1);
        while (!share.isEmpty() && trimmed.contains(share.back())) share.chop(1);
        // A kin name that is only a surname leaves the given names behind;
        // a share has a figure or says what part it is.
        static const QRegularExpression looksLikeShare(
            QStringLiteral(R"(\d|%|half|third|fourth|quarter|fifth|sixth|entire|interest|percent)"),
            QRegularExpression::CaseInsensitiveOption);
        return share.contains(looksLikeShare) ? share : QString();
    }
    return QString();
}

}  // namespace

std::vector<Grantee> findGrantees(const CalcContext& ctx, const QString& distributees) {
    std::vector<Grantee> grantees;
    for (int row : findTransferees(ctx, distributees, std::numeric_limits<int>::max()))
        grantees.push_back(
            {row, shareBesideName(distributees, ctx.data.KSchedList.cell(kinColumn::Name, row))});
    // One person named alone takes what passes; several share as the
    // distributees text says, or as the user states it on the forms: the
    // program never divides a parcel into shares of its own.
    if (grantees.size() == 1 && grantees.front().share.isEmpty()) grantees.front().sole = true;
    return grantees;
}

QString granteeWithShare(const CalcContext& ctx, const Grantee& grantee) {
    const QString name = kinCell(ctx, grantee.kinRow, kinColumn::Name);
    return grantee.share.isEmpty() || grantee.sole
               ? name
               : name + QStringLiteral(" (") + grantee.share + u')';
}

QString spouseKinGender(const CalcContext& ctx) {
    const WorksheetStore& kin = ctx.data.KSchedList;
    const QString& spouse = units::giAnswer(ctx, units::gi::SpouseName);
    if (spouse.isEmpty()) return QString();
    for (int row = 0; row < kin.rowCount(); ++row)
        if (kin.cell(kinColumn::Name, row) == spouse) return kin.cell(kinColumn::Gender, row);
    return QString();
}

QString kinCell(const CalcContext& ctx, int kinRow, int column) {
    return kinRow < 0 ? QString() : ctx.data.KSchedList.cell(column, kinRow);
}

QString kinAddress(const CalcContext& ctx, int kinRow) {
    if (kinRow < 0) return QString();
    return kinCell(ctx, kinRow, kinColumn::Street) + QStringLiteral(", ") +
           kinCell(ctx, kinRow, kinColumn::CityStateZip);
}

const QString& assetCell(const CalcContext& ctx, int row, int column) {
    return ctx.data.ASchedList.cell(column, row);
}

ParcelParts splitParcelNumber(const QString& parcelNumber) {
    // Each part after a hyphen is at most 99 characters, as the form's field.
    constexpr int MaxPart = 99;
    ParcelParts parts;
    const qsizetype firstHyphen = parcelNumber.indexOf(u'-');
    parts.first = parcelNumber.left(qMax<qsizetype>(firstHyphen, 0));
    const QString afterFirst = parcelNumber.mid(firstHyphen + 1, MaxPart);
    const qsizetype secondHyphen = afterFirst.indexOf(u'-');
    parts.second = afterFirst.left(qMax<qsizetype>(secondHyphen, 0));
    parts.rest = afterFirst.mid(secondHyphen + 1, MaxPart);
    return parts;
}

QString houseAndStreet(const CalcContext& ctx, int row) {
    return assetCell(ctx, row, assetColumn::RealtyHouseNumber) + u' ' +
           assetCell(ctx, row, assetColumn::RealtyStreetName);
}

void keepAssetCells(units::PageCopy& pc, int row, std::initializer_list<CellToSlot> cells) {
    for (const CellToSlot& c : cells) pc.keep(c.slot, assetCell(pc.ctx(), row, c.column));
}

void keepTexts(units::PageCopy& pc, std::initializer_list<TextToSlot> texts) {
    for (const TextToSlot& t : texts) pc.keep(t.slot, t.text);
}

}  // namespace wm4::transfer
