// Form 1.0, surviving spouse, children, next of kin, legatees and devisees.
// The front lists the surviving spouse on its first copy and then the kin
// rows marked for the front, ten on the first copy and eleven on each later
// one; the back lists fifteen persons a copy and the fiduciary's signature.
#include <QDate>
#include <optional>

#include "calc/units/blocks.h"
#include "calc/units/units.h"
#include "case/conversions.h"
#include "forms/page001.h"
#include "forms/page002.h"

namespace wm4::units {

namespace {

// A person's line on either side: the name's first line, the name, street,
// city line, then (front) relationship and birth date or (back) birth date.
constexpr int kName = 1, kStreet = 2, kCity = 3;
constexpr int kFrontRelationship = 4, kFrontBirthDate = 5, kFrontLine = 6;
constexpr int kBackBirthDate = 4, kBackLine = 5;
static_assert(page1::Persons.count == 11 * kFrontLine && page2::Persons.count == 15 * kBackLine);

constexpr TextFont kFrontNameFont{"Segoe UI", 11, 1.75};
constexpr TextFont kBackNameFont{"Arial Narrow", 11, 2.75};

// A name takes two slots: one line goes to the second, two or more lines put
// their first two into both; the rest of a long name is not printed.
void writeName(PageCopy& pc, int firstSlot, const QString& name, const TextFont& font) {
    const QStringList lines = wrapLines(pc.ctx(), name, font);
    if (lines.size() == 1) {
        pc.put(firstSlot + kName, lines[0]);
    } else if (lines.size() >= 2) {
        pc.put(firstSlot, lines[0]);
        pc.put(firstSlot + kName, lines[1]);
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
    PageCopy pc(ctx, page1::Page, copy);
    pc.caption();
    pc.clear(page1::Persons.start, page1::Persons.last());
    const QString& spouse = giAnswer(ctx, gi::SpouseName);
    // The spouse's line only for a spouse: without one the first line is
    // empty, not "Surviving Spouse" over a lone comma.
    if (copy == 0 && hasSurvivingSpouse(ctx)) {
        constexpr int line = page1::Persons.start;  // the first line
        pc.putGi(line + kName, gi::SpouseName);
        pc.putGi(line + kStreet, gi::SpouseStreet);
        pc.put(line + kCity, spouseCityLine(ctx));
        pc.put(line + kFrontRelationship, QStringLiteral("Surviving Spouse"));
        putMinorBirthDate(pc, line + kFrontBirthDate, giAnswer(ctx, gi::SpouseBirthDate));
    }
    bool minorListed = false;

    const std::vector<int> marked = markedKinRows(ctx, kinColumn::ToForm1_0Front);
    const WorksheetStore& kinStore = ctx.data.KSchedList;
    const auto [from, to] = frontRange(copy);
    // The first copy's first line is the spouse's.
    const int firstSlot = page1::Persons.start + (copy == 0 ? kFrontLine : 0);
    int placed = 0;
    for (int position = from; position <= to && position < int(marked.size()); ++position) {
        const int row = marked[size_t(position)];
        // The spouse is already on the first copy; the row keeps its place.
        if (kinStore.cell(kinColumn::Name, row) == spouse) continue;
        const int slot = firstSlot + kFrontLine * placed++;
        writeName(pc, slot, kinStore.cell(kinColumn::Name, row), kFrontNameFont);
        pc.put(slot + kStreet, kinStore.cell(kinColumn::Street, row));
        pc.put(slot + kCity, kinStore.cell(kinColumn::CityStateZip, row));
        pc.put(slot + kFrontRelationship, kinStore.cell(kinColumn::Relationship, row));
        minorListed |=
            putMinorBirthDate(pc, slot + kFrontBirthDate, kinStore.cell(kinColumn::BirthDate, row));
    }
    // The box the form asks to tick when a person listed is a minor; a box
    // the user ticked for another disability stays ticked.
    if (minorListed) pc.put(page1::MinorListed, QStringLiteral("X"));
}

void Calc2(CalcContext& ctx, int copy) {
    PageCopy pc(ctx, page2::Page, copy);
    pc.caseLine(page2::CaseNumber);
    pc.clear(page2::ListArea.start, page2::ListArea.last());
    const WorksheetStore& kinStore = ctx.data.KSchedList;
    const std::vector<int> persons = personsOfCopy(ctx, kinColumn::ToForm1_0Back, copy, 15);
    for (int i = 0; i < int(persons.size()); ++i) {
        const int row = persons[size_t(i)];
        const int slot = page2::Persons.start + kBackLine * i;
        writeName(pc, slot, kinStore.cell(kinColumn::Name, row), kBackNameFont);
        pc.put(slot + kStreet, kinStore.cell(kinColumn::Street, row));
        pc.put(slot + kCity, kinStore.cell(kinColumn::CityStateZip, row));
        putMinorBirthDate(pc, slot + kBackBirthDate, kinStore.cell(kinColumn::BirthDate, row));
    }
    pc.fiduciaryNames(page2::ApplicantTheFiduciary, Write::Kept);
    pc.putGi(page2::StreetAddress, gi::FiduciaryStreet);
    pc.put(page2::CityStateAndZIP, fiduciaryCityLine(ctx));
    pc.putGi(page2::Telephone, gi::FiduciaryPhone);
    pc.putGi(page2::EMailAddress, gi::FiduciaryDetail);
}

}  // namespace wm4::units
