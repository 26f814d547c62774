#include "ui/commands/window_commands.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QScreen>

#include "files/settings.h"
#include "output/document/word_processor.h"
#include "session/case_session.h"
#include "ui/commands/launcher.h"
#include "ui/commands/override_mode.h"
#include "ui/commands/page_zoom.h"
#include "ui/commands/print_commands.h"
#include "ui/commands/tools_commands.h"
#include "ui/commands/web_addresses.h"
#include "ui/dialogs/about_dlg.h"
#include "ui/dialogs/preference_dlg.h"
#include "ui/dialogs/shrink_font_dlg.h"
#include "ui/dialogs/slider_dlg.h"
#include "ui/pagescreen/page_screen.h"

namespace wm4 {

namespace {

// Runs a command from an action or a button of the window.
void connectItem(QObject* item, QObject* context, const std::function<void()>& run) {
    if (auto* a = qobject_cast<QAction*>(item))
        QObject::connect(a, &QAction::triggered, context, [run] { run(); });
    else if (auto* b = qobject_cast<QAbstractButton*>(item))
        QObject::connect(b, &QAbstractButton::clicked, context, [run] { run(); });
}

}  // namespace

WindowCommands::WindowCommands(QMainWindow& window, CaseSession& session, PageScreen& screen,
                               Launcher& launcher, WindowHooks hooks)
    : QObject(&window),
      m_window(window),
      m_session(session),
      m_screen(screen),
      m_launcher(launcher),
      m_hooks(std::move(hooks)) {
    auto recalculate = [this] {
        m_screen.Components2Answers(m_screen.panel());
        m_session.calculate();
    };
    m_override = std::make_unique<OverrideMode>(m_screen, recalculate);
    connect(m_override.get(), &OverrideMode::overrideToggled, this, [this] {
        m_session.setModified(true);
        if (m_hooks.updateMenus) m_hooks.updateMenus();
    });
    m_print = std::make_unique<PrintCommands>(
        m_session, m_launcher, DesktopPrompts(&m_window),
        [this] { m_screen.Components2Answers(m_screen.panel()); }, &m_window);
    m_print->setWordFound(FindWordExe().found);
    connect(m_print.get(), &PrintCommands::calculated, this,
            [this] { m_screen.Answer2Components(m_screen.panel()); });
    m_tools = std::make_unique<ToolsCommands>(m_session.settings(), m_launcher,
                                              DesktopPrompts(&m_window));
}

WindowCommands::~WindowCommands() = default;

QAction* WindowCommands::action(const char* name) const {
    return m_window.findChild<QAction*>(QString::fromLatin1(name));
}

QStringList WindowCommands::wire() {
    auto commit = [this] {
        if (m_hooks.commitFocusedEdit) m_hooks.commitFocusedEdit();
    };
    // The word-processor flags are settings: only the items change.
    auto changed = [this] {
        updateItems();
        if (m_hooks.updateMenus) m_hooks.updateMenus();
    };
    using Run = std::function<void()>;
    struct Item {
        const char* name;
        Run run;
    };
    const Item items[] = {
        // override mode
        {"mnuOverride", [this] { m_override->OverrideClick(); }},
        {"mnuCancelOverride", [this] { m_override->OverrideClick(); }},
        {"cbtnOverride", [this] { m_override->OverrideClick(); }},
        {"cbtnSmlOverride", [this] { m_override->OverrideClick(); }},
        {"cbtnCancelOverride", [this] { m_override->OverrideClick(); }},
        {"cbtnSmlCancelOverride", [this] { m_override->OverrideClick(); }},
        {"popOverride", [this] { m_override->OverrideClick(); }},
        {"popDontOverride", [this] { m_override->OverrideClick(); }},
        // printing
        {"mnuPrint", [this] { PrintFormsClick(); }},
        {"popPrintSelected", [this] { PrintFormsClick(); }},
        {"cbtnPrint", [this] { QuickPrintClick(); }},
        {"CornerButton4", [this] { QuickPrintClick(); }},
        {"mnuPrintKinWorksheet",
         [this, commit] {
             commit();
             m_print->PrintWorksheet(WorksheetKind::Kin);
         }},
        {"mnuSendAssetWorksheet",
         [this, commit] {
             commit();
             m_print->PrintWorksheet(WorksheetKind::Asset);
         }},
        {"mnuSendExpenseWorksheet",
         [this, commit] {
             commit();
             m_print->PrintWorksheet(WorksheetKind::Expense);
         }},
        {"mnuSendTimeWorksheet",
         [this, commit] {
             commit();
             m_print->PrintWorksheet(WorksheetKind::Time);
         }},
        {"mnuForceWord",
         [this, changed] {
             m_print->ForceWord();
             changed();
         }},
        {"mnuForceWordPad",
         [this, changed] {
             m_print->ForceWordPad();
             changed();
         }},
        {"mnuFindWord", [this] { FindWordClick(); }},
        // Tools
        {"mnuInsertToday", [this] { InsertTodayClick(); }},
        {"mnuSetHourlyRate", [this] { m_tools->SetHourlyRate(); }},
        {"mnuGetStockQuote", [this] { m_tools->GetQuote(QuoteSite::Stocks); }},
        {"mnuGetFundQuote", [this] { m_tools->GetQuote(QuoteSite::Funds); }},
        {"mnuShrinkFont", [this] { ShrinkFontOnClick(); }},
        {"mnuAdjustMemoFont", [this] { AdjustMemoFont(); }},
        {"mnuGhostPrompts", [this] { GhostPromptsClick(); }},
        {"mnuClientWM4Files", [this] { m_tools->SetFileLocation(FileLocation::ClientFiles); }},
        {"mnuClientWM3Files", [this] { m_tools->SetFileLocation(FileLocation::WM3Files); }},
        {"mnuTempRTFFiles", [this] { m_tools->SetFileLocation(FileLocation::TemporaryFiles); }},
        {"mnuStocks", [this] { m_tools->SetInternetLocation(QuoteSite::Stocks); }},
        {"mnuMutualFunds", [this] { m_tools->SetInternetLocation(QuoteSite::Funds); }},
        {"mnuPreferences", [this] { PreferencesClick(); }},
        // Window and Help
        {"mnuMinimize", [this] { m_window.showMinimized(); }},
        {"mnuZoom", [this] { ZoomClick(); }},
        {"mnuTableOfContents", [this] { m_tools->OpenHelpContents(); }},
        {"mnuManual", [this] { m_tools->OpenManual(); }},
        {"mnuTutorial", [this] { m_tools->OpenTutorial(); }},
        {"mnuAbout", [this] { AboutBoxClick(); }},
    };
    QStringList found;
    for (const Item& item : items) {
        const QString name = QString::fromLatin1(item.name);
        // A command may stand in a menu and on a button under one name.
        const QList<QObject*> targets = m_window.findChildren<QObject*>(name);
        for (QObject* target : targets) connectItem(target, this, item.run);
        if (!targets.isEmpty()) found << name;
    }
    // The tax forms carry their Tag (1001 to 1005) in the item.
    for (QAction* a : m_window.findChildren<QAction*>()) {
        const int tag = a->property("Tag").toInt();
        if (tag >= 1001 && tag <= 1005)
            connect(a, &QAction::triggered, this, [this, tag] { m_tools->OpenTaxForm(tag); });
    }
    for (const char* name : {"cbtnOverride", "cbtnSmlOverride", "popOverride"})
        for (QObject* t : m_window.findChildren<QObject*>(QString::fromLatin1(name)))
            m_override->addOverrideTrigger(t);
    for (const char* name : {"cbtnCancelOverride", "cbtnSmlCancelOverride", "popDontOverride"})
        for (QObject* t : m_window.findChildren<QObject*>(QString::fromLatin1(name)))
            m_override->addCancelTrigger(t);
    updateItems();
    return found;
}

void WindowCommands::updateItems() {
    const ProgramSettings& s = m_session.settings();
    if (QAction* a = action("mnuForceWord")) {
        a->setText(ForceWordMenuText.toString());
        a->setCheckable(true);
        a->setChecked(s.ForceWord);
    }
    if (QAction* a = action("mnuForceWordPad")) {
        a->setText(ForceWordPadMenuText.toString());
        a->setCheckable(true);
        a->setChecked(s.ForceWordPad);
    }
    if (QAction* a = action("mnuFindWord")) a->setText(FindWordMenuText(s));
    if (QAction* a = action("mnuGhostPrompts")) {
        a->setCheckable(true);
        a->setChecked(m_screen.GhostPrompts);
    }
}

void WindowCommands::PrintFormsClick() {
    if (m_hooks.commitFocusedEdit) m_hooks.commitFocusedEdit();
    m_print->PrintForms(m_screen.CurrentPage);
}

void WindowCommands::QuickPrintClick() {
    if (m_hooks.commitFocusedEdit) m_hooks.commitFocusedEdit();
    if (m_screen.CurrentPage >= 0) m_print->QuickPrint(m_screen.CurrentPage, m_screen.CurrentCopy);
}

void WindowCommands::FindWordClick() {
    m_print->FindWord();
    updateItems();
}

void WindowCommands::InsertTodayClick() {
    ToolsCommands::InsertToday(QApplication::focusWidget());
}

void WindowCommands::GhostPromptsClick() {
    m_screen.GhostPrompts = !m_screen.GhostPrompts;
    updateItems();
    if (m_hooks.refresh) m_hooks.refresh();
}

void WindowCommands::applyPageScale() {
    if (QWidget* root = m_screen.screenRoot()) {
        if (m_unscaledPageWidth == 0) m_unscaledPageWidth = root->width();
        ApplyPageScale(m_screen.panel(), root, m_pageScale);
    }
}

void WindowCommands::ZoomClick() {
    TfrmWindowScale dialog(m_pageScale, &m_window);
    if (dialog.exec() != QDialog::Accepted) return;
    m_pageScale = dialog.value();
    applyPageScale();
    // A maximised window keeps its size; otherwise it takes the page's width
    // and stands in the middle of the screen.
    if (!m_window.isMaximized() && !m_window.isFullScreen() && m_unscaledPageWidth > 0) {
        const int tree = m_hooks.treeWidth ? m_hooks.treeWidth() : 0;
        const QRect screen = m_window.screen()->availableGeometry();
        const int width =
            std::min(ZoomedWindowWidth(tree, m_unscaledPageWidth, m_pageScale), screen.width());
        m_window.resize(width, m_window.height());
        m_window.move(screen.center() - m_window.rect().center());
    }
}

void WindowCommands::ShrinkFontOnClick() {
    TfrmShrinkFont dialog(
        m_screen.LabelFontReduction,
        [this] { m_launcher.openUrl(QUrl(ShrinkFontHelpAddress.toString())); }, &m_window);
    const int result = dialog.exec();
    // The choice counts also on Cancel; only Ok shows the screen again.
    m_screen.LabelFontReduction = dialog.reduction(m_screen.LabelFontReduction);
    if (result == QDialog::Accepted && m_hooks.showPage) m_hooks.showPage(0);
}

void WindowCommands::AdjustMemoFont() {
    TfrmMemoFontAdjust dialog(m_session.settings().MemoWidthFactor, &m_window);
    if (dialog.exec() != QDialog::Accepted) return;
    m_session.settings().MemoWidthFactor = dialog.value();
    // The next calculation measures with the new factor.
    m_session.resetWrapper();
}

void WindowCommands::PreferencesClick() {
    TfrmPreferenceDlg::Hooks hooks;
    hooks.changeFolder = [this](FileLocation which) { return m_tools->SetFileLocation(which); };
    hooks.showToolBar = [this](bool label, bool shown) {
        if (!m_hooks.toolBar) return;
        if (QWidget* bar = m_hooks.toolBar(label)) bar->setVisible(shown);
    };
    auto shown = [this](bool label) {
        QWidget* bar = m_hooks.toolBar ? m_hooks.toolBar(label) : nullptr;
        return bar && !bar->isHidden();
    };
    TfrmPreferenceDlg dialog(m_session.settings(), shown(false), shown(true), hooks, &m_window);
    dialog.exec();
}

void WindowCommands::AboutBoxClick() {
    TfrmAboutDlg about(
        QDir(m_session.settings().ProgramFolder).filePath(QStringLiteral("wendmoor4.svg")),
        &m_window);
    about.exec();
}

}  // namespace wm4
