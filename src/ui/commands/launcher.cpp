#include "ui/commands/launcher.h"

#include <QDesktopServices>
#include <QProcess>

namespace wm4 {

bool DesktopLauncher::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

bool DesktopLauncher::startProgram(const QString& program, const QStringList& arguments,
                                   const QString& folder) {
    return QProcess::startDetached(program, arguments, folder);
}

bool DesktopLauncher::openWithDefaultApplication(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool RecordingLauncher::openUrl(const QUrl& url) {
    urls.append(url);
    return succeeds;
}

bool RecordingLauncher::startProgram(const QString& program, const QStringList& arguments,
                                     const QString& folder) {
    programs.append({program, arguments, folder});
    return succeeds;
}

bool RecordingLauncher::openWithDefaultApplication(const QString& path) {
    return openUrl(QUrl::fromLocalFile(path));
}

}  // namespace wm4
