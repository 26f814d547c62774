#include "calc/letters/letter_parts.h"

#include "calc/today.h"
#include "case/conversions.h"
#include "forms/page116.h"
#include "forms/page117.h"
#include "forms/page119.h"
#include "forms/page121.h"
#include "forms/page122.h"
#include "forms/page123.h"
#include "forms/page125.h"

namespace wm4::letters {

using namespace units;

QString salutationFor(const QString& name, bool male) {
    return (male ? QStringLiteral("Mr. ") : QStringLiteral("Ms. ")) + LastWord(name);
}

Addressee kinAddressee(const CalcContext& ctx, int sendTo, int copy) {
    const int row = personOfCopy(ctx, sendTo, copy);
    if (row < 0) return {};
    const WorksheetStore& k = ctx.data.KSchedList;
    const QString& name = k.cell(kinColumn::Name, row);
    return {name, k.cell(kinColumn::Street, row), k.cell(kinColumn::CityStateZip, row),
            salutationFor(name, k.cell(kinColumn::Gender, row) == u"M")};
}

Addressee generalInfoAddressee(const QString& name, const QString& street, const QString& cityLine,
                               bool male) {
    // Without a name (no co-fiduciary) the letter has no addressee: its
    // address lines and salutation stay empty, not ",   " and "Ms. ".
    if (name.isEmpty()) return {};
    return {name, street, cityLine, salutationFor(name, male)};
}

// Every letter has the letterhead, addressee and reference of the first
// one, slot for slot.
namespace letter = page116;
#define WM4_SAME_LETTER_LAYOUT(page)                                                      \
    static_assert(page::Attorney == letter::Attorney && page::Title == letter::Title &&   \
                  page::Street == letter::Street &&                                       \
                  page::LetterheadCityStateAndZIP == letter::LetterheadCityStateAndZIP && \
                  page::Telephone == letter::Telephone && page::Name == letter::Name &&   \
                  page::StreetAddress == letter::StreetAddress &&                         \
                  page::AddresseeCityStateAndZIP == letter::AddresseeCityStateAndZIP &&   \
                  page::EstateOf == letter::EstateOf && page::CaseNumber == letter::CaseNumber)
WM4_SAME_LETTER_LAYOUT(page117);
WM4_SAME_LETTER_LAYOUT(page119);
WM4_SAME_LETTER_LAYOUT(page121);
WM4_SAME_LETTER_LAYOUT(page122);
WM4_SAME_LETTER_LAYOUT(page123);
WM4_SAME_LETTER_LAYOUT(page125);
#undef WM4_SAME_LETTER_LAYOUT

void fillLetter(PageCopy& pc, const Addressee& to, std::initializer_list<int> dateSlots,
                int salutationSlot) {
    const CalcContext& ctx = pc.ctx();
    pc.putGi(letter::Attorney, gi::AttorneyName);
    pc.put(letter::Title, QStringLiteral("Attorney at Law"));
    pc.putGi(letter::Street, gi::AttorneyStreet);
    pc.put(letter::LetterheadCityStateAndZIP, attorneyCityLine(ctx));
    pc.putGi(letter::Telephone, gi::AttorneyPhone);

    const QString date = todayLongDate(ctx);
    for (int slot : dateSlots) pc.keep(slot, date);
    pc.keep(letter::Name, to.name);
    pc.keep(letter::StreetAddress, to.street);
    pc.keep(letter::AddresseeCityStateAndZIP, to.cityLine);
    keepAnswers(pc, {{letter::EstateOf, gi::DecedentName}, {letter::CaseNumber, gi::CaseNumber}});
    pc.keep(salutationSlot, to.salutation);
}

void keepAnswers(PageCopy& pc, std::initializer_list<AnswerToSlot> answers) {
    for (const AnswerToSlot& a : answers) pc.putGi(a.slot, a.answer, Write::Kept);
}

}  // namespace wm4::letters
