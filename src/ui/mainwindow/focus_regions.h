#pragma once
// F6 and Shift+F6: the focus goes round the main window's regions, the
// navigation tree, the page and each dock that is shown, as in most desktop
// programs. A region gets the focus where it had it last, else on its first
// control.
#include <QList>
#include <QPointer>
#include <QWidget>

namespace wm4 {

// The region after (step 1) or before (step -1) the one holding `focus`
// among `regions` (the hidden ones skipped); the first one when `focus` is
// in none. nullptr when none is shown.
QWidget* NextFocusRegion(const QList<QWidget*>& regions, const QWidget* focus, int step);

// Puts the focus into region: its last focused control when it still holds
// one, else its first control that takes the focus from the keyboard, else
// the region itself.
void FocusRegion(QWidget* region);

}  // namespace wm4
