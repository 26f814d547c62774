#include "worksheets/details/dialog_support.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace wm4::details {

QString shownText(QStringView caption) {
    return caption.toString().replace(u'&', QStringLiteral("&&"));
}

void nameControl(QWidget* control, QStringView accessibleName) {
    control->setAccessibleName(accessibleName.toString());
}

void wireButtons(QDialog* dialog, QDialogButtonBox* buttons) {
    if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) {
        ok->setText(QStringLiteral("OK"));
        nameControl(ok, u"OK");
    }
    if (QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel)) {
        cancel->setText(QStringLiteral("Cancel"));
        nameControl(cancel, u"Cancel");
    }
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
}

QLineEdit* addEditRow(QFormLayout* form, QStringView label, const char* objectName) {
    auto* edit = new QLineEdit(form->parentWidget());
    edit->setObjectName(QString::fromLatin1(objectName));
    nameControl(edit, label);
    auto* caption = new QLabel(shownText(label), form->parentWidget());
    caption->setBuddy(edit);
    form->addRow(caption, edit);
    return edit;
}

void ModifiedMark::watch(QLineEdit* edit) {
    QObject::connect(edit, &QLineEdit::textEdited, edit, [this] { set(); });
}

}  // namespace wm4::details
