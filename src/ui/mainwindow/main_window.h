#pragma once
// The main window: the navigation tree on the left, the page panel in its
// scroll box in the centre, the menus and two tool bars on top.
//
// The case lives in the CaseSession the window owns. A page copy is shown by
// the PageScreen: leaving a control stores its value into the answers; showing
// another page, saving, calculating and printing first commit the focused
// control. Refresh stores the page, runs the full calculation and shows the
// page again. The file commands replace the session's case only when a read
// succeeded.
//
// The window is split by job: main_window.cpp (start-up, closing, keys, the
// command table), main_window_files.cpp (New, Open, Reopen, Save, Save As,
// Duplicate, Import), main_window_navigation.cpp (showing pages, Next, Prior,
// the copy choice, menu states), main_window_page.cpp (page panel, commit,
// recalculation), main_menus.cpp (menus and tool bars from tables),
// nav_tree.cpp (the navigation tree from the catalogue).
#include <QHash>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>

#include "case/page_catalogue.h"
#include "files/settings.h"
#include "ui/mainwindow/file_dialogs.h"

class QTreeWidgetItem;

namespace Ui {
class TfrmMain;
}

namespace wm4 {

class CaseSession;
enum class CaseAccess;
class MainMenus;
class PageScreen;
class StatusLine;

class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    // settings: the defaults for the data folder; the settings file is read
    // over them, the template case read from the client folder.
    explicit TfrmMain(ProgramSettings settings, QWidget* parent = nullptr);
    ~TfrmMain() override;

    // Sizes the window to the screen, reads caseFile when one is named, and
    // shows General Information. Call once before show().
    void start(const QString& caseFile = QString());

    CaseSession& session() { return *m_session; }
    PageScreen& pageScreen() { return *m_screen; }

    // The action of a menu item ("mnuSave"), pop-up item ("popOverride") or
    // tool-bar pair ("cbtnNext"); nullptr for an unknown name.
    QAction* action(const QString& name) const;
    // Connects a command to a named action and enables it. Commands are run
    // guarded: an unforeseen fault ends the command with a message.
    void setCommand(const QString& name, std::function<void()> command);
    // What the tax-form items of the Display menu and tree do (their tag).
    void setTaxFormCommand(std::function<void(int tag)> command);
    // The dialogs the file commands ask (tests put their own in).
    void setFileDialogs(FileDialogs dialogs) { m_dialogs = std::move(dialogs); }

    // ---- state ----
    int CurrentPage() const;
    int CurrentCopy() const;
    // The client file's path, or "Untitled.wm4".
    QString ClientFileName() const;
    bool CaseModified() const;
    void setCaseModified(bool modified);
    // The status bar's texts; showActivity tells what a long command is
    // doing (an empty text when it has ended).
    StatusLine& statusLine() { return *m_status; }
    void showActivity(const QString& text);

    // LibreOffice Writer was found at start-up (SetUpWordProcessor).
    bool wordFound() const { return m_wordFound; }

    // ---- file commands ----
    void NewClick();
    void OpenClick();
    void ReopenClick(int index);
    void SaveClick();
    void SaveAsClick();
    void DuplicateClick();
    void ImportWM3Click();

    // ---- navigation ----
    void DisplayAPage(int code);
    void ContinuationDlg(int code);
    void NextClick();
    void PriorClick();
    void UpdateMenuItems();
    void OpenNavItem(const NavItem& item);
    // Calculates a case the session has just read (a restored recovery copy)
    // and shows its General Information, without storing the page on
    // display into it.
    void ShowReadCase();
    // Opens a worksheet window (NavWorksheet) with row selected (-1: the first).
    void OpenWorksheetAt(int worksheet, int row);

    // ---- page panel and calculation ----
    void RefreshClick();
    void CompleteCalc();
    void RecalculateAll(bool transfer);
    void CommitFocusedEdit();

Q_SIGNALS:
    // After every UpdateMenuItems: the override buttons follow the focused
    // control here (override mode connects to it).
    void menuItemsUpdated();
    // A bound control of the page received the focus.
    void controlEntered(QWidget* control);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // main_window.cpp
    void wireCommands();
    void runGuarded(const std::function<void()>& command);
    void showFault(const QString& text);
    void ensureTemplateCase();
    QString templateCasePath() const;
    void sizeToScreen();
    bool handleKey(QKeyEvent* key);
    // F6 / Shift+F6: the tree, the page, the docks shown.
    QList<QWidget*> focusRegions() const;
    void cycleFocusRegion(int step);

    // main_window_files.cpp
    bool askToSave();  // false: the user cancelled
    bool newCase();    // the template case, untitled; false when it could not be read
    void showFirstPage();
    void RefreshRecentMenu();
    bool saveTo(const QString& path);
    bool runSaveAs(const QString& proposedName = QString());
    // How to open path: for editing, or read-only when another running copy
    // has it open and the user chose so; nullopt when the user cancelled.
    std::optional<CaseAccess> accessFor(const QString& path);
    // Before a save over the case's own file: true when it is still the one
    // read or saved last, or the user chose to write over a newer one.
    bool mayOverwrite(const QString& path);
    void openWorksheet(int worksheet, int row = -1);

    // main_window_navigation.cpp
    void showPage(int code);
    void selectTreeItem(int page);
    void updateCaption();

    // nav_tree.cpp
    void buildTree();
    void treeItemChosen(QTreeWidgetItem* item);

    std::unique_ptr<Ui::TfrmMain> ui;
    std::unique_ptr<CaseSession> m_session;
    std::unique_ptr<PageScreen> m_screen;
    std::unique_ptr<MainMenus> m_menus;
    FileDialogs m_dialogs;
    std::function<void(int)> m_taxFormCommand;
    QHash<QString, QTreeWidgetItem*> m_treeItemsByName;  // catalogue tree-item name -> item
    QTreeWidgetItem* m_firstPageItem = nullptr;
    // Groups opened only to show the page's item; closed again when the
    // page changes, so the tree does not keep growing.
    QList<QTreeWidgetItem*> m_openedForPage;
    double m_pageScale = 1.0;
    bool m_wordFound = false;
    StatusLine* m_status = nullptr;
};

}  // namespace wm4
