#include "ui/dialogs/error_dlg.h"

#include <QPushButton>

#include "ui_error_dlg.h"

namespace wm4 {

namespace {

// The dialog's texts are 16 units of 1/96 inch high.
void setTextSize(QWidget* w) {
    QFont f = w->font();
    f.setPixelSize(16);
    w->setFont(f);
}

}  // namespace

TfrmErrorDlg::TfrmErrorDlg(const Report& report, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfrmErrorDlg>()) {
    ui->setupUi(this);
    // A fixed frame without minimise, maximise or close buttons: "Ok" closes it.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(size());
    setTextSize(ui->MessageLbl);
    setTextSize(ui->MessageLbl2);
    ui->MessageLbl->setText(report.message);
    ui->MessageLbl2->setText(report.advice);
    ui->MessageLbl->setAccessibleName(report.message);
    ui->MessageLbl2->setAccessibleName(report.advice);
    connect(ui->cbtnOk, &QPushButton::clicked, this, &QDialog::accept);
}

TfrmErrorDlg::~TfrmErrorDlg() = default;

QString TfrmErrorDlg::messageText() const {
    return ui->MessageLbl->text();
}
QString TfrmErrorDlg::adviceText() const {
    return ui->MessageLbl2->text();
}

}  // namespace wm4
