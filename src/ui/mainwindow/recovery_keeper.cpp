#include "ui/mainwindow/recovery_keeper.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>

#include "files/file_error.h"
#include "session/case_session.h"
#include "ui/mainwindow/main_window.h"
#include "ui/pagescreen/page_screen.h"

namespace wm4 {

int RecoveryIntervalMs() {
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("WM4_RECOVERY_INTERVAL_MS", &ok);
    return ok && ms > 0 ? ms : DefaultRecoveryIntervalMs;
}

RecoveryKeeper::RecoveryKeeper(TfrmMain& window)
    : QObject(&window), m_window(window), m_copy(window.session().settings().SettingsFolder) {
    m_ask = [this](const QString& question) {
        return QMessageBox::question(&m_window, QStringLiteral("Wendmoor4"), question,
                                     QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::Yes) == QMessageBox::Yes;
    };
    m_timer.setInterval(RecoveryIntervalMs());
    connect(&m_timer, &QTimer::timeout, this, &RecoveryKeeper::writeNow);
    m_timer.start();
    // Saved (or a fresh case read): nothing left to recover.
    connect(&window.session(), &CaseSession::modifiedChanged, this, [this](bool modified) {
        if (!modified && !m_restoring) m_copy.remove();
    });
}

// A clean exit: the window is destroyed after it closed.
RecoveryKeeper::~RecoveryKeeper() {
    m_copy.remove();
}

void RecoveryKeeper::writeNow() {
    if (!m_window.CaseModified()) return;
    try {
        // What is typed on the page on display counts as edited.
        m_window.pageScreen().Components2Answers(m_window.pageScreen().panel());
        m_copy.write(m_window.session());
    } catch (const FileError&) {
        // A copy that cannot be written is tried again next time; the
        // case itself is untouched.
    }
}

bool RecoveryKeeper::offerRestore() {
    // Only copies whose program ended: another running copy's live work is
    // its own. Newest first; each declined one goes.
    for (const RecoveryInfo& info : m_copy.orphans()) {
        const QString name = info.caseFile.isEmpty() ? QStringLiteral("an untitled case")
                                                     : QFileInfo(info.caseFile).fileName();
        const QString when = QLocale().toString(info.written, QLocale::ShortFormat);
        const QString question =
            QStringLiteral(
                "Wendmoor4 did not close normally. A recovery copy of %1 from %2 was "
                "kept.\n\nRestore it? (No discards the copy.)")
                .arg(name, when);
        if (!m_ask(question)) {
            RecoveryCopy::discard(info);
            continue;
        }
        return restore(info);
    }
    return false;
}

bool RecoveryKeeper::restore(const RecoveryInfo& info) {
    m_restoring = true;
    QString error;
    const bool read = m_window.session().openCase(info.copyPath, &error);
    if (read) {
        m_window.session().setFileName(info.caseFile);
        m_window.setCaseModified(true);  // restored, not yet saved
    }
    m_restoring = false;
    if (!read) {
        QMessageBox::warning(&m_window, QStringLiteral("Wendmoor4"), error);
        return false;
    }
    m_window.ShowReadCase();
    // The edits live on in this copy's own recovery copy (written once the
    // restored case is on display, whose fields it stores first); the one
    // left behind has done its work.
    writeNow();
    if (!m_copy.copyPath().isEmpty() && QFileInfo::exists(m_copy.copyPath()))
        RecoveryCopy::discard(info);
    return true;
}

RecoveryKeeper* InstallRecoveryKeeper(TfrmMain& window) {
    return new RecoveryKeeper(window);
}

}  // namespace wm4
