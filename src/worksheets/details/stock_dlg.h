#pragma once
// The stock dialog: the details of a stock certificate, one edit box each.
#include <QDialog>

#include "worksheets/details/detail_records.h"
#include "worksheets/details/field_edits.h"

namespace Ui {
class TfrmStockDlg;
}

namespace wm4 {

class TfrmStockDlg : public QDialog {
    Q_OBJECT

public:
    TfrmStockDlg(const AssetDetail& detail, QWidget* parent = nullptr);
    ~TfrmStockDlg() override;

    // The values as edited, and their summary.
    void writeTo(AssetDetail& detail) const;
    bool modified() const { return m_modified.isSet(); }

private:
    Ui::TfrmStockDlg* ui;
    details::FieldEdits<StockFields.size()> m_edits;
    details::ModifiedMark m_modified;
};

}  // namespace wm4
