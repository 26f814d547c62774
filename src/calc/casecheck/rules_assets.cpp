// Worksheet rows sent to a form must carry what the form prints: a value
// (amount) and, for the categorised forms, a category. The calculation stops
// at the first row without a category; this check lists every one. And an
// administered estate sends nothing to Form 5.1, relief from administration.
#include "calc/casecheck/check_support.h"
#include "calc/casecheck/rules.h"
#include "calc/checks/category_test.h"
#include "case/worksheet_columns.h"
#include "case/worksheet_lists.h"
#include "forms/page045.h"
#include "forms/page060.h"

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

namespace {

// What shows an estate is administered: a fiduciary's appointment dated on
// 13.0 or 7.0, or assets sent to the inventory or the account. Empty when
// nothing does.
QString administeredBecause(const CaseData& data) {
    const std::pair<int, int> appointed[] = {{page60::Page, page60::DateTheFiduciaryWasAppointed},
                                             {page45::Page, page45::DateTheFiduciaryWasAppointed}};
    for (const auto& [page, slot] : appointed) {
        const QString date = data.answers.answer(page, 0, slot).trimmed();
        if (!date.isEmpty()) return QStringLiteral("a fiduciary was appointed on %1").arg(date);
    }
    const WorksheetStore& assets = data.ASchedList;
    for (int r = 0; r < assets.rowCount(); ++r) {
        if (isMarked(assets, assetColumn::ToForm6_0, r))
            return QStringLiteral("assets are sent to the inventory (6.0)");
        if (isMarked(assets, assetColumn::ToForm13_0, r))
            return QStringLiteral("assets are sent to the account (13.0)");
    }
    return QString();
}

}  // namespace

// Form 5.1 lists what is relieved from administration. The attorney fee
// computation's line for assets relieved takes whatever 5.1 holds, so a row
// sent there in an administered estate raises the fee as well.
void reliefWhileAdministered(const CaseRule& rule, const CaseData& data, CaseFindings& out) {
    const WorksheetStore& assets = data.ASchedList;
    QString because;
    for (int r = 0; r < assets.rowCount(); ++r) {
        if (!isMarked(assets, assetColumn::ToForm5_1, r)) continue;
        if (because.isNull()) because = administeredBecause(data);
        if (because.isEmpty()) return;
        add(out, rule,
            QStringLiteral("%1 is sent to Form 5.1 (relief from administration), but the estate is "
                           "administered: %2.")
                .arg(description(assets, r), because),
            ReportPlace::worksheetRow(AssetSheet, r));
    }
}

}  // namespace wm4::casecheck
