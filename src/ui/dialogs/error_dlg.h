#pragma once
// The dialog every report is shown in: the report's main line, its advice
// line and "Ok".
#include <QDialog>
#include <memory>

#include "messages/report.h"

namespace Ui {
class TfrmErrorDlg;
}

namespace wm4 {

class TfrmErrorDlg : public QDialog {
    Q_OBJECT
public:
    TfrmErrorDlg(const Report& report, QWidget* parent = nullptr);
    ~TfrmErrorDlg() override;

    QString messageText() const;
    QString adviceText() const;

private:
    std::unique_ptr<Ui::TfrmErrorDlg> ui;
};

}  // namespace wm4
