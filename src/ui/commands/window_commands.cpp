#include "ui/commands/window_commands.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QToolBar>

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
#include "ui/mainwindow/desktop_preferences.h"
#include "ui/mainwindow/main_window.h"
#include "ui/mainwindow/window_sizing.h"
#include "ui/pagescreen/page_screen.h"
#include "ui/problems/problems_dock.h"

namespace wm4 {

WindowCommands::WindowCommands(TfrmMain& window, std::unique_ptr<Launcher> launcher,
                               std::optional<UserPrompts> prompts)
    : QObject(&window),
      m_window(window),
      m_launcher(launcher ? std::move(launcher) : std::make_unique<DesktopLauncher>()),
      m_prompts(prompts ? std::move(*prompts) : DesktopPrompts(&window)) {
    PageScreen& screen = m_window.pageScreen();
    CaseSession& session = m_window.session();
    m_override = std::make_unique<OverrideMode>(screen, [this] { m_window.RecalculateAll(true); });
    connect(m_override.get(), &OverrideMode::overrideToggled, this, [this] {
        m_window.setCaseModified(true);
        m_window.UpdateMenuItems();
    });
    m_print = std::make_unique<PrintCommands>(
        session, *m_launcher, m_prompts, [&screen] { screen.Components2Answers(screen.panel()); },
        &m_window);
    m_print->setWordFound(m_window.wordFound());
    connect(m_print.get(), &PrintCommands::activity, &m_window, &TfrmMain::showActivity);
    connect(m_print.get(), &PrintCommands::fieldsReduced, this,
            [this](const QList<ReducedText>& fields) {
                if (auto* problems = m_window.findChild<ProblemsDock*>())
                    problems->listReducedTexts(fields);
            });
    connect(m_print.get(), &PrintCommands::calculated, this,
            [&screen] { screen.Answer2Components(screen.panel()); });
    m_tools = std::make_unique<ToolsCommands>(session.settings(), *m_launcher, m_prompts);
    // The scale the window chose for its screen at start-up (0.9 on the
    // narrower screens) until the user zooms.
    if (const QScreen* display = m_window.screen())
        m_pageScale = SizingForScreenWidth(display->geometry().width()).pageScale;
    wire();
}

WindowCommands::~WindowCommands() = default;

QToolBar* WindowCommands::toolBar(bool labelBar) const {
    return m_window.findChild<QToolBar*>(labelBar ? QStringLiteral("pnlCaptionButtonBar")
                                                  : QStringLiteral("pnlToolBar"));
}

void WindowCommands::wire() {
    auto commit = [this] { m_window.CommitFocusedEdit(); };
    auto override = [this] { m_override->OverrideClick(); };
    auto worksheet = [this, commit](WorksheetKind kind) {
        return [this, commit, kind] {
            commit();
            m_print->PrintWorksheet(kind);
        };
    };
    auto tool = [this](bool (ToolsCommands::*command)()) {
        return [this, command] { (m_tools.get()->*command)(); };
    };
    const std::pair<const char*, std::function<void()>> commands[] = {
        // override mode: one toggle behind every trigger
        {"mnuOverride", override},
        {"mnuCancelOverride", override},
        {"cbtnOverride", override},
        {"cbtnCancelOverride", override},
        {"popOverride", override},
        {"popDontOverride", override},
        // printing
        {"mnuPrint", [this] { PrintFormsClick(); }},
        {"popPrintSelected", [this] { PrintFormsClick(); }},
        {"cbtnPrint", [this] { QuickPrintClick(); }},
        {"mnuPrintKinWorksheet", worksheet(WorksheetKind::Kin)},
        {"mnuSendAssetWorksheet", worksheet(WorksheetKind::Asset)},
        {"mnuSendExpenseWorksheet", worksheet(WorksheetKind::Expense)},
        {"mnuSendTimeWorksheet", worksheet(WorksheetKind::Time)},
        {"mnuForceWord",
         [this] {
             m_print->ForceWord();
             m_window.UpdateMenuItems();
         }},
        {"mnuForceWordPad",
         [this] {
             m_print->ForceWordPad();
             m_window.UpdateMenuItems();
         }},
        {"mnuFindWord", [this] { FindWordClick(); }},
        // Tools
        {"mnuGetStockQuote", [this] { m_tools->GetQuote(QuoteSite::Stocks); }},
        {"mnuGetFundQuote", [this] { m_tools->GetQuote(QuoteSite::Funds); }},
        {"mnuInsertToday", [this] { InsertTodayClick(); }},
        {"mnuSetHourlyRate", tool(&ToolsCommands::SetHourlyRate)},
        {"mnuShrinkFont", [this] { ShrinkFontOnClick(); }},
        {"mnuFontAdjustFlag", [this] { AdjustMemoFont(); }},
        {"mnuGhostPrompts", [this] { GhostPromptsClick(); }},
        {"mnuClientWM4Files", [this] { m_tools->SetFileLocation(FileLocation::ClientFiles); }},
        {"mnuClientWM3Files", [this] { m_tools->SetFileLocation(FileLocation::WM3Files); }},
        {"mnuTempRTFFiles", [this] { m_tools->SetFileLocation(FileLocation::TemporaryFiles); }},
        {"mnuStockSite", [this] { m_tools->SetInternetLocation(QuoteSite::Stocks); }},
        {"mnuFundSite", [this] { m_tools->SetInternetLocation(QuoteSite::Funds); }},
        {"mnuPreferences", [this] { PreferencesClick(); }},
        // Window and Help
        {"mnuMinimize", [this] { m_window.showMinimized(); }},
        {"mnuZoom", [this] { ZoomClick(); }},
        {"mnuTableOfContents", tool(&ToolsCommands::OpenHelpContents)},
        {"mnuManual", tool(&ToolsCommands::OpenManual)},
        {"mnuTutorial", tool(&ToolsCommands::OpenTutorial)},
        {"mnuAbout", [this] { AboutBoxClick(); }},
    };
    for (const auto& [name, command] : commands)
        m_window.setCommand(QString::fromUtf8(name), command);
    m_window.setTaxFormCommand([this](int tag) { m_tools->OpenTaxForm(tag); });

    // One action stands behind both tool-bar buttons of a pair.
    m_override->addOverrideTrigger(m_window.action(QStringLiteral("cbtnOverride")));
    m_override->addOverrideTrigger(m_window.action(QStringLiteral("popOverride")));
    m_override->addCancelTrigger(m_window.action(QStringLiteral("cbtnCancelOverride")));
    m_override->addCancelTrigger(m_window.action(QStringLiteral("popDontOverride")));
    // After every page shown and control entered the window updates its menus.
    connect(&m_window, &TfrmMain::menuItemsUpdated, this, &WindowCommands::followPage);
    followPage();
}

// The scale and the override triggers follow the page on display.
void WindowCommands::followPage() {
    PageScreen& screen = m_window.pageScreen();
    QWidget* root = screen.screenRoot();
    if (root && root != m_scaledRoot) {
        m_scaledRoot = root;
        if (m_unscaledPageWidth == 0) m_unscaledPageWidth = root->width();
        if (m_pageScale != 1.0) ApplyPageScale(screen.panel(), root, m_pageScale);
    }
    if (QWidget* focused = screen.FocusedBoundControl) {
        m_override->SetOverride(focused);
    } else {
        // A new page: nothing entered yet, nothing to override.
        for (const char* name :
             {"cbtnOverride", "cbtnCancelOverride", "popOverride", "popDontOverride"})
            if (QAction* a = m_window.action(QString::fromLatin1(name))) a->setVisible(false);
    }
}

void WindowCommands::setPageScale(double scale) {
    m_pageScale = std::clamp(scale, 0.0, MaxPageScale);
    PageScreen& screen = m_window.pageScreen();
    if (QWidget* root = screen.screenRoot()) ApplyPageScale(screen.panel(), root, m_pageScale);
}

void WindowCommands::PrintFormsClick() {
    m_window.CommitFocusedEdit();
    m_print->PrintForms(m_window.CurrentPage());
    m_window.UpdateMenuItems();
}

void WindowCommands::QuickPrintClick() {
    m_window.CommitFocusedEdit();
    if (m_window.CurrentPage() >= 0)
        m_print->QuickPrint(m_window.CurrentPage(), m_window.CurrentCopy());
}

void WindowCommands::FindWordClick() {
    m_print->FindWord();
    m_window.UpdateMenuItems();
}

void WindowCommands::InsertTodayClick() {
    ToolsCommands::InsertToday(QApplication::focusWidget());
}

void WindowCommands::GhostPromptsClick() {
    m_window.pageScreen().GhostPrompts = !m_window.pageScreen().GhostPrompts;
    // Refresh shows the page again with or without its prompts.
    m_window.RefreshClick();
}

void WindowCommands::ZoomClick() {
    TfrmWindowScale dialog(m_pageScale, &m_window);
    if (dialog.exec() != QDialog::Accepted) return;
    setPageScale(dialog.value());
    // A maximised window keeps its size; otherwise it takes the page's width
    // and stands in the middle of the screen.
    if (m_window.isMaximized() || m_window.isFullScreen() || m_unscaledPageWidth == 0) return;
    const QWidget* tree = m_window.findChild<QWidget*>(QStringLiteral("TreeView1"));
    const QRect screen = m_window.screen()->availableGeometry();
    const int width = std::min(ZoomedWindowWidth(tree && tree->isVisible() ? tree->width() : 0,
                                                 m_unscaledPageWidth, m_pageScale),
                               screen.width());
    m_window.resize(width, m_window.height());
    m_window.move(screen.center().x() - width / 2, m_window.y());
}

void WindowCommands::ShrinkFontOnClick() {
    PageScreen& screen = m_window.pageScreen();
    TfrmShrinkFont dialog(
        screen.LabelFontReduction,
        [this] { m_launcher->openUrl(QUrl(ShrinkFontHelpAddress.toString())); }, &m_window);
    const int result = dialog.exec();
    // The choice counts also on Cancel; only Ok shows General Information again.
    screen.LabelFontReduction = dialog.reduction(screen.LabelFontReduction);
    if (result == QDialog::Accepted) m_window.DisplayAPage(0);
}

void WindowCommands::AdjustMemoFont() {
    ProgramSettings& settings = m_window.session().settings();
    TfrmMemoFontAdjust dialog(settings.MemoWidthFactor, &m_window);
    if (dialog.exec() == QDialog::Accepted) {
        settings.MemoWidthFactor = dialog.value();
        // The check mark says the measure differs from the usual 75%.
        settings.AdjustMemoFontFlag = settings.MemoWidthFactor != DefaultMemoWidthFactor;
        // The next calculation measures with the new factor.
        m_window.session().resetWrapper();
    }
    m_window.UpdateMenuItems();
}

void WindowCommands::PreferencesClick() {
    TfrmPreferenceDlg::Hooks hooks;
    hooks.changeFolder = [this](FileLocation which) { return m_tools->SetFileLocation(which); };
    hooks.showToolBar = [this](bool label, bool shown) {
        if (QToolBar* bar = toolBar(label)) bar->setVisible(shown);
    };
    const ProgramSettings& settings = m_window.session().settings();
    hooks.reportDialogs = [&settings] { return ReportDialogsPreferred(settings); };
    hooks.setReportDialogs = [&settings](bool on) { SetReportDialogsPreferred(settings, on); };
    auto shown = [this](bool label) {
        QToolBar* bar = toolBar(label);
        return bar && !bar->isHidden();
    };
    const QString settingsFolder = m_window.session().settings().SettingsFolder;
    hooks.changeFilingOptions = [settingsFolder](const FilingOptions& options) {
        WriteFilingOptions(settingsFolder, options);
    };
    TfrmPreferenceDlg dialog(m_window.session().settings(), shown(false), shown(true), hooks,
                             &m_window);
    dialog.showFilingOptions(ReadFilingOptions(settingsFolder));
    dialog.exec();
}

void WindowCommands::AboutBoxClick() {
    TfrmAboutDlg about(
        QDir(m_window.session().settings().ProgramFolder).filePath(QStringLiteral("wendmoor4.svg")),
        &m_window);
    about.exec();
}

}  // namespace wm4
