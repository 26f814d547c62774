#pragma once
// The time worksheet: the services performed for the estate, each with its
// date, description, hours and hourly rate. New entries take the program's
// default hourly rate.
#include <memory>

#include "worksheets/window/worksheet_window.h"

namespace Ui {
class TfrmTimeWorksheet;
}

namespace wm4 {

class TfrmTimeWorksheet : public WorksheetWindow {
    Q_OBJECT
public:
    TfrmTimeWorksheet(CaseSession& session, QWidget* parent = nullptr);
    ~TfrmTimeWorksheet() override;

protected:
    void RowToPanel(const QStringList& row) override;
    void PanelToRow(QStringList& row) override;
    void ClearPanel() override;
    void InitNewRow(QStringList& row) const override;
    void InitInsertedRow(QStringList& row) const override;
    void afterFirstShow() override;
    QWidget* firstField() const override;

private:
    // The default rate counts as set when it is not 0 in whole cents.
    bool defaultRateSet() const;
    QString defaultRate() const;  // FormatAmount form, without "$"

    std::unique_ptr<Ui::TfrmTimeWorksheet> m_panel;
};

}  // namespace wm4
