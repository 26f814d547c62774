#pragma once
// Preferences of the desktop that the settings file has no line for. That
// file is a fixed sequence of lines shared with the Windows version, so these
// live in "desktop.ini" beside it (key = value); a missing file or key gives
// the default.
#include <QString>

namespace wm4 {

struct ProgramSettings;

// One dialog per report during a calculation run, as before the Problems
// panel (default false: the run's reports are listed together).
bool ReportDialogsPreferred(const ProgramSettings& settings);
void SetReportDialogsPreferred(const ProgramSettings& settings, bool dialogs);

// SettingsFolder + "/desktop.ini".
QString DesktopPreferencesPath(const ProgramSettings& settings);

}  // namespace wm4
