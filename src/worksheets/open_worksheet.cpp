#include "worksheets/open_worksheet.h"

#include <memory>

#include "session/case_session.h"
#include "worksheets/asset/asset_worksheet.h"
#include "worksheets/expense/expense_worksheet.h"
#include "worksheets/kin/kin_worksheet.h"
#include "worksheets/time/time_worksheet.h"

namespace wm4 {

namespace {

// While the window is open, a calculation or a save started from inside it
// stores its rows first; the hook goes when the window does, also on an
// exception.
class StoreHook {
public:
    StoreHook(CaseSession& session, WorksheetWindow& window) : m_session(session) {
        m_session.setStoreOpenWorksheets([&window] { window.SaveStringGrid(); });
    }
    ~StoreHook() { m_session.setStoreOpenWorksheets({}); }
    StoreHook(const StoreHook&) = delete;
    StoreHook& operator=(const StoreHook&) = delete;

private:
    CaseSession& m_session;
};

}  // namespace

std::unique_ptr<WorksheetWindow> CreateWorksheet(WorksheetKind kind, CaseSession& session,
                                                 QWidget* parent) {
    switch (kind) {
        case WorksheetKind::Asset:
            return std::make_unique<TfrmAssetWorksheet>(session, parent);
        case WorksheetKind::Expense:
            return std::make_unique<TfrmExpenseWorksheet>(session, parent);
        case WorksheetKind::Kin:
            return std::make_unique<TfrmKinWorksheet>(session, parent);
        case WorksheetKind::Time:
            return std::make_unique<TfrmTimeWorksheet>(session, parent);
    }
    return nullptr;
}

void OpenWorksheet(WorksheetKind kind, CaseSession& session, QWidget* parent, int focusRow) {
    std::unique_ptr<WorksheetWindow> window = CreateWorksheet(kind, session, parent);
    if (focusRow >= 0) window->showRow(focusRow);
    StoreHook hook(session, *window);
    window->exec();  // closing stores the grid (SaveStringGrid)
}

}  // namespace wm4
