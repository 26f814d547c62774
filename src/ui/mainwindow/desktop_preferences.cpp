#include "ui/mainwindow/desktop_preferences.h"

#include <QDir>
#include <QSettings>

#include "files/settings.h"

namespace wm4 {

namespace {
const QString ReportDialogsKey = QStringLiteral("ReportDialogs");
}  // namespace

QString DesktopPreferencesPath(const ProgramSettings& settings) {
    return settings.SettingsFolder + QStringLiteral("/desktop.ini");
}

bool ReportDialogsPreferred(const ProgramSettings& settings) {
    const QSettings file(DesktopPreferencesPath(settings), QSettings::IniFormat);
    return file.value(ReportDialogsKey, false).toBool();
}

void SetReportDialogsPreferred(const ProgramSettings& settings, bool dialogs) {
    QDir().mkpath(settings.SettingsFolder);
    QSettings file(DesktopPreferencesPath(settings), QSettings::IniFormat);
    file.setValue(ReportDialogsKey, dialogs);
    file.sync();
}

}  // namespace wm4
