#include "output/qtmeasure/qt_text_measurer.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <array>

namespace wm4 {
namespace {

constexpr int DotsPerMeter = 3780;  // 96.01 dpi; Qt rounds the logical dpi to 96
constexpr int ReferencePixelSize = 1000;

struct FamilyChoice {
    const char* formFamily;
    std::array<const char*, 4> installed;  // first installed one wins
};

// Fonts with the metrics of the forms' fonts, then close stand-ins.
const std::array<FamilyChoice, 3> FamilyChoices{{
    {"Arial", {"Arial", "Liberation Sans", "Arimo", nullptr}},
    {"Arial Narrow", {"Arial Narrow", "Liberation Sans Narrow", nullptr, nullptr}},
    {"Segoe UI", {"Segoe UI", "Noto Sans", "DejaVu Sans", "Liberation Sans"}},
}};

}  // namespace

QtTextMeasurer::QtTextMeasurer() : m_device(1, 1, QImage::Format_ARGB32) {
    m_device.setDotsPerMeterX(DotsPerMeter);
    m_device.setDotsPerMeterY(DotsPerMeter);
}

QString QtTextMeasurer::resolvedFamily(const QString& family) const {
    auto found = m_resolved.constFind(family);
    if (found != m_resolved.constEnd()) return *found;
    QString chosen = family;  // unknown families: fontconfig picks
    for (const FamilyChoice& choice : FamilyChoices) {
        if (family.compare(QLatin1String(choice.formFamily), Qt::CaseInsensitive) != 0) continue;
        for (const char* candidate : choice.installed) {
            if (candidate && QFontDatabase::hasFamily(QLatin1String(candidate))) {
                chosen = QLatin1String(candidate);
                break;
            }
        }
        break;
    }
    m_resolved.insert(family, chosen);
    return chosen;
}

QFont QtTextMeasurer::referenceFont(const QString& family) const {
    QFont f(resolvedFamily(family));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(ReferencePixelSize);
    f.setKerning(false);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

double QtTextMeasurer::FamilyAdvances::advance(QStringView character) {
    if (character.size() != 1)  // a surrogate pair: rare, measured each time
        return metrics.horizontalAdvance(character.toString());
    const char16_t code = character.front().unicode();
    if (code < table.size()) {
        double& width = table[code];
        if (width < 0) width = metrics.horizontalAdvance(QChar(code));
        return width;
    }
    auto found = others.constFind(code);
    if (found != others.constEnd()) return *found;
    const double width = metrics.horizontalAdvance(QChar(code));
    others.insert(code, width);
    return width;
}

QtTextMeasurer::FamilyAdvances& QtTextMeasurer::advancesFor(const QString& family) const {
    if (m_last && family == m_lastFamily) return *m_last;
    auto& slot = m_families[family];
    if (!slot)
        slot = std::make_unique<FamilyAdvances>(QFontMetricsF(referenceFont(family), &m_device));
    m_lastFamily = family;
    m_last = slot.get();
    return *slot;
}

double QtTextMeasurer::textWidth(QStringView text, const QString& family, double pixelSize) const {
    FamilyAdvances& fontAdvances = advancesFor(family);
    double sum = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2
                                                                                             : 1;
        sum += fontAdvances.advance(text.mid(i, length));
        i += length - 1;
    }
    return sum * pixelSize / ReferencePixelSize;
}

void EnsureGuiApplication() {
    if (QGuiApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "wendmoor4";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

}  // namespace wm4
