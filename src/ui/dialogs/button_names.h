#pragma once
// A dialog's buttons and check boxes are read by their captions: this gives
// each one without an accessible name its caption ("&Close" -> "Close"),
// standard buttons of a button box included, whose captions Qt sets.
class QWidget;

namespace wm4 {

void NameButtonsByCaptions(QWidget* dialog);

}  // namespace wm4
