#pragma once
// The page panel and its binding: loads a page's screen file (Qt Designer XML)
// into the panel, wires the controls by class, Tag and StyleLookup, and copies
// answers of the page copy on display into the controls and back.
//
// Answers flow answer store -> Answer2Components -> controls on display; the
// user edits; leaving a control (CalcOnExit) -> Components2Answers -> answer
// store. Showing answers never marks the case as changed.
//
// The main window owns one PageScreen for its page panel; the navigation tree,
// tool bar, window caption and override buttons stay with the main window,
// which listens to the signals below.
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include "case/answers.h"

class QCheckBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QWidget;

namespace wm4 {

class PageScreen : public QObject {
    Q_OBJECT
public:
    // panel: the page panel the screens load into (pnlMainForm).
    PageScreen(QWidget* panel, TAnswer* answers, QString psfFolder, QObject* parent = nullptr);
    ~PageScreen() override;

    // Main-window state the binding reads and keeps.
    int CurrentPage = -1;
    int CurrentCopy = -1;
    bool CaseModified = false;
    bool GhostPrompts = true;
    double LabelFontReduction = 0;  // points taken off every label's font
    QPointer<QWidget> FocusedBoundControl;
    QMenu* popMain = nullptr;  // context menu of edit boxes (override commands)

    void setAnswers(TAnswer* answers) { m_answers = answers; }
    TAnswer* answers() const { return m_answers; }
    void setPsfFolder(const QString& folder) { m_psfFolder = folder; }
    QWidget* panel() const { return m_panel; }
    // The loaded screen's root widget (child of the panel), or null.
    QWidget* screenRoot() const { return m_root; }

    // Shows page copy (code div 100, code mod 100): clears the panel, loads
    // the page's screen, wires it, shows the answers and focuses the page's
    // first control. Throws std::runtime_error when the screen file cannot be
    // read or parsed; CaseModified is restored in every case.
    void LoadPage(int code);
    void ClearPageScreen();
    void WireControls(QWidget* container);
    void Answer2Components(QWidget* container);
    void Components2Answers(QWidget* container);
    void FocusByTag(int tag);

    // The handlers WireControls attaches, public for the main window and tests.
    void ControlChange();
    void CalcOnExit(QWidget* control);
    void ScrollOnEnter(QWidget* control);
    void CalloutDispatch(QPushButton* button);
    // Hides every open help text but those of `except`; true when one was open.
    bool hideCallouts(QPushButton* except = nullptr);

Q_SIGNALS:
    // A bound control received the focus (the main window updates its override
    // buttons and menus and scrolls the control into view).
    void controlEntered(QWidget* control);
    // An overridable edit box was double-clicked (override mode).
    void overrideRequested(QWidget* control);
    // A bound control's value changed (the caption marks unsaved changes).
    void controlChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void bindToAnswer(QWidget* w);
    void storeFromControl(QWidget* w);
    void wireOne(QWidget* w);
    void moveCalloutsOut(QPushButton* button);
    bool slotInRange(int slot) const;

    QWidget* m_panel;
    QWidget* m_root = nullptr;
    TAnswer* m_answers;
    QString m_psfFolder;
    QHash<QPushButton*, QList<QPointer<QWidget>>> m_callouts;
};

// The application style sheet keyed on StyleLookup: computed answers read
// grey, overridable ones pale blue, overridden ones red on white.
QString OverrideStyleSheet();

}  // namespace wm4
