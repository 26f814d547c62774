#include "worksheets/open_worksheet.h"

namespace wm4 {

// Placeholder until the worksheet windows land on this branch: opens nothing.
void OpenWorksheet(WorksheetKind, CaseSession&, QWidget*, int) {}

}  // namespace wm4
