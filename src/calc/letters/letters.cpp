// The seven enclosure letters: the common parts, then each letter's own
// lines.
#include "calc/letters/letter_parts.h"
#include "calc/letters/letter_units.h"
#include "calc/units/categories.h"
#include "case/conversions.h"

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
    PageCopy pc(ctx, 116, copy);
    fillLetter(pc, kinAddressee(ctx, kinColumn::ToWillLetter, copy), {17}, 10);
    pc.keep(11, decedentTitled(ctx, QStringLiteral("Ms. ")));
    keepAnswers(pc, {{12, gi::FiduciaryName}, {13, gi::FiduciaryTitle}});
    pc.keep(14, decedentFullName(ctx));
    pc.keep(15, pc.text(11));
    keepAnswers(pc, {{16, gi::AttorneyName}});
}

void Calc117(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 117, copy);
    fillLetter(pc, kinAddressee(ctx, kinColumn::ToInventoryLetter, copy), {15}, 10);
    keepAnswers(pc, {{11, gi::DecedentName},
                     {12, gi::FiduciaryTitle},
                     {13, gi::FiduciaryName},
                     {14, gi::AttorneyName}});
}

void Calc119(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 119, copy);
    fillLetter(pc, kinAddressee(ctx, kinColumn::ToAccountLetter, copy), {15, 17}, 10);
    keepAnswers(pc, {{11, gi::DecedentName},
                     {12, gi::FiduciaryName},
                     {13, gi::FiduciaryTitle},
                     {14, gi::AttorneyName}});
}

void Calc121(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 121, copy);
    const bool coFiduciary = copy == 1;
    const Addressee to =
        coFiduciary
            ? generalInfoAddressee(giAnswer(ctx, gi::CoFiduciaryName),
                                   giAnswer(ctx, gi::CoFiduciaryStreet), coFiduciaryCityLine(ctx),
                                   isX(ctx, gi::CoFiduciaryGenderMark))
            : generalInfoAddressee(giAnswer(ctx, gi::FiduciaryName),
                                   giAnswer(ctx, gi::FiduciaryStreet), fiduciaryCityLine(ctx),
                                   isX(ctx, gi::FiduciaryGenderMark));
    fillLetter(pc, to, {15}, 10);
    keepAnswers(pc, {{11, coFiduciary ? gi::CoFiduciaryTitle : gi::FiduciaryTitle},
                     {12, gi::DecedentName},
                     {14, gi::AttorneyName}});
    pc.keep(13, decedentTitled(ctx, QStringLiteral("Mrs. ")));
}

void Calc122(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 122, copy);
    fillLetter(pc, kinAddressee(ctx, kinColumn::ToInsuranceLetter, copy), {17}, 11);
    keepAnswers(pc, {{12, gi::DecedentName}, {13, gi::AttorneyName}});
}

void Calc123(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 123, copy);
    const Addressee court{QStringLiteral("Wendmoor County Probate Court"),
                          QStringLiteral("1 Fenwick Plaza"), QStringLiteral("Ellery, Ohio  43917"),
                          QStringLiteral("Madam or Sir")};
    fillLetter(pc, court, {13}, 10);
    keepAnswers(pc, {{11, gi::AttorneyName}});
}

void Calc125(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 125, copy);
    fillLetter(pc, kinAddressee(ctx, kinColumn::ToAppraiserLetter, 0), {17}, 10);
    pc.keep(13, decedentFullName(ctx));
    pc.keep(14, appraisedRealEstateAddress(ctx));
    keepAnswers(pc, {{16, gi::AttorneyName}});
}

}  // namespace wm4
