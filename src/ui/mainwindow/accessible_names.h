#pragma once
// Screen readers and tests know a page's fields by their labels. The screens
// place each field's label to its left on the same row (or just above it);
// this gives every unnamed field the text of that label as its accessible
// name, and every help button "Help: " + the label.
class QWidget;

namespace wm4 {

void NameFieldsByLabels(QWidget* screenRoot);

}  // namespace wm4
