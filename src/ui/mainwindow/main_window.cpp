#include "ui/mainwindow/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTreeWidget>
#include <stdexcept>

#include "files/client_file.h"
#include "messages/report.h"
#include "output/document/word_processor.h"
#include "session/case_session.h"
#include "ui/mainwindow/case_text_guard.h"
#include "ui/mainwindow/focus_regions.h"
#include "ui/mainwindow/main_menus.h"
#include "ui/mainwindow/recent_files.h"
#include "ui/mainwindow/status_line.h"
#include "ui/mainwindow/window_sizing.h"
#include "ui/pagescreen/page_screen.h"
#include "ui_main_window.h"

namespace wm4 {

TfrmMain::TfrmMain(ProgramSettings settings, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::TfrmMain>()), m_dialogs(PlatformFileDialogs()) {
    ui->setupUi(this);
    // The word processor is looked for before the settings are read, so a
    // first start stores the program it found in the new settings file.
    m_wordFound = SetUpWordProcessor(settings);
    const QString wordProcessorFound = settings.WordProcessorExe;
    ReadINI(settings, SettingsFileUse::Program);
    KeepUsableWordProcessor(settings, m_wordFound, wordProcessorFound);
    m_session = std::make_unique<CaseSession>(std::move(settings), this);
    m_screen = std::make_unique<PageScreen>(ui->pnlMainForm, &m_session->answers(),
                                            m_session->settings().PSFFolder);
    ui->pnlMainForm->setStyleSheet(OverrideStyleSheet());
    connect(m_session.get(), &CaseSession::caseReplaced, this,
            [this] { m_screen->setAnswers(&m_session->answers()); });
    connect(m_session.get(), &CaseSession::readOnlyChanged, this, [this] { updateCaption(); });
    m_status = new StatusLine(statusBar());
    // Showing a page or calculating sets and restores the screen's mark
    // quietly: the caption follows once the change has settled.
    connect(m_screen.get(), &PageScreen::controlChanged, this, &TfrmMain::updateCaption,
            Qt::QueuedConnection);
    connect(m_session.get(), &CaseSession::modifiedChanged, this, &TfrmMain::updateCaption);
    connect(m_session.get(), &CaseSession::fileNameChanged, this, &TfrmMain::updateCaption);
    connect(m_session.get(), &CaseSession::calculationStarted, this,
            [this] { showActivity(QStringLiteral("Calculating the forms...")); });
    connect(m_session.get(), &CaseSession::calculationEnded, this, [this] { showActivity({}); });
    connect(m_screen.get(), &PageScreen::controlEntered, this, [this](QWidget* control) {
        Q_EMIT controlEntered(control);
        UpdateMenuItems();
    });

    m_menus = std::make_unique<MainMenus>(
        this, ui->pnlToolBar, ui->pnlCaptionButtonBar,
        [this](const NavItem& item) { runGuarded([&] { OpenNavItem(item); }); });
    m_screen->popMain = m_menus->popMain;
    buildTree();
    wireCommands();
    // Override mode shows its buttons when an overridable field is entered.
    action(QStringLiteral("cbtnOverride"))->setVisible(false);
    action(QStringLiteral("cbtnCancelOverride"))->setVisible(false);
    qApp->installEventFilter(this);
    // Text the case file cannot hold is refused where it is typed.
    InstallCaseTextGuard();
    // F6 / Shift+F6 between the tree, the page and the docks.
    const std::pair<QKeySequence, int> regionKeys[] = {{QKeySequence(Qt::Key_F6), 1},
                                                       {QKeySequence(Qt::SHIFT | Qt::Key_F6), -1}};
    for (const auto& [key, step] : regionKeys) {
        auto* shortcut = new QShortcut(key, this);
        const int direction = step;
        connect(shortcut, &QShortcut::activated, this,
                [this, direction] { cycleFocusRegion(direction); });
    }

    ensureTemplateCase();
    QString error;
    if (QFileInfo::exists(templateCasePath()) &&
        !m_session->openTemplateCase(templateCasePath(), &error))
        ReportError(11340, error);
    updateCaption();
}

TfrmMain::~TfrmMain() {
    qApp->removeEventFilter(this);
}

void TfrmMain::start(const QString& caseFile) {
    sizeToScreen();
    if (!caseFile.isEmpty() && !IsUntitled(caseFile)) {
        QString error;
        const QString path = QFileInfo(caseFile).absoluteFilePath();
        if (const std::optional<CaseAccess> access = accessFor(path))
            if (!m_session->openCaseOverTemplate(templateCasePath(), path, &error, *access))
                showFault(error);
    }
    RefreshRecentMenu();
    runGuarded([this] { DisplayAPage(navigationCode(0)); });
    UpdateMenuItems();
}

QAction* TfrmMain::action(const QString& name) const {
    return m_menus->action(name);
}

void TfrmMain::setCommand(const QString& name, std::function<void()> command) {
    QAction* a = action(name);
    if (!a) throw std::invalid_argument("no action named " + name.toStdString());
    connect(a, &QAction::triggered, this, [this, command] { runGuarded(command); });
    a->setEnabled(true);
}

void TfrmMain::setTaxFormCommand(std::function<void(int)> command) {
    m_taxFormCommand = std::move(command);
}

// ---- the command table ---------------------------------------------------------

void TfrmMain::wireCommands() {
    using Command = void (TfrmMain::*)();
    const std::pair<const char*, Command> commands[] = {
        {"mnuNew", &TfrmMain::NewClick},
        {"mnuClose", &TfrmMain::NewClick},
        {"cbtnNew", &TfrmMain::NewClick},
        {"popNew", &TfrmMain::NewClick},
        {"mnuOpen", &TfrmMain::OpenClick},
        {"cbtnOpen", &TfrmMain::OpenClick},
        {"popOpen", &TfrmMain::OpenClick},
        {"mnuSave", &TfrmMain::SaveClick},
        {"cbtnSave", &TfrmMain::SaveClick},
        {"popSave", &TfrmMain::SaveClick},
        {"mnuSaveAs", &TfrmMain::SaveAsClick},
        {"popSaveAs", &TfrmMain::SaveAsClick},
        {"mnuDuplicate", &TfrmMain::DuplicateClick},
        {"mnuImportWM3", &TfrmMain::ImportWM3Click},
        {"cbtnRefresh", &TfrmMain::RefreshClick},
        {"cbtnNext", &TfrmMain::NextClick},
        {"cbtnPrior", &TfrmMain::PriorClick},
    };
    for (const auto& [name, command] : commands)
        setCommand(QString::fromUtf8(name), [this, command] { (this->*command)(); });
    // Cut, Copy and Paste of the fields' context menu act on the field; a
    // computed (read-only) answer is only copied.
    struct EditCommand {
        const char* name;
        void (*edit)(QLineEdit*);
        void (*memo)(QPlainTextEdit*);
        bool changes;
    };
    const EditCommand editCommands[] = {
        {"popCut", [](QLineEdit* e) { e->cut(); }, [](QPlainTextEdit* m) { m->cut(); }, true},
        {"popCopy", [](QLineEdit* e) { e->copy(); }, [](QPlainTextEdit* m) { m->copy(); }, false},
        {"popPaste", [](QLineEdit* e) { e->paste(); }, [](QPlainTextEdit* m) { m->paste(); }, true},
    };
    for (const EditCommand& c : editCommands)
        setCommand(QString::fromLatin1(c.name), [c] {
            QWidget* focus = QApplication::focusWidget();
            if (auto* edit = qobject_cast<QLineEdit*>(focus);
                edit && !(c.changes && edit->isReadOnly()))
                c.edit(edit);
            if (auto* memo = qobject_cast<QPlainTextEdit*>(focus);
                memo && !(c.changes && memo->isReadOnly()))
                c.memo(memo);
        });
    setCommand(QStringLiteral("mnuExit"), [this] { close(); });
    setCommand(QStringLiteral("cbtnExit"), [this] { close(); });
    const std::pair<const char*, int> worksheets[] = {{"cbtnKin", KinWorksheet},
                                                      {"cbtnAssets", AssetWorksheet},
                                                      {"cbtnExpenses", ExpenseWorksheet},
                                                      {"cbtnTime", TimeWorksheet}};
    for (const auto& [name, sheet] : worksheets)
        setCommand(QString::fromUtf8(name), [this, sheet] { openWorksheet(sheet); });
    for (QAction* hx : m_menus->recentItems) {
        const int index = hx->data().toInt();
        connect(hx, &QAction::triggered, this,
                [this, index] { runGuarded([&] { ReopenClick(index); }); });
    }
}

void TfrmMain::runGuarded(const std::function<void()>& command) {
    try {
        command();
    } catch (const SilentAbort&) {
    } catch (const std::exception& e) {
        showFault(QString::fromUtf8(e.what()));
    }
}

void TfrmMain::showFault(const QString& text) {
    QApplication::beep();
    QMessageBox::warning(this, QStringLiteral("Wendmoor4"), text);
}

// ---- start-up and closing ------------------------------------------------------

QString TfrmMain::templateCasePath() const {
    return m_session->settings().ClientFolder + u'/' + TemplateCaseFileName;
}

void TfrmMain::ensureTemplateCase() {
    // The template case ships in the data folder; the user's copy in the
    // client folder is the one New and Open read and the user may adapt.
    const ProgramSettings& s = m_session->settings();
    if (QFileInfo::exists(templateCasePath())) return;
    QDir().mkpath(s.ClientFolder);
    QFile::copy(s.ProgramFolder + u'/' + TemplateCaseFileName, templateCasePath());
}

void TfrmMain::sizeToScreen() {
    QScreen* scr = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!scr) return;
    const QRect geo = scr->geometry();
    const WindowSizing sizing = SizingForScreenWidth(geo.width());
    m_pageScale = sizing.pageScale;
    const int height = WindowHeightForScreen(geo.height());
    const int width = sizing.windowWidth > 0 ? sizing.windowWidth : this->width();
    resize(width, height);
    move(geo.x() + (geo.width() - width) / 2, geo.y());
    if (sizing.treeWidth == 0) {
        ui->TreeView1->hide();
    } else {
        ui->splMain->setSizes({sizing.treeWidth, width - sizing.treeWidth});
        // The selection bar spans the tree even where the texts are short.
        ui->TreeView1->header()->setMinimumSectionSize(sizing.treeWidth - 4);
    }
    if (sizing.treeScale < 1) {
        // A narrow tree keeps its long item texts readable in condensed type.
        QFont f = ui->TreeView1->font();
        f.setStretch(static_cast<int>(sizing.treeScale * 100));
        ui->TreeView1->setFont(f);
    }
    if (sizing.tooNarrow) {
        showMinimized();
        ReportError(11080);
    }
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    bool close = false;
    runGuarded([&] {
        CommitFocusedEdit();
        close = askToSave();
    });
    if (!close) {
        event->ignore();
        return;
    }
    WriteINI(m_session->settings());
    event->accept();
}

// ---- keys ----------------------------------------------------------------------

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* w = qobject_cast<QWidget*>(watched);
        if (w && w->window() == this && ui->pnlMainForm->isAncestorOf(w))
            return handleKey(static_cast<QKeyEvent*>(event));
    }
    return QMainWindow::eventFilter(watched, event);
}

QList<QWidget*> TfrmMain::focusRegions() const {
    QList<QWidget*> regions{ui->TreeView1, ui->pnlMainForm};
    for (QDockWidget* dock : findChildren<QDockWidget*>())
        if (dock->widget() && !dock->isFloating()) regions.append(dock->widget());
    return regions;
}

void TfrmMain::cycleFocusRegion(int step) {
    FocusRegion(NextFocusRegion(focusRegions(), QApplication::focusWidget(), step));
}

bool TfrmMain::handleKey(QKeyEvent* key) {
    QWidget* focus = QApplication::focusWidget();
    // The Menu key and Shift+F10 open a field's context menu at the field.
    const bool menuKey = key->key() == Qt::Key_Menu ||
                         (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier);
    if (menuKey && focus && m_menus->popMain &&
        (qobject_cast<QLineEdit*>(focus) || qobject_cast<QPlainTextEdit*>(focus))) {
        m_menus->popMain->popup(focus->mapToGlobal(QPoint(4, focus->height())));
        return true;
    }
    if (key->modifiers() & ~Qt::KeypadModifier) return false;
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            // Enter moves to the next field, except in a memo, where it
            // starts a new line.
            if (!focus || qobject_cast<QPlainTextEdit*>(focus)) return false;
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QApplication::sendEvent(focus, &tab);
            return true;
        }
        case Qt::Key_PageUp:
        case Qt::Key_PageDown: {
            QScrollBar* bar = ui->VertScrollBox1->verticalScrollBar();
            const int half = ui->VertScrollBox1->viewport()->height() / 2;
            bar->setValue(bar->value() + (key->key() == Qt::Key_PageUp ? -half : half));
            return !qobject_cast<QPlainTextEdit*>(focus);
        }
        default:
            return false;
    }
}

}  // namespace wm4
