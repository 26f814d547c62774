#include "output/textfit/text_wrapper.h"

namespace wm4 {

TextWrapper::TextWrapper(const TextMeasurer& measurer, double memoWidthFactor)
    : m_measurer(measurer), m_memoWidthFactor(memoWidthFactor) {}

QStringList TextWrapper::WrapText(const QString& text, const QString& family, double size,
                                  double widthInches) {
    if (text.isEmpty()) return {};
    Key key{text, family, size, MemoWidth(widthInches, m_memoWidthFactor)};
    auto found = m_cache.constFind(key);
    if (found != m_cache.constEnd()) return *found;
    QStringList rows = WrapTextRows(m_measurer, text, family, size, key.memoWidth);
    m_cache.insert(std::move(key), rows);
    return rows;
}

void TextWrapper::setMemoWidthFactor(double factor) {
    if (factor == m_memoWidthFactor) return;
    m_memoWidthFactor = factor;
    clearCache();
}

void TextWrapper::clearCache() {
    m_cache.clear();
}

}  // namespace wm4
