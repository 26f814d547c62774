#pragma once
// Puts the Problems panel into the main window (a dock at the bottom, Window >
// Problems) and makes it the place a calculation run's reports go: from the
// start of a run to its end every report is collected instead of shown in its
// own dialog; when the run ends the list replaces the previous one and the
// panel comes up if it is not empty. Reports outside a run keep their dialog,
// and so does every report when the user prefers one dialog per report
// (Preferences). ErrFlag and the gates of the run are untouched: ReportError
// sets the flag before the handler sees the report.
//
// Tools > Check Case runs the calculation and then the case rules, and lists
// the run's reports and the rules' findings together.
#include <QList>
#include <QObject>

#include "calc/casecheck/reduced_text.h"
#include "messages/report.h"
#include "ui/problems/problem_list.h"

class QDockWidget;

namespace wm4 {

class ProblemsPanel;
class TfrmMain;

class ProblemsDock : public QObject {
    Q_OBJECT
public:
    explicit ProblemsDock(TfrmMain& window);
    ~ProblemsDock() override;

    ProblemsPanel& panel() { return *m_panel; }
    QDockWidget& dock() { return *m_dock; }

    // Tools > Check Case.
    void CheckCaseClick();
    // The fields a print has just filled with "REDUCE TEXT" replace those of
    // the print before in the list, which comes up when it holds any.
    void listReducedTexts(const QList<ReducedText>& fields);
    // Opens the page copy or the worksheet row a problem points at.
    void openPlace(const ReportPlace& place);

private:
    void runStarted();
    void runEnded();
    void show(const QList<Problem>& problems);

    TfrmMain& m_window;
    QDockWidget* m_dock = nullptr;
    ProblemsPanel* m_panel = nullptr;
    int m_depth = 0;  // runs started from inside a run (through a report dialog)
    bool m_collecting = false;
    bool m_checking = false;  // Check Case's own run: its end shows nothing yet
    ReportHandler m_previous;
    QList<Problem> m_run;
};

// Installs the panel into the window; the window owns it.
ProblemsDock* InstallProblemsPanel(TfrmMain& window);

}  // namespace wm4
