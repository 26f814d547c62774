#pragma once
// Value conversions and text conventions used everywhere in the program.
//
// Every answer is text. These free routines turn answer texts into numbers and
// dates and results back into the fixed text forms of the forms. Formats are
// the United States ones whatever the user's locale: "." decimal, ","
// thousands, short date M/d/yyyy. A conversion that fails reports its message
// through ReportError (which sets the answer store's ErrFlag) and yields a
// neutral value (0, empty text, today), so the calculation in progress goes on.
#include <QDate>
#include <QString>
#include <QtGlobal>
#include <optional>

namespace wm4 {

// The separator that joins the lines of a multi-line answer: blank, bar, blank.
inline constexpr QStringView BarSeparator = u" | ";

// ---- numbers ---------------------------------------------------------------

// The text without blanks, "$", "%", "(", ")", ",", "-"; one leading "-" when
// the input held "(" or "-" anywhere. "(1,234.50)" -> "-1234.50".
QString RemoveCommasAndSigns(const QString& text);

// Amount rounded to 2 decimals (half away from zero); "" -> 0.
// Unreadable text: report 21202 with the cleaned text, yield 0.
double Str2Float_2(const QString& text);

// Amount rounded to a whole number (half away from zero); "" -> 0.
// Unreadable text: report 21192 with the cleaned text, yield 0.
double Str2Float_0(const QString& text);

// Rate or percentage as typed, not rounded; "" -> 0.
// Unreadable text: report 21182 with the cleaned text, yield 0.
double Str2Float_P(const QString& text);

// 32-bit integer ("12.5" is unreadable); "" -> 0.
// Unreadable text: report 21212 with the cleaned text, yield 0.
qint32 Str2Int(const QString& text);

// Amount text of forms and schedules: two decimals, "," thousands, no padding,
// leading minus: "1,234.50", "0.00", "-12.00".
QString FormatAmount(double value);

// Whole part of an amount in capitalised words, each followed by a blank:
// 123 -> "One Hundred Twenty Three ", 0 -> "No ", below 1 or negative -> "".
// Above 999,999,999: report 21260, yield "". Other fault: report 21270, "".
QString NumberToWords(double value);

// Replaces the first of "Ten One" .. "Ten Nine" found by "Eleven" .. "Nineteen"
// (one replacement per call). Fault: report 21010, text as far as built.
QString ConvertTeens(const QString& text);

// ---- dates -----------------------------------------------------------------

// "Jan 5, 2021" or "January 5, 2021" -> "1/5/2021"; "" -> ""; a text starting
// with a digit is returned unchanged. Month names are matched by their first
// three letters, case-sensitive.
QString ShortDateText(const QString& text);

// Reads a date text (month names allowed, see ShortDateText) as a short date.
// "" -> today without a message; unreadable: report 21340 with the normalised
// text, yield today.
QDate Str2Date(const QString& text);

// Short date -> long date "March 9, 2021". "" -> ""; a text holding a month
// name (any case) or one that is not a short date is returned unchanged.
QString ConvertDate(const QString& text);

// The fixed short date reader: M/d/yyyy, also with leading zeros and two-digit
// years. No report; nullopt when the text is not such a date.
std::optional<QDate> ParseShortDate(const QString& text);

// The fixed short date writer: M/d/yyyy ("1/5/2021").
QString FormatShortDate(const QDate& date);

// ---- words and lines -------------------------------------------------------

// The (at most 99) characters after the last inner blank; a trailing blank
// does not count; no inner blank -> "". "John Q. Smith" -> "Smith".
QString LastWord(const QString& text);

// Line breaks (CR LF) -> bar separators.
QString CRLF2Bar(const QString& text);
// Bar separators -> line breaks (CR LF).
QString Bar2CRLF(const QString& text);
// A memo's text (lines ending in LF, as Qt's text widgets hold them) and the
// stored text with bar separators, both ways.
QString MemoToBars(const QString& memoText);
QString BarsToMemo(const QString& text);
// Bar separators -> RTF paragraph marks "\par ".
QString Bar2Par(const QString& text);
// Bar separators -> two blanks.
QString Bar2Space(const QString& text);

// ---- paths -----------------------------------------------------------------

// The folder path ending in the path delimiter "/" (appended when missing).
QString AddTrailingDelimiter(const QString& path);

// The path without one trailing path delimiter.
QString RemoveTrailingBackslash(const QString& path);

// The text before the last "."; unchanged without a ".". "a.b.c" -> "a.b".
QString RemoveExtension(const QString& fileName);

// Depth-first search of `folder` for a file named `fileName` (case ignored).
// Returns at once when `found` is already set; on a match sets `found` and
// `foundPath` (folder + name) and stops the whole search.
void FindFileInTree(const QString& folder, const QString& fileName, bool& found,
                    QString& foundPath);

}  // namespace wm4
