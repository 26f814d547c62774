#pragma once
// Drives a modal detail dialog from inside its own event loop: the action
// runs on the dialog once it is the active modal widget, and must close it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "support/qt_app.h"

namespace wm4::test {

inline void whenDialogOpens(std::function<void(QDialog&)> act) {
    widgetApp();
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        // Keys go to the focus widget of the active window.
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog, 2000));
        act(*dialog);
        // An action that failed to close the dialog must not hang the test.
        QTimer::singleShot(2000, [guard = QPointer<QDialog>(dialog)] {
            if (!guard || !guard->isVisible()) return;
            ADD_FAILURE() << "the dialog stayed open";
            guard->reject();
        });
    });
    poll->start();
}

// The control whose accessible name is name (the first one, in creation order).
template <typename T>
T* control(QWidget& root, const QString& name) {
    for (T* w : root.findChildren<T*>())
        if (w->accessibleName() == name) return w;
    return nullptr;
}

}  // namespace wm4::test
