// Forms 6.0 back to 9.2: the inventory's waiver and notices, the family
// allowance and its apportionment, the surviving spouse's election and
// notices, the sale of personal property; Forms 7.0, 7.0(A) and 8.3 to 8.6.
#include <stdexcept>
#include <utility>

#include "calc/checks/item_capacity.h"
#include "calc/units/blocks.h"
#include "calc/units/categories.h"
#include "calc/units/item_continuation.h"
#include "calc/units/units.h"
#include "case/conversions.h"
#include "forms/page029.h"
#include "forms/page032.h"
#include "forms/page033.h"
#include "forms/page034.h"
#include "forms/page035.h"
#include "forms/page036.h"
#include "forms/page037.h"
#include "forms/page038.h"
#include "forms/page039.h"
#include "forms/page040.h"
#include "forms/page041.h"
#include "forms/page042.h"
#include "forms/page044.h"
#include "forms/page045.h"
#include "forms/page079.h"
#include "forms/page087.h"
#include "forms/page088.h"
#include "forms/page089.h"
#include "forms/page090.h"
#include "forms/page091.h"

namespace wm4::units {

namespace {

// The first line of `text`, ending in " ..." when the text goes on, so that
// a description cut to one line does not pass for the whole (the line
// leaves room for the mark).
QString firstLineMarked(CalcContext& ctx, const QString& text, const TextFont& font) {
    if (wrapLines(ctx, text, font).size() <= 1) return firstLine(ctx, text, font);
    constexpr double MarkInches = 0.2;  // " ..." in an 11-point narrow face
    const TextFont shorter{font.family, font.points, font.inches - MarkInches};
    return firstLine(ctx, text, shorter) + QStringLiteral(" ...");
}
const ItemCapacity& itemBox(quint16 errNo) {
    const ItemCapacity* box = itemCapacity(errNo);
    if (!box) throw std::logic_error("no item capacity with this message");
    return *box;
}

QString formattedValue(const WorksheetStore& assets, int row) {
    return FormatAmount(Str2Float_2(assets.cell(assetColumn::Value, row)));
}
}  // namespace

// 6.0 back, waiver.
void Calc29(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page29::Page, copy);
    pc.caseLine();
    // The spouse's joinder prints only when there is a spouse to join.
    pc.put(page29::SpouseJoinderWithASpouseOnly,
           hasSurvivingSpouse(ctx)
               ? giAnswer(ctx, gi::SpouseName) +
                     QStringLiteral(", the surviving spouse, joins in this waiver.")
               : QString());
    // Only a testate estate's spouse elects under or against the will.
    pc.put(page29::SpouseRightsTold,
           caseHoldsAWill(ctx)
               ? QStringLiteral("The surviving spouse has been told of the right to elect to take "
                                "under or against the will and of the automobiles that pass to "
                                "the spouse.")
               : QStringLiteral("The surviving spouse has been told of the spouse's rights in the "
                                "estate and of the automobiles that pass to the spouse."));
    if (!writeAllPersons(pc, kNameOnly)) return;
    pc.longDates({page29::DateOfTheHearing, page29::DateOfTheEntry});
    pc.judgeLine(page29::Judge);
}

// 6.2 waiver of notice of hearing on the inventory.
void Calc32(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page32::Page, copy);
    pc.caption();
    writeAllPersons(pc, kNameOnly);
}

// 6.3 notice of hearing on the inventory, one person a copy.
void Calc33(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page33::Page, copy);
    pc.caption();
    const int row = personOfCopy(ctx, kinColumn::ToForm6_3, copy);
    writePersons(pc, {page33::Notified.start, page33::Notified.count, 1, kNameAddress, false},
                 row >= 0 ? std::vector<int>{row} : std::vector<int>{});
    pc.inherit(page33::DateOfTheHearing, page33::PlaceOfTheHearing);
    pc.longDate(page33::DateOfTheHearing);
    pc.attorneyWithRegistration(page33::Attorney, page33::AttorneyRegistrationNumber, Write::Kept);
}

// 7.1 application for family allowance: one line per asset, five assets.
void Calc34(CalcContext& ctx, int copy) {
    constexpr TextFont kFont{"Arial Narrow", 11, 4.5};
    PageCopy pc(ctx, page34::Page, copy);
    const WorksheetStore& assets = ctx.data.ASchedList;
    const ItemCapacity& box = itemBox(30189);
    // The caption like every other court form (7.1 once printed without
    // estate and case number, and the clerk could not docket it).
    pc.caption();
    pc.clear(page34::Property.start, page34::Property.last(), Write::Kept);
    // The value of all the property set off, the lines beyond the five shown
    // included, so that the form states what the property covers of the
    // allowance (the total allowance is typed, slot 25).
    qint64 setOffCents = 0;
    for (int row : markedAssetRows(ctx, assetColumn::ToForm7_1))
        setOffCents += qRound64(Str2Float_2(assets.cell(assetColumn::Value, row)) * 100);
    const double setOff = double(setOffCents) / 100;
    if (setOffCents != 0)
        pc.putAmount(page34::TotalValueOfThePropertySetOff, setOff, Write::Kept);
    else
        pc.keep(page34::TotalValueOfThePropertySetOff, QString());
    ItemContinuation continued(pc, box);
    int k = 0;
    for (int row : markedAssetRows(ctx, assetColumn::ToForm7_1)) {
        if (continued.active()) {
            const QString entry = assets.cell(assetColumn::Description, row) +
                                  QStringLiteral("   ") + formattedValue(assets, row);
            if (!continued.fits(k, entry, page34::Property.start + 2 * k,
                                {page34::Property.start + 1 + 2 * k})) {
                ++k;
                continue;
            }
        } else if (!ItemFits(box, k)) {
            return;
        }
        const int slot = page34::Property.start + 2 * k++;  // property, value
        if (pc.overridden(slot)) continue;
        pc.keep(slot, firstLine(ctx, assets.cell(assetColumn::Description, row), kFont));
        pc.keep(slot + 1, formattedValue(assets, row));
    }
    pc.keep(page34::PropertyIsListedBelow,
            pc.text(page34::Property.start).isEmpty() ? QString() : QStringLiteral("X"));
    pc.fiduciaryNames(page34::ApplicantFiduciary);
    // The entry grants what the application asks, box for box.
    static_assert(page34::EntryBoxes.count == page34::ApplicationBoxes.count);
    for (int i = 0; i < page34::EntryBoxes.count; ++i)
        pc.put(page34::EntryBoxes[i], pc.text(page34::ApplicationBoxes[i]));
    pc.judgeLine(page34::Judge);
}

// 7.2 front, apportionment of the family allowance: the spouse and the
// minor children (name, street, city line, birth date, seven slots apart).
void Calc35(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page35::Page, copy);
    pc.caption();
    pc.putGi(page35::SurvivingSpouse, gi::SpouseName);
    pc.put(page35::Address,
           giAnswer(ctx, gi::SpouseStreet).isEmpty()
               ? QString()
               : giAnswer(ctx, gi::SpouseStreet) + QStringLiteral(", ") + spouseCityLine(ctx));
    if (!writeAllPersons(
            pc, {kinColumn::Name, kinColumn::Street, kinColumn::CityStateZip, kinColumn::BirthDate},
            false))
        return;
    pc.fiduciaryNames(page35::ApplicantFiduciary, Write::Kept);
}

// 7.2 back: the assets apportioned to the spouse (second automobile and
// others to the spouse) and to others with their distributees.
void Calc36(CalcContext& ctx, int copy) {
    constexpr TextFont kFont{"Arial Narrow", 11, 3.5};
    PageCopy pc(ctx, page36::Page, copy);
    const WorksheetStore& assets = ctx.data.ASchedList;
    pc.caseLine();
    pc.longDates(
        {page36::DateOfTheHearing, page36::DateOfTheEntry, page36::DateTheAssetsWereDelivered},
        Write::Kept);
    pc.keep(page36::ApportionmentAskedFor, pc.other(page35::Page, page35::Apportioned));
    pc.keep(page36::AllowanceApportioned, pc.other(page35::Page, page35::Apportioned));
    pc.keep(page36::HearingChildrenLiveApartFromTheSpouse,
            pc.other(page35::Page, page35::ChildrenApart));
    pc.keep(page36::EntryChildrenLiveApartFromTheSpouse,
            pc.other(page35::Page, page35::ChildrenApart));
    pc.clear(page36::Allotments.start, page36::Allotments.last(), Write::Kept);
    const ItemCapacity& others = itemBox(30209);
    ItemContinuation continuedOthers(pc, others);
    int k = 0;
    // The spouse's two lines name every asset of their category, not only
    // the last one found.
    QStringList spouseAssets[2];
    for (int row : markedAssetRows(ctx, assetColumn::ToForm7_2)) {
        const QString& category = assets.cell(assetColumn::Category7_2, row);
        // One line an asset; a description cut to it says so.
        const QString description =
            firstLineMarked(ctx, assets.cell(assetColumn::Description, row), kFont);
        int section = -1;  // 0: the automobile line, 1: the spouse's other assets
        if (categoryMatches(category, Category::SecondAutomobile)) section = 0;
        if (categoryMatches(category, Category::Spouse)) section = 1;
        if (section >= 0) {
            struct SpouseLine {
                int box, spouse, assets;
            };
            static constexpr SpouseLine kLines[] = {
                {page36::SecondAutomobileToTheSpouse, page36::SpouseTakingSecondAutomobile,
                 page36::Automobile},
                {page36::OtherAssetsToTheSpouse, page36::SpouseTakingOtherAssets, page36::Assets},
            };
            const SpouseLine& line = kLines[section];
            spouseAssets[section] << description;
            pc.keep(line.box, QStringLiteral("X"));
            pc.putGi(line.spouse, gi::SpouseName, Write::Kept);
            pc.keep(line.assets, spouseAssets[section].join(QStringLiteral("; ")));
        } else if (categoryMatches(category, Category::Others)) {
            if (continuedOthers.active()) {
                const QString entry = assets.cell(assetColumn::Distributees, row) +
                                      QStringLiteral(": ") +
                                      assets.cell(assetColumn::Description, row);
                if (!continuedOthers.fits(k, entry, page36::Others.start + 2 * k,
                                      {page36::Others.start + 1 + 2 * k})) {
                    ++k;
                    continue;
                }
            } else if (!ItemFits(others, k)) {
                return;
            }
            const int slot = page36::Others.start + 2 * k++;  // distributed to, asset
            if (pc.overridden(slot)) continue;
            pc.keep(slot, assets.cell(assetColumn::Distributees, row));
            pc.keep(slot + 1, description);
        }
    }
    pc.judgeLine(page36::JudgeHearing);
    pc.judgeLine(page36::JudgeEntry);
}

// 8.0 citation to the surviving spouse to elect.
void Calc37(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page37::Page, copy);
    pc.caption();
    pc.putGi(page37::SurvivingSpouse, gi::SpouseName);
    pc.putGi(page37::StreetAddress, gi::SpouseStreet);
    pc.put(page37::CityStateAndZIP, giAnswer(ctx, gi::SpouseState).isEmpty()
                                        ? giAnswer(ctx, gi::SpouseCity)
                                        : spouseCityLine(ctx));
    pc.longDate(page37::DateTheWillWasAdmittedToProbate);
    pc.attorneyBlock(page37::AttorneyBlock);
    pc.fiduciaryBlock(page37::FiduciaryBlock);
    pc.judgeLine(page37::Judge);
}

// 8.1.
void Calc38(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page38::Page, copy);
    pc.caption();
    pc.longDate(page38::DateOfTheElection);
    pc.putGi(page38::SurvivingSpouse, gi::SpouseName);
    pc.attorneyBlock(page38::AttorneyBlock);
}

// 8.2. Runs under a guard: whatever goes wrong in it is reported and the
// run goes on.
void Calc39(CalcContext& ctx, int copy) {
    runGuarded(29397, [&] {
        PageCopy pc(ctx, page39::Page, copy);
        pc.caption();
        pc.longDate(page39::DateOfTheElection);
        pc.putGi(page39::SurvivingSpouse, gi::SpouseName);
        pc.judgeLine(page39::Judge);
        pc.attorneyBlock(page39::AttorneyBlock);
    });
}

// 9.0 front, application to sell personal property: the consents. A
// surplus person stays marked, so the message repeats until the user
// removes one.
void Calc40(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page40::Page, copy);
    pc.caption();
    pc.fiduciaryNames(page40::Fiduciary);
    // The spouse's consent line only for a spouse.
    pc.put(page40::SurvivingSpouse, hasSurvivingSpouse(ctx) ? QStringLiteral("Surviving Spouse ") +
                                                                  giAnswer(ctx, gi::SpouseName)
                                                            : QString());
    if (!writeAllPersons(pc, kNameOnly)) return;
    pc.attorneyBlock(page40::AttorneyBlock);
}

// 9.0 back, the property to be sold: description lines with the kind of
// sale, price and terms beside each asset's first line.
void Calc41(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page41::Page, copy);
    const WorksheetStore& assets = ctx.data.ASchedList;
    pc.caseLine();
    LineWriter lines(pc, 29250, page41::Lines.start, 4);
    lines.clear({1, 2, 3});
    for (int row : markedAssetRows(ctx, assetColumn::ToForm9_0))
        if (!lines.add(assets.cell(assetColumn::Description, row),
                       {{1, assets.cell(assetColumn::PublicPrivate, row)},
                        {2, assets.cell(assetColumn::FixedBest, row)},
                        {3, assets.cell(assetColumn::CashTerms, row)}}))
            return;
    pc.longDate(page41::DateOfTheEntry);
    pc.judgeLine(page41::Judge);
}

// 9.1.
void Calc42(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page42::Page, copy);
    pc.caption();
    pc.longDate(page42::DateOfTheEntry);
    pc.judgeLine(page42::Judge);
}

// 9.2.
void Calc44(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page44::Page, copy);
    pc.caption();
    pc.putGi(page44::SurvivingSpouse, gi::SpouseName);
    pc.putGi(page44::StreetAddress, gi::SpouseStreet);
    pc.put(page44::CityStateAndZIP, spouseCityLine(ctx));
    pc.longDate(page44::DateOfTheSale);
    pc.judgeLine(page44::Judge);
}

// 7.0 application to determine the allowance.
void Calc45(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page45::Page, copy);
    pc.caption();
    pc.attorneyBlock(page45::AttorneyBlock);
    pc.putGi(page45::AttorneyEMailAddress, gi::FurtherDetail);
    pc.fiduciaryNames(page45::Fiduciary, Write::Kept);
    pc.putGi(page45::StreetAddress, gi::FiduciaryStreet, Write::Kept);
    pc.keep(page45::CityStateAndZIP, fiduciaryCityLine(ctx));
    pc.putGi(page45::Telephone, gi::FiduciaryPhone, Write::Kept);
    pc.putGi(page45::EMailAddress, gi::FiduciaryDetail, Write::Kept);
}

namespace {
// Whole years from birth to death, "69 years"; empty when either date does
// not read as a date.
QString ageAtDeath(const QString& birth, const QString& death) {
    const std::optional<QDate> born = ParseShortDate(ShortDateText(birth));
    const std::optional<QDate> died = ParseShortDate(ShortDateText(death));
    if (!born || !died) return QString();
    int years = died->year() - born->year();
    if (std::pair(born->month(), born->day()) > std::pair(died->month(), died->day())) --years;
    return QString::number(years) + QStringLiteral(" years");
}

}  // namespace

// 7.0(A), notice to the administrator: the decedent's name, address, birth,
// age at death and death.
void Calc79(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page79::Page, copy);
    pc.caption();
    pc.put(page79::Name, decedentNameLine(ctx));
    pc.put(page79::Address, decedentAddressLine(ctx));
    pc.putGi(page79::DateOfBirth, gi::DecedentBirthDate);
    pc.put(page79::AgeAtDeath,
           ageAtDeath(giAnswer(ctx, gi::DecedentBirthDate), giAnswer(ctx, gi::DeathDate)));
    pc.putGi(page79::DateOfDeath, gi::DeathDate);
    pc.putGi(page79::SocialSecurityNumber, gi::DecedentExtra);
    pc.fiduciaryBlock(page79::FiduciaryBlock, Write::Kept);
}

// 8.3 front and back.
void Calc87(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page87::Page, copy);
    pc.caption();
    pc.putGi(page87::SurvivingSpouse, gi::SpouseName);
    pc.putGi(page87::StreetAddress, gi::SpouseStreet);
    pc.put(page87::CityStateAndZIP, spouseCityLine(ctx));
}

void Calc88(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page88::Page, copy);
    pc.caseLine();
}

// 8.4.
void Calc89(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page89::Page, copy);
    pc.caption();
    pc.judgeLine(page89::Judge);
}

// 8.5.
void Calc90(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page90::Page, copy);
    pc.caption();
}

// 8.6.
void Calc91(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page91::Page, copy);
    pc.caption();
    pc.longDate(page91::DateOfTheWaiver);
    pc.putGi(page91::SurvivingSpouse, gi::SpouseName);
    pc.attorneyBlock(page91::AttorneyBlock);
}

}  // namespace wm4::units
