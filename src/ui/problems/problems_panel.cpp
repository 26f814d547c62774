#include "ui/problems/problems_panel.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace wm4 {

namespace {
enum Column { NumberColumn, TextColumn, AdviceColumn, PlaceColumn };
}  // namespace

ProblemsPanel::ProblemsPanel(QWidget* parent) : QWidget(parent) {
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("tvwProblems"));
    m_list->setAccessibleName(QStringLiteral("Problems"));
    m_list->setRootIsDecorated(false);
    m_list->setAlternatingRowColors(true);
    m_list->setWordWrap(true);
    m_list->setHeaderLabels({QStringLiteral("No."), QStringLiteral("Problem"),
                             QStringLiteral("Advice"), QStringLiteral("Where")});
    m_list->header()->setSectionResizeMode(NumberColumn, QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(TextColumn, QHeaderView::Stretch);
    m_list->header()->setSectionResizeMode(AdviceColumn, QHeaderView::Interactive);
    m_list->header()->setSectionResizeMode(PlaceColumn, QHeaderView::ResizeToContents);
    m_list->setColumnWidth(AdviceColumn, 260);
    connect(m_list, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { activate(item); });

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("lblProblems"));
    auto* copy = new QPushButton(QStringLiteral("Copy"), this);
    copy->setObjectName(QStringLiteral("btnCopyProblems"));
    copy->setAccessibleName(QStringLiteral("Copy the problems"));
    copy->setAutoDefault(false);
    connect(copy, &QPushButton::clicked, this, &ProblemsPanel::copyToClipboard);

    auto* bar = new QHBoxLayout;
    bar->addWidget(m_summary, 1);
    bar->addWidget(copy);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(bar);
    layout->addWidget(m_list, 1);
    setProblems({});
}

void ProblemsPanel::setProblems(const QList<Problem>& problems) {
    m_problems = problems;
    m_list->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(problems.size());
    for (qsizetype i = 0; i < problems.size(); ++i) {
        const Problem& p = problems[i];
        auto* item = new QTreeWidgetItem;
        item->setText(NumberColumn, p.number);
        item->setText(TextColumn, p.text);
        item->setToolTip(TextColumn, p.text);
        item->setText(AdviceColumn, p.advice);
        item->setToolTip(AdviceColumn, p.advice);
        item->setText(PlaceColumn, placeText(p.place));
        item->setData(NumberColumn, Qt::UserRole, int(i));
        items.append(item);
    }
    m_list->addTopLevelItems(items);
    m_summary->setText(problems.isEmpty() ? QStringLiteral("No problems.")
                       : problems.size() == 1
                           ? QStringLiteral("1 problem. Double-click an entry to go to it.")
                           : QStringLiteral("%1 problems. Double-click an entry to go to it.")
                                 .arg(problems.size()));
}

void ProblemsPanel::copyToClipboard() const {
    if (QClipboard* clipboard = QApplication::clipboard())
        clipboard->setText(problemsText(m_problems));
}

void ProblemsPanel::activate(QTreeWidgetItem* item) {
    if (!item) return;
    const int index = item->data(NumberColumn, Qt::UserRole).toInt();
    if (index < 0 || index >= m_problems.size()) return;
    const ReportPlace place = m_problems[index].place;
    if (!place.isNone()) Q_EMIT placeActivated(place);
}

}  // namespace wm4
