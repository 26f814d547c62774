#pragma once
// The realty dialog: the real-estate details of an asset, one edit box each.
#include <QDialog>

#include "worksheets/details/detail_records.h"
#include "worksheets/details/field_edits.h"

namespace Ui {
class TfrmRealtyDlg;
}

namespace wm4 {

class TfrmRealtyDlg : public QDialog {
    Q_OBJECT

public:
    TfrmRealtyDlg(const AssetDetail& detail, QWidget* parent = nullptr);
    ~TfrmRealtyDlg() override;

    // The values as edited, and their summary.
    void writeTo(AssetDetail& detail) const;
    bool modified() const { return m_modified.isSet(); }

private:
    Ui::TfrmRealtyDlg* ui;
    details::FieldEdits<RealtyFields.size()> m_edits;
    details::ModifiedMark m_modified;
};

}  // namespace wm4
