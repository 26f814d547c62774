#pragma once
// Fixed facts about the page screens: where a page's screen file lives, which
// control takes the focus after a page is shown, and the pages whose zero
// amounts show as empty boxes.
#include <QString>

namespace wm4 {

// PSFFolder + "/page" + page + ".psf".
QString PageScreenPath(const QString& psfFolder, int page);

// The Tag of the control that receives the focus when the page is shown, or
// -1 when no control does.
int FirstFocusTag(int page);

// Pages on which an amount or percentage of value 0 shows as an empty box.
bool IsBlankZeroPage(int page);

}  // namespace wm4
