#include "calc/checks/worksheet_marks.h"

#include "case/worksheet_lists.h"

namespace wm4 {

const WorksheetStore& gridStore(const CaseData& data, Grid grid) {
    switch (grid) {
        case Grid::Kin:
            return data.KSchedList;
        case Grid::Asset:
            return data.ASchedList;
        case Grid::Expense:
            break;
    }
    return data.ESchedList;
}

WorksheetStore& gridStore(CaseData& data, Grid grid) {
    return const_cast<WorksheetStore&>(gridStore(std::as_const(data), grid));
}

bool sameCategory(const QString& cell, QStringView name) {
    return QStringView(cell).trimmed().compare(name.trimmed(), Qt::CaseInsensitive) == 0;
}

bool categoryMissing(const QString& cell) {
    // The expense list's first item reads "on", not "for"; a row left on it
    // was never categorised and must not pass the test.
    static constexpr QStringView notUsed[] = {
        AssetNotCategorised, ExpenseCategory13_0.items.front(), ExpenseCategory24_4.items.front()};
    // A new row's "0" is no item text either: the category dialog shows it
    // as "Not used for this asset", and a row left so would drop out of its
    // form as silently.
    const QStringView text = QStringView(cell).trimmed();
    if (text.isEmpty() || text == u"0") return true;
    for (QStringView item : notUsed)
        if (sameCategory(cell, item)) return true;
    return false;
}

}  // namespace wm4
