#pragma once
// How the desktop hands documents, web addresses and programs to the system.
// The window's commands (printing, Manual, Table of Contents, Tutorial, the
// quote pages, the tax forms) go through one Launcher, so tests record what
// would have been opened instead of starting a browser.
#include <QList>
#include <QStringList>
#include <QUrl>

#include "output/document/word_processor.h"

namespace wm4 {

class Launcher : public ProgramLauncher {
public:
    // Opens a web address or a local file with the desktop's default program.
    virtual bool openUrl(const QUrl& url) = 0;
};

// QDesktopServices for addresses and documents, QProcess::startDetached for
// programs; never waits for what it starts.
class DesktopLauncher : public Launcher {
public:
    bool openUrl(const QUrl& url) override;
    bool startProgram(const QString& program, const QStringList& arguments,
                      const QString& folder) override;
    bool openWithDefaultApplication(const QString& path) override;
};

// Records every request and answers `succeeds`.
class RecordingLauncher : public Launcher {
public:
    struct Started {
        QString program;
        QStringList arguments;
        QString folder;
    };

    bool openUrl(const QUrl& url) override;
    bool startProgram(const QString& program, const QStringList& arguments,
                      const QString& folder) override;
    bool openWithDefaultApplication(const QString& path) override;

    bool succeeds = true;
    QList<QUrl> urls;  // addresses, and documents opened by the default program
    QList<Started> programs;
};

}  // namespace wm4
