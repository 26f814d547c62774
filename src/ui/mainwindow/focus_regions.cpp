#include "ui/mainwindow/focus_regions.h"

namespace wm4 {

namespace {

bool shown(const QWidget* region) {
    return region && region->isVisible();
}

}  // namespace

QWidget* NextFocusRegion(const QList<QWidget*>& regions, const QWidget* focus, int step) {
    const int count = int(regions.size());
    int current = -1;
    for (int i = 0; i < count; ++i)
        if (shown(regions[i]) && focus && (regions[i] == focus || regions[i]->isAncestorOf(focus)))
            current = i;
    for (int k = 1; k <= count; ++k) {
        const int i =
            current < 0 ? (k - 1) % count : ((current + step * k) % count + count) % count;
        if (shown(regions[i])) return regions[i];
    }
    return nullptr;
}

void FocusRegion(QWidget* region) {
    if (!region) return;
    if (QWidget* last = region->focusWidget();
        last && last->isVisible() && last != region && region->isAncestorOf(last)) {
        last->setFocus(Qt::TabFocusReason);
        return;
    }
    if (region->focusPolicy() & Qt::TabFocus) {  // a control of its own (the tree)
        region->setFocus(Qt::TabFocusReason);
        return;
    }
    for (QWidget* w : region->findChildren<QWidget*>())
        if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    region->setFocus(Qt::TabFocusReason);
}

}  // namespace wm4
