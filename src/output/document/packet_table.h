#pragma once
// The form packet: every printable form in the fixed order of printing, with
// its check box in the Select Forms dialog, its caption, its pages (front
// before back) and the answer-store counter that gives its number of copies
// (the page catalogue's copy counter of its first page).
#include <QString>
#include <QStringView>
#include <array>

namespace wm4 {

class TAnswer;

struct PacketEntry {
    const char16_t* checkBox;  // the Select Forms check box, e.g. QStringLiteral("cbx1_0")
    const char16_t* caption;
    std::array<int, 2> pages;  // second page -1 for a one-page form
    int TAnswer::*copies;      // nullptr: one copy
    // Whether the form belongs in "all" forms of the case (nullptr: it
    // always does). A form ticked by name prints whatever this says.
    bool (*appliesToCase)(const TAnswer&) = nullptr;

    int pageCount() const { return pages[1] < 0 ? 1 : 2; }
    // The number of copies the case asks for (the counter, or 1).
    int copyCount(const TAnswer& answers) const;
};

inline constexpr int PacketEntryCount = 96;
extern const std::array<PacketEntry, PacketEntryCount> PacketTable;

// The entry of a check box, or nullptr.
const PacketEntry* FindPacketEntry(QStringView checkBox);

}  // namespace wm4
