#pragma once
// The main window's menus, pop-up menu and two tool bars, built from the
// tables in main_menus.cpp. Every action is named after its menu item
// ("mnuSave") or, for a tool-bar pair, after its icon button ("cbtnNext"), so
// commands connect to actions by name. Commands that no part of the window
// handles yet stay disabled until a handler is set (TfrmMain::setCommand).
#include <QHash>
#include <QList>
#include <QString>
#include <functional>

#include "case/page_catalogue.h"

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace wm4 {

class MainMenus {
public:
    // Builds the menu bar of window and fills the two tool bars; Display menu
    // items call openItem with their outline item.
    MainMenus(QMainWindow* window, QToolBar* iconBar, QToolBar* labelBar,
              std::function<void(const NavItem&)> openItem);

    // The action of a menu item, pop-up item or tool-bar pair; nullptr when
    // there is none of that name.
    QAction* action(const QString& name) const;
    QStringList actionNames() const;

    QList<QAction*> recentItems;    // HX0 .. HX8
    QAction* recentLine = nullptr;  // HX_Line
    QMenu* popMain = nullptr;       // the edit boxes' context menu

private:
    void buildMenu(QMenu* menu, int tableIndex);
    void buildDisplayMenu(QMenu* menu);
    void buildToolBars(QToolBar* iconBar, QToolBar* labelBar);
    void buildPopup();
    QAction* makeAction(const QString& name, const QString& text);

    QMainWindow* m_window;
    std::function<void(const NavItem&)> m_openItem;
    QHash<QString, QAction*> m_actions;
};

}  // namespace wm4
