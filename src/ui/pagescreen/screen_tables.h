#pragma once
// Fixed facts about the page screens: where a page's screen file lives and
// which control takes the focus after a page is shown (the page's "focus"
// line in its form source, case/page_facts.h). (The pages whose zero amounts
// show as empty boxes are the catalogue's LeavesAmountsEmpty.)
#include <QString>

namespace wm4 {

// PSFFolder + "/page" + page + ".psf".
QString PageScreenPath(const QString& psfFolder, int page);

// The Tag of the control that receives the focus when the page is shown, or
// -1 when no control does.
int FirstFocusTag(int page);

}  // namespace wm4
