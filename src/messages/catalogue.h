#pragma once
// The message catalogue: the fixed texts of every numbered message and the
// advice lines. Compiled in; texts are never read from a file.
#include <QList>
#include <QString>

namespace wm4 {

// The main line of message `number` (a four-digit message number), with the
// caller's text inserted where the entry quotes it. A number without an entry
// gives "Unidentified error -  " followed by the number.
QString messageText(int number, const QString& text);

// The advice line of digit 0..9; digit 0 gives an empty text.
QString adviceLine(int digit);

// True when the catalogue has an entry for the message number.
bool hasMessage(int number);

// Every message number with an entry, ascending.
QList<int> catalogueNumbers();

}  // namespace wm4
