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

namespace wm4::units {

namespace {
const std::vector<int> kNameOnly{kinColumn::Name};
const std::vector<int> kNameAddress{kinColumn::Name, kinColumn::Street, kinColumn::CityStateZip};
}  // namespace

// 2.0 front, application to probate the will.
void Calc3(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 3, copy);
    pc.caption();
    pc.decedentBlock(4);
    pc.attorneyBlock(11);
    pc.fiduciaryBlock(16);
    writeAllPersons(pc, kNameOnly);
}

// 2.0 back.
void Calc4(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 4, copy);
    pc.caseLine();
    pc.longDate(1);
    pc.judgeLine(2);
    pc.signer(6, {7, 8, 9}, 11, 12, Write::Kept);
}

// 2.1 waiver of notice of probate.
void Calc5(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 5, copy);
    pc.caption();
    writeAllPersons(pc, kNameOnly);
}

// 2.2 notice of probate, one person a copy. The signer is the attorney when
// the attorney's box is ticked and the fiduciary when one of the
// fiduciary's boxes is; the fiduciary wins when both are.
void Calc6(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 6, copy);
    pc.caption();
    const int row = personOfCopy(ctx, kinColumn::ToForm2_2, copy);
    writePersons(pc, {4, 3, 1, kNameAddress, false},
                 row >= 0 ? std::vector<int>{row} : std::vector<int>{});
    pc.putGi(7, gi::DeathDate);
    pc.inherit({10});
    pc.longDate(10);
    // Every notice is given by the same person: a later copy with none of
    // the "signing as" boxes ticked takes the first notice's boxes, and with
    // them its signer block (the later notices once went out unsigned).
    constexpr int kSigningAs[] = {19, 20, 21, 23};
    if (pc.copy() > 0 && std::none_of(std::begin(kSigningAs), std::end(kSigningAs),
                                      [&pc](int box) { return pc.isX(box); }))
        for (int box : kSigningAs) pc.put(box, ctx.A().answer(6, 0, box));
    if (pc.isX(23)) {
        pc.putGi(15, gi::AttorneyName, Write::Kept);
        pc.putGi(16, gi::AttorneyStreet, Write::Kept);
        pc.keep(17, attorneyCityLine(ctx));
        pc.putGi(18, gi::AttorneyPhone, Write::Kept);
        pc.putGi(25, gi::AttorneyRegistration);
    }
    if (pc.isX(19) || pc.isX(20) || pc.isX(21)) pc.fiduciaryBlock(15, Write::Kept);
    pc.put(24, pc.text(15));
}

// 2.3.
void Calc7(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 7, copy);
    pc.caption();
    pc.longDate(4);
    pc.judgeLine(5);
}

// 2.4.
void Calc8(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 8, copy);
    pc.caption();
    pc.signer(9, {10, 11, 12}, 14, 15, Write::Kept);
}

// 3.0 front, appointment of appraiser.
void Calc9(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 9, copy);
    pc.caption();
    pc.attorneyBlock(8);
    pc.putGi(0, gi::FurtherDetail);
    pc.fiduciaryNames(13);
    pc.putGi(1, gi::FiduciaryStreet);
    pc.put(19, fiduciaryCityLine(ctx));
    pc.putGi(20, gi::FiduciaryPhone);
    pc.putGi(21, gi::FiduciaryDetail);
    pc.longDates({14, 17});
    pc.judgeLine(18);
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
        {Category::ReadilyAscertainableValue, 29299, 1, 14},
        {Category::RealEstate, 29309, 15, 28},
        {Category::PersonalPropertyWithoutAscertainableValue, 29319, 29, 42},
    };
    PageCopy pc(ctx, 10, copy);
    pc.clear(1, 42);
    pc.putGi(10, gi::Judge);
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
    PageCopy pc(ctx, 11, copy);
    pc.caption();
    pc.decedentBlock(4);
    pc.putGi(11, gi::FiduciaryTitle, Write::Kept);
    const auto& totals = ctx.totals.form4_0;  // personal, rentals, real
    pc.putAmount(16, totals[0]);
    pc.putAmount(18, totals[1]);
    pc.putAmount(20, pc.amount(16) + pc.amount(18));
    pc.putAmount(22, totals[2]);
    pc.putAmount(24, pc.amount(20) + pc.amount(22));
}

// 4.0 back.
void Calc12(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 12, copy);
    pc.caseLine();
    pc.attorneyBlock(5);
    pc.putGi(22, gi::FurtherDetail);
    pc.fiduciaryBlock(10);
    pc.putGi(23, gi::FiduciaryDetail);
    writeAllPersons(pc, kNameOnly);
}

// 4.1.
void Calc13(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 13, copy);
    pc.caption();
    pc.fiduciaryNames(12, Write::Kept);
}

// 4.2 bond.
void Calc14(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 14, copy);
    pc.caption();
    pc.attorneyBlock(20);
}

// 4.3 waiver of right to administer.
void Calc15(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 15, copy);
    pc.caption();
    pc.fiduciaryNames(4);
    writeAllPersons(pc, kNameOnly);
}

// 4.4 notice of hearing on the appointment, five persons a copy; the
// hearing details typed on the first notice carry over to the others.
void Calc16(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 16, copy);
    pc.caption();
    pc.clear(4, 18);
    writePersons(pc, {4, 3, 5, kNameAddress, false},
                 personsOfCopy(ctx, kinColumn::ToForm4_4, copy, 5));
    pc.fiduciaryNames(19);
    pc.inherit(20, 24);
    if (copy == 0) pc.longDate(20);
    pc.judgeLine(25);
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

}  // namespace

// 4.5 entry appointing the fiduciary.
void Calc17(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, 17, copy);
    pc.caption();
    pc.put(4, appointees(ctx));
    pc.putGi(8, gi::DeathDate);
    const QString& county = giAnswer(ctx, gi::DecedentCounty);
    const QString& city = giAnswer(ctx, gi::DecedentCity);
    pc.put(9, county.isEmpty()
                  ? city
                  : city + QStringLiteral(", ") + county + QStringLiteral(" County, ") +
                        giAnswer(ctx, gi::DecedentState));
    pc.longDates({13, 17});
    pc.judgeLine(14);
    pc.judgeLine(15);
}

}  // namespace wm4::units
