#include "ui/dialogs/button_names.h"

#include <QAbstractButton>
#include <QWidget>

namespace wm4 {

void NameButtonsByCaptions(QWidget* dialog) {
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
        if (!button->accessibleName().isEmpty()) continue;
        QString caption = button->text();
        caption.remove(u'&');
        button->setAccessibleName(caption);
    }
}

}  // namespace wm4
