// The affidavit of domicile and the stock power of attorney.
#include "calc/today.h"
#include "calc/transfer/asset_details.h"
#include "calc/transfer/transfer_rows.h"
#include "calc/transfer/transfer_units.h"
#include "forms/page104.h"
#include "forms/page115.h"

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
    PageCopy pc(ctx, page104::Page, copy);
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
    keepTexts(pc, {{page104::CountyVenue, "WENDMOOR"},
                   {page104::Fiduciary, giAnswer(ctx, gi::FiduciaryName)},
                   {page104::FiduciaryAddress,
                    giAnswer(ctx, gi::FiduciaryStreet) + ", " + fiduciaryCityLine(ctx)},
                   {page104::FiduciaryTitle, giAnswer(ctx, gi::FiduciaryTitle)},
                   {page104::StateOfDomicile, "Ohio"},
                   {page104::DateOfDeath, giAnswer(ctx, gi::DeathDate)},
                   {page104::HisOrHer, pronoun},
                   {page104::AddressAtDeath,
                    giAnswer(ctx, gi::DecedentStreet) + ", " + decedentCityLine(ctx)},
                   // The notary signs and prints a name over "Notary public".
                   {page104::Notary, ""},
                   {page104::Attorney, giAnswer(ctx, gi::AttorneyName)},
                   {page104::Title, "Attorney at Law"},
                   {page104::Street, giAnswer(ctx, gi::AttorneyStreet)},
                   {page104::CityStateAndZIP, attorneyCityLine(ctx)},
                   {page104::Telephone, giAnswer(ctx, gi::AttorneyPhone)}});
    // The decedent's name is a line the user types; the full name is offered.
    pc.offer(page104::DecedentName, decedentFullName(ctx));
    pc.put(page104::SignatureName, pc.text(page104::Fiduciary).toUpper());
}

void Calc115(CalcContext& ctx, int copy) {
    const int row = assetRowOfCopy(ctx, assetColumn::ToStockPower, copy);
    if (row < 0) return;
    PageCopy pc(ctx, page115::Page, copy);
    keepAssetCells(pc, row,
                   {{page115::NumberOfShares, assetColumn::StockShares},
                    {page115::Class, assetColumn::StockShareClass},
                    {page115::Corporation, assetColumn::StockCorporation},
                    {page115::CertificateNumber, assetColumn::StockCertificate}});
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
    keepTexts(
        pc,
        {{page115::Transferee, found.empty() ? QString() : granteeWithShare(ctx, found.front())},
         {page115::Address, kinAddress(ctx, kinRow)},
         {page115::SocialSecurityNumber, socialSecurity},
         {page115::FurtherTransfereesWithTheirShares, further.join(QStringLiteral(" | "))},
         {page115::Date, todayShortDate(ctx)},
         // Every fiduciary signs the power; the capacity under it.
         {page115::Fiduciary, fiduciaryNames(ctx).toUpper()},
         {page115::FiduciaryCapacity, fiduciaryCapacity(ctx)}});
}

}  // namespace wm4
