#include "output/document/rtf_text.h"

namespace wm4 {

QString EscapeRtf(const QString& text) {
    QString out;
    out.reserve(text.size() + 8);
    for (QChar c : text) {
        if (c == u'\\' || c == u'{' || c == u'}') out += u'\\';
        out += c;
    }
    return out;
}

QString RtfUnicodeEscaped(const QString& text) {
    QString out;
    out.reserve(text.size() + 16);
    for (QChar c : text) {
        const ushort code = c.unicode();
        if (code < 0x80) {
            out += c;
        } else {
            // RTF reads the parameter as a signed 16-bit number; a surrogate
            // pair becomes two escapes, which readers join again.
            out += QStringLiteral("\\u") +
                   QString::number(code > 0x7FFF ? int(code) - 0x10000 : int(code)) + u'?';
        }
    }
    return out;
}

QString EmptyRtfDocument() {
    return QStringLiteral(
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}"
        "\\paperw12240\\paperh15840\\pard\\plain\\f0\\fs20\\par }\r\n");
}

}  // namespace wm4
