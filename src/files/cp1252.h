#pragma once
// Windows-1252, the 8-bit encoding of the client, settings and prior-version
// files (the code page of the Windows version, so files stay exchangeable).
// Qt's own converters offer it only with ICU, hence this small table codec.
#include <QByteArray>
#include <QList>
#include <QString>

namespace wm4 {

// Every byte has a character: 0x80-0x9F by the Windows table (the five bytes
// the table leaves undefined map to the C1 controls of the same value, as
// Windows itself maps them), the rest as in Latin-1.
QString DecodeCp1252(const char* bytes, qsizetype size);
inline QString DecodeCp1252(const QByteArray& bytes) {
    return DecodeCp1252(bytes.constData(), bytes.size());
}

// Appends text in Windows-1252 to out. A character the code page cannot hold
// is written as "?"; returns false when that happened.
bool AppendCp1252(QByteArray& out, QStringView text);

// The characters of text the code page cannot hold, each once, in the order
// they first appear (a surrogate pair is one character).
QList<char32_t> UnstorableCharacters(QStringView text);

// The text without those characters.
QString WithoutUnstorable(QStringView text);

}  // namespace wm4
