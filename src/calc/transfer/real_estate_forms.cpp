// The real-estate papers: the conveyance-fee statement DTE100, its exemption
// statement DTE100EX, and the surviving spouse's affidavit.
#include "calc/today.h"
#include "calc/transfer/asset_details.h"
#include "calc/transfer/transfer_rows.h"
#include "calc/transfer/transfer_units.h"
#include "forms/page057.h"
#include "forms/page100.h"
#include "forms/page102.h"
#include "forms/page196.h"

namespace wm4 {

using namespace units;
using namespace transfer;

namespace {

// House number, street and the city-state-ZIP line of a parcel.
QString fullAddress(const CalcContext& ctx, int row) {
    return houseAndStreet(ctx, row) + ", " + assetCell(ctx, row, assetColumn::RealtyCityStateZip);
}

// The parcel number's three parts, kept writes into three slots in a row.
void keepParcelParts(PageCopy& pc, int row, int firstSlot) {
    const ParcelParts parts =
        splitParcelNumber(assetCell(pc.ctx(), row, assetColumn::RealtyParcelNumber));
    keepTexts(
        pc, {{firstSlot, parts.first}, {firstSlot + 1, parts.second}, {firstSlot + 2, parts.rest}});
}

// The share the certificate of transfer of the same parcel (12.1, the same
// copy: both follow the rows sent to 12.0) states for `name`, as the user
// typed it there; empty when it states none.
QString certificateShare(const PageCopy& pc, const QString& name) {
    constexpr int kPersonStride = 5, kShare = 4;
    const TAnswer& a = pc.ctx().A();
    for (int first = page57::Persons.start; first + kShare <= page57::Persons.last() + 1;
         first += kPersonStride)
        if (!name.isEmpty() && a.answer(page57::Page, pc.copy(), first) == name)
            return a.answer(page57::Page, pc.copy(), first + kShare).trimmed();
    return QString();
}

// The parcel's grantees: the first with its share and address in the
// form's grantee line, every further one on its own line of the multi-line
// slot `furtherSlot` ("Further grantees:" first), so a parcel left to
// several devisees names all of them. Everything is empty when the
// distributees name nobody of the kin worksheet.
void keepGrantees(PageCopy& pc, int row, int nameSlot, int addressSlot, int furtherSlot) {
    const CalcContext& ctx = pc.ctx();
    std::vector<Grantee> grantees =
        findGrantees(ctx, assetCell(ctx, row, assetColumn::Distributees));
    for (Grantee& g : grantees)
        if (g.share.isEmpty())
            g.share = certificateShare(pc, kinCell(ctx, g.kinRow, kinColumn::Name));
    const Grantee first = grantees.empty() ? Grantee{-1, QString()} : grantees.front();
    QStringList further;
    for (size_t i = 1; i < grantees.size(); ++i)
        further << granteeWithShare(ctx, grantees[i]) + QStringLiteral(", ") +
                       kinAddress(ctx, grantees[i].kinRow);
    if (!further.isEmpty()) further.prepend(QStringLiteral("Further grantees:"));
    keepTexts(pc, {{nameSlot, first.kinRow < 0 ? QString() : granteeWithShare(ctx, first)},
                   {addressSlot, kinAddress(ctx, first.kinRow)},
                   {furtherSlot, further.join(QStringLiteral(" | "))}});
}

// The "Property conveyed" line of DTE 100EX.
constexpr TextFont kPropertyConveyedFont{"Arial", 10, 5.5};

// The city of a "City, State ZIP" line: the text before its first comma.
QString cityOf(const QString& cityStateZip) {
    return cityStateZip.section(u',', 0, 0).trimmed();
}

}  // namespace

void Calc100(CalcContext& ctx, int copy) {
    const int row = assetRowOfCopy(ctx, assetColumn::ToForm12_0, copy);
    if (row < 0) return;
    PageCopy pc(ctx, page100::Page, copy);
    keepParcelParts(pc, row, page100::ParcelNumberFirstPart);
    // The parcel number once more, as the parcel's first line repeats it.
    for (int part = 0; part < 3; ++part)
        pc.put(page100::ParcelFirstPart + part, pc.text(page100::ParcelNumberFirstPart + part));

    const bool hasHouseNumber = !assetCell(ctx, row, assetColumn::RealtyHouseNumber).isEmpty();
    keepTexts(pc, {{page100::CityOrTownship, giAnswer(ctx, gi::DecedentCity)},
                   {page100::Grantor, "Estate of " + giAnswer(ctx, gi::DecedentName)},
                   // The estate conveys: its fiduciary answers the telephone.
                   {page100::GrantorTelephone, giAnswer(ctx, gi::FiduciaryPhone)},
                   {page100::PropertyAddress, hasHouseNumber ? fullAddress(ctx, row) : QString()},
                   {page100::Date, todayShortDate(ctx)}});
    keepGrantees(pc, row, page100::Grantee, page100::GranteeAddress,
                 page100::FurtherGranteesWithTheirShares);
    // A transfer from a decedent's estate pays no conveyance fee: the
    // statement of reason (DTE 100EX) goes with it for the same parcel.
    pc.keep(page100::TheConveyanceIsExemptStatementOfReasonDTE100EX, QStringLiteral("X"));

    // The amounts the user types in 57, 58, 59 and 61, added as printed.
    pc.putAmount(page100::TotalConsideration, pc.amount(page100::Cash) +
                                                  pc.amount(page100::MortgageAssumed) +
                                                  pc.amount(page100::OtherPropertyOrServices));
    pc.putAmount(page100::Total,
                 pc.amount(page100::TotalConsideration) + pc.amount(page100::MarketValueIfAGift));
}

void Calc196(CalcContext& ctx, int copy) {
    const int row = assetRowOfCopy(ctx, assetColumn::ToForm12_0, copy);
    if (row < 0) return;
    PageCopy pc(ctx, page196::Page, copy);
    keepAssetCells(pc, row,
                   {{page196::CityStateAndZIP, assetColumn::RealtyCityStateZip},
                    {page196::DeedVolume, assetColumn::RealtyVolume},
                    {page196::DeedPage, assetColumn::RealtyPage}});
    keepParcelParts(pc, row, page196::ParcelNumberFirstPart);
    // The address prints on two lines, street (16) above the city line (3);
    // the property conveyed is the parcel as the asset worksheet describes it.
    keepTexts(
        pc,
        {{1, "Estate of " + giAnswer(ctx, gi::DecedentName)},
         {16, houseAndStreet(ctx, row).trimmed()},
         {17, firstLine(ctx, assetCell(ctx, row, assetColumn::Description), kPropertyConveyedFont)},
         {49, todayShortDate(ctx)}});
    // A parcel sent to Form 12.0 passes by the court's certificate of
    // transfer: that reason is ticked unless the user chose another.
    bool reasonChosen = false;
    for (int slot = page196::ExemptionReasons.start; slot <= page196::ExemptionReasons.last();
         ++slot)
        reasonChosen |= pc.isX(slot);
    if (!reasonChosen) pc.keep(page196::CertificateOfTransfer, QStringLiteral("X"));
    keepGrantees(pc, row, page196::Grantee, page196::GranteeAddress,
                 page196::FurtherGranteesWithTheirShares);
}

void Calc102(CalcContext& ctx, int copy) {
    const int row = assetRowOfCopy(ctx, assetColumn::ToSpouseAffidavit, copy);
    if (row < 0) return;
    PageCopy pc(ctx, page102::Page, copy);
    const QString& spouse = giAnswer(ctx, gi::SpouseName);
    keepTexts(pc, {{page102::CountyVenue, "WENDMOOR"},
                   {page102::Affiant, spouse},
                   {page102::WordingDeposesAndSays, "deposes and says"},
                   {page102::SurvivingSpouse, spouse},
                   {page102::WordingSurvivingSpouse, "surviving spouse"},
                   {page102::Address, houseAndStreet(ctx, row)},
                   {page102::CityVillageOrTownship, "City"},
                   {page102::County, "Wendmoor"},
                   {page102::CountyOfTheDeedRecords, "Wendmoor"},
                   {page102::WordingTheUndersignedHas, "The undersigned has"},
                   {page102::DecedentResidence, giAnswer(ctx, gi::DecedentCity) + ", Ohio"},
                   {page102::WordingIs, "is"},
                   {page102::WordingOwner, "owner"},
                   {page102::WordingAsks, "asks"},
                   {page102::Attorney, giAnswer(ctx, gi::AttorneyName)},
                   {page102::Title, "Attorney at Law"},
                   {page102::PreparedByStreet, giAnswer(ctx, gi::AttorneyStreet)},
                   {page102::CityStateAndZIP, attorneyCityLine(ctx)},
                   {page102::Telephone, giAnswer(ctx, gi::AttorneyPhone)}});
    keepAssetCells(pc, row,
                   {{page102::PermanentParcelNumber, assetColumn::RealtyParcelNumber},
                    {page102::ParcelStreet, assetColumn::RealtyStreetName},
                    {page102::Frontage, assetColumn::RealtyFrontage},
                    {page102::Sublot, assetColumn::RealtySublot},
                    {page102::HouseNumber, assetColumn::RealtyHouseNumber},
                    {page102::DeedVolume, assetColumn::RealtyVolume},
                    {page102::DeedPage, assetColumn::RealtyPage},
                    {page102::LotNumber, assetColumn::RealtyLotNumber},
                    {page102::Depth, assetColumn::RealtyDepth},
                    {page102::Acreage, assetColumn::RealtyAcreage},
                    {page102::Subdivision, assetColumn::RealtySubdivision}});
    // Item 3 is the affiant's own statement: offered, never written over.
    pc.offer(page102::StatementAboutRemarriage,
             QStringLiteral("survived the decedent as the decedent's surviving spouse."));
    // "in the City of Ellery": the city alone, not its state and ZIP.
    pc.keep(page102::ParcelCity, cityOf(assetCell(ctx, row, assetColumn::RealtyCityStateZip)));
    pc.put(page102::Decedent, decedentFullName(ctx));
    pc.putGi(page102::DateOfDeath, gi::DeathDate);
    // The deponent as the page shows it (slot 4 may be overridden).
    pc.put(page102::Spouse, pc.text(page102::SurvivingSpouse));
    pc.keep(page102::SignatureName, pc.text(page102::SurvivingSpouse).toUpper());
}

}  // namespace wm4
