#pragma once
// Keeps the recovery copy of the main window's case (session/recovery_copy.h):
// every interval while the case has unsaved changes it stores the page on
// display and writes this running copy's copy of the case; a save (the case
// no longer modified) or a clean exit removes it. On start-up,
// offerRestore() asks whether to restore a copy a crash left (its program no
// longer runs), naming the case and the time of the copy.
//
// The interval is 2 minutes; the environment variable
// WM4_RECOVERY_INTERVAL_MS sets another (tests use a fraction of a second).
#include <QObject>
#include <QTimer>
#include <functional>

#include "session/recovery_copy.h"

namespace wm4 {

class TfrmMain;

inline constexpr int DefaultRecoveryIntervalMs = 2 * 60 * 1000;

class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    explicit RecoveryKeeper(TfrmMain& window);
    ~RecoveryKeeper() override;

    // The question of the offer: true restores. The desktop asks with a
    // message box; tests answer in code.
    using Ask = std::function<bool(const QString& question)>;
    void setAsk(Ask ask) { m_ask = std::move(ask); }

    // Offers the copies left by runs that did not end cleanly (their program
    // no longer runs), newest first, until one is restored. Restoring reads
    // it as the case on display, under the case file's name and marked
    // unsaved, and makes it this copy's own; declining removes it. Returns
    // true when it restored.
    bool offerRestore();
    // Writes the copy now when the case has unsaved changes.
    void writeNow();

    RecoveryCopy& copy() { return m_copy; }
    int interval() const { return m_timer.interval(); }

private:
    bool restore(const RecoveryInfo& info);

    TfrmMain& m_window;
    RecoveryCopy m_copy;
    QTimer m_timer;
    Ask m_ask;
    bool m_restoring = false;
};

// The interval of WM4_RECOVERY_INTERVAL_MS when it holds a positive number,
// else DefaultRecoveryIntervalMs.
int RecoveryIntervalMs();

RecoveryKeeper* InstallRecoveryKeeper(TfrmMain& window);

}  // namespace wm4
