#pragma once
// The text forms the worksheet panels store: money cells, hours, and the
// description memo's clean-up.
#include <QString>

namespace wm4 {

// "1,234.5" -> "$1,234.50", "(50)" -> "$-50.00", "abc" -> "$0.00" (no
// message); empty stays empty.
QString MoneyCell(const QString& typed);

// A number with two decimals and thousands separators, without "$":
// "1.5" -> "1.50", ".25" -> "0.25"; unreadable -> "0.00"; empty stays empty.
QString HoursCell(const QString& typed);

// The plain number a money cell is edited as: "$1,234.56" -> "1234.56".
QString PlainAmount(const QString& cell);

// The description memo without the characters the rich-text templates would
// take as markup: "{" -> "(", "}" -> ")", "\", "/" and tab -> "-".
QString CleanDescription(const QString& text);

}  // namespace wm4
