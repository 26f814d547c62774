#include "worksheets/details/stock_dlg.h"

#include "ui_stock_dlg.h"
#include "worksheets/details/detail_dialogs.h"
#include "worksheets/details/detail_summaries.h"

namespace wm4 {

TfrmStockDlg::TfrmStockDlg(const AssetDetail& detail, QWidget* parent)
    : QDialog(parent), ui(new Ui::TfrmStockDlg) {
    ui->setupUi(this);
    details::nameControl(ui->grpStocksBonds, ui->grpStocksBonds->title());
    m_edits.build(ui->layFields, StockFields, detail.stock, m_modified);
    details::wireButtons(this, ui->buttonBox);
}

TfrmStockDlg::~TfrmStockDlg() {
    delete ui;
}

void TfrmStockDlg::writeTo(AssetDetail& detail) const {
    m_edits.read(detail.stock);
    detail.stockSummary = StockSummary(detail);
}

bool EditStock(QWidget* parent, AssetDetail& detail) {
    TfrmStockDlg dialog(detail, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    dialog.writeTo(detail);
    return true;
}

}  // namespace wm4
