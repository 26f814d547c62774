#include "ui/deadlines/deadlines_panel.h"

#include <QDateTime>
#include <QFileDialog>
#include <QMessageBox>
#include <algorithm>
#include <cmath>

#include "files/same_file.h"
#include "output/document/deadline_calendar.h"
#include "output/document/document_error.h"
#include "session/case_session.h"
#include "ui_deadlines_panel.h"

namespace wm4 {

namespace {

enum Column { DateColumn, StatusColumn, FormColumn, WhatColumn, StatuteColumn };

// Overdue in red, due soon in amber, done and waiting muted: the colours say
// at a glance what the status column says in words (which a screen reader
// reads), and every one of them stays readable.
QColor statusColour(DeadlineStatus status, const QPalette& palette) {
    switch (status) {
    case DeadlineStatus::Overdue: return QColor(0xb0, 0x00, 0x20);
    case DeadlineStatus::DueSoon: return QColor(0x9a, 0x5b, 0x00);
    case DeadlineStatus::Done:
    case DeadlineStatus::Waiting:
        return ReadableMutedText(palette);
    default: return palette.color(QPalette::Text);
    }
}

double luminance(const QColor& c) {
    auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableMutedText(const QPalette& palette) {
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    const QColor muted = palette.color(QPalette::Disabled, QPalette::Text);
    for (int step = 0; step <= 20; ++step) {
        const double t = step / 20.0;
        const QColor c =
            QColor::fromRgbF(float(muted.redF() + (text.redF() - muted.redF()) * t),
                             float(muted.greenF() + (text.greenF() - muted.greenF()) * t),
                             float(muted.blueF() + (text.blueF() - muted.blueF()) * t));
        if (ContrastRatio(c, base) >= 4.5) return c;
    }
    return text;
}

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
        // What a row waits for is longer than the column: every cell's tool
        // tip says it in full.
        for (int c = DateColumn; c <= StatuteColumn; ++c)
            item->setToolTip(c, QStringLiteral("%1 \u2014 %2").arg(d.dateText(), d.statusText()));
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
    if (IsSameFile(path, m_session.fileName())) {
        QMessageBox::warning(this, QStringLiteral("Export Calendar"),
                             QStringLiteral("\"%1\" is the case file itself. Export the calendar "
                                            "under another name.")
                                 .arg(path));
        return false;
    }
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
