#pragma once
// The field widths of one printed page, read from "PAGE" + page + ".DAT".
//
// One line per slot (line k describes slot k), seven numbers separated by
// blanks: integer, integer (field kind), integer, real, real (A), real (B),
// integer. The width in inches is A x B for field kind 4, otherwise B. Lines
// past the 401st (slots above 400) are not read.
#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace wm4 {

inline constexpr int WidthTableSlots = 401;

class WidthTable {
public:
    WidthTable() = default;
    explicit WidthTable(std::vector<double> widths) : m_widths(std::move(widths)) {}

    // Width of a slot in inches; 0 (no fitting) for a slot without a line.
    double width(int slot) const {
        return slot >= 0 && slot < int(m_widths.size()) ? m_widths[size_t(slot)] : 0.0;
    }
    int size() const { return int(m_widths.size()); }

private:
    std::vector<double> m_widths;
};

// "PAGE" + page + ".DAT" in the folder.
QString WidthFilePath(const QString& datFolder, int page);

// The width of one line of a width file; nullopt when the line does not hold
// seven numbers.
std::optional<double> ParseWidthLine(const QString& line);

// Reads a width file. A missing or unreadable file, and a line that does not
// hold seven numbers, throw FileError naming the file (and the line): a page
// is never printed from a damaged data folder.
WidthTable ReadWidthTable(const QString& path);

// The same from the file's bytes; path only names the file in the error.
WidthTable ParseWidthTable(const QByteArray& bytes, const QString& path);

}  // namespace wm4
