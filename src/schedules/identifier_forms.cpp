#include "schedules/identifier_forms.h"

#include "case/worksheet_columns.h"
#include "schedules/schedule_common.h"

namespace wm4 {
namespace {

constexpr int EntriesPerForm = 10;

int markedRows(const WorksheetStore& store, int column) {
    int count = 0;
    for (int r = 0; r < store.rowCount(); ++r)
        if (schedules::IsMarked(store, column, r)) ++count;
    return count;
}

}  // namespace

int CountIdentifierForms(const CaseData& data) {
    const int entries = markedRows(data.ASchedList, assetColumn::ToIdentifiers) +
                        markedRows(data.ESchedList, expenseColumn::ToIdentifiers);
    // More than 1,000 entries would need copies the answer store does not
    // hold; the count stops at its 100 copies.
    return schedules::CopiesToUse((entries + EntriesPerForm - 1) / EntriesPerForm);
}

}  // namespace wm4
