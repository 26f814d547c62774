#include "ui/deadlines/deadlines_dock.h"

#include <QAction>
#include <QDockWidget>

#include "ui/deadlines/deadlines_panel.h"
#include "ui/mainwindow/main_window.h"

namespace wm4 {

DeadlinesPanel* InstallDeadlinesPanel(TfrmMain& window) {
    auto* dock = new QDockWidget(QStringLiteral("Deadlines"), &window);
    dock->setObjectName(QStringLiteral("dockDeadlines"));
    dock->setAccessibleName(QStringLiteral("Deadlines"));
    dock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                      QDockWidget::DockWidgetFloatable);
    auto* panel = new DeadlinesPanel(window.session(), dock);
    dock->setWidget(panel);
    window.addDockWidget(Qt::BottomDockWidgetArea, dock);
    dock->show();  // also when the window is already on screen
    // A few rows high: the page stays the window's main part.
    window.resizeDocks({dock}, {170}, Qt::Vertical);

    window.setCommand(QStringLiteral("mnuDeadlines"), [dock] {
        dock->setVisible(!dock->isVisible());
        if (dock->isVisible()) dock->raise();
    });
    if (QAction* item = window.action(QStringLiteral("mnuDeadlines"))) {
        item->setCheckable(true);
        item->setChecked(dock->isVisible());
        QObject::connect(dock, &QDockWidget::visibilityChanged, item, &QAction::setChecked);
    }
    return panel;
}

}  // namespace wm4
