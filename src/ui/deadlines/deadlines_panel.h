#pragma once
// The "Deadlines" panel of the main window: the open case's statutory
// deadlines in date order, overdue ones and those due within 14 days marked,
// a deadline still waiting for its event date saying which, the section of
// the Revised Code beside each, and the export to a calendar file. It reads
// the case whenever it is refreshed (after every calculation and when a case
// is opened); it never changes the case.
#include <QColor>
#include <QDate>
#include <QPalette>
#include <QWidget>
#include <functional>

#include "calc/deadlines/deadlines.h"

namespace Ui {
class DeadlinesPanel;
}

namespace wm4 {

// The contrast of two colours as the accessibility guidelines measure it
// (1 to 21; body text needs 4.5).
double ContrastRatio(const QColor& a, const QColor& b);
// The palette's greyed text, darkened toward the text colour until it reads
// at 4.5:1 on the list's background.
QColor ReadableMutedText(const QPalette& palette);

class CaseSession;

class DeadlinesPanel : public QWidget {
    Q_OBJECT
public:
    explicit DeadlinesPanel(CaseSession& session, QWidget* parent = nullptr);
    ~DeadlinesPanel() override;

    // Today's date (the system clock unless a test sets another).
    void setToday(std::function<QDate()> today);
    // Reads the case's deadlines again.
    void refresh();
    const QList<Deadline>& deadlines() const { return m_deadlines; }

    // Writes the deadlines as an iCalendar file; false with a message box
    // naming the file and the reason when it cannot.
    bool exportCalendar(const QString& path);

private:
    void exportClicked();

    Ui::DeadlinesPanel* ui;
    CaseSession& m_session;
    std::function<QDate()> m_today;
    QList<Deadline> m_deadlines;
};

}  // namespace wm4
