// The page panel side of the main window: committing the focused control,
// the full recalculation around the page on display, and Refresh.
#include <QApplication>
#include <QGuiApplication>
#include <QScopeGuard>

#include "files/client_file.h"
#include "session/case_session.h"
#include "ui/mainwindow/main_window.h"
#include "ui/pagescreen/page_screen.h"

namespace wm4 {

QString TfrmMain::ClientFileName() const {
    return m_session->fileName().isEmpty() ? UntitledFileName : m_session->fileName();
}

// The page screen marks edits on its controls, the session everything else
// (worksheets, reads, saves); the case is modified when either says so.
bool TfrmMain::CaseModified() const {
    return m_session->isModified() || m_screen->CaseModified;
}

void TfrmMain::setCaseModified(bool modified) {
    m_screen->CaseModified = modified;
    m_session->setModified(modified);
    updateCaption();
}

void TfrmMain::CommitFocusedEdit() {
    // What leaving the control would do: store and reformat its value. The
    // focus stays where it is.
    QWidget* focus = QApplication::focusWidget();
    if (focus && m_screen->panel()->isAncestorOf(focus)) m_screen->CalcOnExit(focus);
}

void TfrmMain::RecalculateAll(bool transfer) {
    if (transfer) m_screen->Components2Answers(m_screen->panel());
    {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        const auto cursor = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
        m_session->calculate();
    }
    m_screen->Answer2Components(m_screen->panel());
}

void TfrmMain::CompleteCalc() {
    RecalculateAll(true);
    UpdateMenuItems();
}

void TfrmMain::RefreshClick() {
    CommitFocusedEdit();
    CompleteCalc();
    // After a report the user stays on the screen with the message just seen.
    if (m_session->answers().ErrFlag || CurrentPage() < 0) return;
    DisplayAPage(navigationCode(CurrentPage(), CurrentCopy()));
}

}  // namespace wm4
