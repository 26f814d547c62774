// The General Information page runs first in every calculation: it puts its
// dates in long form, copies the fiduciary into the spouse's answers when
// the spouse is the fiduciary, and keeps the kin worksheet in step with the
// persons it names.
#include "calc/units/blocks.h"
#include "calc/units/units.h"

namespace wm4::units {

namespace {

// A person of the General Information page and where the kin row takes it.
struct NamedPerson {
    int name;
    int street;
    int city, state, zip;
    int genderMark;  // "X": "M", else "F"; the spouse's row has its own rule
};

constexpr NamedPerson kNamedPersons[] = {
    {gi::SpouseName, gi::SpouseStreet, gi::SpouseCity, gi::SpouseState, gi::SpouseZip,
     gi::DecedentGenderMark},
    {gi::FiduciaryName, gi::FiduciaryStreet, gi::FiduciaryCity, gi::FiduciaryState,
     gi::FiduciaryZip, gi::FiduciaryGenderMark},
    {gi::CoFiduciaryName, gi::CoFiduciaryStreet, gi::CoFiduciaryCity, gi::CoFiduciaryState,
     gi::CoFiduciaryZip, gi::CoFiduciaryGenderMark},
};

// The gender of the person's kin row. The spouse's marks describe the
// decedent: the widow of a husband is "F", the widower of a wife "M"; with
// neither mark the row stays "F", as it always was. (Taking the husband mark
// as the spouse's own gender made the letters to a widow read "Mr.".)
QString kinGender(const CalcContext& ctx, const NamedPerson& person) {
    const auto marked = [&ctx](int answer) { return giAnswer(ctx, answer) == u"X"; };
    if (person.name == gi::SpouseName)
        return !marked(gi::DecedentGenderMark) && marked(gi::DecedentGenderMark2)
                   ? QStringLiteral("M")
                   : QStringLiteral("F");
    return marked(person.genderMark) ? QStringLiteral("M") : QStringLiteral("F");
}

// The spouse's answers 42-47 and 58 take the fiduciary's 28-33 and 57.
constexpr std::pair<int, int> kSpouseFromFiduciary[] = {
    {gi::SpouseName, gi::FiduciaryName},     {gi::SpouseStreet, gi::FiduciaryStreet},
    {gi::SpouseCity, gi::FiduciaryCity},     {gi::SpouseState, gi::FiduciaryState},
    {gi::SpouseZip, gi::FiduciaryZip},       {gi::SpousePhone, gi::FiduciaryPhone},
    {gi::SpouseDetail, gi::FiduciaryDetail},
};

// The last kin row named exactly `name`, or -1.
int lastRowNamed(const WorksheetStore& kinStore, const QString& name) {
    for (int row = kinStore.rowCount() - 1; row >= 0; --row)
        if (kinStore.cell(kinColumn::Name, row) == name) return row;
    return -1;
}

void syncKinRow(CalcContext& ctx, const NamedPerson& person) {
    const QString& name = giAnswer(ctx, person.name);
    WorksheetStore& kinStore = ctx.data.KSchedList;
    if (name.isEmpty() || kinStore.rowCount() == 0) return;

    const QString street = giAnswer(ctx, person.street);
    const QString city = cityLine(giAnswer(ctx, person.city), giAnswer(ctx, person.state),
                                  giAnswer(ctx, person.zip));
    const QString gender = kinGender(ctx, person);

    int row = lastRowNamed(kinStore, name);
    if (row >= 0) {
        kinStore.setCell(kinColumn::Street, row, street);
        if (!giAnswer(ctx, person.state).isEmpty())
            kinStore.setCell(kinColumn::CityStateZip, row, city);
        kinStore.setCell(kinColumn::Gender, row, gender);
        return;
    }
    // A new row, or the worksheet's single empty row.
    const bool useEmptyFirstRow =
        kinStore.rowCount() == 1 && kinStore.cell(kinColumn::Name, 0).isEmpty();
    if (useEmptyFirstRow) {
        row = 0;
    } else {
        row = kinStore.rowCount();
        kinStore.setRowCount(row + 1);
    }
    kinStore.setCell(kinColumn::Name, row, name);
    kinStore.setCell(kinColumn::Street, row, street);
    kinStore.setCell(kinColumn::CityStateZip, row, city);
    kinStore.setCell(kinColumn::Gender, row, gender);
}

}  // namespace

void Calc0(CalcContext& ctx, int /*copy*/) {
    PageCopy pc(ctx, 0, 0);
    pc.longDates({gi::DecedentBirthDate, gi::DeathDate}, Write::Kept);
    if (pc.isX(gi::SpouseIsFiduciary))
        for (const auto& [spouse, fiduciary] : kSpouseFromFiduciary)
            pc.put(spouse, pc.text(fiduciary));
    // The derived city lines and the full name are built from these answers
    // wherever they are used (blocks.h), so there is nothing to keep here.
    for (const NamedPerson& person : kNamedPersons) syncKinRow(ctx, person);
}

}  // namespace wm4::units
