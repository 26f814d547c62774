#include "ui/mainwindow/window_sizing.h"

#include <cmath>

namespace wm4 {

namespace {

struct SizingRow {
    int fromWidth;  // this row holds from this screen width up to the next row's
    int windowWidth;
    int treeWidth;  // -1: unchanged
    double treeScale;
};

// Screen width -> window width and tree width. Tree widths are reduced by
// 16 pixels once the row is chosen.
constexpr SizingRow kRows[] = {
    {1024, 1024, 0, 0.7}, {1152, 1100, 128, 0.7}, {1176, 1100, 152, 0.7}, {1280, 1280, 256, 0.7},
    {1366, 1366, 342, 1}, {1400, 1400, 376, 1},   {1920, 1435, 400, 1},   {10000, 800, -1, 1},
};

constexpr int kTreeFrameAllowance = 16;
constexpr int kDefaultTreeWidth = 260;

}  // namespace

WindowSizing SizingForScreenWidth(int w) {
    WindowSizing s;
    if (w < kRows[0].fromWidth) {
        s.windowWidth = 0;
        s.treeWidth = 0;
        s.pageScale = 0.9;
        s.tooNarrow = true;
        return s;
    }
    const SizingRow* row = &kRows[0];
    for (const SizingRow& r : kRows)
        if (w >= r.fromWidth) row = &r;
    s.windowWidth = row->windowWidth;
    s.keepTreeWidth = row->treeWidth < 0;
    s.treeScale = row->treeScale;
    // A tree of width 0 stays hidden; others lose the frame allowance.
    const int tree = s.keepTreeWidth ? kDefaultTreeWidth : row->treeWidth;
    s.treeWidth = tree > 0 ? tree - kTreeFrameAllowance : 0;
    return s;
}

int WindowHeightForScreen(int screenHeight) {
    return screenHeight - static_cast<int>(std::trunc(screenHeight * 0.075));
}

}  // namespace wm4
