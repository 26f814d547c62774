#pragma once
// The main window's remaining commands, wired to its menus, tool bars and
// the edit boxes' pop-up menu by the object names of their items (mnuPrint,
// cbtnOverride, popOverride, ...): override mode, Print Forms and the other
// print commands, the word-processor items, the Tools and Help commands and
// the display adjustments. The window keeps its own parts (tree, page
// panel, navigation); what the commands need of it they reach through
// WindowHooks.
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

class QAction;
class QMainWindow;
class QWidget;

namespace wm4 {

class CaseSession;
class Launcher;
class OverrideMode;
class PageScreen;
class PrintCommands;
class ToolsCommands;

struct WindowHooks {
    // Stores the focused control's pending value (the Tab the window sends).
    std::function<void()> commitFocusedEdit;
    // Refresh: the recalculation with the screen's values, then the page again.
    std::function<void()> refresh;
    // Shows a page copy by navigation code (page x 100 + copy).
    std::function<void(int)> showPage;
    // Menus, buttons and caption after a command changed the case or a flag.
    std::function<void()> updateMenus;
    // The icon tool bar (false) and the label tool bar (true).
    std::function<QWidget*(bool labelBar)> toolBar;
    // The navigation tree's width, for the window width of a zoom.
    std::function<int()> treeWidth;
};

class WindowCommands : public QObject {
    Q_OBJECT
public:
    WindowCommands(QMainWindow& window, CaseSession& session, PageScreen& screen,
                   Launcher& launcher, WindowHooks hooks);
    ~WindowCommands() override;

    // Connects every item of the window that names one of the commands;
    // returns the names found. Items the window does not have are left out.
    QStringList wire();

    OverrideMode& overrideMode() { return *m_override; }
    PrintCommands& print() { return *m_print; }
    ToolsCommands& tools() { return *m_tools; }

    // Display adjustments.
    double pageScale() const { return m_pageScale; }
    void applyPageScale();  // after each page load
    void ZoomClick();
    void ShrinkFontOnClick();
    void AdjustMemoFont();
    void PreferencesClick();
    void AboutBoxClick();
    void GhostPromptsClick();
    void InsertTodayClick();
    void PrintFormsClick();
    void QuickPrintClick();
    void FindWordClick();
    // The texts and check marks of the word-processor and ghost-prompt items.
    void updateItems();

private:
    QAction* action(const char* name) const;

    QMainWindow& m_window;
    CaseSession& m_session;
    PageScreen& m_screen;
    Launcher& m_launcher;
    WindowHooks m_hooks;
    std::unique_ptr<OverrideMode> m_override;
    std::unique_ptr<PrintCommands> m_print;
    std::unique_ptr<ToolsCommands> m_tools;
    double m_pageScale = 1.0;
    int m_unscaledPageWidth = 0;
};

}  // namespace wm4
