#include "ui/problems/problems_dock.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QScopeGuard>

#include "calc/casecheck/case_check.h"
#include "case/page_catalogue.h"
#include "session/case_session.h"
#include "ui/mainwindow/desktop_preferences.h"
#include "ui/mainwindow/main_window.h"
#include "ui/pagescreen/page_screen.h"
#include "ui/problems/problems_panel.h"

namespace wm4 {

ProblemsDock::ProblemsDock(TfrmMain& window) : QObject(&window), m_window(window) {
    m_dock = new QDockWidget(QStringLiteral("Problems"), &window);
    m_dock->setObjectName(QStringLiteral("dockProblems"));
    m_dock->setAccessibleName(QStringLiteral("Problems"));
    m_dock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                        QDockWidget::DockWidgetFloatable);
    m_panel = new ProblemsPanel(m_dock);
    m_dock->setWidget(m_panel);
    window.addDockWidget(Qt::BottomDockWidgetArea, m_dock);
    // Hidden until a run has something to list; beside the Deadlines panel
    // when that is there.
    if (auto* deadlines = window.findChild<QDockWidget*>(QStringLiteral("dockDeadlines")))
        window.tabifyDockWidget(deadlines, m_dock);
    m_dock->hide();

    connect(m_panel, &ProblemsPanel::placeActivated, this, &ProblemsDock::openPlace);
    CaseSession& session = window.session();
    connect(&session, &CaseSession::calculationStarted, this, &ProblemsDock::runStarted);
    connect(&session, &CaseSession::calculationEnded, this, &ProblemsDock::runEnded);

    window.setCommand(QStringLiteral("mnuProblems"), [this] {
        m_dock->setVisible(!m_dock->isVisible());
        if (m_dock->isVisible()) m_dock->raise();
    });
    if (QAction* item = window.action(QStringLiteral("mnuProblems"))) {
        item->setCheckable(true);
        item->setChecked(false);
        connect(m_dock, &QDockWidget::visibilityChanged, item, &QAction::setChecked);
    }
    window.setCommand(QStringLiteral("mnuCheckCase"), [this] { CheckCaseClick(); });
}

ProblemsDock::~ProblemsDock() {
    // A window closed during a run gives the reports back.
    if (m_collecting) setReportHandler(std::move(m_previous));
}

void ProblemsDock::runStarted() {
    if (m_depth++ > 0) return;
    const bool collect = !ReportDialogsPreferred(m_window.session().settings());
    // Listed together, every uncategorised row costs one line, not one dialog.
    m_window.session().setEveryCategoryFault(collect);
    m_run.clear();
    if (!collect) return;
    m_collecting = true;
    m_previous = setReportHandler([this](const Report& report) {
        m_run.append(problemOfReport(report));
    });
}

void ProblemsDock::runEnded() {
    if (m_depth == 0 || --m_depth > 0) return;
    if (m_collecting) {
        setReportHandler(std::move(m_previous));
        m_previous = nullptr;
        m_collecting = false;
    }
    if (!m_checking) show(m_run);  // Check Case shows the run's reports with its findings
}

void ProblemsDock::show(const QList<Problem>& problems) {
    m_panel->setProblems(problems);
    if (problems.isEmpty()) return;
    QApplication::beep();  // once for the whole list
    m_dock->show();
    m_dock->raise();
}

void ProblemsDock::CheckCaseClick() {
    m_window.CommitFocusedEdit();
    m_checking = true;
    {
        const auto done = qScopeGuard([this] { m_checking = false; });
        m_window.RecalculateAll(true);  // its reports are in m_run now
    }
    QList<Problem> problems = m_run;
    for (const CaseFinding& finding : CheckCase(m_window.session().data()))
        problems.append({QString::fromLatin1(finding.rule->name), finding.text, QString(),
                         finding.place});
    if (problems.isEmpty()) {
        m_panel->setProblems({});
        m_dock->show();  // says "No problems."
        m_dock->raise();
        return;
    }
    show(problems);
}

void ProblemsDock::listReducedTexts(const QList<ReducedText>& fields) {
    const QString rule = QStringLiteral("reduced-text");
    QList<Problem> problems;
    for (const Problem& p : m_panel->problems())
        if (p.number != rule) problems.append(p);
    for (const ReducedText& field : fields)
        problems.append({rule, ReducedTextProblem(field), QString(),
                         ReportPlace::pageCopy(field.page, field.copy)});
    if (problems.size() == m_panel->problems().size() && fields.isEmpty()) return;
    m_panel->setProblems(problems);
    if (!fields.isEmpty()) {
        m_dock->show();
        m_dock->raise();
    }
}

void ProblemsDock::openPlace(const ReportPlace& place) {
    if (place.isPage()) {
        if (!catalogueEntry(place.page)) return;  // a page without a screen
        const int copies = catalogueCopies(m_window.session().answers(), place.page);
        m_window.DisplayAPage(navigationCode(place.page, qMin(place.copy, qMax(copies - 1, 0))));
    } else if (place.isRow()) {
        m_window.OpenWorksheetAt(place.worksheet, place.row);
    }
}

ProblemsDock* InstallProblemsPanel(TfrmMain& window) {
    return new ProblemsDock(window);
}

}  // namespace wm4
