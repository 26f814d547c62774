#pragma once
// Text measuring with Qt's font metrics. The forms' fonts resolve to fonts
// with the same metrics: "Arial" to Liberation Sans, "Arial Narrow" to
// Liberation Sans Narrow, "Segoe UI" to the best installed sans (the real
// fonts win when installed). Sizes are pixels of 1/96 inch whatever the
// screen. A width is the sum of the characters' unhinted design advances,
// without kerning or ligatures, scaled to the size, as the forms' canvas
// measures. Qt would round a fractional pixel size (10 2/3 px for 8 points)
// to a whole one, so each family is measured at a large reference size and
// scaled. Each character's advance is measured once per family and kept:
// wrapping measures a growing row over and over, and shaping the whole row
// each time would cost a thousand times more. Needs a QGuiApplication (the
// offscreen platform serves).
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <array>
#include <memory>
#include <unordered_map>

#include "output/textfit/text_measurer.h"

namespace wm4 {

class QtTextMeasurer : public TextMeasurer {
public:
    QtTextMeasurer();

    double textWidth(QStringView text, const QString& family, double pixelSize) const override;

    // The installed family that measures `family`.
    QString resolvedFamily(const QString& family) const;
    // The font that measures `family`, at the reference size.
    QFont referenceFont(const QString& family) const;

private:
    // One family's metrics at the reference size and the advances measured
    // so far.
    struct FamilyAdvances {
        explicit FamilyAdvances(const QFontMetricsF& fontMetrics) : metrics(fontMetrics) {}
        double advance(QStringView character);
        QFontMetricsF metrics;
        // Latin, Greek and Cyrillic in a table (negative: not yet measured),
        // anything else in a hash.
        std::array<double, 0x500> table = filledTable();
        QHash<char16_t, double> others;

    private:
        static std::array<double, 0x500> filledTable() {
            std::array<double, 0x500> t;
            t.fill(-1);
            return t;
        }
    };
    FamilyAdvances& advancesFor(const QString& family) const;

    QImage m_device;  // a 96-dpi paint device, so sizes do not follow the screen
    mutable QHash<QString, QString> m_resolved;
    mutable std::unordered_map<QString, std::unique_ptr<FamilyAdvances>> m_families;
    // The family of the last measurement: wrapping measures one font many
    // times, so it skips even the map lookup.
    mutable QString m_lastFamily;
    mutable FamilyAdvances* m_last = nullptr;
};

// Creates a QGuiApplication when none exists yet, for headless use (commands
// and tests); sets the offscreen platform when no platform is chosen.
void EnsureGuiApplication();

}  // namespace wm4
