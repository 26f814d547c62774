#pragma once
// Icons of the worksheet and print buttons, which the desktop themes have no
// fitting standard icons for. Drawn as small SVG pictures.
#include <QIcon>

namespace wm4 {

enum class ToolIcon { None, Kin, Assets, Expenses, Time, Print };

// The icon; a null icon for ToolIcon::None or when SVG cannot be drawn.
QIcon MakeToolIcon(ToolIcon icon);

}  // namespace wm4
