#include "worksheets/details/distributee_dlg.h"

#include <QListWidgetItem>

#include "case/worksheet_columns.h"
#include "case/worksheet_store.h"
#include "ui_distributee_dlg.h"
#include "worksheets/details/detail_dialogs.h"
#include "worksheets/details/detail_records.h"
#include "worksheets/details/dialog_support.h"
#include "worksheets/details/distributee_selection.h"

namespace wm4 {

TfrmDistributeeDlg::TfrmDistributeeDlg(DetailMode mode, const WorksheetStore& kin,
                                       const QString& property, const QString& selection,
                                       QWidget* parent)
    : QDialog(parent), ui(new Ui::TfrmDistributeeDlg), m_mode(mode) {
    ui->setupUi(this);
    for (QGroupBox* group : {ui->grpInstructions, ui->grpProperty, ui->grpKinList})
        details::nameControl(group, group->title());
    details::nameControl(ui->lblInstructions, ui->lblInstructions->text());
    details::nameControl(ui->memProperty, ui->grpProperty->title());
    details::nameControl(ui->ListBox1, ui->grpKinList->title());
    ui->memProperty->setPlainText(property);

    for (int row = 0; row < kin.rowCount(); ++row) m_names.append(kin.cell(kinColumn::Name, row));
    const QList<bool> checked = SelectedNames(m_names, selection);
    for (int i = 0; i < m_names.size(); ++i) {
        auto* item = new QListWidgetItem(m_names[i], ui->ListBox1);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(checked[i] ? Qt::Checked : Qt::Unchecked);
        // A kin row without a name is listed too; a screen reader says so.
        if (m_names[i].isEmpty())
            item->setData(Qt::AccessibleTextRole,
                          QStringLiteral("(kin row %1 has no name)").arg(i + 1));
    }
    if (ui->ListBox1->count() > 0) ui->ListBox1->setCurrentRow(0);
    connect(ui->ListBox1, &QListWidget::itemChanged, this, [this] { m_modified = true; });
    // Enter in the list confirms the dialog; Space ticks the current name.
    details::wireButtons(this, ui->buttonBox);
    ui->ListBox1->setFocus();
}

TfrmDistributeeDlg::~TfrmDistributeeDlg() {
    delete ui;
}

QString TfrmDistributeeDlg::selection() const {
    QStringList chosen;
    for (int i = 0; i < ui->ListBox1->count(); ++i)
        if (ui->ListBox1->item(i)->checkState() == Qt::Checked) chosen.append(m_names[i]);
    return JoinSelection(chosen);
}

namespace {

bool select(DetailMode mode, QWidget* parent, const WorksheetStore& kin, const QString& property,
            QString& selection) {
    TfrmDistributeeDlg dialog(mode, kin, property, selection, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    selection = dialog.selection();
    return true;
}

}  // namespace

bool SelectDistributees(QWidget* parent, const WorksheetStore& kin, const QString& property,
                        AssetDetail& detail) {
    return select(DetailMode::Asset, parent, kin, property, detail.distributees);
}

bool SelectDistributees(QWidget* parent, const WorksheetStore& kin, const QString& property,
                        ExpenseDetail& detail) {
    return select(DetailMode::Expense, parent, kin, property, detail.parties);
}

}  // namespace wm4
