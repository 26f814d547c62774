// Page navigation of the main window: showing a page copy from the menu, the
// tree or a command, the copy choice of multi-copy forms, Next and Prior, and
// the menu and button states after every move.
#include <QAction>
#include <QGuiApplication>
#include <QScopeGuard>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBar>
#include <QTreeWidget>
#include <algorithm>

#include "messages/report.h"
#include "session/case_session.h"
#include "ui/dialogs/multiple_dlg.h"
#include "ui/mainwindow/accessible_names.h"
#include "ui/mainwindow/main_window.h"
#include "ui/mainwindow/mnemonics.h"
#include "ui/mainwindow/navigation_rules.h"
#include "ui/mainwindow/recent_files.h"
#include "ui/mainwindow/status_line.h"
#include "ui/pagescreen/page_screen.h"
#include "ui_main_window.h"

namespace wm4 {

int TfrmMain::CurrentPage() const {
    return m_screen->CurrentPage;
}
int TfrmMain::CurrentCopy() const {
    return m_screen->CurrentCopy;
}

void TfrmMain::OpenNavItem(const NavItem& item) {
    CommitFocusedEdit();
    switch (item.kind) {
        case NavKind::Group:
            break;
        case NavKind::Page:
            if (item.open == OpenMode::Display)
                DisplayAPage(item.tag);
            else
                ContinuationDlg(item.tag);
            break;
        case NavKind::Worksheet:
            openWorksheet(item.tag);
            break;
        case NavKind::TaxForm:
            if (m_taxFormCommand) m_taxFormCommand(item.tag);
            break;
        case NavKind::PrintForms:
            if (QAction* print = action(QStringLiteral("mnuPrint")); print && print->isEnabled())
                print->trigger();
            break;
    }
}

void TfrmMain::DisplayAPage(int code) {
    if (CurrentPage() != -1) m_screen->Components2Answers(m_screen->panel());
    showPage(code);
    UpdateMenuItems();
}

void TfrmMain::ContinuationDlg(int code) {
    const int page = codePage(code);
    // The page on display keeps what was typed into its focused control.
    if (CurrentPage() != -1) m_screen->Components2Answers(m_screen->panel());
    ui->TreeView1->setEnabled(false);
    const auto enableTree = qScopeGuard([this] { ui->TreeView1->setEnabled(true); });
    int copy = 0;
    if (m_session->answers().PgCt[page] >= 2) {
        const std::optional<int> chosen = ChooseCopy(m_session->answers(), page, this);
        if (!chosen) return;
        copy = *chosen;
    }
    showPage(navigationCode(page, copy));
    UpdateMenuItems();
}

void TfrmMain::NextClick() {
    if (CurrentPage() < 0) return;
    CommitFocusedEdit();
    const std::optional<int> next = NextCode(CurrentPage(), CurrentCopy());
    if (next) DisplayAPage(*next);
}

void TfrmMain::PriorClick() {
    if (CurrentPage() < 0) return;
    CommitFocusedEdit();
    DisplayAPage(PriorCode(CurrentPage(), CurrentCopy()));
}

void TfrmMain::showPage(int code) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    ui->pnlToolBar->show();
    // Caption, tree selection and scroll position are set also when the
    // screen cannot be loaded; the fault then goes on to the command.
    const auto finish = qScopeGuard([this] {
        updateCaption();
        selectTreeItem(CurrentPage());
        ui->VertScrollBox1->verticalScrollBar()->setValue(0);
        ui->VertScrollBox1->horizontalScrollBar()->setValue(0);
        QGuiApplication::restoreOverrideCursor();
    });
    m_screen->LoadPage(code);
    NameFieldsByLabels(m_screen->screenRoot());
}

void TfrmMain::selectTreeItem(int page) {
    const PageEntry* entry = catalogueEntry(page);
    QTreeWidgetItem* item =
        entry ? m_treeItemsByName.value(QString::fromUtf8(entry->treeItem), nullptr) : nullptr;
    QSignalBlocker block(ui->TreeView1);
    ui->TreeView1->clearSelection();
    QList<QTreeWidgetItem*> ancestors;
    for (QTreeWidgetItem* p = item ? item->parent() : nullptr; p; p = p->parent())
        ancestors.append(p);
    for (QTreeWidgetItem* opened : std::as_const(m_openedForPage))
        if (!ancestors.contains(opened)) opened->setExpanded(false);
    m_openedForPage.removeIf([&](QTreeWidgetItem* opened) { return !ancestors.contains(opened); });
    for (QTreeWidgetItem* p : ancestors)
        if (!p->isExpanded()) {
            p->setExpanded(true);
            m_openedForPage.append(p);
        }
    if (item) {
        ui->TreeView1->setCurrentItem(item);
        ui->TreeView1->scrollToItem(item);
    }
}

// The file's name, marked while the case has unsaved changes ("[*]" shows
// as the desktop's mark); the status bar says the same in words.
void TfrmMain::updateCaption() {
    setWindowTitle(FileNamePart(ClientFileName()) + QStringLiteral("[*]") +
                   (m_session->isReadOnly() ? QStringLiteral(" [read-only]") : QString()));
    setWindowModified(CaseModified());
    m_status->showSaved(SavedStatusText(CaseModified(), IsUntitled(ClientFileName())));
    const PageEntry* entry = CurrentPage() >= 0 ? catalogueEntry(CurrentPage()) : nullptr;
    if (!entry) {
        m_status->showPage(QString());
        return;
    }
    const int copies =
        entry->copyCounter ? m_session->answers().*entry->copyCounter : entry->fixedCopies;
    m_status->showPage(PageStatusText(*entry, std::max(CurrentCopy(), 0), copies));
}

void TfrmMain::showActivity(const QString& text) {
    m_status->showActivity(text);
}

void TfrmMain::UpdateMenuItems() {
    const bool onPage = CurrentPage() != -1;
    if (onPage) {
        const ProgramSettings& s = m_session->settings();
        const std::pair<const char*, bool> ticks[] = {
            {"mnuForceWord", s.ForceWord},
            {"mnuForceWordPad", s.ForceWordPad},
            {"mnuGhostPrompts", m_screen->GhostPrompts},
            {"mnuFontAdjustFlag", s.AdjustMemoFontFlag},
        };
        for (const auto& [name, on] : ticks)
            if (QAction* a = action(QString::fromUtf8(name))) a->setChecked(on);
        if (QAction* find = action(QStringLiteral("mnuFindWord")))
            find->setText(KeepingMnemonic(s.FoundWordPath.isEmpty()
                                              ? QStringLiteral("Find LibreOffice Writer")
                                              : QStringLiteral("Find LibreOffice Writer: FOUND"),
                                          find->text()));
        action(QStringLiteral("cbtnRefresh"))->setVisible(true);
    }
    const StepButtons steps =
        onPage ? StepButtonsFor(m_session->answers(), CurrentPage(), CurrentCopy()) : StepButtons{};
    action(QStringLiteral("cbtnNext"))->setVisible(steps.next);
    action(QStringLiteral("cbtnPrior"))->setVisible(steps.prior);
    updateCaption();
    Q_EMIT menuItemsUpdated();
}

}  // namespace wm4
