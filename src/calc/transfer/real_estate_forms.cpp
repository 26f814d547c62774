// The real-estate papers: the conveyance-fee statement DTE100, its exemption
// statement DTE100EX, and the surviving spouse's affidavit.
#include "calc/today.h"
#include "calc/transfer/asset_details.h"
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

// The parcel's grantees: the first with its share and address in the
// form's grantee line, every further one on its own line of the multi-line
// slot `furtherSlot` ("Further grantees:" first), so a parcel left to
// several devisees names all of them. Everything is empty when the
// distributees name nobody of the kin worksheet.
void keepGrantees(PageCopy& pc, int row, int nameSlot, int addressSlot, int furtherSlot) {
    const CalcContext& ctx = pc.ctx();
    const std::vector<Grantee> grantees =
        findGrantees(ctx, assetCell(ctx, row, assetColumn::Distributees));
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
    PageCopy pc(ctx, 100, copy);
    keepParcelParts(pc, row, 0);
    for (int part = 0; part < 3; ++part) pc.put(11 + part, pc.text(part));

    const bool hasHouseNumber = !assetCell(ctx, row, assetColumn::RealtyHouseNumber).isEmpty();
    keepTexts(pc, {{8, giAnswer(ctx, gi::DecedentCity)},
                   {25, "Estate of " + giAnswer(ctx, gi::DecedentName)},
                   // The estate conveys: its fiduciary answers the telephone.
                   {26, giAnswer(ctx, gi::FiduciaryPhone)},
                   {30, hasHouseNumber ? fullAddress(ctx, row) : QString()},
                   {77, todayShortDate(ctx)}});
    keepGrantees(pc, row, 27, 29, 63);
    // A transfer from a decedent's estate pays no conveyance fee: the
    // statement of reason (DTE 100EX) goes with it for the same parcel.
    pc.keep(20, QStringLiteral("X"));

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
    constexpr int kFirstReason = 18, kLastReason = 27, kCertificateOfTransfer = 26;
    bool reasonChosen = false;
    for (int slot = kFirstReason; slot <= kLastReason; ++slot) reasonChosen |= pc.isX(slot);
    if (!reasonChosen) pc.keep(kCertificateOfTransfer, QStringLiteral("X"));
    keepGrantees(pc, row, 13, 15, 50);
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
                   {13, "survived the decedent as the decedent's surviving spouse."},
                   {28, giAnswer(ctx, gi::DecedentCity) + ", Ohio"},
                   {30, "is"},
                   {31, "sole distributee"},
                   {32, "asks"},
                   {41, giAnswer(ctx, gi::AttorneyName)},
                   {42, "Attorney at Law"},
                   {43, giAnswer(ctx, gi::AttorneyStreet)},
                   {44, attorneyCityLine(ctx)},
                   {45, giAnswer(ctx, gi::AttorneyPhone)}});
    keepAssetCells(pc, row,
                   {{11, assetColumn::RealtyParcelNumber},
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
    // "in the City of Ellery": the city alone, not its state and ZIP.
    pc.keep(9, cityOf(assetCell(ctx, row, assetColumn::RealtyCityStateZip)));
    pc.put(26, decedentFullName(ctx));
    pc.putGi(27, gi::DeathDate);
    // The deponent as the page shows it (slot 4 may be overridden).
    pc.put(29, pc.text(4));
    pc.keep(33, pc.text(4).toUpper());
}

}  // namespace wm4
