// Row breaking: a row grows character by character until its measured width
// passes the memo width, then breaks at the last blank (the blank stays on the
// row) or, inside one long word, after the first character that overflows.
#include <algorithm>
#include <cmath>

#include "case/conversions.h"
#include "output/textfit/text_measurer.h"
#include "output/textfit/text_wrapper.h"

namespace wm4 {
namespace {

bool isBreakChar(QChar c) {
    return c == u' ' || c == u'\r' || c == u'\n';
}

// The paragraphs of a text as a memo holds them: split at CR LF, CR or LF,
// keeping empty ones (a trailing line break leaves an empty last line).
QList<QStringView> paragraphs(QStringView text) {
    QList<QStringView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n') continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    lines.append(text.mid(start));
    return lines;
}

class RowBreaker {
public:
    RowBreaker(const TextMeasurer& measurer, const QString& family, double size, int memoWidth)
        : m_measurer(measurer), m_family(family), m_size(size), m_memoWidth(memoWidth) {}

    void appendRows(QStringView paragraph, QStringList& rows) const {
        if (paragraph.isEmpty()) {
            rows.append(QString());
            return;
        }
        const qsizetype last = paragraph.size() - 1;
        qsizetype p = 0;
        while (p <= last) {
            const qsizetype first = p;
            while (p < last && isBreakChar(paragraph[p])) ++p;
            const qsizetype end = rowEnd(paragraph, p, last);
            rows.append(paragraph.mid(first, end - first + 1).toString());
            p = end + 1;
        }
    }

private:
    bool overflows(QStringView paragraph, qsizetype start, qsizetype p) const {
        return m_measurer.textWidth(paragraph.mid(start, p - start + 1), m_family, m_size) >
               m_memoWidth;
    }

    // Where the row whose measured text starts at `start` ends. Growing the
    // row one character at a time, the first position whose text overflows
    // decides; the last character of the paragraph always ends the row
    // unmeasured. Adding a character never makes a row narrower, so that
    // position is found by probing doubling lengths, then halving between the
    // last fit and the first overflow: the same row as the character-by-
    // character walk, in a handful of measurements instead of one per
    // character.
    qsizetype rowEnd(QStringView paragraph, qsizetype start, qsizetype last) const {
        const qsizetype limit = last - 1;  // the last position that is measured
        qsizetype fits = start - 1;
        qsizetype over = -1;
        qsizetype span = 16;
        while (fits < limit) {
            const qsizetype probe = std::min(fits + span, limit);
            if (overflows(paragraph, start, probe)) {
                over = probe;
                break;
            }
            fits = probe;
            span *= 2;
        }
        if (over < 0) return last;
        while (over - fits > 1) {
            const qsizetype mid = fits + (over - fits) / 2;
            if (overflows(paragraph, start, mid))
                over = mid;
            else
                fits = mid;
        }
        for (qsizetype q = over; q >= start; --q)
            if (isBreakChar(paragraph[q])) return q;
        return over;
    }

    const TextMeasurer& m_measurer;
    const QString& m_family;
    double m_size;
    int m_memoWidth;
};

}  // namespace

int MemoWidth(double widthInches, double memoWidthFactor) {
    // Trunc, with a hair of tolerance so that a product meant to be whole is
    // not cut one pixel short by rounding error in the double.
    return int(std::floor(widthInches * 96.0 * memoWidthFactor + 1e-9));
}

QStringList WrapTextRows(const TextMeasurer& measurer, const QString& text, const QString& family,
                         double size, int memoWidth) {
    QStringList rows;
    if (text.isEmpty()) return rows;
    const QString lines = Bar2CRLF(text);
    const RowBreaker breaker(measurer, family, size, memoWidth);
    for (QStringView paragraph : paragraphs(lines)) breaker.appendRows(paragraph, rows);
    return rows;
}

}  // namespace wm4
