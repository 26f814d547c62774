// The real-estate papers: the conveyance-fee statement DTE100, its exemption
// statement DTE100EX, and the surviving spouse's affidavit.
#include "calc/transfer/asset_details.h"
#include "calc/today.h"
#include "calc/transfer/transfer_rows.h"
#include "calc/transfer/transfer_units.h"

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

// A transferee's name and address; both empty when the distributees name
// nobody of the kin worksheet.
void keepTransferee(PageCopy& pc, int row, int nameSlot, int addressSlot) {
    const int kinRow =
        findTransferee(pc.ctx(), assetCell(pc.ctx(), row, assetColumn::Distributees));
    keepTexts(pc, {{nameSlot, kinCell(pc.ctx(), kinRow, kinColumn::Name)},
                   {addressSlot, kinAddress(pc.ctx(), kinRow)}});
}

}  // namespace

void Calc100(CalcContext& ctx, int copy) {
    const int row = assetRowOfCopy(ctx, assetColumn::ToForm12_0, copy);
    if (row < 0) return;
    PageCopy pc(ctx, 100, copy);
    keepParcelParts(pc, row, 0);
    for (int part = 0; part < 3; ++part) pc.put(11 + part, pc.text(part));

    const bool hasHouseNumber = !assetCell(ctx, row, assetColumn::RealtyHouseNumber).isEmpty();
    keepTexts(pc, {{8, giAnswer(ctx, gi::DecedentCity)},
                   {25, "Estate of " + giAnswer(ctx, gi::DecedentName)},
                   {26, giAnswer(ctx, gi::AttorneyPhone)},
                   {30, hasHouseNumber ? fullAddress(ctx, row) : QString()},
                   {77, todayShortDate(ctx)}});
    keepTransferee(pc, row, 27, 29);

    // The amounts the user types in 57, 58, 59 and 61, added as printed.
    pc.putAmount(60, pc.amount(57) + pc.amount(58) + pc.amount(59));
    pc.putAmount(62, pc.amount(60) + pc.amount(61));
}

void Calc196(CalcContext& ctx, int copy) {
    const int row = assetRowOfCopy(ctx, assetColumn::ToForm12_0, copy);
    if (row < 0) return;
    PageCopy pc(ctx, 196, copy);
    keepAssetCells(pc, row,
                   {{3, assetColumn::RealtyCityStateZip},
                    {6, assetColumn::RealtyVolume},
                    {7, assetColumn::RealtyPage}});
    keepParcelParts(pc, row, 8);
    pc.keep(16, fullAddress(ctx, row));
    keepTexts(pc, {{17, pc.text(16)}, {49, todayShortDate(ctx)}});
    keepTransferee(pc, row, 13, 15);
}

void Calc102(CalcContext& ctx, int copy) {
    const int row = assetRowOfCopy(ctx, assetColumn::ToSpouseAffidavit, copy);
    if (row < 0) return;
    PageCopy pc(ctx, 102, copy);
    const QString& spouse = giAnswer(ctx, gi::SpouseName);
    keepTexts(pc, {{1, "WENDMOOR"},
                   {2, spouse},
                   {3, "deposes and says"},
                   {4, spouse},
                   {5, "surviving spouse"},
                   {7, houseAndStreet(ctx, row)},
                   {8, "City"},
                   {10, "Wendmoor"},
                   {12, "Wendmoor"},
                   {15, "The undersigned has"},
                   {28, giAnswer(ctx, gi::DecedentCity) + ", Ohio"},
                   {30, "is"},
                   {31, "owner"},
                   {32, "asks"},
                   {41, giAnswer(ctx, gi::AttorneyName)},
                   {42, "Attorney at Law"},
                   {43, giAnswer(ctx, gi::AttorneyStreet)},
                   {44, attorneyCityLine(ctx)},
                   {45, giAnswer(ctx, gi::AttorneyPhone)}});
    keepAssetCells(pc, row,
                   {{9, assetColumn::RealtyCityStateZip},
                    {11, assetColumn::RealtyParcelNumber},
                    {16, assetColumn::RealtyStreetName},
                    {17, assetColumn::RealtyFrontage},
                    {18, assetColumn::RealtySublot},
                    {19, assetColumn::RealtyHouseNumber},
                    {20, assetColumn::RealtyVolume},
                    {21, assetColumn::RealtyPage},
                    {22, assetColumn::RealtyLotNumber},
                    {23, assetColumn::RealtyDepth},
                    {24, assetColumn::RealtyAcreage},
                    {25, assetColumn::RealtySubdivision}});
    pc.put(26, decedentFullName(ctx));
    pc.putGi(27, gi::DeathDate);
    // The deponent as the page shows it (slot 4 may be overridden).
    pc.put(29, pc.text(4));
    pc.keep(33, pc.text(4).toUpper());
}

}  // namespace wm4
