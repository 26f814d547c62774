#pragma once
// Person capacities: a waiver or consent lists the kin rows marked for its
// form from the top, one name per line, and the printed form has a fixed
// number of lines.
#include <QList>
#include <QtGlobal>
#include <span>

#include "case/case_data.h"

namespace wm4 {

struct PersonCapacity {
    int page;
    const char* section;
    int kinColumn;   // send-to column of the form
    int firstSlot;   // slot of the first name
    int slotStride;  // slots from one person to the next (7 on Form 7.2's minors)
    int names;       // lines on the form
    quint16 errNo;
    const char* messageText;  // text of the report; nullptr for none
    // True: the surplus person is taken off the form (the kin mark cleared
    // and saved with the case). False (Form 9.0): the mark stays and the
    // report repeats on every run.
    bool takeOff;
};

// Every person capacity, in page order.
std::span<const PersonCapacity> PersonCapacities();

// The capacity of a page's person list; nullptr when the page has none.
const PersonCapacity* personCapacity(int page);

// The persons a page lists, up to its capacity.
struct PersonSelection {
    QList<int> rows;        // kin rows, top to bottom, at most `names`
    bool overflow = false;  // one more marked row than the form holds arrived
};

// Takes the kin rows marked in the capacity's column from the top. When one
// more marked row arrives than the form has lines, that row is taken off the
// form (its mark cleared in the kin store) unless the form keeps it, the
// message is reported, and the selection ends there: the page calculation
// then writes the listed names and ends. Rows after the surplus one are left
// as they are; the next run takes the next surplus person off.
PersonSelection SelectPersons(CaseData& data, const PersonCapacity& capacity);

// The slot of the i-th listed person's name.
inline int personSlot(const PersonCapacity& capacity, int i) {
    return capacity.firstSlot + i * capacity.slotStride;
}

}  // namespace wm4
