#pragma once
// The "Problems" panel of the main window: the reports of the last
// calculation run (and the findings of Check Case) in one list, each with its
// number, text, advice line and where it points. Double-clicking (or Enter
// on) an entry asks to open its place; "Copy" puts the list on the clipboard
// as text.
#include <QWidget>

#include "ui/problems/problem_list.h"

class QTreeWidget;
class QTreeWidgetItem;
class QLabel;

namespace wm4 {

class ProblemsPanel : public QWidget {
    Q_OBJECT
public:
    explicit ProblemsPanel(QWidget* parent = nullptr);

    void setProblems(const QList<Problem>& problems);
    const QList<Problem>& problems() const { return m_problems; }
    QTreeWidget* list() const { return m_list; }
    // Puts problemsText() on the clipboard.
    void copyToClipboard() const;

Q_SIGNALS:
    void placeActivated(const ReportPlace& place);

private:
    void activate(QTreeWidgetItem* item);

    QList<Problem> m_problems;
    QTreeWidget* m_list = nullptr;
    QLabel* m_summary = nullptr;
};

}  // namespace wm4
