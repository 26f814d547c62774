#include "support/sample_rows.h"

namespace wm4::test::sample {

int addRow(WorksheetStore& store, Cells cells, const std::vector<int>& marks) {
    int row = store.rowCount();
    if (row == 1 && store.row(0).join(QString()).isEmpty())
        row = 0;
    else
        store.setRowCount(row + 1);
    for (const auto& [column, text] : cells) store.setCell(column, row, QString::fromUtf8(text));
    for (int column : marks) store.setCell(column, row, QStringLiteral("X"));
    return row;
}

void answer(CaseData& data, int page, int slot, const char* text, int copy) {
    data.answers.setAnswer(page, copy, slot, QString::fromUtf8(text));
}

void overridden(CaseData& data, int page, int slot, const char* text, int copy) {
    answer(data, page, slot, text, copy);
    data.answers.setOvRide(page, copy, slot, true);
}

void answers(CaseData& data, int page, Cells slots, int copy) {
    for (const auto& [slot, text] : slots) answer(data, page, slot, text, copy);
}

}  // namespace wm4::test::sample
