#pragma once
// The kin worksheet: the people of the estate with their addresses,
// relationships, birth dates, genders and the forms, notices and letters
// each one is sent to.
#include <QCheckBox>
#include <memory>
#include <vector>

#include "worksheets/window/worksheet_window.h"

namespace Ui {
class TfrmKinWorksheet;
}

namespace wm4 {

class TfrmKinWorksheet : public WorksheetWindow {
    Q_OBJECT
public:
    TfrmKinWorksheet(CaseSession& session, QWidget* parent = nullptr);
    ~TfrmKinWorksheet() override;

    // The "Clear Date Field" item of the birth date's popup.
    void ClearDate();

protected:
    void RowToPanel(const QStringList& row) override;
    void PanelToRow(QStringList& row) override;
    void ClearPanel() override;
    void InitNewRow(QStringList& row) const override;
    void CompleteSummaries(QStringList& row) const override;
    QWidget* firstField() const override;

private:
    void setGender(bool male, bool female);

    std::unique_ptr<Ui::TfrmKinWorksheet> m_panel;
    std::vector<QCheckBox*> m_flags;  // in KinFlags order
};

}  // namespace wm4
