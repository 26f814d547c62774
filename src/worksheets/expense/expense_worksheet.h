#pragma once
// The expense worksheet: the estate's debts, claims and disbursements with
// their amounts, the forms they are sent to, their categories on the account
// and the schedule of claims, the interested persons of Form 24.2 and the
// confidential personal identifiers.
#include <QCheckBox>
#include <memory>
#include <vector>

#include "worksheets/details/detail_records.h"
#include "worksheets/window/worksheet_window.h"

namespace Ui {
class TfrmExpenseWorksheet;
}

namespace wm4 {

class TfrmExpenseWorksheet : public WorksheetWindow {
    Q_OBJECT
public:
    TfrmExpenseWorksheet(CaseSession& session, QWidget* parent = nullptr);
    ~TfrmExpenseWorksheet() override;

    // "Enter Personal Identifiers" and "24.2 Interested Person".
    void CPIDClick();
    void SelectPartyClick();

protected:
    void RowToPanel(const QStringList& row) override;
    void PanelToRow(QStringList& row) override;
    void ClearPanel() override;
    void CompleteSummaries(QStringList& row) const override;
    QWidget* firstField() const override;

private:
    void setParty(const QString& names);

    std::unique_ptr<Ui::TfrmExpenseWorksheet> m_panel;
    std::vector<QCheckBox*> m_flags;  // in ExpenseFlags order
    // The current row's identifiers and Form 24.2 parties.
    ExpenseDetail m_detail;
};

}  // namespace wm4
