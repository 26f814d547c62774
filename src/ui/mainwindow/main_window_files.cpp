// The file commands of the main window: New, Open, Reopen, Save, Save As,
// Duplicate, Import, and the recent-file list.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>

#include "files/case_lock.h"
#include "files/client_file.h"
#include "files/file_error.h"
#include "messages/report.h"
#include "session/case_session.h"
#include "ui/mainwindow/main_menus.h"
#include "ui/mainwindow/main_window.h"
#include "ui/mainwindow/recent_files.h"
#include "ui/pagescreen/page_screen.h"
#include "worksheets/open_worksheet.h"

namespace wm4 {

namespace {

const QString kSavePrompt = QStringLiteral("Do You Want To Save Your Changes?");

FileDialogRequest clientFileRequest(const QString& title, const QString& folder) {
    return {title, folder, QString(), QStringLiteral("Wendmoor4 Files (*.wm4)"),
            QStringLiteral("wm4")};
}

// The wait cursor for the lifetime of the guard, restored also on a throw.
auto waitCursor() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    return qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
}

}  // namespace

bool TfrmMain::askToSave() {
    if (!CaseModified()) return true;
    const auto answer = QMessageBox::warning(
        this, QStringLiteral("Wendmoor4"), kSavePrompt,
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Cancel || answer == QMessageBox::Escape) return false;
    if (answer == QMessageBox::No) return true;
    SaveClick();
    // A save that failed or was cancelled must not let the edits go.
    return !CaseModified();
}

std::optional<CaseAccess> TfrmMain::accessFor(const QString& path) {
    if (!m_session->locksCases()) return CaseAccess::Edit;
    const std::optional<CaseLockInfo> holder = m_session->heldElsewhere(path);
    if (!holder) return CaseAccess::Edit;
    const QFileInfo file(path);
    const QString text =
        QStringLiteral(
            "%1 is open in Wendmoor4 by %2.\n\nYou can open it read-only: you see the case and "
            "can save your changes under another name with Save As, but not over this file.\n\n"
            "If nobody has it open any more (the other computer stopped without closing "
            "Wendmoor4), delete the file %3 in that folder and open the case again.")
            .arg(file.fileName(), DescribeHolder(*holder),
                 QFileInfo(CaseLockPath(path)).fileName());
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Wendmoor4"), text, QMessageBox::NoButton,
                    this);
    QPushButton* readOnly =
        box.addButton(QStringLiteral("Open Read-Only"), QMessageBox::AcceptRole);
    readOnly->setAccessibleName(readOnly->text());
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(readOnly);
    box.exec();
    if (box.clickedButton() == readOnly) return CaseAccess::ReadOnly;
    return std::nullopt;
}

bool TfrmMain::mayOverwrite(const QString& path) {
    // A read-only case is refused by the save itself, with the reason.
    if (path != m_session->fileName() || m_session->isReadOnly() || !m_session->changedOnDisk())
        return true;
    const QString text =
        QStringLiteral(
            "%1 was changed on disk after you opened it, by another program or another copy of "
            "Wendmoor4.\n\nSave over it? Its changes would be lost (the file as it is now is "
            "kept as %2). No keeps it: you can save your version under another name with Save "
            "As.")
            .arg(QFileInfo(path).fileName(), QFileInfo(path).fileName() + QStringLiteral(".bak"));
    return QMessageBox::warning(this, QStringLiteral("Wendmoor4"), text,
                                QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No) == QMessageBox::Yes;
}

bool TfrmMain::newCase() {
    QString error;
    if (QFileInfo::exists(templateCasePath())) {
        if (!m_session->openTemplateCase(templateCasePath(), &error)) {
            ReportError(11340, error);
            return false;
        }
    } else {
        m_session->newEmptyCase();
    }
    setCaseModified(false);
    return true;
}

void TfrmMain::showFirstPage() {
    m_screen->CurrentPage = -1;
    m_screen->CurrentCopy = -1;
    DisplayAPage(navigationCode(0));
}

void TfrmMain::ShowReadCase() {
    RecalculateAll(false);
    showFirstPage();
    UpdateMenuItems();
}

void TfrmMain::NewClick() {
    CommitFocusedEdit();
    if (!askToSave()) return;
    if (!newCase()) return;
    RecalculateAll(false);
    showFirstPage();
}

void TfrmMain::OpenClick() {
    CommitFocusedEdit();
    if (!askToSave()) return;
    const QString path = m_dialogs.open(
        this,
        clientFileRequest(QStringLiteral("Open File Dialog"), m_session->settings().ClientFolder));
    if (path.isEmpty()) return;
    const std::optional<CaseAccess> access = accessFor(path);
    if (!access) return;
    QString error;
    // The file is read over the template case into a fresh case; a read
    // error leaves the case on display and its name as they were.
    if (!m_session->openCaseOverTemplate(templateCasePath(), path, &error, *access)) {
        showFault(error);
        return;
    }
    setCaseModified(false);
    RememberRecentFile(m_session->settings().RecentFiles, path);
    RefreshRecentMenu();
    RecalculateAll(false);
    showFirstPage();
}

void TfrmMain::ReopenClick(int index) {
    QStringList& recent = m_session->settings().RecentFiles;
    if (index < 0 || index >= recent.size()) return;
    CommitFocusedEdit();
    if (!askToSave()) return;
    const QString path = recent[index];
    PromoteRecentFile(recent, path);
    RefreshRecentMenu();
    const std::optional<CaseAccess> access = accessFor(path);
    if (!access) return;
    QString error;
    bool read = false;
    {
        const auto cursor = waitCursor();
        // A recent file is read without the template case.
        read = m_session->openCase(path, &error, *access);
    }
    if (!read) {
        showFault(error);
        return;
    }
    setCaseModified(false);
    RecalculateAll(false);
    showFirstPage();
}

void TfrmMain::SaveClick() {
    CommitFocusedEdit();
    m_screen->Components2Answers(m_screen->panel());
    // A case opened read-only is saved under another name.
    if (IsUntitled(ClientFileName()) || m_session->isReadOnly()) {
        runSaveAs();
        return;
    }
    saveTo(ClientFileName());
}

bool TfrmMain::saveTo(const QString& path) {
    if (!mayOverwrite(path)) return false;
    try {
        const auto cursor = waitCursor();
        m_session->saveCase(path);
    } catch (const FileError& e) {
        // The previous file is untouched and the changes stay marked.
        showFault(e.text());
        return false;
    }
    setCaseModified(false);
    UpdateMenuItems();
    return true;
}

void TfrmMain::SaveAsClick() {
    CommitFocusedEdit();
    m_screen->Components2Answers(m_screen->panel());
    runSaveAs();
}

bool TfrmMain::runSaveAs(const QString& proposedName) {
    FileDialogRequest request = clientFileRequest(QStringLiteral("File|Save As Dialog"),
                                                  m_session->settings().ClientFolder);
    // An untitled case proposes the name in answer 11 of Form 1.0.
    request.proposedName = !proposedName.isEmpty() ? proposedName
                           : IsUntitled(ClientFileName())
                               ? m_session->answers().answer(1, 0, 11) + QStringLiteral(".wm4")
                               : ClientFileName();
    QString path = m_dialogs.save(this, request);
    // Cancelling keeps the unsaved-changes mark: the edits are still unsaved.
    if (path.isEmpty()) return false;
    const QFileInfo info(path);
    if (info.suffix().compare(QStringLiteral("wm4"), Qt::CaseInsensitive) != 0) {
        ReportError(11010);
        path = info.dir().filePath(info.completeBaseName() + QStringLiteral(".wm4"));
    }
    if (!saveTo(path)) return false;
    RememberRecentFile(m_session->settings().RecentFiles, path);
    RefreshRecentMenu();
    return true;
}

void TfrmMain::DuplicateClick() {
    m_session->setFileName(QString());
    // The answers stay as they are: the page is shown without storing it.
    showPage(navigationCode(0));
    UpdateMenuItems();
}

void TfrmMain::ImportWM3Click() {
    CommitFocusedEdit();
    if (!askToSave()) return;
    FileDialogRequest request = {QStringLiteral("Open File Dialog"),
                                 m_session->settings().WM3Folder, QString(),
                                 QStringLiteral("Wendmoor3 Files (*.wm3)"), QStringLiteral("wm3")};
    const QString path = m_dialogs.open(this, request);
    if (path.isEmpty()) return;
    QString error;
    if (!m_session->importWM3(path, &error)) {
        showFault(error);
        return;
    }
    // The imported case is untitled until Save As names it; the dialog
    // proposes the prior-version file's name in the client folder.
    RecalculateAll(false);
    showFirstPage();
    runSaveAs(QDir(m_session->settings().ClientFolder)
                  .filePath(QFileInfo(path).completeBaseName() + QStringLiteral(".wm4")));
}

void TfrmMain::RefreshRecentMenu() {
    QStringList& recent = m_session->settings().RecentFiles;
    while (recent.size() > MaxRecentFiles) recent.removeLast();
    for (int i = 0; i < m_menus->recentItems.size(); ++i) {
        QAction* hx = m_menus->recentItems[i];
        const bool shown = i < recent.size();
        hx->setVisible(shown);
        hx->setEnabled(shown);
        if (shown) {
            hx->setText(FileNamePart(recent[i]).replace(u'&', QStringLiteral("&&")));
            hx->setToolTip(recent[i]);
            hx->setStatusTip(recent[i]);
        }
    }
    m_menus->recentLine->setVisible(!recent.isEmpty());
}

void TfrmMain::OpenWorksheetAt(int worksheet, int row) {
    if (worksheet < KinWorksheet || worksheet > TimeWorksheet) return;
    openWorksheet(worksheet, row);
}

void TfrmMain::openWorksheet(int worksheet, int row) {
    static constexpr WorksheetKind kinds[] = {WorksheetKind::Kin, WorksheetKind::Asset,
                                              WorksheetKind::Expense, WorksheetKind::Time};
    CommitFocusedEdit();
    m_screen->Components2Answers(m_screen->panel());
    OpenWorksheet(kinds[worksheet], *m_session, this, row);
    RefreshClick();
}

}  // namespace wm4
