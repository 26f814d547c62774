#include "calc/letters/letter_parts.h"

#include "calc/today.h"
#include "case/conversions.h"

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

void fillLetter(PageCopy& pc, const Addressee& to, std::initializer_list<int> dateSlots,
                int salutationSlot) {
    const CalcContext& ctx = pc.ctx();
    pc.putGi(30, gi::AttorneyName);
    pc.put(1, QStringLiteral("Attorney at Law"));
    pc.putGi(2, gi::AttorneyStreet);
    pc.put(3, attorneyCityLine(ctx));
    pc.putGi(4, gi::AttorneyPhone);

    const QString date = todayLongDate(ctx);
    for (int slot : dateSlots) pc.keep(slot, date);
    pc.keep(5, to.name);
    pc.keep(6, to.street);
    pc.keep(7, to.cityLine);
    keepAnswers(pc, {{8, gi::DecedentName}, {9, gi::CaseNumber}});
    pc.keep(salutationSlot, to.salutation);
}

void keepAnswers(PageCopy& pc, std::initializer_list<AnswerToSlot> answers) {
    for (const AnswerToSlot& a : answers) pc.putGi(a.slot, a.answer, Write::Kept);
}

}  // namespace wm4::letters
