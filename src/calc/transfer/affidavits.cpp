// The affidavit of domicile and the stock power of attorney.
#include "calc/today.h"
#include "calc/transfer/asset_details.h"
#include "calc/transfer/transfer_rows.h"
#include "calc/transfer/transfer_units.h"

namespace wm4 {

using namespace units;
using namespace transfer;

namespace {

// "Executor and Co-Executor of the Estate of ...": the capacity in which the
// fiduciaries sign.
QString fiduciaryCapacity(const CalcContext& ctx) {
    QString titles = giAnswer(ctx, gi::FiduciaryTitle).isEmpty()
                         ? QStringLiteral("Fiduciary")
                         : giAnswer(ctx, gi::FiduciaryTitle);
    if (hasCoFiduciary(ctx) && !giAnswer(ctx, gi::CoFiduciaryTitle).isEmpty())
        titles += QStringLiteral(" and ") + giAnswer(ctx, gi::CoFiduciaryTitle);
    return titles + QStringLiteral(" of the Estate of ") + giAnswer(ctx, gi::DecedentName);
}

}  // namespace

void Calc104(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 104, copy);
    // The decedent's pronoun: "her" when the second mark is set, else "his"
    // when the first is, else as the spouse's kin row tells (a widow's
    // husband), else nothing (so a cleared mark clears the word).
    QString pronoun;
    if (giAnswer(ctx, gi::DecedentGenderMark2) == u"X")
        pronoun = QStringLiteral("her");
    else if (giAnswer(ctx, gi::DecedentGenderMark) == u"X")
        pronoun = QStringLiteral("his");
    else if (spouseKinGender(ctx) == u"F")
        pronoun = QStringLiteral("his");
    else if (spouseKinGender(ctx) == u"M")
        pronoun = QStringLiteral("her");
    keepTexts(pc, {{1, "WENDMOOR"},
                   {2, giAnswer(ctx, gi::FiduciaryName)},
                   {3, giAnswer(ctx, gi::FiduciaryStreet) + ", " + fiduciaryCityLine(ctx)},
                   {4, giAnswer(ctx, gi::FiduciaryTitle)},
                   {5, decedentFullName(ctx)},
                   {6, "Ohio"},
                   {7, giAnswer(ctx, gi::DeathDate)},
                   {8, pronoun},
                   {9, giAnswer(ctx, gi::DecedentStreet) + ", " + decedentCityLine(ctx)},
                   // The notary signs and prints a name over "Notary public".
                   {15, ""},
                   {16, giAnswer(ctx, gi::AttorneyName)},
                   {17, "Attorney at Law"},
                   {18, giAnswer(ctx, gi::AttorneyStreet)},
                   {19, attorneyCityLine(ctx)},
                   {20, giAnswer(ctx, gi::AttorneyPhone)}});
    pc.put(11, pc.text(2).toUpper());
}

void Calc115(CalcContext& ctx, int copy) {
    const int row = assetRowOfCopy(ctx, assetColumn::ToStockPower, copy);
    if (row < 0) return;
    PageCopy pc(ctx, 115, copy);
    keepAssetCells(pc, row,
                   {{3, assetColumn::StockShares},
                    {4, assetColumn::StockShareClass},
                    {5, assetColumn::StockCorporation},
                    {6, assetColumn::StockCertificate}});
    // Every transferee with the shares taken: the first on the form's lines,
    // the others continued one line each below them.
    const std::vector<Grantee> found =
        findGrantees(ctx, assetCell(ctx, row, assetColumn::Distributees));
    const int kinRow = found.empty() ? -1 : found.front().kinRow;
    const QString socialSecurity =
        kinRow < 0 ? QString()
                   : "Social Security No.: " + kinCell(ctx, kinRow, kinColumn::SocialSecurity);
    QStringList further;
    for (size_t t = 1; t < found.size(); ++t)
        further << granteeWithShare(ctx, found[t]) + QStringLiteral(", ") +
                       kinAddress(ctx, found[t].kinRow);
    if (!further.isEmpty()) further.prepend(QStringLiteral("and to:"));
    keepTexts(pc, {{0, found.empty() ? QString() : granteeWithShare(ctx, found.front())},
                   {1, kinAddress(ctx, kinRow)},
                   {2, socialSecurity},
                   {15, further.join(QStringLiteral(" | "))},
                   {13, todayShortDate(ctx)},
                   // Every fiduciary signs the power; the capacity under it.
                   {14, fiduciaryNames(ctx).toUpper()},
                   {8, fiduciaryCapacity(ctx)}});
}

}  // namespace wm4
