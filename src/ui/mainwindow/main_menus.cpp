#include "ui/mainwindow/main_menus.h"

#include <QAction>
#include <QIcon>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <span>

#include "files/settings.h"
#include "ui/mainwindow/mnemonics.h"
#include "ui/mainwindow/nav_outline.h"
#include "ui/mainwindow/tool_icons.h"

namespace wm4 {

namespace {

enum class Row {
    Item,    // an action
    Check,   // a checkable action
    Hidden,  // an action hidden at start-up
    Separator,
    Submenu,  // a submenu; its items follow until EndSubmenu
    EndSubmenu,
    Recent,  // the separator HX_Line and the items HX0 .. HX8
};

struct MenuRow {
    Row row;
    const char* name = nullptr;
    const char* text = nullptr;
    const char* shortcut = nullptr;
    int tag = 0;
};

using enum Row;

// clang-format off
const MenuRow kFileMenu[] = {
    {Item, "mnuNew", "&New", "Ctrl+N"},
    {Item, "mnuOpen", "&Open...", "Ctrl+O"},
    {Hidden, "mnuOpenRecent", "Open Recent"},
    {Item, "mnuClose", "&Close", "Ctrl+W"},
    {Separator},
    {Item, "mnuSave", "&Save", "Ctrl+S"},
    {Item, "mnuSaveAs", "Save &As...", "Ctrl+Shift+S"},
    {Hidden, "mnuDuplicate", "Duplicate"},
    {Item, "mnuImportWM3", "Import WM3 File"},
    {Separator},
    {Item, "mnuPrint", "&Print Forms ...", "Ctrl+P"},
    {Submenu, "mnuPrintWorksheets", "Print Worksheets"},
      {Item, "mnuPrintKinWorksheet", "Kin Worksheet"},
      {Item, "mnuSendAssetWorksheet", "Asset Worksheet"},
      {Item, "mnuSendExpenseWorksheet", "Expense Worksheet"},
      {Item, "mnuSendTimeWorksheet", "Time Worksheet"},
    {EndSubmenu},
    {Recent},
    {Separator},
    {Item, "mnuExit", "E&xit", "Ctrl+Q"},
};

// The Tools menu, shown as "&Options". The word-processor items name what
// this build starts.
const MenuRow kOptionsMenu[] = {
    {Item, "mnuOverride", "&Override", "Ctrl+Shift+O"},
    {Item, "mnuCancelOverride", "&Cancel Override", "Ctrl+Shift+U"},
    {Separator},
    {Item, "mnuCheckCase", "C&heck Case", "Ctrl+Shift+K"},
    {Separator},
    {Item, "mnuGetStockQuote", "Get Stock Quote"},
    {Item, "mnuGetFundQuote", "Get Fund Quote"},
    {Separator},
    {Check, "mnuForceWord", "&Force LibreOffice Writer"},
    {Check, "mnuForceWordPad", "Force Default RTF Viewer"},
    {Item, "mnuFindWord", "Find LibreOffice Writer"},
    {Separator},
    {Item, "mnuInsertToday", "Insert Today", "Ctrl+T"},
    {Item, "mnuSetHourlyRate", "Set Hourly Rate"},
    {Item, "mnuShrinkFont", "ShrinkFont"},
    {Check, "mnuFontAdjustFlag", "Adjust Memo Font"},
    {Check, "mnuGhostPrompts", "Ghost Prompts"},
    {Separator},
    {Submenu, "mnuDefaultFileLocations", "&Default File Locations"},
      {Item, "mnuClientWM4Files", "Client WM4 Files...", nullptr, 0},
      {Item, "mnuClientWM3Files", "Client WM3 Files", nullptr, 1},
      {Item, "mnuTempRTFFiles", "&Temporary RTF Files...", nullptr, 2},
    {EndSubmenu},
    {Submenu, "mnuSetInternetLocations", "Set Internet Locations"},
      {Item, "mnuStockSite", "Stocks", nullptr, 1},
      {Item, "mnuFundSite", "Mutual Funds", nullptr, 2},
    {EndSubmenu},
    {Separator},
    {Item, "mnuPreferences", "&Preferences..."},
};

const MenuRow kWindowMenu[] = {
    {Item, "mnuMinimize", "&Minimize", "Ctrl+M"},
    {Item, "mnuZoom", "&Zoom..."},
    {Separator},
    {Item, "mnuDeadlines", "&Deadlines", "Ctrl+Shift+D"},
    {Item, "mnuProblems", "&Problems", "Ctrl+Shift+L"},
};

const MenuRow kHelpMenu[] = {
    {Item, "mnuTableOfContents", "&Table of Contents"},
    {Item, "mnuManual", "&Manual"},
    {Item, "mnuTutorial", "T&utorial"},
    {Separator},
    {Item, "mnuAbout", "&About"},
};
// clang-format on

struct MenuSpec {
    const char* name;
    const char* title;
    std::span<const MenuRow> rows;  // empty: the Display menu, from the outline
};

const MenuSpec kMenus[] = {
    {"mnuFile", "&File", kFileMenu},          {"mnuDisplay", DisplayMenuText, {}},
    {"mnuOptions", "&Options", kOptionsMenu}, {"mnuWindow", "&Window", kWindowMenu},
    {"mnuHelp", "&Help", kHelpMenu},
};

// A command on both tool bars: an icon button and a labelled button, always
// shown or hidden together (one action behind both).
struct ToolPair {
    const char* iconButton;
    const char* labelButton;
    const char* text;
    const char* themeIcon;        // freedesktop icon name
    QStyle::StandardPixmap icon;  // the style's icon when the theme has none
    bool separatorBefore = false;
    // Keys for the commands no menu item carries.
    const char* shortcut = nullptr;
    ToolIcon ownIcon = ToolIcon::None;  // the program's own picture, before both
};

// clang-format off
const ToolPair kToolPairs[] = {
    {"cbtnNew", "cbtnSmlNew", "New", "document-new", QStyle::SP_FileIcon},
    {"cbtnOpen", "CornerButton2", "Open", "document-open", QStyle::SP_DialogOpenButton},
    {"cbtnSave", "CornerButton3", "Save", "document-save", QStyle::SP_DialogSaveButton},
    {"cbtnPrint", "CornerButton4", "Print", "document-print", QStyle::SP_FileDialogDetailedView, false, "Ctrl+Shift+P", ToolIcon::Print},
    {"cbtnRefresh", "cbtnSmlRefresh", "Refresh", "view-refresh", QStyle::SP_BrowserReload, true, "F5"},
    {"cbtnPrior", "cbtnSmlPrior", "Prior", "go-previous", QStyle::SP_ArrowBack, false, "Ctrl+PgUp"},
    {"cbtnNext", "cbtnSmlNext", "Next", "go-next", QStyle::SP_ArrowForward, false, "Ctrl+PgDown"},
    {"cbtnKin", "cbtnSmlKin", "Kin", "system-users", QStyle::SP_DirHomeIcon, true, "Ctrl+1", ToolIcon::Kin},
    {"cbtnAssets", "cbtnSmlAsset", "Assets", "folder", QStyle::SP_DirIcon, false, "Ctrl+2", ToolIcon::Assets},
    {"cbtnExpenses", "cbtnSmlExpense", "Expenses", "x-office-spreadsheet", QStyle::SP_FileDialogListView, false, "Ctrl+3", ToolIcon::Expenses},
    {"cbtnTime", "cbtnSmlTime", "Time", "appointment-new", QStyle::SP_FileDialogInfoView, false, "Ctrl+4", ToolIcon::Time},
    {"cbtnOverride", "cbtnSmlOverride", "Override", "document-edit", QStyle::SP_DialogYesButton, true},
    {"cbtnCancelOverride", "cbtnSmlCancelOverride", "Cancel Override", "edit-undo", QStyle::SP_DialogNoButton},
    {"cbtnExit", "CornerButton12", "Exit", "application-exit", QStyle::SP_DialogCloseButton, true},
};

// popMain: the edit boxes' context menu (name, text); null name: separator.
const std::pair<const char*, const char*> kPopup[] = {
    {"popCut", "Cu&t"}, {"popCopy", "&Copy"}, {"popPaste", "&Paste"}, {nullptr, nullptr},
    {"popOverride", "Override"}, {"popDontOverride", "Cancel Override"}, {nullptr, nullptr},
    {"popNew", "New"}, {"popOpen", "Open"}, {"popSave", "Save"}, {"popSaveAs", "Save As"},
    {nullptr, nullptr}, {"popPrintSelected", "Print Selected"},
};
// clang-format on

}  // namespace

MainMenus::MainMenus(QMainWindow* window, QToolBar* iconBar, QToolBar* labelBar,
                     std::function<void(const NavItem&)> openItem)
    : m_window(window), m_openItem(std::move(openItem)) {
    QMenuBar* bar = window->menuBar();
    for (const MenuSpec& spec : kMenus) {
        QMenu* menu = bar->addMenu(QString::fromUtf8(spec.title));
        menu->setObjectName(QString::fromUtf8(spec.name));
        menu->menuAction()->setObjectName(QString::fromUtf8(spec.name));
        m_actions.insert(menu->objectName(), menu->menuAction());
        if (spec.rows.empty())
            buildDisplayMenu(menu);
        else
            buildMenu(menu, static_cast<int>(&spec - kMenus));
    }
    // Every menu and item reachable with Alt and letters.
    AssignMnemonics(bar);
    buildToolBars(iconBar, labelBar);
    buildPopup();
}

QAction* MainMenus::makeAction(const QString& name, const QString& text) {
    auto* a = new QAction(text, m_window);
    a->setObjectName(name);
    m_actions.insert(name, a);
    return a;
}

void MainMenus::buildMenu(QMenu* top, int tableIndex) {
    QList<QMenu*> menus{top};
    for (const MenuRow& r : kMenus[tableIndex].rows) {
        QMenu* menu = menus.back();
        switch (r.row) {
            case Separator:
                menu->addSeparator();
                break;
            case Submenu: {
                QMenu* sub = menu->addMenu(QString::fromUtf8(r.text));
                sub->setObjectName(QString::fromUtf8(r.name));
                sub->menuAction()->setObjectName(sub->objectName());
                m_actions.insert(sub->objectName(), sub->menuAction());
                menus.append(sub);
                break;
            }
            case EndSubmenu:
                menus.removeLast();
                break;
            case Recent:
                recentLine = menu->addSeparator();
                recentLine->setObjectName(QStringLiteral("HX_Line"));
                m_actions.insert(recentLine->objectName(), recentLine);
                for (int i = 0; i < MaxRecentFiles; ++i) {
                    QAction* hx = makeAction(QStringLiteral("HX%1").arg(i), QString());
                    hx->setData(i);
                    hx->setVisible(false);
                    menu->addAction(hx);
                    recentItems.append(hx);
                }
                break;
            case Item:
            case Check:
            case Hidden: {
                QAction* a = makeAction(QString::fromUtf8(r.name), QString::fromUtf8(r.text));
                if (r.shortcut) a->setShortcut(QKeySequence(QString::fromUtf8(r.shortcut)));
                a->setCheckable(r.row == Check);
                a->setVisible(r.row != Hidden);
                a->setData(r.tag);
                // Enabled once a command is connected to it.
                a->setEnabled(false);
                menu->addAction(a);
                break;
            }
        }
    }
}

void MainMenus::buildDisplayMenu(QMenu* display) {
    WalkOutline(
        DisplayMenuItems(), display,
        [](QMenu* parent, const NavItem& item) {
            return parent->addMenu(QString::fromUtf8(item.text));
        },
        [this](QMenu* parent, const NavItem& item) {
            QAction* a = parent->addAction(QString::fromUtf8(item.text));
            if (item.kind == NavKind::Page) {
                a->setObjectName(QStringLiteral("mnuPage%1").arg(item.tag));
                m_actions.insert(a->objectName(), a);
            }
            a->setData(item.tag);
            const NavItem* it = &item;  // the outline is static data
            QObject::connect(a, &QAction::triggered, m_window, [this, it] { m_openItem(*it); });
        });
}

void MainMenus::buildToolBars(QToolBar* iconBar, QToolBar* labelBar) {
    iconBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    labelBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (const ToolPair& p : kToolPairs) {
        const QString text = QString::fromUtf8(p.text);
        QAction* a = makeAction(QString::fromUtf8(p.iconButton), text);
        const QIcon own = MakeToolIcon(p.ownIcon);
        a->setIcon(!own.isNull() ? own
                                 : QIcon::fromTheme(QString::fromUtf8(p.themeIcon),
                                                    m_window->style()->standardIcon(p.icon)));
        if (p.shortcut) a->setShortcut(QKeySequence(QString::fromUtf8(p.shortcut)));
        a->setToolTip(p.shortcut ? QStringLiteral("%1 (%2)").arg(
                                       text, a->shortcut().toString(QKeySequence::NativeText))
                                 : text);
        a->setEnabled(false);
        // Shortcuts keep working while a tool bar is hidden.
        m_window->addAction(a);
        if (p.separatorBefore) {
            iconBar->addSeparator();
            labelBar->addSeparator();
        }
        // Adding the action itself keeps both buttons shown or hidden with it.
        const std::pair<QToolBar*, const char*> buttons[] = {{iconBar, p.iconButton},
                                                             {labelBar, p.labelButton}};
        for (const auto& [bar, name] : buttons) {
            bar->addAction(a);
            QWidget* button = bar->widgetForAction(a);
            button->setObjectName(QString::fromUtf8(name));
            button->setAccessibleName(text);
            button->setFocusPolicy(Qt::NoFocus);  // the keyboard reaches these through the menus
        }
    }
}

void MainMenus::buildPopup() {
    popMain = new QMenu(m_window);
    popMain->setObjectName(QStringLiteral("popMain"));
    for (const auto& [name, text] : kPopup) {
        if (!name) {
            popMain->addSeparator();
            continue;
        }
        QAction* a = makeAction(QString::fromUtf8(name), QString::fromUtf8(text));
        a->setEnabled(false);
        popMain->addAction(a);
    }
    AssignMnemonics(popMain);
}

QAction* MainMenus::action(const QString& name) const {
    return m_actions.value(name, nullptr);
}

QStringList MainMenus::actionNames() const {
    return m_actions.keys();
}

}  // namespace wm4
