#include "worksheets/window/control_names.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

namespace wm4 {

namespace {

// "&Next" -> "Next"; "&&" stays one "&".
QString withoutMnemonic(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(u'&');
    text.replace(u'\x01', u'&');
    return text.trimmed();
}

}  // namespace

void nameControlsFromCaptions(QWidget* root) {
    for (QLabel* label : root->findChildren<QLabel*>()) {
        QWidget* buddy = label->buddy();
        if (buddy && buddy->accessibleName().isEmpty()) {
            QString name = withoutMnemonic(label->text());
            if (name.endsWith(u':')) name.chop(1);
            buddy->setAccessibleName(name);
        }
    }
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>())
        if (button->accessibleName().isEmpty())
            button->setAccessibleName(withoutMnemonic(button->text()));
    for (QGroupBox* group : root->findChildren<QGroupBox*>())
        if (group->accessibleName().isEmpty())
            group->setAccessibleName(withoutMnemonic(group->title()));
}

}  // namespace wm4
