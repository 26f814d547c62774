#pragma once
// The visible columns of each worksheet grid as data: header, width, drawing
// alignment and how the column compares when the user sorts on it. Every
// store column not listed here is hidden.
#include <QString>
#include <Qt>
#include <span>

namespace wm4 {

// How a column compares when sorted.
enum class SortKind {
    Text,      // ordinal comparison of code units (capitals before small letters)
    Money,     // Str2Float_2; empty reads as 0
    Number,    // the text converted as written; thousands separators and junk read as 0
    KinDate,   // short date; empty or unreadable cells compare earlier than every date
    TimeDate,  // empty first; otherwise Str2Date (an unreadable date is reported, reads as today)
};

struct GridColumn {
    int column;               // the store column
    const char* header;       // the header on opening
    double width;             // in units of the worksheet's width unit
    Qt::Alignment alignment;  // how the cells are drawn
    SortKind sort;
    // After any sort the headers read `sortedHeader` (the opening header when
    // null), and the sorted column `markerName` + "(A)" or "(D)" (the sorted
    // header and a blank when null).
    const char* sortedHeader = nullptr;
    const char* markerName = nullptr;

    QString plainName() const { return QString::fromLatin1(sortedHeader ? sortedHeader : header); }
    QString marker() const {
        return markerName ? QString::fromLatin1(markerName) : plainName() + u' ';
    }
};

// Column widths follow the window: unit = window width / divisor - offset,
// and each column is its factor times the unit, truncated.
struct GridLayout {
    int divisor;
    int offset;
    std::span<const GridColumn> columns;

    int unit(int windowWidth) const { return windowWidth / divisor - offset; }
    int width(const GridColumn& c, int windowWidth) const {
        return int(c.width * unit(windowWidth));
    }
    const GridColumn* find(int column) const {
        for (const GridColumn& c : columns)
            if (c.column == column) return &c;
        return nullptr;
    }
};

extern const GridLayout AssetGrid;
extern const GridLayout ExpenseGrid;
extern const GridLayout KinGrid;
extern const GridLayout TimeGrid;

}  // namespace wm4
