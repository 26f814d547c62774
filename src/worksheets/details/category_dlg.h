#pragma once
// The category dialog: one pick list per form that groups assets by
// category, top to bottom in the order of the asset category table.
#include <QDialog>
#include <array>

#include "worksheets/details/detail_records.h"
#include "worksheets/details/dialog_support.h"

class QComboBox;

namespace Ui {
class TfrmCategoryDlg;
}

namespace wm4 {

class TfrmCategoryDlg : public QDialog {
    Q_OBJECT

public:
    TfrmCategoryDlg(const AssetDetail& detail, QWidget* parent = nullptr);
    ~TfrmCategoryDlg() override;

    // Every category := its list's selected item; the category summary is
    // rebuilt from them.
    void writeTo(AssetDetail& detail) const;
    bool modified() const { return m_modified.isSet(); }

private:
    Ui::TfrmCategoryDlg* ui;
    std::array<QComboBox*, AssetCategoryLists.size()> m_lists{};
    details::ModifiedMark m_modified;
};

}  // namespace wm4
