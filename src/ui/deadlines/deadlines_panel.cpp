#include "ui/deadlines/deadlines_panel.h"

#include <QDateTime>
#include <QFileDialog>
#include <QMessageBox>

#include "output/document/deadline_calendar.h"
#include "output/document/document_error.h"
#include "session/case_session.h"
#include "ui_deadlines_panel.h"

namespace wm4 {

namespace {

enum Column { DateColumn, StatusColumn, FormColumn, WhatColumn, StatuteColumn };

// Overdue in red, due soon in amber, done greyed: the colours say at a glance
// what the status column says in words (which a screen reader reads).
QColor statusColour(DeadlineStatus status, const QPalette& palette) {
    switch (status) {
    case DeadlineStatus::Overdue: return QColor(0xb0, 0x00, 0x20);
    case DeadlineStatus::DueSoon: return QColor(0x9a, 0x5b, 0x00);
    case DeadlineStatus::Done:
    case DeadlineStatus::Waiting: return palette.color(QPalette::Disabled, QPalette::Text);
    default: return palette.color(QPalette::Text);
    }
}

}  // namespace

DeadlinesPanel::DeadlinesPanel(CaseSession& session, QWidget* parent)
    : QWidget(parent),
      ui(new Ui::DeadlinesPanel),
      m_session(session),
      m_today([] { return QDate::currentDate(); }) {
    ui->setupUi(this);
    connect(ui->btnExport, &QPushButton::clicked, this, &DeadlinesPanel::exportClicked);
    connect(&m_session, &CaseSession::caseReplaced, this, &DeadlinesPanel::refresh);
    connect(&m_session, &CaseSession::calculated, this, &DeadlinesPanel::refresh);
    refresh();
}

DeadlinesPanel::~DeadlinesPanel() { delete ui; }

void DeadlinesPanel::setToday(std::function<QDate()> today) {
    m_today = std::move(today);
    refresh();
}

void DeadlinesPanel::refresh() {
    m_deadlines = ComputeDeadlines(m_session.data(), m_today());
    QTreeWidget* tree = ui->tvwDeadlines;
    tree->clear();
    for (const Deadline& d : m_deadlines) {
        auto* item = new QTreeWidgetItem(tree);
        item->setText(DateColumn, d.dateText());
        item->setToolTip(DateColumn, d.dateText());
        item->setText(StatusColumn, d.statusText());
        item->setText(FormColumn, QLatin1String(d.rule->form));
        item->setText(WhatColumn, d.whatText());
        item->setText(StatuteColumn, QLatin1String(d.rule->statute));
        const QColor colour = statusColour(d.status, tree->palette());
        for (int c = DateColumn; c <= StatuteColumn; ++c) item->setForeground(c, colour);
        if (d.status == DeadlineStatus::Overdue || d.status == DeadlineStatus::DueSoon) {
            QFont bold = item->font(StatusColumn);
            bold.setBold(true);
            item->setFont(DateColumn, bold);
            item->setFont(StatusColumn, bold);
        }
    }
    // The date column is as wide as a date: a "waiting for: ..." text is
    // elided there (its tooltip and the accessible text hold it whole).
    tree->setColumnWidth(DateColumn,
                         tree->fontMetrics().horizontalAdvance(QStringLiteral("00/00/0000")) + 24);
    for (int c = StatusColumn; c < StatuteColumn; ++c) tree->resizeColumnToContents(c);
}

bool DeadlinesPanel::exportCalendar(const QString& path) {
    try {
        const TAnswer& a = m_session.answers();
        WriteDeadlineCalendar(path, m_deadlines, {a.answer(0, 0, 0), a.answer(0, 0, 4)},
                              QDateTime::currentDateTimeUtc());
        return true;
    } catch (const DocumentError& e) {
        QMessageBox::warning(this, QStringLiteral("Export Calendar"), e.text());
        return false;
    }
}

void DeadlinesPanel::exportClicked() {
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Export Deadlines as a Calendar"),
        m_session.settings().ClientFolder + QStringLiteral("/deadlines.ics"),
        QStringLiteral("Calendar files (*.ics)"));
    if (!path.isEmpty()) exportCalendar(path);
}

}  // namespace wm4
