// The seven enclosure letters: the common parts, then each letter's own
// lines.
#include "calc/letters/letter_parts.h"
#include "calc/letters/letter_units.h"
#include "calc/units/categories.h"
#include "case/conversions.h"
#include "forms/page061.h"
#include "forms/page116.h"
#include "forms/page117.h"
#include "forms/page119.h"
#include "forms/page121.h"
#include "forms/page122.h"
#include "forms/page123.h"
#include "forms/page125.h"

namespace wm4 {

using namespace units;
using namespace letters;

namespace {

bool isX(const CalcContext& ctx, int answer) {
    return giAnswer(ctx, answer) == u"X";
}

// "Mr. "/"Ms. " (or "Mrs. ") and the decedent's surname, as the letters
// speak of the decedent.
QString decedentTitled(const CalcContext& ctx, const QString& femaleTitle) {
    const QString title = isX(ctx, gi::DecedentGenderMark) ? QStringLiteral("Mr. ") : femaleTitle;
    return title + LastWord(decedentFullName(ctx));
}

// The first asset sent to Form 3.0 as real estate: "house street, city line"
// with ", Ohio" after a city line that names only the city. The realty
// dialog asks for city, state and ZIP, so the line usually names the state
// already ("12 Oak Lane, Ellery, Ohio  43917", not "..., Ohio  43917, Ohio").
QString appraisedRealEstateAddress(const CalcContext& ctx) {
    const WorksheetStore& assets = ctx.data.ASchedList;
    for (int row = 0; row < assets.rowCount(); ++row) {
        if (!isMarked(assets.cell(assetColumn::ToForm3_0, row))) continue;
        if (!categoryMatches(assets.cell(assetColumn::Category3_0, row), Category::RealEstate))
            continue;
        const QString& cityLine = assets.cell(assetColumn::RealtyCityStateZip, row);
        return assets.cell(assetColumn::RealtyHouseNumber, row) + ' ' +
               assets.cell(assetColumn::RealtyStreetName, row) + ", " + cityLine +
               (cityLine.contains(u',') ? QString() : QStringLiteral(", Ohio"));
    }
    return QString();
}

}  // namespace

void Calc116(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page116::Page, copy);
    fillLetter(pc, kinAddressee(ctx, kinColumn::ToWillLetter, copy), {page116::Date},
               page116::Salutation);
    pc.keep(page116::DecedentAsTheLetterNames, decedentTitled(ctx, QStringLiteral("Ms. ")));
    keepAnswers(pc, {{page116::Fiduciary, gi::FiduciaryName},
                     {page116::FiduciaryTitle, gi::FiduciaryTitle}});
    pc.keep(page116::DecedentFullName, decedentFullName(ctx));
    pc.keep(page116::DecedentSecondMention, pc.text(page116::DecedentAsTheLetterNames));
    keepAnswers(pc, {{page116::SignedBy, gi::AttorneyName}});
}

// Whether the addressee of the copy-th letter sent by `sendTo` also signs
// the waiver of `waiver` (a kin send-to column).
bool addresseeSigns(const CalcContext& ctx, int sendTo, int copy, int waiver) {
    const WorksheetStore& kin = ctx.data.KSchedList;
    int seen = 0;
    for (int row = 0; row < kin.rowCount(); ++row) {
        if (!isMarked(kin.cell(sendTo, row))) continue;
        if (seen++ == copy) return isMarked(kin.cell(waiver, row));
    }
    return false;
}

void Calc117(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page117::Page, copy);
    fillLetter(pc, kinAddressee(ctx, kinColumn::ToInventoryLetter, copy), {page117::Date},
               page117::Salutation);
    // The waiver the addressee signs: the one on the back of the inventory
    // when the kin worksheet sends the addressee there, else Form 6.2.
    const bool onTheInventory =
        addresseeSigns(ctx, kinColumn::ToInventoryLetter, copy, kinColumn::ToForm6_0) &&
        !addresseeSigns(ctx, kinColumn::ToInventoryLetter, copy, kinColumn::ToForm6_2);
    pc.keep(
        page117::WaiverEnclosed,
        onTheInventory
            ? QStringLiteral("Waiver of Notice of Hearing on the back of the inventory (Form 6.0)")
            : QStringLiteral("Waiver of Notice of Hearing on Inventory (Form 6.2)"));
    pc.keep(page117::WaiverInTheEnclosures,
            onTheInventory ? QStringLiteral("the waiver on the back of the inventory (Form 6.0)")
                           : QStringLiteral("Waiver of Notice of Hearing on Inventory"));
    keepAnswers(pc, {{page117::Decedent, gi::DecedentName},
                     {page117::FiduciaryTitle, gi::FiduciaryTitle},
                     {page117::Fiduciary, gi::FiduciaryName},
                     {page117::SignedBy, gi::AttorneyName}});
}

void Calc119(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page119::Page, copy);
    fillLetter(pc, kinAddressee(ctx, kinColumn::ToAccountLetter, copy), {page119::Date},
               page119::Salutation);
    // The account's own date, the day it was signed (13.0), not the letter's.
    pc.keep(page119::DateOfTheAccountCopy,
            ConvertDate(ctx.A().answer(page61::Page, 0, page61::DateTheAccountIsSigned)));
    keepAnswers(pc, {{page119::Decedent, gi::DecedentName},
                     {page119::Fiduciary, gi::FiduciaryName},
                     {page119::FiduciaryTitle, gi::FiduciaryTitle},
                     {page119::SignedBy, gi::AttorneyName}});
}

void Calc121(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page121::Page, copy);
    const bool coFiduciary = copy == 1;
    const Addressee to =
        coFiduciary
            ? generalInfoAddressee(giAnswer(ctx, gi::CoFiduciaryName),
                                   giAnswer(ctx, gi::CoFiduciaryStreet), coFiduciaryCityLine(ctx),
                                   isX(ctx, gi::CoFiduciaryGenderMark))
            : generalInfoAddressee(giAnswer(ctx, gi::FiduciaryName),
                                   giAnswer(ctx, gi::FiduciaryStreet), fiduciaryCityLine(ctx),
                                   isX(ctx, gi::FiduciaryGenderMark));
    fillLetter(pc, to, {page121::Date}, page121::Salutation);
    keepAnswers(pc,
                {{page121::FiduciaryTitle, coFiduciary ? gi::CoFiduciaryTitle : gi::FiduciaryTitle},
                 {page121::Decedent, gi::DecedentName},
                 {page121::SignedBy, gi::AttorneyName}});
    pc.keep(page121::DecedentAsTheLetterNames, decedentTitled(ctx, QStringLiteral("Mrs. ")));
}

void Calc122(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page122::Page, copy);
    fillLetter(pc, kinAddressee(ctx, kinColumn::ToInsuranceLetter, copy), {page122::Date},
               page122::Salutation);
    keepAnswers(pc, {{page122::Decedent, gi::DecedentName}, {page122::SignedBy, gi::AttorneyName}});
}

void Calc123(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page123::Page, copy);
    const Addressee court{QStringLiteral("Wendmoor County Probate Court"),
                          QStringLiteral("1 Fenwick Plaza"), QStringLiteral("Ellery, Ohio  43917"),
                          QStringLiteral("Madam or Sir")};
    fillLetter(pc, court, {page123::Date}, page123::Salutation);
    keepAnswers(pc, {{page123::SignedBy, gi::AttorneyName}});
}

void Calc125(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page125::Page, copy);
    fillLetter(pc, kinAddressee(ctx, kinColumn::ToAppraiserLetter, 0), {page125::Date},
               page125::Salutation);
    pc.keep(page125::Decedent, decedentFullName(ctx));
    pc.keep(page125::RealEstateToBeAppraised, appraisedRealEstateAddress(ctx));
    keepAnswers(pc, {{page125::SignedBy, gi::AttorneyName}});
}

}  // namespace wm4
