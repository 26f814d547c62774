#pragma once
// Drives a real worksheet window offscreen the way a user does: controls are
// found by their accessible names, typed into with key clicks, left with Tab,
// buttons clicked; questions and dialogs are answered as they come up.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "session/case_session.h"
#include "worksheets/grid/worksheet_model.h"
#include "worksheets/open_worksheet.h"
#include "worksheets/window/worksheet_window.h"

// Readable failures: texts print as texts (found by argument-dependent
// lookup, so they stand beside QString's own namespace).
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* os) {
    *os << '{';
    for (const QString& text : list) *os << '"' << text.toStdString() << "\" ";
    *os << '}';
}

namespace wm4::test {

// Finds the control below root whose accessible name is name (the first one).
template <typename T = QWidget>
T* byName(QWidget* root, const QString& name) {
    for (T* widget : root->findChildren<T*>())
        if (widget->accessibleName() == name) return widget;
    return nullptr;
}

// Runs `act` on the next modal dialog or message box that opens (polling
// until one does), so a command that asks can be answered.
void onNextModal(std::function<void(QWidget*)> act);

// Answers the next message box with `button` and records its text.
void answerNextMessage(QMessageBox::StandardButton button, QString* text = nullptr);

// Clicks the button named name in the next modal dialog, after `prepare`
// has filled it.
void confirmNextDialog(const QString& buttonName, std::function<void(QWidget*)> prepare = {});

class WorksheetDriver {
public:
    explicit WorksheetDriver(WorksheetKind kind, double defaultRate = 0);
    ~WorksheetDriver();

    // The case's store of this worksheet (filled before open()).
    WorksheetStore& store();
    CaseSession& session() { return *m_session; }
    // Opens the window over the store and shows it; the session counts as
    // saved at that moment.
    void open();
    WorksheetWindow& window() { return *m_window; }
    const WorksheetModel& model() { return m_window->model(); }

    QWidget* control(const QString& name);
    // The text of the edit or memo named name.
    QString text(const QString& name);
    // Clicks into the field, replaces its text by typing, and stays in it.
    void type(const QString& field, const QString& text);
    // Types and leaves the field with Tab (its exit handler saves the row).
    void enter(const QString& field, const QString& text);
    void tab();
    // A key press in the focused control (the window made active first, as
    // after a dialog has closed).
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void activate();
    void click(const QString& button);
    void clickCheck(const QString& box);
    // Clicks a grid header of the store column, answering the question.
    void sortOn(int column, QMessageBox::StandardButton answer = QMessageBox::Yes,
                QString* question = nullptr);
    void selectRow(int row);
    // Closes the window as its close box does.
    void close();

    // Rows of the store given as column -> text lists; other cells empty.
    void fill(const std::vector<std::vector<std::pair<int, QString>>>& rows);
    // One column of every grid row, top to bottom.
    QStringList columnTexts(int column);

private:
    WorksheetKind m_kind;
    std::unique_ptr<CaseSession> m_session;
    std::unique_ptr<WorksheetWindow> m_window;
};

}  // namespace wm4::test
