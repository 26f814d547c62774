#pragma once
// The distributee dialog: the names of the kin worksheet as a check list,
// the property the choice is for, and the instructions. It picks the
// distributees of an asset (asset mode) or the interested persons of an
// expense for Form 24.2 (expense mode).
#include <QDialog>
#include <QStringList>

#include "worksheets/details/detail_mode.h"

namespace Ui {
class TfrmDistributeeDlg;
}

namespace wm4 {

class WorksheetStore;

class TfrmDistributeeDlg : public QDialog {
    Q_OBJECT

public:
    // kin: the kin store (its rows' names fill the list, in row order, empty
    // names included); property: the calling panel's description; selection:
    // the record's stored selection, whose names are checked.
    TfrmDistributeeDlg(DetailMode mode, const WorksheetStore& kin, const QString& property,
                       const QString& selection, QWidget* parent = nullptr);
    ~TfrmDistributeeDlg() override;

    DetailMode mode() const { return m_mode; }
    // The checked names in list order joined by ", "; empty when none.
    QString selection() const;
    bool modified() const { return m_modified; }

private:
    Ui::TfrmDistributeeDlg* ui;
    DetailMode m_mode;
    QStringList m_names;
    bool m_modified = false;
};

}  // namespace wm4
