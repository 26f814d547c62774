#include "ui/mainwindow/tool_icons.h"

#include <QPixmap>

namespace wm4 {

namespace {

// 24 x 24 pictures in the blue and grey of the standard icons.
const char kKin[] = R"(<svg xmlns="http://www.w3.org/2000/svg" width="24" height="24">
<circle cx="8" cy="7" r="3.5" fill="#3a6ea5"/><path d="M1.5 20c0-4.5 3-7 6.5-7s6.5 2.5 6.5 7z" fill="#3a6ea5"/>
<circle cx="16.5" cy="8.5" r="3" fill="#7a9cc6"/><path d="M11.5 20.5c0.5-4 2.5-6 5-6s5 2 5.5 6z" fill="#7a9cc6"/></svg>)";
const char kAssets[] = R"(<svg xmlns="http://www.w3.org/2000/svg" width="24" height="24">
<circle cx="12" cy="12" r="10" fill="#e7c14a" stroke="#a8861c" stroke-width="1.5"/>
<text x="12" y="17.5" font-family="sans-serif" font-size="15" font-weight="bold" text-anchor="middle" fill="#6b5410">$</text></svg>)";
const char kExpenses[] = R"(<svg xmlns="http://www.w3.org/2000/svg" width="24" height="24">
<path d="M5 2h14v20l-2.3-1.6-2.3 1.6-2.4-1.6-2.4 1.6-2.3-1.6L5 22z" fill="#ffffff" stroke="#666" stroke-width="1.3"/>
<path d="M8 7h8M8 11h8M8 15h5" stroke="#c0392b" stroke-width="1.6"/></svg>)";
const char kTime[] = R"(<svg xmlns="http://www.w3.org/2000/svg" width="24" height="24">
<circle cx="12" cy="12" r="10" fill="#ffffff" stroke="#3a6ea5" stroke-width="2"/>
<path d="M12 6v6l4 3" stroke="#333" stroke-width="2" fill="none" stroke-linecap="round"/></svg>)";
const char kPrint[] = R"(<svg xmlns="http://www.w3.org/2000/svg" width="24" height="24">
<rect x="6" y="2.5" width="12" height="6" fill="#ffffff" stroke="#555" stroke-width="1.2"/>
<rect x="2" y="8" width="20" height="9" rx="2" fill="#8a8f96"/>
<rect x="6" y="13" width="12" height="8.5" fill="#ffffff" stroke="#555" stroke-width="1.2"/>
<circle cx="18.5" cy="10.8" r="1" fill="#7fd26b"/></svg>)";

}  // namespace

QIcon MakeToolIcon(ToolIcon icon) {
    const char* svg = nullptr;
    switch (icon) {
        case ToolIcon::None:
            return {};
        case ToolIcon::Kin:
            svg = kKin;
            break;
        case ToolIcon::Assets:
            svg = kAssets;
            break;
        case ToolIcon::Expenses:
            svg = kExpenses;
            break;
        case ToolIcon::Time:
            svg = kTime;
            break;
        case ToolIcon::Print:
            svg = kPrint;
            break;
    }
    QIcon result;
    for (int size : {24, 48}) {
        QPixmap pixmap;
        if (!pixmap.loadFromData(QByteArray(svg), "SVG")) return {};
        result.addPixmap(pixmap.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    return result;
}

}  // namespace wm4
