#pragma once
// Zoom of the page panel. Qt widgets cannot be drawn scaled, so a zoom
// scales what the screen file placed: every control's position and size and
// every font, from the designed values kept on the first zoom. The controls
// stay real controls (editing, focus, screen readers) at any scale, and the
// scroll area follows the panel's new size.
class QWidget;

namespace wm4 {

inline constexpr double MaxPageScale = 2.0;

// Scales a loaded page screen (the root widget in the page panel) to
// `scale` (0 to 2, 1 = as designed) and sizes the panel to hold it. A scale
// of 0 collapses the panel to nothing; a later zoom restores it.
void ApplyPageScale(QWidget* panel, QWidget* screenRoot, double scale);

// The main window's width at a scale: tree view + unscaled page width x scale
// + 24 for the frame and scroll bar.
int ZoomedWindowWidth(int treeWidth, int unscaledPageWidth, double scale);

}  // namespace wm4
