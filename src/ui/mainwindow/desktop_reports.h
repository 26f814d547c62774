#pragma once
// The desktop's report handler: every report beeps and shows the error dialog
// over the active window; the answer store's ErrFlag is set by ReportError
// itself.
namespace wm4 {

void InstallDesktopReportHandler();

}  // namespace wm4
