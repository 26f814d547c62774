#include "worksheets/expense/expense_worksheet.h"

#include "case/worksheet_columns.h"
#include "session/case_session.h"
#include "ui_expense_worksheet.h"
#include "worksheets/expense/expense_lists.h"
#include "worksheets/grid/cell_forms.h"
#include "worksheets/window/worksheet_texts.h"

namespace wm4 {

namespace {

const WorksheetTraits ExpenseTraits{
    .caption = "Expense Worksheet",
    .navigatorTitle = " Navigator ",
    .rowCommandsTitle = "Row Commands",
    .clearQuestion = text::ClearExpenseQuestion,
    .gridName = "Expense worksheet rows",
    .grid = ExpenseGrid,
    .store = &CaseData::ESchedList,
};

constexpr int FirstIdentifier = expenseColumn::IdentifierFilingDate;  // 16 ... 20
constexpr int IdentifierCount = 5;

template <size_t N>
void fillList(QComboBox* list, const std::array<const char*, N>& items) {
    for (const char* item : items) list->addItem(QString::fromLatin1(item));
}

// The item equal to the cell (case-sensitive), else the first.
void selectItem(QComboBox* list, const QString& cell) {
    const int index = list->findText(cell, Qt::MatchExactly | Qt::MatchCaseSensitive);
    list->setCurrentIndex(index >= 0 ? index : 0);
}

}  // namespace

TfrmExpenseWorksheet::TfrmExpenseWorksheet(CaseSession& session, QWidget* parent)
    : WorksheetWindow(session, ExpenseTraits, parent),
      m_panel(std::make_unique<Ui::TfrmExpenseWorksheet>()) {
    auto* panel = new QWidget(this);
    m_panel->setupUi(panel);
    setPanel(panel);
    fillList(m_panel->cmbedtForm13Category, ExpenseForm13Categories);
    fillList(m_panel->cmbedtForm24Category, ExpenseForm24Categories);
    m_flags = BuildFlagBoxes(ExpenseFlags, ExpenseFlagLayout, ExpenseFlagColumns,
                             m_panel->grpSendTo, m_panel->flagsLayout);
    for (int i = 0; i < IdentifierCount; ++i) m_identifiers.append(QString());

    addField(m_panel->memDescription, FieldKind::Memo);
    addField(m_panel->edtAmount, FieldKind::Money, [this] {
        m_panel->edtAmount->setText(PlainAmount(currentCells()[expenseColumn::Amount]));
    });
    for (QWidget* field : {static_cast<QWidget*>(m_panel->edtVoucherNo), static_cast<QWidget*>(m_panel->edtNatureOfDebt),
                           static_cast<QWidget*>(m_panel->cmbedtForm13Category),
                           static_cast<QWidget*>(m_panel->cmbedtForm24Category),
                           static_cast<QWidget*>(m_panel->edtEstimatedPayment),
                           static_cast<QWidget*>(m_panel->cbxClaimRejected)})
        addField(field);
    for (QCheckBox* box : m_flags) addField(box);

    connect(m_panel->btnCPID, &QPushButton::clicked, this, &TfrmExpenseWorksheet::CPIDClick);
    connect(m_panel->btnSelectDistributees, &QPushButton::clicked, this,
            &TfrmExpenseWorksheet::SelectPartyClick);
    start();
}

TfrmExpenseWorksheet::~TfrmExpenseWorksheet() = default;

QWidget* TfrmExpenseWorksheet::firstField() const { return m_panel->memDescription; }

void TfrmExpenseWorksheet::CPIDClick() {}

void TfrmExpenseWorksheet::SelectPartyClick() {}

void TfrmExpenseWorksheet::setParty(const QString& names) {
    m_party = names;
    m_panel->btnSelectDistributees->setText(names.isEmpty() ? QString::fromLatin1(PartyPlaceholder)
                                                            : names);
}

void TfrmExpenseWorksheet::RowToPanel(const QStringList& row) {
    m_panel->memDescription->setPlainText(CellToMemo(row[expenseColumn::Description]));
    m_panel->edtAmount->setText(row[expenseColumn::Amount]);
    m_panel->edtVoucherNo->setText(row[expenseColumn::CheckNumber]);
    m_panel->edtNatureOfDebt->setText(row[expenseColumn::NatureOfDebt]);
    m_panel->edtEstimatedPayment->setText(row[expenseColumn::EstimatedPayment]);
    m_panel->cbxClaimRejected->setChecked(row[expenseColumn::ClaimRejected] == u"X");
    selectItem(m_panel->cmbedtForm13Category, row[expenseColumn::Category13_0]);
    selectItem(m_panel->cmbedtForm24Category, row[expenseColumn::Category24_4]);
    for (size_t i = 0; i < ExpenseFlags.size(); ++i)
        m_flags[i]->setChecked(row[ExpenseFlags[i].column] == u"X");
    for (int i = 0; i < IdentifierCount; ++i) m_identifiers[i] = row[FirstIdentifier + i];
    setParty(row[expenseColumn::InterestedPersons]);
}

void TfrmExpenseWorksheet::PanelToRow(QStringList& row) {
    row[expenseColumn::Description] = MemoToCell(m_panel->memDescription->toPlainText());
    row[expenseColumn::Amount] = MoneyCell(m_panel->edtAmount->text());
    row[expenseColumn::CheckNumber] = m_panel->edtVoucherNo->text();
    row[expenseColumn::NatureOfDebt] = m_panel->edtNatureOfDebt->text();
    row[expenseColumn::EstimatedPayment] = m_panel->edtEstimatedPayment->text();
    row[expenseColumn::ClaimRejected] = m_panel->cbxClaimRejected->isChecked() ? QStringLiteral("X") : QString();
    row[expenseColumn::Category13_0] = m_panel->cmbedtForm13Category->currentText();
    row[expenseColumn::Category24_4] = m_panel->cmbedtForm24Category->currentText();
    row[expenseColumn::InterestedPersons] = m_party;
    for (size_t i = 0; i < ExpenseFlags.size(); ++i)
        row[ExpenseFlags[i].column] = m_flags[i]->isChecked() ? QStringLiteral("X") : QString();
    row[expenseColumn::SendToSummary] = SendToSummary(ExpenseFlags, row);
    for (int i = 0; i < IdentifierCount; ++i) row[FirstIdentifier + i] = m_identifiers[i];
}

void TfrmExpenseWorksheet::ClearPanel() {
    for (QLineEdit* edit : {m_panel->edtAmount, m_panel->edtVoucherNo, m_panel->edtNatureOfDebt,
                            m_panel->edtEstimatedPayment})
        edit->clear();
    m_panel->memDescription->clear();
    m_panel->cbxClaimRejected->setChecked(false);
    for (QCheckBox* box : m_flags) box->setChecked(false);
    m_panel->cmbedtForm13Category->setCurrentIndex(0);
    m_panel->cmbedtForm24Category->setCurrentIndex(0);
    setParty(QString());
    for (QString& identifier : m_identifiers) identifier.clear();
}

}  // namespace wm4
