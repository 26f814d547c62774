#include "calc/checks/person_capacity.h"

#include "calc/checks/worksheet_marks.h"
#include "case/worksheet_columns.h"
#include "messages/report.h"

namespace wm4 {
namespace {

// Form 6.4C reports 2906 like Form 2.1, with the text of that form; the
// number is kept so that the message stays the one users know.
constexpr PersonCapacity kCapacities[] = {
    {3, "2.0 front, waiver", kinColumn::ToForm2_0, 20, 1, 8, 29010, nullptr, true},
    {5, "2.1 waiver of notice of probate", kinColumn::ToForm2_1, 4, 1, 34, 29060, nullptr, true},
    {12, "4.0 back, waiver", kinColumn::ToForm4_0, 14, 1, 8, 29070, nullptr, true},
    {15, "4.3 waiver of right to administer", kinColumn::ToForm4_3, 5, 1, 36, 29080, nullptr, true},
    {19, "5.0 back, waiver", kinColumn::ToForm5_0, 1, 1, 8, 29090, nullptr, true},
    {22, "5.2 waiver of notice of application", kinColumn::ToForm5_2, 4, 1, 36, 29100, nullptr,
     true},
    {29, "6.0 back, waiver", kinColumn::ToForm6_0, 2, 1, 14, 29110, nullptr, true},
    {32, "6.2 waiver of notice of hearing", kinColumn::ToForm6_2, 4, 1, 36, 29120, nullptr, true},
    {35, "7.2 front, minors", kinColumn::ToForm7_2, 8, 7, 5, 29240, nullptr, true},
    {40, "9.0 front, consent", kinColumn::ToForm9_0, 13, 1, 5, 30219, "Form 9.0", false},
    {43, "application for attorney fees, consent", kinColumn::ToAttorneyFeeApplication, 20, 1, 10,
     29130, nullptr, true},
    {47, "10.0 back, consent", kinColumn::ToForm10_0, 1, 1, 8, 29140, nullptr, true},
    {53, "11.0 front, consent", kinColumn::ToForm11_0, 6, 1, 26, 29150, nullptr, true},
    {67, "13.4 waiver of partial account", kinColumn::ToForm13_4, 7, 1, 24, 29160, nullptr, true},
    {129, "6.4C waiver and consent", kinColumn::ToForm6_4C, 7, 1, 30, 29060, nullptr, true},
};

}  // namespace

std::span<const PersonCapacity> PersonCapacities() {
    return kCapacities;
}

const PersonCapacity* personCapacity(int page) {
    for (const PersonCapacity& capacity : kCapacities)
        if (capacity.page == page) return &capacity;
    return nullptr;
}

PersonSelection SelectPersons(CaseData& data, const PersonCapacity& capacity) {
    PersonSelection selection;
    WorksheetStore& kin = data.KSchedList;
    for (int row = 0; row < kin.rowCount(); ++row) {
        if (!isMarked(kin, capacity.kinColumn, row)) continue;
        if (selection.rows.size() < capacity.names) {
            selection.rows.append(row);
            continue;
        }
        // One person too many: off the form (the change is part of the case
        // and saved with it), unless the form keeps the person listed.
        if (capacity.takeOff) kin.setCell(capacity.kinColumn, row, QString());
        ReportError(capacity.errNo,
                    capacity.messageText ? QString::fromLatin1(capacity.messageText) : QString());
        selection.overflow = true;
        break;
    }
    return selection;
}

}  // namespace wm4
