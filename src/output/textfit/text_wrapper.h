#pragma once
// WrapText: breaks a text into the rows a printed form shows, for a font and a
// column width in inches. Schedules, capacity checks and worksheet printouts
// count and copy these rows.
//
// The memo width is Trunc(inches x 96 x MemoWidthFactor) pixels and the font
// is measured at a pixel size equal to the named size, so with the default
// factor 0.75 a row is as wide as the text prints at that size in points.
//
// A calculation run wraps the same descriptions many times (counters,
// builders, checks), so the wrapper keeps the rows of every text it wrapped,
// keyed by text, family, size and width. The run clears the cache when it
// starts (clearCache), so a changed measurer state or factor never leaks from
// one run into the next; changing the factor clears it as well.
#include <QHash>
#include <QString>
#include <QStringList>

namespace wm4 {

class TextMeasurer;

// The routine itself, uncached: the rows of `text` for a memo `memoWidth`
// pixels wide. Bar separators " | " and line breaks start new paragraphs; an
// empty paragraph gives one empty row; an empty text gives no rows.
QStringList WrapTextRows(const TextMeasurer& measurer, const QString& text, const QString& family,
                         double size, int memoWidth);

// Memo width in pixels for a column `widthInches` wide.
int MemoWidth(double widthInches, double memoWidthFactor);

class TextWrapper {
public:
    explicit TextWrapper(const TextMeasurer& measurer, double memoWidthFactor = 0.75);

    // The rows of `text` in `family` at `size` (the named size, measured as a
    // pixel size) for a column `widthInches` wide.
    QStringList WrapText(const QString& text, const QString& family, double size,
                         double widthInches);
    // The number of rows WrapText gives.
    int LineCount(const QString& text, const QString& family, double size, double widthInches) {
        return int(WrapText(text, family, size, widthInches).size());
    }

    double MemoWidthFactor() const { return m_memoWidthFactor; }
    void setMemoWidthFactor(double factor);

    // Forgets every wrapped text; called at the start of every calculation run.
    void clearCache();
    int cachedTexts() const { return int(m_cache.size()); }

    const TextMeasurer& measurer() const { return m_measurer; }

private:
    struct Key {
        QString text;
        QString family;
        double size;
        int memoWidth;
        bool operator==(const Key&) const = default;
    };
    friend size_t qHash(const Key& key, size_t seed) noexcept {
        return qHashMulti(seed, key.text, key.family, key.size, key.memoWidth);
    }

    const TextMeasurer& m_measurer;
    double m_memoWidthFactor;
    QHash<Key, QStringList> m_cache;
};

}  // namespace wm4
