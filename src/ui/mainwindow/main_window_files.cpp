// The file commands of the main window: New, Open, Reopen, Save, Save As,
// Duplicate, Import, and the recent-file list.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScopeGuard>

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

bool TfrmMain::newCase() {
    QString error;
    if (QFileInfo::exists(templateCasePath())) {
        if (!m_session->openTemplateCase(templateCasePath(), &error)) {
            ReportError(11340);
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
    QString error;
    // The file is read over the template case into a fresh case; a read
    // error leaves the case on display and its name as they were.
    if (!m_session->openCaseOverTemplate(templateCasePath(), path, &error)) {
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
    QString error;
    bool read = false;
    {
        const auto cursor = waitCursor();
        // A recent file is read without the template case.
        read = m_session->openCase(path, &error);
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
    if (IsUntitled(ClientFileName())) {
        runSaveAs();
        return;
    }
    saveTo(ClientFileName());
}

bool TfrmMain::saveTo(const QString& path) {
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
