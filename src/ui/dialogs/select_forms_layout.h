#pragma once
// Where each form of the packet stands in the Select Forms dialog: five tabs
// of check boxes under group captions. A box's text is its packet entry's
// caption and, unless marked otherwise, the pages of its entry pre-tick it
// when one of them is on display; so a form is still named in one place, the
// packet table.
#include <QSet>
#include <QString>
#include <QStringView>
#include <span>

namespace wm4 {

struct PacketEntry;

struct SelectFormsBox {
    const char16_t* checkBox;  // a check-box name of the packet table
    bool preTicks = true;      // false: no page on display pre-ticks it
};

struct SelectFormsGroup {
    const char16_t* caption;
    std::span<const SelectFormsBox> boxes;
};

struct SelectFormsTab {
    const char16_t* caption;
    std::span<const SelectFormsGroup> groups;
    // The note under the tab's boxes (empty for none).
    const char16_t* note = u"";
};

inline constexpr int SelectFormsTabCount = 5;
// The tab the dialog opens on for a page that names no tab ("Forms 5-7").
inline constexpr int DesignedSelectFormsTab = 1;

std::span<const SelectFormsTab> SelectFormsTabs();

// The check box the page on display pre-ticks, or empty.
QString PreTickedBox(int page);

// The tab the dialog opens on for the page on display: the tab of the box it
// pre-ticks; else "Letters/Misc" for the letters and worksheets that have no
// box of their own; else the designed tab.
int OpeningTab(int page);

// The packet entry a box stands for (every box of the layout has one).
const PacketEntry& EntryOfBox(QStringView checkBox);

}  // namespace wm4
