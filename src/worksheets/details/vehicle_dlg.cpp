#include "worksheets/details/vehicle_dlg.h"

#include "ui_vehicle_dlg.h"
#include "worksheets/details/detail_dialogs.h"
#include "worksheets/details/detail_summaries.h"

namespace wm4 {

TfrmVehicleDlg::TfrmVehicleDlg(const AssetDetail& detail, QWidget* parent)
    : QDialog(parent), ui(new Ui::TfrmVehicleDlg) {
    ui->setupUi(this);
    details::nameControl(ui->grpVehicle, ui->grpVehicle->title());
    m_edits.build(ui->layFields, VehicleFields, detail.vehicle, m_modified);
    details::wireButtons(this, ui->buttonBox);
}

TfrmVehicleDlg::~TfrmVehicleDlg() {
    delete ui;
}

void TfrmVehicleDlg::writeTo(AssetDetail& detail) const {
    m_edits.read(detail.vehicle);
    detail.vehicleSummary = VehicleSummary(detail);
}

bool EditVehicle(QWidget* parent, AssetDetail& detail) {
    TfrmVehicleDlg dialog(detail, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    dialog.writeTo(detail);
    return true;
}

}  // namespace wm4
