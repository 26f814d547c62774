#pragma once
// Accessible names from what the user reads: a button or check box is named
// by its caption, a group by its title, a field by the label that is its
// buddy. Screen readers read these names, and tests find controls by them.
class QWidget;

namespace wm4 {

// Names every control below root that has no accessible name yet.
void nameControlsFromCaptions(QWidget* root);

}  // namespace wm4
