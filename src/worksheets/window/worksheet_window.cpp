#include "worksheets/window/worksheet_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableView>

#include "session/case_session.h"
#include "ui_worksheet_window.h"
#include "worksheets/details/detail_dialogs.h"
#include "worksheets/grid/cell_forms.h"
#include "worksheets/grid/worksheet_model.h"
#include "worksheets/window/control_names.h"
#include "worksheets/window/worksheet_texts.h"

namespace wm4 {

// Structural changes of the model move the view's current index; while one
// is quiet, those moves are not the user's selection.
class WorksheetWindow::Quiet {
public:
    explicit Quiet(WorksheetWindow& w) : m_w(w) { ++m_w.m_quiet; }
    ~Quiet() { --m_w.m_quiet; }
    Quiet(const Quiet&) = delete;
    Quiet& operator=(const Quiet&) = delete;

private:
    WorksheetWindow& m_w;
};

namespace {

// One command: its popup item, its shortcut, and its button (if any).
struct Command {
    const char* menuText;
    QKeySequence shortcut;
    QPushButton* Ui::WorksheetWindow::*button;
    void (WorksheetWindow::*run)();
};

}  // namespace

WorksheetWindow::WorksheetWindow(CaseSession& session, const WorksheetTraits& traits,
                                 QWidget* parent)
    : QDialog(parent),
      m_session(session),
      m_traits(traits),
      m_ui(std::make_unique<Ui::WorksheetWindow>()),
      m_model(new WorksheetModel((session.data().*traits.store).columnCount(), traits.grid, this)),
      m_sortCode(size_t(m_model->columnCount()), 0) {
    m_ui->setupUi(this);
    // The panel a little larger than the desktop's default text, the grid
    // larger still: most of the day is spent reading and typing here.
    QFont windowFont = font();
    if (windowFont.pointSize() > 0 && windowFont.pointSize() < 10) windowFont.setPointSize(10);
    setFont(windowFont);
    setWindowTitle(QString::fromLatin1(traits.caption));
    setAccessibleName(windowTitle());
    setSizeGripEnabled(true);
    m_ui->grpNavigator->setTitle(QString::fromLatin1(traits.navigatorTitle));
    m_ui->grpRowCommands->setTitle(QString::fromLatin1(traits.rowCommandsTitle));
    m_ui->btnCut->setVisible(traits.hasCutButton);
    m_ui->lblSortHint->setVisible(traits.sortHint);

    QTableView* view = m_ui->grid;
    view->setModel(m_model);
    view->setAccessibleName(QString::fromLatin1(traits.gridName));
    // Grid text 12 points, headers bold and centred.
    QFont gridFont = view->font();
    gridFont.setPointSize(12);
    view->setFont(gridFont);
    QFont headerFont = gridFont;
    headerFont.setBold(true);
    view->horizontalHeader()->setFont(headerFont);
    view->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    view->horizontalHeader()->setSectionsClickable(true);
    view->horizontalHeader()->setHighlightSections(false);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(QFontMetrics(gridFont).height() + 12);
    view->verticalHeader()->hide();
    view->setAlternatingRowColors(true);
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    for (int c = 0; c < m_model->columnCount(); ++c)
        view->setColumnHidden(c, traits.grid.find(c) == nullptr);

    connect(view->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &WorksheetWindow::HeaderClick);
    connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { currentChangedByUser(current.row()); });
    connect(view, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { showPopup(m_ui->grid->viewport(), pos); });
    connect(m_ui->panelHost, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { showPopup(m_ui->panelHost, pos); });
    buildCommands();
}

WorksheetWindow::~WorksheetWindow() = default;

QTableView* WorksheetWindow::grid() const {
    return m_ui->grid;
}

void WorksheetWindow::buildCommands() {
    using W = WorksheetWindow;
    using U = Ui::WorksheetWindow;
    // The popup's groups, in menu order; nullptr separates them.
    const std::vector<std::optional<Command>> commands = {
        Command{"Find", QKeySequence(Qt::CTRL | Qt::Key_F), nullptr, &W::FindOnClick},
        std::nullopt,
        Command{"Copy Row", QKeySequence(Qt::SHIFT | Qt::Key_F8), &U::btnCopy, &W::CopyClick},
        Command{"Cut Row", QKeySequence(Qt::SHIFT | Qt::Key_F9), &U::btnCut, &W::CutClick},
        Command{"Paste/Insert Row", QKeySequence(Qt::SHIFT | Qt::Key_F10), &U::btnPasteInsert,
                &W::PasteInsertClick},
        Command{"Paste/Replace Row", QKeySequence(Qt::SHIFT | Qt::Key_F11), &U::btnPasteReplace,
                &W::PasteReplaceClick},
        std::nullopt,
        Command{"First", QKeySequence(Qt::SHIFT | Qt::Key_F1), &U::btnFirst, &W::FirstRow},
        Command{"Prior", QKeySequence(Qt::SHIFT | Qt::Key_F2), &U::btnPrior, &W::PriorRow},
        Command{"Next", QKeySequence(Qt::SHIFT | Qt::Key_F3), &U::btnNext, &W::NextRow},
        Command{"Last", QKeySequence(Qt::SHIFT | Qt::Key_F4), &U::btnLast, &W::LastRow},
        std::nullopt,
        Command{"Insert Row", QKeySequence(Qt::SHIFT | Qt::Key_F5), &U::btnInsert, &W::InsertRow},
        Command{"Delete Row", QKeySequence(Qt::SHIFT | Qt::Key_F6), &U::btnDelete, &W::DeleteRow},
        Command{"Add Row At End", QKeySequence(Qt::SHIFT | Qt::Key_F7), &U::btnAdd, &W::AddRow},
    };
    m_popup = new QMenu(this);
    m_popup->setAccessibleName(QStringLiteral("Worksheet commands"));
    bool groupStarted = false;
    for (const std::optional<Command>& command : commands) {
        if (!command) {
            if (groupStarted) m_popup->addSeparator();
            groupStarted = false;
            continue;
        }
        if (command->run == &W::FindOnClick && !m_traits.hasFind) continue;
        QAction* action = m_popup->addAction(QString::fromLatin1(command->menuText));
        action->setShortcut(command->shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);  // the shortcut works anywhere in the window
        const auto run = command->run;
        connect(action, &QAction::triggered, this, [this, run] { (this->*run)(); });
        groupStarted = true;
        if (command->button) {
            QPushButton* button = m_ui.get()->*(command->button);
            button->setToolTip(QStringLiteral("%1 (%2)").arg(
                action->text(), command->shortcut.toString(QKeySequence::NativeText)));
            connect(button, &QPushButton::clicked, this, [this, run] { (this->*run)(); });
        }
    }
    // The header click from the keyboard: the popup's last item sorts on a
    // column as a click on its header does.
    m_popup->addSeparator();
    QMenu* sortMenu = m_popup->addMenu(QStringLiteral("Sort on Column"));
    for (const GridColumn& c : m_traits.grid.columns) {
        const int column = c.column;
        connect(sortMenu->addAction(QString::fromLatin1(c.header)), &QAction::triggered, this,
                [this, column] { HeaderClick(column); });
    }
    connect(m_ui->btnClearWorksheet, &QPushButton::clicked, this, &W::ClearWorksheet);
    connect(m_ui->btnClose, &QPushButton::clicked, this, &QDialog::accept);
    for (QPushButton* button : findChildren<QPushButton*>()) button->setAutoDefault(false);
}

void WorksheetWindow::setPanel(QWidget* panel) {
    m_ui->panelHostLayout->addWidget(panel);
}

void WorksheetWindow::addField(QWidget* field, FieldKind kind) {
    addField(field, kind, {});
}

void WorksheetWindow::addField(QWidget* field, FieldKind kind, std::function<void()> onEnter) {
    m_fields.push_back({field, kind, std::move(onEnter)});
    field->installEventFilter(this);
    connectChange(field);
}

// The change handler of a panel control: only the user's own changes count,
// so the signals are the ones Qt sends for user input (and a memo's changes
// outside the window's own loading).
void WorksheetWindow::connectChange(QWidget* field) {
    auto changed = [this] { ChangeModifiedFlag(); };
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        connect(edit, &QLineEdit::textEdited, this, changed);
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(field))
        connect(memo, &QPlainTextEdit::textChanged, this, changed);
    else if (auto* box = qobject_cast<QComboBox*>(field))
        connect(box, &QComboBox::activated, this, changed);
    else if (auto* button = qobject_cast<QAbstractButton*>(field))
        connect(button, &QAbstractButton::clicked, this, changed);
}

void WorksheetWindow::start() {
    nameControlsFromCaptions(this);
    // The window spans its owner's width; its height the owner's less 50,
    // at most 850.
    QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    const QRect screen =
        (owner ? owner->screen() : QApplication::primaryScreen())->availableGeometry();
    const int width = owner ? owner->width() : screen.width();
    const int height =
        std::min({owner ? owner->height() - 50 : screen.height() - 50, 850, screen.height()});
    resize(std::min(width, screen.width()), height);
    if (owner) move(owner->geometry().center() - rect().center());
    applyColumnWidths();

    {
        Quiet quiet(*this);
        ++m_loading;
        LoadStringGrid();
        if (m_model->rows() == 0 && m_traits.addsRowWhenEmpty) {
            QStringList row = m_model->emptyRow();
            InitNewRow(row);
            m_model->insertRowAt(0, row);
        }
        --m_loading;
    }
    setCurrent(m_model->rows() > 0 ? 0 : -1);
}

void WorksheetWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_shown) return;
    m_shown = true;
    loadPanel(currentCells());
    afterFirstShow();
    focusFirstField();
}

void WorksheetWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    applyColumnWidths();
}

void WorksheetWindow::applyColumnWidths() {
    for (const GridColumn& c : m_traits.grid.columns)
        m_ui->grid->setColumnWidth(c.column, std::max(20, m_traits.grid.width(c, width())));
}

// ---- store ------------------------------------------------------------------

void WorksheetWindow::SaveStringGrid() {
    m_model->save(m_session.data().*m_traits.store);
}

void WorksheetWindow::LoadStringGrid() {
    Quiet quiet(*this);
    m_model->load(m_session.data().*m_traits.store);
    for (int r = 0; r < m_model->rows(); ++r) {
        QStringList cells = m_model->row(r);
        CompleteSummaries(cells);
        if (cells != m_model->row(r)) m_model->setRow(r, cells);
    }
}

// ---- current row --------------------------------------------------------------

QStringList WorksheetWindow::currentCells() const {
    if (m_current < 0 || m_current >= m_model->rows()) return m_model->emptyRow();
    return m_model->row(m_current);
}

void WorksheetWindow::setCurrent(int row) {
    Quiet quiet(*this);
    m_current = row;
    QTableView* view = m_ui->grid;
    if (row < 0) {
        view->selectionModel()->clearSelection();
        return;
    }
    const int column = m_traits.grid.columns.front().column;
    const QModelIndex index = m_model->index(row, column);
    view->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    view->scrollTo(index);
}

void WorksheetWindow::showRow(int row) {
    if (row < 0 || row >= m_model->rows()) return;
    commitPendingEdit();
    setCurrent(row);
    loadPanel(currentCells());
}

// The grid's selection changed by mouse or keyboard: the panel follows.
void WorksheetWindow::currentChangedByUser(int row) {
    if (m_quiet > 0 || row == m_current) return;
    commitPendingEdit();
    m_current = row;
    loadPanel(currentCells());
}

void WorksheetWindow::loadPanel(const QStringList& row) {
    ++m_loading;
    if (m_current >= 0) RowToPanel(row);
    --m_loading;
    m_pendingEdit = false;
    m_ui->grid->viewport()->update();
}

void WorksheetWindow::clearPanelQuietly() {
    ++m_loading;
    ClearPanel();
    --m_loading;
    m_pendingEdit = false;
}

void WorksheetWindow::focusFirstField() {
    if (QWidget* field = firstField()) field->setFocus(Qt::OtherFocusReason);
}

// ---- fields -----------------------------------------------------------------

const WorksheetWindow::Field* WorksheetWindow::fieldOf(QObject* object) const {
    for (const Field& f : m_fields)
        if (f.widget == object) return &f;
    return nullptr;
}

bool WorksheetWindow::eventFilter(QObject* watched, QEvent* event) {
    // Escape in a field being edited takes back what was typed: the panel
    // shows the row as stored again (the other fields were stored on leaving).
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && m_pendingEdit &&
        fieldOf(watched)) {
        loadPanel(currentCells());
        return true;
    }
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        // A popup or another window taking the focus is no leaving of the
        // field: the user comes back to it.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const bool moved = reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
        if (const Field* field = fieldOf(watched); field && moved && !m_closing) {
            if (event->type() == QEvent::FocusOut)
                SaveOnExit(*field);
            else if (field->onEnter) {
                ++m_loading;
                field->onEnter();
                --m_loading;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void WorksheetWindow::normalise(const Field& field) {
    ++m_loading;
    if (field.kind == FieldKind::Memo) {
        auto* memo = static_cast<QPlainTextEdit*>(field.widget);
        const QString clean = CleanDescription(memo->toPlainText());
        if (clean != memo->toPlainText()) memo->setPlainText(clean);
    } else if (field.kind == FieldKind::Money) {
        auto* edit = static_cast<QLineEdit*>(field.widget);
        if (!edit->text().isEmpty()) edit->setText(MoneyCell(edit->text()));
    }
    --m_loading;
}

void WorksheetWindow::SaveOnExit(const Field& field) {
    normalise(field);
    SaveEntry();
}

void WorksheetWindow::commitPendingEdit() {
    if (!m_pendingEdit) return;
    for (const Field& field : m_fields)
        if (field.kind == FieldKind::Memo || field.widget->hasFocus()) normalise(field);
    SaveEntry();
}

void WorksheetWindow::ChangeModifiedFlag() {
    if (panelLoading()) return;
    m_pendingEdit = true;
    m_session.setModified(true);
}

void WorksheetWindow::SaveEntry() {
    if (m_current < 0 || m_current >= m_model->rows()) {
        // Typing into the panel of an empty time worksheet: the entry gets a
        // row of its own rather than going nowhere.
        if (!m_pendingEdit || m_model->rows() != 0) return;
        Quiet quiet(*this);
        QStringList fresh = m_model->emptyRow();
        InitNewRow(fresh);
        m_model->insertRowAt(0, fresh);
        setCurrent(0);
    }
    const QStringList before = m_model->row(m_current);
    QStringList row = before;
    PanelToRow(row);
    m_model->setRow(m_current, row);
    if (row != before) m_session.setModified(true);
    loadPanel(m_model->row(m_current));
    SaveStringGrid();
}

// ---- navigation -------------------------------------------------------------

// Navigation first moves the focus to the first panel field (which saves
// the field being left), then selects the target row.
void WorksheetWindow::navigateTo(int row) {
    if (m_traits.navigationFocusesPanel) focusFirstField();
    if (row == m_current) return;
    showRow(row);
}

void WorksheetWindow::FirstRow() {
    navigateTo(0);
}

void WorksheetWindow::PriorRow() {
    navigateTo(m_current - 1);
}

void WorksheetWindow::NextRow() {
    navigateTo(m_current + 1);
}

void WorksheetWindow::LastRow() {
    navigateTo(m_model->rows() - 1);
}

// ---- row commands -------------------------------------------------------------

void WorksheetWindow::InitNewRow(QStringList&) const {}

void WorksheetWindow::CompleteSummaries(QStringList&) const {}

void WorksheetWindow::InitInsertedRow(QStringList&) const {}

void WorksheetWindow::AddRow() {
    commitPendingEdit();
    {
        Quiet quiet(*this);
        QStringList row = m_model->emptyRow();
        InitNewRow(row);
        m_model->insertRowAt(m_model->rows(), row);
    }
    // The new row is current and the panel cleared (not loaded from the row:
    // the time worksheet's rate box keeps the rate of the row shown before).
    setCurrent(m_model->rows() - 1);
    clearPanelQuietly();
    m_session.setModified(true);
    focusFirstField();
}

void WorksheetWindow::InsertRow() {
    commitPendingEdit();
    const int at = std::max(m_current, 0);
    {
        Quiet quiet(*this);
        QStringList row = m_model->emptyRow();
        InitInsertedRow(row);
        m_model->insertRowAt(at, row);
    }
    setCurrent(at);
    clearPanelQuietly();
    m_session.setModified(true);
    focusFirstField();
}

void WorksheetWindow::DeleteRow() {
    commitPendingEdit();
    if (m_current < 0) return;
    if (!askYesNo(QString::fromLatin1(text::DeleteRowQuestion))) return;
    if (m_model->rows() == 1) {
        clearPanelQuietly();
        SaveEntry();
    } else {
        {
            Quiet quiet(*this);
            m_model->removeRowAt(m_current);
        }
        setCurrent(std::min(m_current, m_model->rows() - 1));
        loadPanel(currentCells());
    }
    m_session.setModified(true);
}

void WorksheetWindow::CutClick() {
    commitPendingEdit();
    if (m_current < 0) return;
    CopyClick();
    {
        Quiet quiet(*this);
        m_model->removeRowAt(m_current);
        // Cutting the only row leaves one empty row, so the panel always has
        // a row to write into.
        if (m_model->rows() == 0) m_model->insertRowAt(0, m_model->emptyRow());
    }
    setCurrent(std::min(m_current, m_model->rows() - 1));
    loadPanel(currentCells());
    if (m_model->rows() == 1 && m_model->row(0) == m_model->emptyRow()) clearPanelQuietly();
    m_session.setModified(true);
}

void WorksheetWindow::CopyClick() {
    commitPendingEdit();
    // The panel as it stands, in the row form SaveEntry would write.
    QStringList snapshot = m_model->emptyRow();
    PanelToRow(snapshot);
    m_clipboard = snapshot;
}

void WorksheetWindow::PasteReplaceClick() {
    commitPendingEdit();
    if (m_current < 0 && m_model->rows() == 0) return;
    if (m_clipboard)
        loadPanel(*m_clipboard);
    else
        clearPanelQuietly();
    m_pendingEdit = true;  // the pasted panel is the user's entry
    SaveEntry();
}

void WorksheetWindow::PasteInsertClick() {
    InsertRow();
    PasteReplaceClick();
}

void WorksheetWindow::ClearWorksheet() {
    commitPendingEdit();
    if (!askYesNo(QString::fromLatin1(m_traits.clearQuestion))) return;
    {
        Quiet quiet(*this);
        std::vector<QStringList> rows;
        rows.push_back(m_model->emptyRow());
        m_model->resetRows(std::move(rows));
    }
    setCurrent(0);
    clearPanelQuietly();
    m_session.setModified(true);
}

// ---- search -------------------------------------------------------------------

bool WorksheetWindow::askSearchText(QString& searchText) {
    return FindString(this, searchText);
}

void WorksheetWindow::FindOnClick() {
    if (!m_traits.hasFind) return;
    commitPendingEdit();
    QString searchText = m_searchText;
    if (!askSearchText(searchText)) return;
    m_searchText = searchText;
    // From the row after the current one to the end, every column (hidden
    // ones too); no wrap-around.
    if (!m_searchText.isEmpty()) {
        for (int r = m_current + 1; r < m_model->rows(); ++r) {
            for (const QString& cell : m_model->row(r)) {
                if (cell.toUpper().contains(m_searchText.toUpper())) {
                    showRow(r);
                    return;
                }
            }
        }
    }
    QApplication::beep();
    QMessageBox::information(this, windowTitle(), QString::fromLatin1(text::SearchComplete));
}

// ---- sorting --------------------------------------------------------------------

void WorksheetWindow::HeaderClick(int column) {
    const GridColumn* sorted = m_traits.grid.find(column);
    if (!sorted) return;
    commitPendingEdit();
    if (!askYesNo(text::sortQuestion(m_model->header(column)))) return;
    SortDirection direction = SortDirection::Ascending;
    if (m_traits.sortWithMarkers) {
        const int code = m_sortCode[size_t(column)] == 1 ? 2 : 1;
        std::fill(m_sortCode.begin(), m_sortCode.end(), 0);
        m_sortCode[size_t(column)] = code;
        updateColumnHeaders(column, code);
        if (code == 2) direction = SortDirection::Descending;
    }
    if (m_model->rows() >= 2) {
        {
            Quiet quiet(*this);
            m_model->sortRows(column, sorted->sort, direction);
        }
        m_session.setModified(true);
    }
    // The second row becomes current, as the worksheets always have done.
    setCurrent(m_model->rows() > 1 ? 1 : m_model->rows() - 1);
    loadPanel(currentCells());
}

void WorksheetWindow::updateColumnHeaders(int sorted, int code) {
    for (const GridColumn& c : m_traits.grid.columns) {
        if (c.column == sorted)
            m_model->setHeader(
                c.column, c.marker() + (code == 1 ? QStringLiteral("(A)") : QStringLiteral("(D)")));
        else
            m_model->setHeader(c.column, c.plainName());
    }
}

// ---- questions and popup ----------------------------------------------------------

bool WorksheetWindow::askYesNo(const QString& question) {
    return QMessageBox::warning(this, windowTitle(), question, QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No) == QMessageBox::Yes;
}

void WorksheetWindow::showPopup(QWidget* from, const QPoint& pos) {
    m_popup->popup(from->mapToGlobal(pos));
}

// ---- closing --------------------------------------------------------------------

void WorksheetWindow::done(int result) {
    if (!m_closing) {
        // What was typed in the field the user closes from still counts.
        commitPendingEdit();
        m_closing = true;
        SaveStringGrid();
    }
    QDialog::done(result);
}

}  // namespace wm4
