// Text conventions: the last word of a name and the bar separator that joins
// the lines of a multi-line answer.
#include "case/conversions.h"

namespace wm4 {
namespace {

// Replaces the first occurrence again and again until none is left. A
// replacement can form a new occurrence with the text before it (" | | "
// becomes three blanks through Bar2Space), which a single left-to-right pass
// would leave; this keeps that result. Everything before a replaced
// occurrence held none, so the search resumes just before the replacement.
QString replaceUntilGone(const QString& text, QStringView from, QStringView to) {
    QString result = text;
    qsizetype at = result.indexOf(from);
    while (at >= 0) {
        result.replace(at, from.size(), to.toString());
        at = result.indexOf(from, qMax<qsizetype>(0, at - from.size() + 1));
    }
    return result;
}

}  // namespace

QString LastWord(const QString& text) {
    // The last character is never the separator: a trailing blank does not count.
    for (qsizetype i = text.size() - 2; i >= 0; --i)
        if (text[i] == u' ') return text.mid(i + 1, 99);
    return QString();
}

QString CRLF2Bar(const QString& text) {
    return replaceUntilGone(text, u"\r\n", BarSeparator);
}
QString Bar2CRLF(const QString& text) {
    return replaceUntilGone(text, BarSeparator, u"\r\n");
}
QString MemoToBars(const QString& memoText) {
    QString crlf = memoText;
    crlf.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    crlf.replace(u'\n', QStringLiteral("\r\n"));
    return CRLF2Bar(crlf);
}
QString BarsToMemo(const QString& text) {
    QString memo = Bar2CRLF(text);
    memo.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return memo;
}
QString Bar2Par(const QString& text) {
    return replaceUntilGone(text, BarSeparator, u"\\par ");
}
QString Bar2Space(const QString& text) {
    return replaceUntilGone(text, BarSeparator, u"  ");
}

}  // namespace wm4
