#include "ui/mainwindow/accessible_names.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace wm4 {

namespace {

struct PlacedLabel {
    QRect rect;  // in the screen root's coordinates
    QString text;
};

QRect placed(QWidget* w, QWidget* root) {
    return QRect(w->mapTo(root, QPoint(0, 0)), w->size());
}

// The label that names a control: the nearest one ending left of it on its
// row; else the nearest one above it that overlaps it horizontally.
QString labelFor(const QRect& r, const QList<PlacedLabel>& labels) {
    const PlacedLabel* best = nullptr;
    int bestGap = 0;
    for (const PlacedLabel& l : labels) {
        const bool sameRow = l.rect.center().y() >= r.top() && l.rect.center().y() <= r.bottom();
        if (!sameRow || l.rect.left() >= r.left()) continue;
        const int gap = r.left() - l.rect.right();
        if (!best || gap < bestGap) best = &l, bestGap = gap;
    }
    if (best) return best->text;
    for (const PlacedLabel& l : labels) {
        const bool above = l.rect.bottom() <= r.top() && r.top() - l.rect.bottom() < 40;
        const bool overlaps = l.rect.left() < r.right() && l.rect.right() > r.left();
        if (!above || !overlaps) continue;
        const int gap = r.top() - l.rect.bottom();
        if (!best || gap < bestGap) best = &l, bestGap = gap;
    }
    return best ? best->text : QString();
}

}  // namespace

void NameFieldsByLabels(QWidget* root) {
    if (!root) return;
    QList<PlacedLabel> labels;
    for (QLabel* l : root->findChildren<QLabel*>()) {
        const QString text = l->text().simplified();
        if (!text.isEmpty() && !l->isHidden()) labels.append({placed(l, root), text});
    }
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->accessibleName().isEmpty()) continue;
        const bool field = qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
                           qobject_cast<QComboBox*>(w);
        auto* button = qobject_cast<QAbstractButton*>(w);
        if (!field && !button) continue;
        if (button && !button->text().isEmpty() && button->text() != QLatin1String("?") &&
            button->text() != QLatin1String("EST"))
            continue;  // a check box or radio button names itself
        const QString label = labelFor(placed(w, root), labels);
        if (label.isEmpty()) continue;
        if (qobject_cast<QPushButton*>(w))
            w->setAccessibleName(QStringLiteral("Help: ") + label);
        else if (qobject_cast<QCheckBox*>(w))
            w->setAccessibleName(QStringLiteral("Estimate: ") + label);
        else
            w->setAccessibleName(label);
    }
}

}  // namespace wm4
