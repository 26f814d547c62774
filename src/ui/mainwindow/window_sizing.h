#pragma once
// How the main window sizes itself to the screen at start-up: its height is
// the screen's less 7.5 %, its width and the navigation tree's width follow
// the screen width.
#include <QSize>

namespace wm4 {

struct WindowSizing {
    int windowWidth = 800;  // 0: leave the width as it is
    int treeWidth = 0;      // already reduced by the tree's frame allowance
    bool keepTreeWidth = false;
    double treeScale = 1.0;  // horizontal scale of the tree's text (narrower screens)
    double pageScale = 1.0;
    bool tooNarrow = false;  // below 1024 pixels: start minimised, report 11080
};

WindowSizing SizingForScreenWidth(int screenWidth);

// The window's height for a screen height.
int WindowHeightForScreen(int screenHeight);

}  // namespace wm4
