// The motor-vehicle papers: BMV 3773, BMV 3774 and the court's Form 9.C.
#include "calc/today.h"
#include "calc/transfer/asset_details.h"
#include "calc/transfer/transfer_rows.h"
#include "calc/transfer/transfer_units.h"
#include "case/conversions.h"
#include "forms/page097.h"
#include "forms/page098.h"
#include "forms/page127.h"

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
    PageCopy pc(ctx, page97::Page, copy);
    const QString spouseAddress =
        giAnswer(ctx, gi::SpouseStreet).isEmpty()
            ? QString()
            : giAnswer(ctx, gi::SpouseStreet) + QStringLiteral(", ") + spouseCityLine(ctx);
    keepTexts(pc, {{page97::CountyVenue, "WENDMOOR"},
                   {page97::Date, todayShortDate(ctx)},
                   {page97::Decedent, giAnswer(ctx, gi::DecedentName)},
                   {page97::CountyOfTheDecedentResidence, "WENDMOOR"},
                   {page97::DecedentFullName, decedentFullName(ctx)},
                   {page97::DateOfDeath, giAnswer(ctx, gi::DeathDate)},
                   {page97::SurvivingSpouseAffiant, giAnswer(ctx, gi::SpouseName).toUpper()},
                   {page97::SpouseAddress, spouseAddress}});
    pc.put(page97::DecedentHeOrShe, decedentPronoun(ctx));
    // An intestate estate has no will to pass the vehicles by.
    pc.put(page97::VehiclesOwned,
           caseHoldsAWill(ctx)
               ? QStringLiteral(
                     "owned these motor vehicle(s), which did not pass to anyone else by the will:")
               : QStringLiteral("owned these motor vehicle(s):"));

    // Without a marked vehicle the lines keep what the user typed.
    constexpr int kVehicleLines[] = {page97::FirstVehicle.start, page97::SecondVehicle.start};
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
    pc.keep(page97::TotalValueOfTheVehiclesTaken, FormatAmount(total));
}

void Calc98(CalcContext& ctx, int copy) {
    const int row = assetRowOfCopy(ctx, assetColumn::ToBmv3774, copy);
    if (row < 0) return;
    PageCopy pc(ctx, page98::Page, copy);
    keepTexts(pc, {{page98::TransferFromTheEstateOfADecedent, "X"},
                   {page98::HowObtained, "inherited/purchased from decedent's estate"},
                   {page98::PreviousOwner, decedentFullName(ctx) + ", deceased"},
                   {page98::PreviousOwnerAddress, decedentAddressLine(ctx)}});
    keepAssetCells(pc, row,
                   {{page98::PreviousTitleNumber, assetColumn::VehicleTitleNumber},
                    {page98::Year, assetColumn::VehicleYear},
                    {page98::VehicleIdentificationNumber, assetColumn::VehicleSerialNumber},
                    {page98::Model, assetColumn::VehicleModel},
                    {page98::BodyType, assetColumn::VehicleBodyType},
                    {page98::Make, assetColumn::VehicleMake},
                    {page98::Value, assetColumn::Value}});

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
    pc.keep(page98::FurtherApplicantsMoreThanTwoDistributees, further.join(QStringLiteral(" | ")));
    // The first applicant signs: the name as the page shows it, without the
    // share computed beside it.
    pc.keep(page98::SignedBy,
            pc.overridden(page98::Applicant)
                ? pc.text(page98::Applicant)
                : kinCell(ctx, found.empty() ? -1 : found.front().kinRow, kinColumn::Name));
}

void Calc127(CalcContext& ctx, int copy) {
    const int row = assetRowOfCopy(ctx, assetColumn::ToForm9_C, copy);
    if (row < 0) return;
    PageCopy pc(ctx, page127::Page, copy);
    pc.caption();
    pc.keep(page127::MotorVehicle, "X");
    keepAssetCells(pc, row,
                   {{page127::BodyType, assetColumn::VehicleBodyType},
                    {page127::Make, assetColumn::VehicleMake},
                    {page127::Year, assetColumn::VehicleYear},
                    {page127::Manufacturer, assetColumn::VehicleManufacturer},
                    {page127::Length, assetColumn::VehicleLength},
                    {page127::Model, assetColumn::VehicleModel},
                    {page127::SerialNumber, assetColumn::VehicleSerialNumber},
                    {page127::TitleNumber, assetColumn::VehicleTitleNumber},
                    {page127::Horsepower, assetColumn::VehicleHorsepower},
                    {page127::Transferee, assetColumn::Distributees}});
    // The transferee is searched in the slot, so an overridden distributee
    // text names the transferee too. The court's form compares upper case.
    const int kinRow = findTransferee(ctx, pc.text(page127::Transferee), NameMatch::UpperCased);
    keepTexts(pc, {{page127::StreetAddress, kinCell(ctx, kinRow, kinColumn::Street)},
                   {page127::CityStateAndZIP, kinCell(ctx, kinRow, kinColumn::CityStateZip)},
                   {page127::Fiduciary, fiduciaryNames(ctx)}});
    pc.inherit(page127::DateSigned, page127::FurtherOrderOfTheCourt);
    pc.putGi(page127::Attorney, gi::AttorneyName);
    pc.putGi(page127::AttorneyRegistrationNumber, gi::AttorneyRegistration);
    if (copy == 0) pc.putGi(page127::Judge, gi::Judge);
}

}  // namespace wm4
