#pragma once
// What the four worksheet windows share: the command bar, the edit panel's
// host, the sort hint and the grid over a WorksheetModel; the row commands,
// navigation, search, sorting and the row clipboard; and how rows reach the
// store.
//
// Data flow: the store is copied into the model on opening (LoadStringGrid).
// The current row is shown in the panel (RowToPanel); leaving a panel field
// writes the panel into the current row (SaveEntry, which ends by copying the
// model into the store: SaveStringGrid). Row commands change the model; the
// next SaveEntry or the closing copies it to the store. A worksheet declares
// its columns (grid_columns.h) and its panel in its own class through the
// hooks below.
#include <QDialog>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "case/case_data.h"
#include "worksheets/grid/grid_columns.h"

class QAction;
class QMenu;
class QTableView;

namespace Ui {
class WorksheetWindow;
}

namespace wm4 {

class CaseSession;
class WorksheetModel;

// What sets one worksheet window apart, as data.
struct WorksheetTraits {
    const char* caption;
    const char* navigatorTitle;
    const char* rowCommandsTitle;
    const char* clearQuestion;  // Clear Worksheet's question
    const char* gridName;       // the grid's accessible name
    const GridLayout& grid;
    WorksheetStore CaseData::*store;
    bool hasFind = true;
    bool hasCutButton = true;
    bool sortWithMarkers = true;   // false: always ascending, headers unchanged
    bool addsRowWhenEmpty = true;  // false: an empty store opens as an empty grid
    bool navigationFocusesPanel = true;
    bool sortHint = true;
};

class WorksheetWindow : public QDialog {
    Q_OBJECT
public:
    ~WorksheetWindow() override;

    // The current row, -1 when the grid has no row.
    int currentRow() const { return m_current; }
    const WorksheetModel& model() const { return *m_model; }
    QTableView* grid() const;

    // The grid into the case's store (row count and every cell), and back.
    void SaveStringGrid();
    void LoadStringGrid();

    // Makes row current and shows it in the panel (opening at a given row).
    void showRow(int row);

    // The commands of the command bar, the popup menu and the shortcuts.
    void FirstRow();
    void PriorRow();
    void NextRow();
    void LastRow();
    void InsertRow();
    void DeleteRow();
    void AddRow();
    void CopyClick();
    void CutClick();
    void PasteInsertClick();
    void PasteReplaceClick();
    void FindOnClick();
    void ClearWorksheet();
    void HeaderClick(int column);

    void done(int result) override;

protected:
    WorksheetWindow(CaseSession& session, const WorksheetTraits& traits, QWidget* parent);

    // How a panel field is normalised when the user leaves it.
    enum class FieldKind {
        Plain,
        Memo,   // the description: characters the templates take as markup replaced
        Money,  // edtAmount: re-formatted to the money form
    };
    // The subclass builds its panel, puts it in with setPanel, registers every
    // field, and ends its constructor with start().
    void setPanel(QWidget* panel);
    void addField(QWidget* field, FieldKind kind = FieldKind::Plain);
    // Entering `field` runs onEnter (the plain number of a money box).
    void addField(QWidget* field, FieldKind kind, std::function<void()> onEnter);
    void start();

    // ---- the hooks of one worksheet -----------------------------------------
    // The current row into the panel (and the detail record).
    virtual void RowToPanel(const QStringList& row) = 0;
    // SaveEntry's writing steps: the panel (and detail record) into row,
    // summaries rebuilt.
    virtual void PanelToRow(QStringList& row) = 0;
    // Every panel control empty, the detail record reset.
    virtual void ClearPanel() = 0;
    // The new-row defaults (Add).
    virtual void InitNewRow(QStringList& row) const;
    // Fills the summary cells a stored row lacks (nothing by default).
    virtual void CompleteSummaries(QStringList& row) const;
    // What Insert writes into the inserted empty row (nothing by default).
    virtual void InitInsertedRow(QStringList& row) const;
    // The panel after the window is first shown.
    virtual void afterFirstShow() {}
    virtual QWidget* firstField() const = 0;
    // Asks for the search text of Find; false on Cancel.
    virtual bool askSearchText(QString& text);

    // Writes the panel into the current row and the grid into the store.
    void SaveEntry();
    // Marks the case changed (the change handler of every panel control).
    void ChangeModifiedFlag();
    CaseSession& session() const { return m_session; }
    // The current row's cells (an empty row when there is none).
    QStringList currentCells() const;
    // True while the window fills the panel itself: control changes then are
    // no edits.
    bool panelLoading() const { return m_loading > 0; }
    // The panel filled by the window, not the user.
    void loadPanel(const QStringList& row);
    void clearPanelQuietly();

    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Field {
        QWidget* widget;
        FieldKind kind;
        std::function<void()> onEnter;
    };
    class Quiet;

    void buildCommands();
    void connectChange(QWidget* field);
    void normalise(const Field& field);
    void SaveOnExit(const Field& field);
    // A panel edit not yet written (a shortcut used without leaving the
    // field) goes into the row it was typed for before a command moves on.
    void commitPendingEdit();
    void setCurrent(int row);
    void navigateTo(int row);
    void currentChangedByUser(int row);
    void focusFirstField();
    void applyColumnWidths();
    void updateColumnHeaders(int sorted, int code);
    bool askYesNo(const QString& question);
    void showPopup(QWidget* from, const QPoint& pos);
    const Field* fieldOf(QObject* object) const;

    CaseSession& m_session;
    const WorksheetTraits& m_traits;
    std::unique_ptr<Ui::WorksheetWindow> m_ui;
    WorksheetModel* m_model;
    QMenu* m_popup = nullptr;
    std::vector<Field> m_fields;
    std::vector<int> m_sortCode;             // per store column: 0 none, 1 ascending, 2 descending
    QString m_searchText;                    // TheSearchStr
    std::optional<QStringList> m_clipboard;  // the panel as Copy found it
    int m_current = -1;
    int m_loading = 0;
    int m_quiet = 0;
    bool m_pendingEdit = false;
    bool m_shown = false;
    bool m_closing = false;
};

}  // namespace wm4
