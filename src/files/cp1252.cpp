#include "files/cp1252.h"

#include <array>

namespace wm4 {

namespace {

// Characters of bytes 0x80-0x9F. The undefined bytes 0x81, 0x8D, 0x8F, 0x90
// and 0x9D stand for themselves.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

// The byte of a character outside Latin-1's shared ranges, or 0.
char byteFor(char16_t ch) {
    for (size_t i = 0; i < HighControls.size(); ++i)
        if (HighControls[i] == ch) return char(0x80 + i);
    return 0;
}

bool storable(char16_t ch) {
    return ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF) || byteFor(ch) != 0;
}

// Calls take(first, length) for each character the code page cannot hold.
template <typename Take>
void forEachUnstorable(QStringView text, Take take) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (storable(text[i].unicode())) continue;
        const bool pair =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        take(i, pair ? 2 : 1);
        if (pair) ++i;
    }
}

}  // namespace

QString DecodeCp1252(const char* bytes, qsizetype size) {
    if (size == 0) return QString();
    // Most lines hold no byte of 0x80-0x9F: Latin-1 decodes those alike.
    bool latin1 = true;
    for (qsizetype i = 0; i < size && latin1; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        latin1 = b < 0x80 || b >= 0xA0;
    }
    if (latin1) return QString::fromLatin1(bytes, size);
    QString text(size, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (qsizetype i = 0; i < size; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[i] = (b >= 0x80 && b < 0xA0) ? HighControls[b - 0x80] : char16_t(b);
    }
    return text;
}

QList<char32_t> UnstorableCharacters(QStringView text) {
    QList<char32_t> out;
    forEachUnstorable(text, [&](qsizetype at, qsizetype length) {
        const char32_t ch = length == 2 ? QChar::surrogateToUcs4(text[at], text[at + 1])
                                        : char32_t(text[at].unicode());
        if (!out.contains(ch)) out.append(ch);
    });
    return out;
}

QString WithoutUnstorable(QStringView text) {
    QString out;
    out.reserve(text.size());
    qsizetype from = 0;
    forEachUnstorable(text, [&](qsizetype at, qsizetype length) {
        out += text.mid(from, at - from);
        from = at + length;
    });
    out += text.mid(from);
    return out;
}

bool AppendCp1252(QByteArray& out, QStringView text) {
    // One byte per UTF-16 unit at most: write in place, then trim.
    const qsizetype start = out.size();
    out.resize(start + text.size());
    char* dst = out.data() + start;
    bool exact = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t ch = text[i].unicode();
        if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) {
            *dst++ = char(ch);
        } else if (const char b = byteFor(ch)) {
            *dst++ = b;
        } else {
            // One "?" per character, also for a surrogate pair.
            if (QChar::isHighSurrogate(ch) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                ++i;
            *dst++ = '?';
            exact = false;
        }
    }
    out.truncate(dst - out.constData());
    return exact;
}

}  // namespace wm4
