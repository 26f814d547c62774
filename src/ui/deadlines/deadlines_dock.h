#pragma once
// Puts the Deadlines panel into the main window: a dock at the bottom, shown
// and hidden by Window > Deadlines (Ctrl+Shift+D).
namespace wm4 {

class TfrmMain;
class DeadlinesPanel;

DeadlinesPanel* InstallDeadlinesPanel(TfrmMain& window);

}  // namespace wm4
