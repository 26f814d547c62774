// The motor-vehicle papers: BMV 3773, BMV 3774 and the court's Form 9.C.
#include "calc/transfer/asset_details.h"
#include "calc/today.h"
#include "calc/transfer/transfer_rows.h"
#include "calc/transfer/transfer_units.h"

namespace wm4 {

using namespace units;
using namespace transfer;

void Calc97(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 97, copy);
    keepTexts(pc, {{0, "WENDMOOR"},
                   {1, todayShortDate(ctx)},
                   {2, giAnswer(ctx, gi::DecedentName)},
                   {3, "WENDMOOR"},
                   {5, decedentFullName(ctx)},
                   {6, giAnswer(ctx, gi::DeathDate)},
                   {22, giAnswer(ctx, gi::FiduciaryName).toUpper()}});
    pc.put(4, giAnswer(ctx, gi::DecedentGenderMark) == u"X" ? "she" : "he");

    // One affidavit: the first vehicle marked for it. Without one, the
    // vehicle lines keep what the user typed on the page.
    const int row = assetRowOfCopy(ctx, assetColumn::ToBmv3773, 0);
    if (row < 0) return;
    keepAssetCells(pc, row,
                   {{8, assetColumn::VehicleYear},
                    {9, assetColumn::VehicleSerialNumber},
                    {10, assetColumn::VehicleMake},
                    {11, assetColumn::VehicleBodyType},
                    {12, assetColumn::VehicleModel},
                    {13, assetColumn::VehicleTitleNumber},
                    {14, assetColumn::Value}});
}

void Calc98(CalcContext& ctx, int copy) {
    const int row = assetRowOfCopy(ctx, assetColumn::ToBmv3774, copy);
    if (row < 0) return;
    PageCopy pc(ctx, 98, copy);
    keepTexts(pc, {{6, "X"},
                   {8, "inherited/purchased from decedent's estate"},
                   {9, decedentFullName(ctx) + ", deceased"},
                   {10, giAnswer(ctx, gi::DecedentStreet) + ", " + giAnswer(ctx, gi::DecedentCity) +
                            "  " + giAnswer(ctx, gi::DecedentState) + "  " +
                            giAnswer(ctx, gi::DecedentZip)}});
    keepAssetCells(pc, row,
                   {{7, assetColumn::VehicleTitleNumber},
                    {26, assetColumn::VehicleYear},
                    {27, assetColumn::VehicleSerialNumber},
                    {28, assetColumn::VehicleModel},
                    {29, assetColumn::VehicleBodyType},
                    {30, assetColumn::VehicleMake},
                    {32, assetColumn::Value}});

    // Two transferees, in the order of the kin rows. A transferee not found
    // leaves its lines empty rather than showing another vehicle's buyer.
    const std::vector<int> found =
        findTransferees(ctx, assetCell(ctx, row, assetColumn::Distributees), 2);
    for (int t = 0; t < 2; ++t) {
        const int kinRow = t < int(found.size()) ? found[size_t(t)] : -1;
        keepTexts(pc, {{3 * t, kinCell(ctx, kinRow, kinColumn::Name)},
                       {3 * t + 1, kinCell(ctx, kinRow, kinColumn::SocialSecurity)},
                       {3 * t + 2, kinAddress(ctx, kinRow)}});
    }
    pc.keep(44, pc.text(0));
}

void Calc127(CalcContext& ctx, int copy) {
    const int row = assetRowOfCopy(ctx, assetColumn::ToForm9_C, copy);
    if (row < 0) return;
    PageCopy pc(ctx, 127, copy);
    pc.caption();
    pc.keep(4, "X");
    keepAssetCells(pc, row,
                   {{10, assetColumn::VehicleBodyType},
                    {11, assetColumn::VehicleMake},
                    {12, assetColumn::VehicleYear},
                    {13, assetColumn::VehicleManufacturer},
                    {14, assetColumn::VehicleLength},
                    {15, assetColumn::VehicleModel},
                    {16, assetColumn::VehicleSerialNumber},
                    {17, assetColumn::VehicleTitleNumber},
                    {18, assetColumn::VehicleHorsepower},
                    {24, assetColumn::Distributees}});
    // The transferee is searched in the slot, so an overridden distributee
    // text names the transferee too. The court's form compares upper case.
    const int kinRow = findTransferee(ctx, pc.text(24), NameMatch::UpperCased);
    keepTexts(pc, {{25, kinCell(ctx, kinRow, kinColumn::Street)},
                   {26, kinCell(ctx, kinRow, kinColumn::CityStateZip)},
                   {27, fiduciaryNames(ctx)}});
    pc.inherit(28, 33);
    pc.putGi(34, gi::AttorneyName);
    pc.putGi(35, gi::AttorneyRegistration);
    if (copy == 0) pc.putGi(36, gi::Judge);
}

}  // namespace wm4
