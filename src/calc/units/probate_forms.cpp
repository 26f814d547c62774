// Forms 2.0 to 4.5: probate of the will, the appraiser, authority to
// administer, bond, waivers and the notice of hearing on the appointment.
#include <QRegularExpression>
#include <algorithm>
#include <iterator>

#include "calc/checks/line_capacity.h"
#include "calc/units/blocks.h"
#include "calc/units/categories.h"
#include "calc/units/units.h"
#include "case/conversions.h"
#include "forms/page003.h"
#include "forms/page004.h"
#include "forms/page005.h"
#include "forms/page006.h"
#include "forms/page007.h"
#include "forms/page008.h"
#include "forms/page009.h"
#include "forms/page010.h"
#include "forms/page011.h"
#include "forms/page012.h"
#include "forms/page013.h"
#include "forms/page014.h"
#include "forms/page015.h"
#include "forms/page016.h"
#include "forms/page017.h"

namespace wm4::units {

// 2.0 front, application to probate the will.
void Calc3(CalcContext& ctx, int copy) {
    using namespace page3;
    PageCopy pc(ctx, Page, copy);
    pc.caption();
    pc.decedentBlock(DecedentBlock);
    pc.attorneyBlock(AttorneyBlock);
    pc.fiduciaryBlock(FiduciaryBlock);
    writeAllPersons(pc, kNameOnly);
}

// 2.0 back.
void Calc4(CalcContext& ctx, int copy) {
    using namespace page4;
    PageCopy pc(ctx, Page, copy);
    pc.caseLine(CaseNumber);
    pc.longDate(DateOfTheHearing);
    pc.judgeLine(Judge);
    pc.signer(Signer, {ExecutorSigns, NamedPersonSigns, InterestedPersonSigns}, AttorneySigns,
              AttorneyRegistrationNumber, Write::Kept);
}

// 2.1 waiver of notice of probate.
void Calc5(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page5::Page, copy);
    pc.caption();
    writeAllPersons(pc, kNameOnly);
}

// 2.2 notice of probate, one person a copy. The signer is the attorney when
// the attorney's box is ticked and the fiduciary when one of the
// fiduciary's boxes is; the fiduciary wins when both are.
void Calc6(CalcContext& ctx, int copy) {
    using namespace page6;
    PageCopy pc(ctx, Page, copy);
    pc.caption();
    const int row = personOfCopy(ctx, kinColumn::ToForm2_2, copy);
    writePersons(pc, {Notified.start, Notified.count, 1, kNameAddress, false},
                 row >= 0 ? std::vector<int>{row} : std::vector<int>{});
    pc.putGi(DateOfDeath, gi::DeathDate);
    pc.inherit({DateWillAdmitted});
    pc.longDate(DateWillAdmitted);
    // Every notice is given by the same person: a later copy with none of
    // the "signing as" boxes ticked takes the first notice's boxes, and with
    // them its signer block (the later notices once went out unsigned).
    constexpr int kSigningAs[] = {ExecutorSigns, AdministratorWwaSigns, OtherFiduciarySigns,
                                  AttorneySigns};
    if (pc.copy() > 0 && std::none_of(std::begin(kSigningAs), std::end(kSigningAs),
                                      [&pc](int box) { return pc.isX(box); }))
        for (int box : kSigningAs) pc.put(box, ctx.A().answer(Page, 0, box));
    if (pc.isX(AttorneySigns)) {
        pc.putGi(Signer, gi::AttorneyName, Write::Kept);
        pc.putGi(SignedByStreetAddress, gi::AttorneyStreet, Write::Kept);
        pc.keep(SignedByCityStateAndZIP, attorneyCityLine(ctx));
        pc.putGi(Telephone, gi::AttorneyPhone, Write::Kept);
        pc.putGi(AttorneyRegistrationNumber, gi::AttorneyRegistration);
    }
    if (pc.isX(ExecutorSigns) || pc.isX(AdministratorWwaSigns) || pc.isX(OtherFiduciarySigns))
        pc.fiduciaryBlock(SignerBlock, Write::Kept);
    pc.put(NoticeGivenBy, pc.text(Signer));
}

// 2.3.
void Calc7(CalcContext& ctx, int copy) {
    using namespace page7;
    PageCopy pc(ctx, Page, copy);
    pc.caption();
    pc.longDate(DateWillPresented);
    pc.judgeLine(Judge);
}

// 2.4.
void Calc8(CalcContext& ctx, int copy) {
    using namespace page8;
    PageCopy pc(ctx, Page, copy);
    pc.caption();
    pc.signer(Signer, {ExecutorSigns, AdministratorWwaSigns, OtherFiduciarySigns}, AttorneySigns,
              AttorneyRegistrationNumber, Write::Kept);
}

// 3.0 front, appointment of appraiser.
void Calc9(CalcContext& ctx, int copy) {
    using namespace page9;
    PageCopy pc(ctx, Page, copy);
    pc.caption();
    pc.attorneyBlock(AttorneyBlock);
    pc.putGi(AttorneyEMailAddress, gi::FurtherDetail);
    pc.fiduciaryNames(Fiduciary);
    pc.putGi(FiduciaryStreetAddress, gi::FiduciaryStreet);
    pc.put(FiduciaryCityStateAndZIP, fiduciaryCityLine(ctx));
    pc.putGi(FiduciaryTelephone, gi::FiduciaryPhone);
    pc.putGi(FiduciaryEMailAddress, gi::FiduciaryDetail);
    pc.longDates({DateOfTheApplication, DateOfTheEntry});
    pc.judgeLine(Judge);
}

namespace {
// The descriptions of one Form 3.0 category joined into one text: each
// without its trailing blanks and bars, separated by a semicolon and two
// blanks.
QString form3_0Text(const CalcContext& ctx, Category category) {
    static const QRegularExpression trailing(QStringLiteral("[ |]+$"));
    const WorksheetStore& assets = ctx.data.ASchedList;
    QStringList parts;
    for (int row : markedAssetRows(ctx, assetColumn::ToForm3_0))
        if (categoryMatches(assets.cell(assetColumn::Category3_0, row), category))
            parts << QString(assets.cell(assetColumn::Description, row)).remove(trailing);
    return parts.join(QStringLiteral(";  "));
}

}  // namespace

// 3.0 back: the three category texts with their totals. A text longer than
// its box is still placed whole; the message only warns.
void Calc10(CalcContext& ctx, int copy) {
    struct Section {
        Category category;
        quint16 errNo;
        int textSlot;
        int totalSlot;
    };
    static constexpr Section kSections[] = {
        {Category::ReadilyAscertainableValue, 29299, page10::ReadilyAscertainableAssets,
         page10::ReadilyAscertainableTotal},
        {Category::RealEstate, 29309, page10::RealEstateAssets, page10::RealEstateTotal},
        {Category::PersonalPropertyWithoutAscertainableValue, 29319,
         page10::OtherPersonalPropertyAssets, page10::OtherPersonalPropertyTotal},
    };
    PageCopy pc(ctx, page10::Page, copy);
    // The back carries the case number, as every back side filed does.
    pc.caseLine();
    pc.clear(page10::Categories.start, page10::Categories.last());
    pc.putGi(page10::Judge, gi::Judge);
    for (size_t i = 0; i < std::size(kSections); ++i) {
        const Section& section = kSections[i];
        const LineCapacity* box = lineCapacity(section.errNo);
        const QString text = form3_0Text(ctx, section.category);
        const int lines =
            int(wrapLines(ctx, text, {box->font, box->pointSize, box->widthInches}).size());
        PlaceLines(*box, 0, lines);  // warns beyond the box; the text stays whole
        pc.put(section.textSlot, text);
        pc.putAmount(section.totalSlot, ctx.totals.form3_0[i]);
    }
}

// 4.0 front, application for authority to administer: the values of
// personal property, annual realty rentals and real property.
void Calc11(CalcContext& ctx, int copy) {
    using namespace page11;
    PageCopy pc(ctx, Page, copy);
    pc.caption();
    pc.decedentBlock(DecedentBlock);
    pc.putGi(AppointedAs, gi::FiduciaryTitle, Write::Kept);
    const auto& totals = ctx.totals.form4_0;  // personal, rentals, real
    pc.putAmount(PersonalProperty, totals[0]);
    pc.putAmount(AnnualRents, totals[1]);
    pc.putAmount(PersonalPropertyAndAnnualRents,
                 pc.amount(PersonalProperty) + pc.amount(AnnualRents));
    pc.putAmount(RealProperty, totals[2]);
    pc.putAmount(TotalEstimatedValue,
                 pc.amount(PersonalPropertyAndAnnualRents) + pc.amount(RealProperty));
}

// 4.0 back.
void Calc12(CalcContext& ctx, int copy) {
    using namespace page12;
    PageCopy pc(ctx, Page, copy);
    pc.caseLine(CaseNumber);
    pc.attorneyBlock(AttorneyBlock);
    pc.putGi(AttorneyEMailAddress, gi::FurtherDetail);
    pc.fiduciaryBlock(FiduciaryBlock);
    pc.putGi(ApplicantEMailAddress, gi::FiduciaryDetail);
    writeAllPersons(pc, kNameOnly);
}

// 4.1.
void Calc13(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page13::Page, copy);
    pc.caption();
    pc.fiduciaryNames(page13::Applicant, Write::Kept);
}

// 4.2 bond.
void Calc14(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page14::Page, copy);
    pc.caption();
    pc.attorneyBlock(page14::AttorneyBlock);
}

// 4.3 waiver of right to administer.
void Calc15(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page15::Page, copy);
    pc.caption();
    pc.fiduciaryNames(page15::Recommended);
    writeAllPersons(pc, kNameOnly);
}

// 4.4 notice of hearing on the appointment, five persons a copy; the
// hearing details typed on the first notice carry over to the others.
void Calc16(CalcContext& ctx, int copy) {
    using namespace page16;
    constexpr int kPersons = 5, kSlotsPerPerson = 3;
    static_assert(Notified.count == kPersons * kSlotsPerPerson);
    PageCopy pc(ctx, Page, copy);
    pc.caption();
    pc.clear(Notified.start, Notified.last());
    writePersons(pc, {Notified.start, kSlotsPerPerson, kPersons, kNameAddress, false},
                 personsOfCopy(ctx, kinColumn::ToForm4_4, copy, kPersons));
    pc.fiduciaryNames(Applicant);
    pc.inherit(HearingDetails.start, HearingDetails.last());
    if (copy == 0) pc.longDate(DateOfTheHearing);
    pc.judgeLine(Judge);
}

namespace {
// "name, title" of the fiduciary, with the co-fiduciary's appended; the
// name alone when the title is empty.
QString appointees(const CalcContext& ctx) {
    const QString& name = giAnswer(ctx, gi::FiduciaryName);
    const QString& title = giAnswer(ctx, gi::FiduciaryTitle);
    if (title.isEmpty()) return name;
    QString text = name + QStringLiteral(", ") + title;
    if (hasCoFiduciary(ctx))
        text += QStringLiteral(", ") + QStringLiteral(" & ") + giAnswer(ctx, gi::CoFiduciaryName) +
                QStringLiteral(", ") + giAnswer(ctx, gi::CoFiduciaryTitle);
    return text;
}

// The entry's one bond sentence. A bond answer without any figure ("None",
// "dispensed with") or the dispensed box means no bond; with nothing entered
// the sentence keeps its blanks for the court to fill in by hand.
QString bondOrder(const QString& bond, const QString& surety, bool dispensed) {
    const QString amount = bond.trimmed();
    const bool hasFigure =
        std::any_of(amount.begin(), amount.end(), [](QChar c) { return c.isDigit(); });
    if (dispensed || (!amount.isEmpty() && !hasFigure))
        return QStringLiteral("Bond is dispensed with.");
    if (amount.isEmpty())
        return QStringLiteral(
            "Bond is set in the amount of $____________, with "
            "______________________________ as surety.");
    const QString stated = amount.front().isDigit() ? QStringLiteral("$") + amount : amount;
    const QString bySurety =
        surety.trimmed().isEmpty()
            ? QString()
            : QStringLiteral(", with ") + surety.trimmed() + QStringLiteral(" as surety");
    return QStringLiteral("Bond is set in the amount of ") + stated + bySurety +
           QStringLiteral(".");
}

}  // namespace

// 4.5 entry appointing the fiduciary.
void Calc17(CalcContext& ctx, int copy) {
    using namespace page17;
    PageCopy pc(ctx, Page, copy);
    pc.caption();
    pc.put(Appointed, appointees(ctx));
    pc.putGi(DateOfDeath, gi::DeathDate);
    const QString& county = giAnswer(ctx, gi::DecedentCounty);
    const QString& city = giAnswer(ctx, gi::DecedentCity);
    pc.put(Domicile, county.isEmpty()
                         ? city
                         : city + QStringLiteral(", ") + county + QStringLiteral(" County, ") +
                               giAnswer(ctx, gi::DecedentState));
    pc.longDates({DateOfTheHearing, LettersIssued});
    pc.put(BondOrder, bondOrder(pc.text(Bond), pc.text(Surety), pc.isX(BondIsDispensedWith)));
    pc.judgeLine(JudgeEntry);
    pc.judgeLine(JudgeLetters);
}

}  // namespace wm4::units
