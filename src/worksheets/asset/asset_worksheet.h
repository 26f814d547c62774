#pragma once
// The asset worksheet: everything the estate owns or receives, with its
// value, the forms and tax schedules it is sent to, its category on each
// form and its real-estate, vehicle, stock and identifier details.
#include <memory>

#include "worksheets/details/detail_records.h"
#include "worksheets/window/worksheet_window.h"

namespace Ui {
class TfrmAssetWorksheet;
}

namespace wm4 {

class TfrmAssetWorksheet : public WorksheetWindow {
    Q_OBJECT
public:
    TfrmAssetWorksheet(CaseSession& session, QWidget* parent = nullptr);
    ~TfrmAssetWorksheet() override;

    // The detail buttons of the panel.
    void btnSetSendToClick();
    void btnCategoryClick();
    void btnRealtyClick();
    void btnVehicleClick();
    void btnStockClick();
    void btnCPIDClick();
    void btnSelectDistributeesClick();

protected:
    void RowToPanel(const QStringList& row) override;
    void PanelToRow(QStringList& row) override;
    void ClearPanel() override;
    void InitNewRow(QStringList& row) const override;
    void CompleteSummaries(QStringList& row) const override;
    QWidget* firstField() const override;

private:
    void setDistributees(const QString& names);
    // The summary labels from the detail record.
    void showSummaries();
    // After a detail dialog's OK: summaries shown, row saved, case changed.
    void detailConfirmed();

    std::unique_ptr<Ui::TfrmAssetWorksheet> m_panel;
    // The current row's dialog-edited values.
    AssetDetail m_detail;
};

}  // namespace wm4
