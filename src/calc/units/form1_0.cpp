// Form 1.0, surviving spouse, children, next of kin, legatees and devisees.
// The front lists the surviving spouse on its first copy and then the kin
// rows marked for the front, ten on the first copy and eleven on each later
// one; the back lists fifteen persons a copy and the fiduciary's signature.
#include <QDate>
#include <optional>

#include "calc/units/blocks.h"
#include "calc/units/units.h"
#include "case/conversions.h"

namespace wm4::units {

namespace {

constexpr int kFrontPage = 1;
constexpr int kBackPage = 2;

constexpr TextFont kFrontNameFont{"Segoe UI", 11, 1.75};
constexpr TextFont kBackNameFont{"Arial Narrow", 11, 2.75};

// A name takes two slots: one line goes to the second, two or more lines put
// their first two into both; the rest of a long name is not printed.
void writeName(PageCopy& pc, int firstSlot, const QString& name, const TextFont& font) {
    const QStringList lines = wrapLines(pc.ctx(), name, font);
    if (lines.size() == 1) {
        pc.put(firstSlot + 1, lines[0]);
    } else if (lines.size() >= 2) {
        pc.put(firstSlot, lines[0]);
        pc.put(firstSlot + 1, lines[1]);
    }
}

// The positions (counted among the marked rows) a front copy takes: 0-9 on
// the first copy, the spouse line standing for the eleventh; 11c-1 ... 11c+9
// on copy c.
std::pair<int, int> frontRange(int copy) {
    if (copy == 0) return {0, 9};
    return {11 * copy - 1, 11 * copy + 9};
}

// The column is the birth date of a minor: an adult's birth date is not
// given. A minor is under 18 on the date of death (today when no death date
// reads); a birth date that does not read as a date is printed as typed.
bool printsBirthDate(const CalcContext& ctx, const QString& birthDate) {
    if (birthDate.trimmed().isEmpty()) return false;
    const std::optional<QDate> born = ParseShortDate(ShortDateText(birthDate));
    if (!born) return true;
    const std::optional<QDate> died = ParseShortDate(ShortDateText(giAnswer(ctx, gi::DeathDate)));
    return born->addYears(18) > died.value_or(QDate::currentDate());
}

// Writes the person's birth date when it is a minor's; tells whether it did.
bool putMinorBirthDate(PageCopy& pc, int slot, const QString& birthDate) {
    if (!printsBirthDate(pc.ctx(), birthDate)) return false;
    pc.put(slot, birthDate);
    return true;
}

}  // namespace

void Calc1(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, kFrontPage, copy);
    pc.caption();
    pc.clear(4, 69);
    const QString& spouse = giAnswer(ctx, gi::SpouseName);
    // The spouse's line only for a spouse: without one the first line is
    // empty, not "Surviving Spouse" over a lone comma.
    if (copy == 0 && hasSurvivingSpouse(ctx)) {
        pc.putGi(5, gi::SpouseName);
        pc.putGi(6, gi::SpouseStreet);
        pc.put(7, spouseCityLine(ctx));
        pc.put(8, QStringLiteral("Surviving Spouse"));
        putMinorBirthDate(pc, 9, giAnswer(ctx, gi::SpouseBirthDate));
    }
    bool minorListed = false;

    const std::vector<int> marked = markedKinRows(ctx, kinColumn::ToForm1_0Front);
    const WorksheetStore& kinStore = ctx.data.KSchedList;
    const auto [from, to] = frontRange(copy);
    const int firstSlot = copy == 0 ? 10 : 4;
    int placed = 0;
    for (int position = from; position <= to && position < int(marked.size()); ++position) {
        const int row = marked[size_t(position)];
        // The spouse is already on the first copy; the row keeps its place.
        if (kinStore.cell(kinColumn::Name, row) == spouse) continue;
        const int slot = firstSlot + 6 * placed++;
        writeName(pc, slot, kinStore.cell(kinColumn::Name, row), kFrontNameFont);
        pc.put(slot + 2, kinStore.cell(kinColumn::Street, row));
        pc.put(slot + 3, kinStore.cell(kinColumn::CityStateZip, row));
        pc.put(slot + 4, kinStore.cell(kinColumn::Relationship, row));
        minorListed |= putMinorBirthDate(pc, slot + 5, kinStore.cell(kinColumn::BirthDate, row));
    }
    // The box the form asks to tick when a person listed is a minor; a box
    // the user ticked for another disability stays ticked.
    if (minorListed) pc.put(71, QStringLiteral("X"));
}

void Calc2(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, kBackPage, copy);
    pc.caseLine();
    pc.clear(1, 85);
    const WorksheetStore& kinStore = ctx.data.KSchedList;
    const std::vector<int> persons = personsOfCopy(ctx, kinColumn::ToForm1_0Back, copy, 15);
    for (int i = 0; i < int(persons.size()); ++i) {
        const int row = persons[size_t(i)];
        const int slot = 1 + 5 * i;
        writeName(pc, slot, kinStore.cell(kinColumn::Name, row), kBackNameFont);
        pc.put(slot + 2, kinStore.cell(kinColumn::Street, row));
        pc.put(slot + 3, kinStore.cell(kinColumn::CityStateZip, row));
        putMinorBirthDate(pc, slot + 4, kinStore.cell(kinColumn::BirthDate, row));
    }
    pc.fiduciaryNames(89, Write::Kept);
    pc.putGi(90, gi::FiduciaryStreet);
    pc.put(91, fiduciaryCityLine(ctx));
    pc.putGi(92, gi::FiduciaryPhone);
    pc.putGi(93, gi::FiduciaryDetail);
}

}  // namespace wm4::units
