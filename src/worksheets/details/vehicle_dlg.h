#pragma once
// The vehicle dialog: the details of a motor vehicle or boat, one edit box each.
#include <QDialog>

#include "worksheets/details/detail_records.h"
#include "worksheets/details/field_edits.h"

namespace Ui {
class TfrmVehicleDlg;
}

namespace wm4 {

class TfrmVehicleDlg : public QDialog {
    Q_OBJECT

public:
    TfrmVehicleDlg(const AssetDetail& detail, QWidget* parent = nullptr);
    ~TfrmVehicleDlg() override;

    // The values as edited, and their summary.
    void writeTo(AssetDetail& detail) const;
    bool modified() const { return m_modified.isSet(); }

private:
    Ui::TfrmVehicleDlg* ui;
    details::FieldEdits<VehicleFields.size()> m_edits;
    details::ModifiedMark m_modified;
};

}  // namespace wm4
