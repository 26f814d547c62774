#include "ui/dialogs/multiple_dlg.h"

#include <QPushButton>

#include "ui/dialogs/copy_choice.h"
#include "ui_multiple_dlg.h"

namespace wm4 {

TfrmMultiple::TfrmMultiple(const TAnswer& answers, int page, QWidget* parent)
    : QDialog(parent), TheTag(page), ui(std::make_unique<Ui::TfrmMultiple>()) {
    ui->setupUi(this);
    const CopyChoice choice = CopyChoiceFor(answers, page);
    MaxForms = static_cast<int>(choice.items.size());
    ui->Label1->setText(choice.question);
    ui->Label1->setAccessibleName(choice.question);
    ui->cmbPage->addItems(choice.items);
    ui->cmbPage->setCurrentIndex(MaxForms > 0 ? 0 : -1);
    ui->cmbPage->setFocus();
    // As tall as the question needs, no taller.
    setMinimumWidth(480);
    adjustSize();
    connect(ui->cbtnOk, &QPushButton::clicked, this, [this] {
        ChosenCopy = ui->cmbPage->currentIndex();
        accept();
    });
    connect(ui->cbtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmMultiple::~TfrmMultiple() = default;

QString TfrmMultiple::question() const {
    return ui->Label1->text();
}

QStringList TfrmMultiple::items() const {
    QStringList out;
    for (int i = 0; i < ui->cmbPage->count(); ++i) out.append(ui->cmbPage->itemText(i));
    return out;
}

std::optional<int> ChooseCopy(const TAnswer& answers, int page, QWidget* parent) {
    TfrmMultiple dlg(answers, page, parent);
    if (dlg.exec() != QDialog::Accepted || dlg.ChosenCopy < 0) return std::nullopt;
    return dlg.ChosenCopy;
}

}  // namespace wm4
