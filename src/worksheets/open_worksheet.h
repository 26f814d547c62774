#pragma once
// How the main window opens a worksheet window. The worksheets are modal: the
// call returns when the window has closed and its rows are in the case's
// worksheet store; the caller then refreshes its page (which recalculates).
#include <memory>

class QWidget;

namespace wm4 {

class CaseSession;
class WorksheetWindow;

enum class WorksheetKind { Asset, Expense, Kin, Time };

// Opens the worksheet of kind over parent and returns when it closes. While the
// window is open, the session's storeOpenWorksheets() stores its grid, so a
// calculation run or a save started from inside it sees the unsaved rows.
// focusRow selects that row when the window opens (-1: the first row).
void OpenWorksheet(WorksheetKind kind, CaseSession& session, QWidget* parent, int focusRow = -1);

// The window of kind, built and filled but not shown (tests and screenshots
// drive it directly).
std::unique_ptr<WorksheetWindow> CreateWorksheet(WorksheetKind kind, CaseSession& session,
                                                 QWidget* parent = nullptr);

}  // namespace wm4
