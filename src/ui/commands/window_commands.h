#pragma once
// The main window's remaining commands, connected to its menu items, tool
// bars and the edit boxes' pop-up menu by the items' names (mnuPrint,
// cbtnOverride, popOverride, ...): override mode, Print Forms and the other
// print commands, the word-processor items, the Tools and Help commands and
// the display adjustments. The window keeps its own parts (tree, page panel,
// navigation, file commands); these commands reach it through its public
// interface.
#include <QObject>
#include <QPointer>
#include <memory>
#include <optional>

#include "ui/commands/launcher.h"
#include "ui/commands/user_prompts.h"

class QToolBar;

namespace wm4 {

class OverrideMode;
class PrintCommands;
class TfrmMain;
class ToolsCommands;

class WindowCommands : public QObject {
    Q_OBJECT
public:
    // launcher: the desktop's when null; prompts: Qt's standard dialogs when
    // not given (tests answer them in code).
    WindowCommands(TfrmMain& window, std::unique_ptr<Launcher> launcher = nullptr,
                   std::optional<UserPrompts> prompts = std::nullopt);
    ~WindowCommands() override;

    Launcher& launcher() { return *m_launcher; }
    OverrideMode& overrideMode() { return *m_override; }
    PrintCommands& print() { return *m_print; }
    ToolsCommands& tools() { return *m_tools; }

    // The page panel's scale (Zoom), applied to every page shown.
    double pageScale() const { return m_pageScale; }
    void setPageScale(double scale);

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

private:
    void wire();
    void followPage();
    QToolBar* toolBar(bool labelBar) const;

    TfrmMain& m_window;
    std::unique_ptr<Launcher> m_launcher;
    std::unique_ptr<OverrideMode> m_override;
    std::unique_ptr<PrintCommands> m_print;
    std::unique_ptr<ToolsCommands> m_tools;
    UserPrompts m_prompts;
    double m_pageScale = 1.0;
    int m_unscaledPageWidth = 0;
    QPointer<QWidget> m_scaledRoot;  // the screen the scale was last applied to
};

}  // namespace wm4
