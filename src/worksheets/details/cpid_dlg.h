#pragma once
// The personal-identifier dialog: the five confidential personal identifiers
// of an asset (asset mode) or an expense (expense mode).
#include <QDialog>

#include "worksheets/details/detail_mode.h"
#include "worksheets/details/detail_records.h"
#include "worksheets/details/field_edits.h"

namespace Ui {
class TfrmCPIDDlg;
}

namespace wm4 {

class TfrmCPIDDlg : public QDialog {
    Q_OBJECT

public:
    TfrmCPIDDlg(DetailMode mode, const Identifiers& identifiers, QWidget* parent = nullptr);
    ~TfrmCPIDDlg() override;

    DetailMode mode() const { return m_mode; }
    void writeTo(Identifiers& identifiers) const;
    // A field was changed since the dialog opened.
    bool modified() const { return m_modified.isSet(); }

private:
    Ui::TfrmCPIDDlg* ui;
    DetailMode m_mode;
    details::FieldEdits<IdentifierFields.size()> m_edits;
    details::ModifiedMark m_modified;
};

}  // namespace wm4
