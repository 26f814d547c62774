#pragma once
// A second running copy of the program for the tests: wm4_recovery_driver
// (the main window with the recovery copy kept and the case locked, over the
// test's folders) in a process of its own. It opens the case, edits it and
// says "EDITED"; then it saves or quits when told, or is killed.
#include <gtest/gtest.h>

#include <QProcess>
#include <QThread>
#include <functional>

namespace wm4::test {

class DriverProcess {
public:
    ~DriverProcess() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(10'000);
        }
    }

    // Starts the driver on casePath over root's folders and waits for its
    // edits. False (with a failure) when they do not come.
    bool startAndEdit(const QString& root, const QString& casePath) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM"));
        env.insert("WM4_RECOVERY_INTERVAL_MS", "100");
        m_process.setProcessEnvironment(env);
        m_process.start(QStringLiteral(WM4_RECOVERY_DRIVER), {root, casePath});
        if (!m_process.waitForStarted(10'000)) return false;
        return waitFor("EDITED");
    }

    // Waits until the driver said `word` on standard output.
    bool waitFor(const QByteArray& word) {
        while (!m_out.contains(word)) {
            if (!m_process.waitForReadyRead(30'000)) {
                ADD_FAILURE() << "no " << word.toStdString() << ": "
                              << m_process.readAllStandardError().toStdString();
                return false;
            }
            m_out += m_process.readAllStandardOutput();
        }
        return true;
    }

    void tell(const QByteArray& command) {
        m_process.write(command + '\n');
        m_process.waitForBytesWritten(5'000);
    }

    // A clean exit, asked for; true when the process ended by itself.
    bool quit() {
        tell("quit");
        return m_process.waitForFinished(30'000) && m_process.exitStatus() == QProcess::NormalExit;
    }

    // SIGKILL: no clean exit, nothing removed.
    bool kill() {
        m_process.kill();
        m_process.waitForFinished(10'000);
        return m_process.exitStatus() == QProcess::CrashExit;
    }

    qint64 pid() const { return m_process.processId(); }
    const QByteArray& output() const { return m_out; }

private:
    QProcess m_process;
    QByteArray m_out;
};

// Polls until `done` holds, for up to 6 seconds.
inline bool eventually(const std::function<bool()>& done) {
    for (int i = 0; i < 300; ++i) {
        if (done()) return true;
        QThread::msleep(20);
    }
    return done();
}

}  // namespace wm4::test
