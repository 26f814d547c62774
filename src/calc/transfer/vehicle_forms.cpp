// The motor-vehicle papers: BMV 3773, BMV 3774 and the court's Form 9.C.
#include "calc/today.h"
#include "calc/transfer/asset_details.h"
#include "calc/transfer/transfer_rows.h"
#include "calc/transfer/transfer_units.h"
#include "case/conversions.h"

namespace wm4 {

using namespace units;
using namespace transfer;

namespace {

// The decedent's pronoun in "At death he owned": the first General
// Information mark says the decedent is the husband, the second that the
// decedent is a woman. With neither, the spouse's kin row tells (a widow's
// husband, a widower's wife); else the form reads "he or she".
QString decedentPronoun(const CalcContext& ctx) {
    if (giAnswer(ctx, gi::DecedentGenderMark) == u"X") return QStringLiteral("he");
    if (giAnswer(ctx, gi::DecedentGenderMark2) == u"X") return QStringLiteral("she");
    const QString spouse = spouseKinGender(ctx);
    if (spouse == u"F") return QStringLiteral("he");
    if (spouse == u"M") return QStringLiteral("she");
    return QStringLiteral("he or she");
}

// The vehicle lines of BMV 3773: year, VIN, make, body, model, title
// number and value, seven slots in a row.
void keepVehicleLine(PageCopy& pc, int row, int firstSlot) {
    keepAssetCells(pc, row,
                   {{firstSlot, assetColumn::VehicleYear},
                    {firstSlot + 1, assetColumn::VehicleSerialNumber},
                    {firstSlot + 2, assetColumn::VehicleMake},
                    {firstSlot + 3, assetColumn::VehicleBodyType},
                    {firstSlot + 4, assetColumn::VehicleModel},
                    {firstSlot + 5, assetColumn::VehicleTitleNumber},
                    {firstSlot + 6, assetColumn::Value}});
}

}  // namespace

// BMV 3773: the surviving spouse swears to it, so the spouse is the affiant;
// the first two vehicles marked for it are the ones the spouse takes.
void Calc97(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 97, copy);
    const QString spouseAddress =
        giAnswer(ctx, gi::SpouseStreet).isEmpty()
            ? QString()
            : giAnswer(ctx, gi::SpouseStreet) + QStringLiteral(", ") + spouseCityLine(ctx);
    keepTexts(pc, {{0, "WENDMOOR"},
                   {1, todayShortDate(ctx)},
                   {2, giAnswer(ctx, gi::DecedentName)},
                   {3, "WENDMOOR"},
                   {5, decedentFullName(ctx)},
                   {6, giAnswer(ctx, gi::DeathDate)},
                   {22, giAnswer(ctx, gi::SpouseName).toUpper()},
                   {23, spouseAddress}});
    pc.put(4, decedentPronoun(ctx));

    // Without a marked vehicle the lines keep what the user typed.
    constexpr int kVehicleLines[] = {8, 15};
    double total = 0;
    bool anyVehicle = false;
    for (int v = 0; v < 2; ++v) {
        const int row = assetRowOfCopy(ctx, assetColumn::ToBmv3773, v);
        if (row < 0) continue;
        keepVehicleLine(pc, row, kVehicleLines[v]);
        anyVehicle = true;
    }
    if (!anyVehicle) return;
    for (int first : kVehicleLines) total += pc.amount(first + 6);
    pc.keep(7, FormatAmount(total));
}

void Calc98(CalcContext& ctx, int copy) {
    const int row = assetRowOfCopy(ctx, assetColumn::ToBmv3774, copy);
    if (row < 0) return;
    PageCopy pc(ctx, 98, copy);
    keepTexts(pc, {{6, "X"},
                   {8, "inherited/purchased from decedent's estate"},
                   {9, decedentFullName(ctx) + ", deceased"},
                   {10, decedentAddressLine(ctx)}});
    keepAssetCells(pc, row,
                   {{7, assetColumn::VehicleTitleNumber},
                    {26, assetColumn::VehicleYear},
                    {27, assetColumn::VehicleSerialNumber},
                    {28, assetColumn::VehicleModel},
                    {29, assetColumn::VehicleBodyType},
                    {30, assetColumn::VehicleMake},
                    {32, assetColumn::Value}});

    // Two applicants on the form's lines, in the order of the kin rows, each
    // with the share taken; a transferee not found leaves its lines empty
    // rather than showing another vehicle's buyer. Further applicants are
    // continued below the second, one line each.
    const std::vector<Grantee> found =
        findGrantees(ctx, assetCell(ctx, row, assetColumn::Distributees));
    for (int t = 0; t < 2; ++t) {
        const bool named = t < int(found.size());
        const int kinRow = named ? found[size_t(t)].kinRow : -1;
        keepTexts(pc, {{3 * t, named ? granteeWithShare(ctx, found[size_t(t)]) : QString()},
                       {3 * t + 1, kinCell(ctx, kinRow, kinColumn::SocialSecurity)},
                       {3 * t + 2, kinAddress(ctx, kinRow)}});
    }
    QStringList further;
    for (size_t t = 2; t < found.size(); ++t)
        further << granteeWithShare(ctx, found[t]) + QStringLiteral(", ") +
                       kinAddress(ctx, found[t].kinRow);
    if (!further.isEmpty()) further.prepend(QStringLiteral("Further applicants:"));
    pc.keep(45, further.join(QStringLiteral(" | ")));
    // The first applicant signs: the name as the page shows it, without the
    // share computed beside it.
    pc.keep(44, pc.overridden(0)
                    ? pc.text(0)
                    : kinCell(ctx, found.empty() ? -1 : found.front().kinRow, kinColumn::Name));
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
