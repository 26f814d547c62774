#include "worksheets/expense/expense_worksheet.h"

#include "case/conversions.h"
#include "case/worksheet_columns.h"
#include "case/worksheet_lists.h"
#include "session/case_session.h"
#include "ui_expense_worksheet.h"
#include "worksheets/details/detail_dialogs.h"
#include "worksheets/details/detail_summaries.h"
#include "worksheets/grid/cell_forms.h"
#include "worksheets/window/flag_boxes.h"
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

constexpr QStringView PartyPlaceholder = u"Select from Kin ... Interested Party Wrksht";
constexpr std::array<int, 2> SendToPanelColumns = {5, 5};  // boxes per column

void fillList(QComboBox* list, const CategoryList& items) {
    for (QStringView item : items.items) list->addItem(item.toString());
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
    fillList(m_panel->cmbedtForm13Category, ExpenseCategory13_0);
    fillList(m_panel->cmbedtForm24Category, ExpenseCategory24_4);
    m_flags = BuildFlagBoxes(ExpenseSendToFlags, ExpenseSendToPanelOrder, SendToPanelColumns,
                             m_panel->grpSendTo, m_panel->flagsLayout);

    addField(m_panel->memDescription, FieldKind::Memo);
    addField(m_panel->edtAmount, FieldKind::Money, [this] {
        m_panel->edtAmount->setText(PlainAmount(currentCells()[expenseColumn::Amount]));
    });
    for (QWidget* field : {static_cast<QWidget*>(m_panel->edtVoucherNo),
                           static_cast<QWidget*>(m_panel->edtNatureOfDebt),
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

QWidget* TfrmExpenseWorksheet::firstField() const {
    return m_panel->memDescription;
}

// Saved and marked changed only when the user changed an identifier.
void TfrmExpenseWorksheet::CPIDClick() {
    if (!EditIdentifiers(this, m_detail)) return;
    SaveEntry();
    session().setModified(true);
}

void TfrmExpenseWorksheet::SelectPartyClick() {
    if (!SelectDistributees(this, session().data().KSchedList,
                            m_panel->memDescription->toPlainText(), m_detail))
        return;
    setParty(m_detail.parties);
    SaveEntry();
    session().setModified(true);
}

void TfrmExpenseWorksheet::setParty(const QString& names) {
    m_detail.parties = names;
    m_panel->btnSelectDistributees->setText(names.isEmpty() ? PartyPlaceholder.toString() : names);
}

void TfrmExpenseWorksheet::RowToPanel(const QStringList& row) {
    m_panel->memDescription->setPlainText(BarsToMemo(row[expenseColumn::Description]));
    m_panel->edtAmount->setText(row[expenseColumn::Amount]);
    m_panel->edtVoucherNo->setText(row[expenseColumn::CheckNumber]);
    m_panel->edtNatureOfDebt->setText(row[expenseColumn::NatureOfDebt]);
    m_panel->edtEstimatedPayment->setText(row[expenseColumn::EstimatedPayment]);
    m_panel->cbxClaimRejected->setChecked(row[expenseColumn::ClaimRejected] == u"X");
    selectItem(m_panel->cmbedtForm13Category, row[expenseColumn::Category13_0]);
    selectItem(m_panel->cmbedtForm24Category, row[expenseColumn::Category24_4]);
    for (size_t i = 0; i < ExpenseSendToFlags.size(); ++i)
        m_flags[i]->setChecked(row[ExpenseSendToFlags[i].column] == u"X");
    m_detail = ExpenseDetail::fromRow(row);
    setParty(m_detail.parties);
}

void TfrmExpenseWorksheet::PanelToRow(QStringList& row) {
    row[expenseColumn::Description] = MemoToBars(m_panel->memDescription->toPlainText());
    row[expenseColumn::Amount] = MoneyCell(m_panel->edtAmount->text());
    row[expenseColumn::CheckNumber] = m_panel->edtVoucherNo->text();
    row[expenseColumn::NatureOfDebt] = m_panel->edtNatureOfDebt->text();
    row[expenseColumn::EstimatedPayment] = m_panel->edtEstimatedPayment->text();
    row[expenseColumn::ClaimRejected] =
        m_panel->cbxClaimRejected->isChecked() ? QStringLiteral("X") : QString();
    row[expenseColumn::Category13_0] = m_panel->cmbedtForm13Category->currentText();
    row[expenseColumn::Category24_4] = m_panel->cmbedtForm24Category->currentText();
    for (size_t i = 0; i < ExpenseSendToFlags.size(); ++i)
        row[ExpenseSendToFlags[i].column] =
            m_flags[i]->isChecked() ? QStringLiteral("X") : QString();
    row[expenseColumn::SendToSummary] =
        SendToSummary(ExpenseSendToFlags, [&row](int column) { return row[column] == u"X"; });
    m_detail.writeToRow(row);  // identifiers and parties
}

void TfrmExpenseWorksheet::CompleteSummaries(QStringList& row) const {
    CompleteSendToSummary(ExpenseSendToFlags, expenseColumn::SendToSummary, row);
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
    m_detail = ExpenseDetail();
    setParty(QString());
}

}  // namespace wm4
