#pragma once
// The send-to dialog: one check box per send-to flag of an asset, in three
// groups (standard probate forms, miscellaneous forms and letters, federal
// estate-tax schedules), each group filled in columns top to bottom.
#include <QDialog>
#include <map>

#include "worksheets/details/detail_records.h"
#include "worksheets/details/dialog_support.h"

class QCheckBox;

namespace Ui {
class TfrmSendToDlg;
}

namespace wm4 {

class TfrmSendToDlg : public QDialog {
    Q_OBJECT

public:
    TfrmSendToDlg(const AssetDetail& detail, QWidget* parent = nullptr);
    ~TfrmSendToDlg() override;

    // Every flag := "X" when its box is checked, else empty.
    void writeTo(AssetDetail& detail) const;
    bool modified() const { return m_modified.isSet(); }

private:
    Ui::TfrmSendToDlg* ui;
    std::map<int, QCheckBox*> m_boxes;  // by flag column
    details::ModifiedMark m_modified;
};

}  // namespace wm4
