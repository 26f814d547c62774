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
    // The person's gender for the kin row, or empty when the answers do not
    // tell (the row's own gender then stays).
    QString (*gender)(const CalcContext& ctx);
};

template <int Mark>
QString genderFromOwnMark(const CalcContext& ctx) {
    return giAnswer(ctx, Mark) == u"X" ? QStringLiteral("M") : QStringLiteral("F");
}

// The spouse's gender follows from the decedent's: a husband's widow, a
// woman's widower. With neither mark set the answers say nothing.
QString spouseGender(const CalcContext& ctx) {
    if (giAnswer(ctx, gi::DecedentGenderMark) == u"X") return QStringLiteral("F");
    if (giAnswer(ctx, gi::DecedentGenderMark2) == u"X") return QStringLiteral("M");
    return QString();
}

constexpr NamedPerson kNamedPersons[] = {
    {gi::SpouseName, gi::SpouseStreet, gi::SpouseCity, gi::SpouseState, gi::SpouseZip,
     &spouseGender},
    {gi::FiduciaryName, gi::FiduciaryStreet, gi::FiduciaryCity, gi::FiduciaryState,
     gi::FiduciaryZip, &genderFromOwnMark<gi::FiduciaryGenderMark>},
    {gi::CoFiduciaryName, gi::CoFiduciaryStreet, gi::CoFiduciaryCity, gi::CoFiduciaryState,
     gi::CoFiduciaryZip, &genderFromOwnMark<gi::CoFiduciaryGenderMark>},
};

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
    const QString gender = person.gender(ctx);

    int row = lastRowNamed(kinStore, name);
    if (row >= 0) {
        kinStore.setCell(kinColumn::Street, row, street);
        if (!giAnswer(ctx, person.state).isEmpty())
            kinStore.setCell(kinColumn::CityStateZip, row, city);
        if (!gender.isEmpty()) kinStore.setCell(kinColumn::Gender, row, gender);
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
