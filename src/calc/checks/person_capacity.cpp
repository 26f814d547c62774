#include "calc/checks/person_capacity.h"

#include "calc/checks/worksheet_marks.h"
#include "case/worksheet_columns.h"
#include "forms/page003.h"
#include "forms/page005.h"
#include "forms/page012.h"
#include "forms/page015.h"
#include "forms/page019.h"
#include "forms/page022.h"
#include "forms/page029.h"
#include "forms/page032.h"
#include "forms/page035.h"
#include "forms/page040.h"
#include "forms/page043.h"
#include "forms/page047.h"
#include "forms/page053.h"
#include "forms/page067.h"
#include "forms/page129.h"
#include "messages/report.h"

namespace wm4 {
namespace {

// Form 6.4C reports 2906 like Form 2.1, with the text of that form; the
// number is kept so that the message stays the one users know.
constexpr PersonCapacity kCapacities[] = {
    {page3::Page, "2.0 front, waiver", kinColumn::ToForm2_0, page3::Names.start, 1, 8, 29010,
     nullptr, true},
    {page5::Page, "2.1 waiver of notice of probate", kinColumn::ToForm2_1, page5::Names.start, 1,
     34, 29060, nullptr, true},
    {page12::Page, "4.0 back, waiver", kinColumn::ToForm4_0, page12::Names.start, 1, 8, 29070,
     nullptr, true},
    {page15::Page, "4.3 waiver of right to administer", kinColumn::ToForm4_3, page15::Names.start,
     1, 36, 29080, nullptr, true},
    {page19::Page, "5.0 back, waiver", kinColumn::ToForm5_0, page19::Names.start, 1, 8, 29090,
     nullptr, true},
    {page22::Page, "5.2 waiver of notice of application", kinColumn::ToForm5_2, page22::Names.start,
     1, 36, 29100, nullptr, true},
    {page29::Page, "6.0 back, waiver", kinColumn::ToForm6_0, page29::Names.start, 1, 14, 29110,
     nullptr, true},
    {page32::Page, "6.2 waiver of notice of hearing", kinColumn::ToForm6_2, page32::Names.start, 1,
     36, 29120, nullptr, true},
    {page35::Page, "7.2 front, minors", kinColumn::ToForm7_2, page35::Minors.start, 7, 5, 29240,
     nullptr, true},
    {page40::Page, "9.0 front, consent", kinColumn::ToForm9_0, page40::Names.start, 1, 5, 30219,
     "Form 9.0", false},
    {page43::Page, "application for attorney fees, consent", kinColumn::ToAttorneyFeeApplication,
     page43::Names.start, 1, 10, 29130, nullptr, true},
    {page47::Page, "10.0 back, consent", kinColumn::ToForm10_0, page47::Consents.start, 1, 8, 29140,
     nullptr, true},
    {page53::Page, "11.0 front, consent", kinColumn::ToForm11_0, page53::Names.start, 1, 26, 29150,
     nullptr, true},
    {page67::Page, "13.4 waiver of partial account", kinColumn::ToForm13_4, page67::Names.start, 1,
     24, 29160, nullptr, true},
    {page129::Page, "6.4C waiver and consent", kinColumn::ToForm6_4C, page129::Names.start, 1, 30,
     29060, nullptr, true},
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
