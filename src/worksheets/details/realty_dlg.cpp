#include "worksheets/details/realty_dlg.h"

#include "ui_realty_dlg.h"
#include "worksheets/details/detail_dialogs.h"
#include "worksheets/details/detail_summaries.h"

namespace wm4 {

TfrmRealtyDlg::TfrmRealtyDlg(const AssetDetail& detail, QWidget* parent)
    : QDialog(parent), ui(new Ui::TfrmRealtyDlg) {
    ui->setupUi(this);
    details::nameControl(ui->grpRealEstate, ui->grpRealEstate->title());
    m_edits.build(ui->layFields, RealtyFields, detail.realty, m_modified);
    details::wireButtons(this, ui->buttonBox);
}

TfrmRealtyDlg::~TfrmRealtyDlg() {
    delete ui;
}

void TfrmRealtyDlg::writeTo(AssetDetail& detail) const {
    m_edits.read(detail.realty);
    detail.realtySummary = RealtySummary(detail);
}

bool EditRealty(QWidget* parent, AssetDetail& detail) {
    TfrmRealtyDlg dialog(detail, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    dialog.writeTo(detail);
    return true;
}

}  // namespace wm4
