#include "output/document/rtf_text.h"

#include <QStringList>

namespace wm4 {

QString EscapeRtf(const QString& text) {
    QString out;
    out.reserve(text.size() + 8);
    for (qsizetype k = 0; k < text.size(); ++k) {
        const QChar c = text[k];
        const char16_t code = c.unicode();
        if (code == u'\r' || code == u'\n' || code == u'\t') {
            // A line break or tab inside a one-line answer prints as a blank.
            if (code == u'\r' && k + 1 < text.size() && text[k + 1] == u'\n') ++k;
            out += u' ';
            continue;
        }
        // Other control characters (NUL among them) print nothing and would
        // only confuse a reader of the file.
        if (code < 0x20 || (code >= 0x7F && code < 0xA0)) continue;
        if (c == u'\\' || c == u'{' || c == u'}') out += u'\\';
        out += c;
    }
    return out;
}

QString EscapeRtfLines(const QString& text) {
    QString normal = text;
    normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normal.replace(u'\r', u'\n');
    QStringList lines = normal.split(u'\n');
    for (QString& line : lines) line = EscapeRtf(line);
    return lines.join(QStringLiteral("\\par "));
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
