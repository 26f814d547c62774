// Worksheet rows sent to a form must carry what the form prints: a value
// (amount) and, for the categorised forms, a category. The calculation stops
// at the first row without a category; this check lists every one.
#include "calc/casecheck/check_support.h"
#include "calc/casecheck/rules.h"
#include "calc/checks/category_test.h"
#include "case/worksheet_columns.h"
#include "case/worksheet_lists.h"

namespace wm4::casecheck {

namespace {

QString description(const WorksheetStore& store, int row) {
    const QString text = store.cell(assetColumn::Description, row).section(u'|', 0, 0).trimmed();
    return text.isEmpty() ? QStringLiteral("A row without a description") : u'"' + text + u'"';
}

template <size_t N>
QStringList sentTo(const WorksheetStore& store, int row, const std::array<SendToFlag, N>& flags) {
    QStringList forms;
    for (const SendToFlag& flag : flags)
        if (isMarked(store, flag.column, row)) forms << flag.code.toString();
    return forms;
}

template <size_t N>
void valuesOf(const CaseRule& rule, const WorksheetStore& store, int sheet, int amountColumn,
              const std::array<SendToFlag, N>& flags, CaseFindings& out) {
    for (int r = 0; r < store.rowCount(); ++r) {
        const QStringList forms = sentTo(store, r, flags);
        if (forms.isEmpty()) continue;
        const QString& amount = store.cell(amountColumn, r);
        if (amountOf(amount)) continue;
        add(out, rule,
            QStringLiteral("%1 is sent to %2 but has %3.")
                .arg(description(store, r), forms.join(QStringLiteral(", ")),
                     amount.trimmed().isEmpty()
                         ? QStringLiteral("no value")
                         : QStringLiteral("a value that is not an amount (\"%1\")").arg(amount)),
            ReportPlace::worksheetRow(sheet, r));
    }
}

}  // namespace

void rowValues(const CaseRule& rule, const CaseData& data, CaseFindings& out) {
    valuesOf(rule, data.ASchedList, AssetSheet, assetColumn::Value, AssetSendToFlags, out);
    valuesOf(rule, data.ESchedList, ExpenseSheet, expenseColumn::Amount, ExpenseSendToFlags, out);
}

void rowCategories(const CaseRule& rule, const CaseData& data, CaseFindings& out) {
    // The category test's own pairs, every row and every pair.
    for (const CategoryRule& pair : CategoryRules()) {
        const WorksheetStore& store = gridStore(data, pair.grid);
        const int sheet = pair.grid == Grid::Asset ? AssetSheet : ExpenseSheet;
        for (int r = 0; r < store.rowCount(); ++r) {
            if (!isMarked(store, pair.sendColumn, r) ||
                !categoryMissing(store.cell(pair.categoryColumn, r)))
                continue;
            add(out, rule,
                QStringLiteral("%1 is sent to %2 without a category.")
                    .arg(description(store, r), QString::fromLatin1(pair.form)),
                ReportPlace::worksheetRow(sheet, r));
        }
    }
}

}  // namespace wm4::casecheck
