#include "worksheets/details/cpid_dlg.h"

#include "ui_cpid_dlg.h"
#include "worksheets/details/detail_dialogs.h"
#include "worksheets/details/detail_summaries.h"

namespace wm4 {

TfrmCPIDDlg::TfrmCPIDDlg(DetailMode mode, const Identifiers& identifiers, QWidget* parent)
    : QDialog(parent), ui(new Ui::TfrmCPIDDlg), m_mode(mode) {
    ui->setupUi(this);
    details::nameControl(ui->grpIdentifiers, ui->grpIdentifiers->title());
    m_edits.build(ui->layFields, IdentifierFields, identifiers, m_modified);
    details::wireButtons(this, ui->buttonBox);
}

TfrmCPIDDlg::~TfrmCPIDDlg() {
    delete ui;
}

void TfrmCPIDDlg::writeTo(Identifiers& identifiers) const {
    m_edits.read(identifiers);
}

bool EditIdentifiers(QWidget* parent, AssetDetail& detail) {
    TfrmCPIDDlg dialog(DetailMode::Asset, detail.identifiers, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    dialog.writeTo(detail.identifiers);
    detail.identifierSummary = IdentifierSummary(detail.identifiers);
    return true;
}

bool EditIdentifiers(QWidget* parent, ExpenseDetail& detail) {
    TfrmCPIDDlg dialog(DetailMode::Expense, detail.identifiers, parent);
    if (dialog.exec() != QDialog::Accepted || !dialog.modified()) return false;
    dialog.writeTo(detail.identifiers);
    return true;
}

}  // namespace wm4
