#include "worksheets/details/find_string_dlg.h"

#include <QPushButton>

#include "ui_find_string_dlg.h"
#include "worksheets/details/detail_dialogs.h"
#include "worksheets/details/dialog_support.h"

namespace wm4 {

TfrmFindString::TfrmFindString(const QString& searchStr, QWidget* parent)
    : QDialog(parent), ui(new Ui::TfrmFindString) {
    ui->setupUi(this);
    details::nameControl(ui->lblInstructions, ui->lblInstructions->text());
    details::nameControl(ui->edtSearchStr, u"Search text");
    ui->edtSearchStr->setAccessibleDescription(ui->lblInstructions->text());
    ui->lblInstructions->setBuddy(ui->edtSearchStr);
    ui->edtSearchStr->setText(searchStr);
    ui->edtSearchStr->selectAll();
    details::wireButtons(this, ui->buttonBox);
    ui->buttonBox->button(QDialogButtonBox::Ok)->setDefault(true);
    ui->edtSearchStr->setFocus();
}

TfrmFindString::~TfrmFindString() {
    delete ui;
}

QString TfrmFindString::searchStr() const {
    return ui->edtSearchStr->text();
}

bool FindString(QWidget* parent, QString& searchText) {
    TfrmFindString dialog(searchText, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    searchText = dialog.searchStr();
    return true;
}

}  // namespace wm4
