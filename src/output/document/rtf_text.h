#pragma once
// Turning answer texts into RTF text.
#include <QString>

namespace wm4 {

// "\", "{" and "}" escaped as "\\", "\{", "\}", so an answer prints as typed
// and can never open or close an RTF group of the template nor become a
// control word. Line breaks and tabs become blanks; other control characters
// (NUL, C0 and C1 codes) are left out. Every answer the merge prints goes
// through it.
QString EscapeRtf(const QString& text);

// An answer of several lines (CR LF, LF or CR between them): each line
// escaped as above, joined by paragraph marks.
QString EscapeRtfLines(const QString& text);

// The text with every character outside 7-bit ASCII written as an RTF Unicode
// escape "\uN?" (N signed 16-bit, "?" the fallback for old readers), so that
// "José" prints as typed and the file itself is plain ASCII.
QString RtfUnicodeEscaped(const QString& text);

// A valid RTF document without any text, written when no form is selected.
QString EmptyRtfDocument();

}  // namespace wm4
