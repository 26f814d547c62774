#include "ui/commands/page_zoom.h"

#include <QFont>
#include <QRect>
#include <QVariant>
#include <QWidget>
#include <cmath>

namespace wm4 {

namespace {

const char* const DesignGeometry = "wm4DesignGeometry";
const char* const DesignFontSize = "wm4DesignFontSize";

QRect designGeometry(QWidget* w) {
    QVariant kept = w->property(DesignGeometry);
    if (!kept.isValid()) {
        kept = w->geometry();
        w->setProperty(DesignGeometry, kept);
    }
    return kept.toRect();
}

double designFontSize(QWidget* w) {
    QVariant kept = w->property(DesignFontSize);
    if (!kept.isValid()) {
        kept = w->font().pointSizeF();
        w->setProperty(DesignFontSize, kept);
    }
    return kept.toDouble();
}

int scaled(int v, double scale) {
    return int(std::lround(v * scale));
}

void scaleWidget(QWidget* w, double scale, bool layoutManaged) {
    if (!layoutManaged) {
        const QRect g = designGeometry(w);
        w->setGeometry(scaled(g.x(), scale), scaled(g.y(), scale), scaled(g.width(), scale),
                       scaled(g.height(), scale));
    }
    const double size = designFontSize(w);
    if (size > 0) {
        QFont f = w->font();
        f.setPointSizeF(std::max(1.0, size * scale));
        w->setFont(f);
    }
}

void scaleTree(QWidget* w, double scale) {
    for (QObject* o : w->children()) {
        auto* child = qobject_cast<QWidget*>(o);
        if (!child || child->isWindow()) continue;
        // Children a layout places follow their layout; placed ones are moved.
        scaleWidget(child, scale, w->layout() != nullptr);
        scaleTree(child, scale);
    }
}

// Keeps every designed value before any is changed: a font a child inherits
// would otherwise be read after its parent was scaled.
void recordDesign(QWidget* w) {
    designGeometry(w);
    designFontSize(w);
    for (QObject* o : w->children())
        if (auto* child = qobject_cast<QWidget*>(o); child && !child->isWindow())
            recordDesign(child);
}

}  // namespace

void ApplyPageScale(QWidget* panel, QWidget* screenRoot, double scale) {
    scale = std::clamp(scale, 0.0, MaxPageScale);
    if (!screenRoot) return;
    recordDesign(screenRoot);
    const QRect root = designGeometry(screenRoot);
    scaleWidget(screenRoot, scale, false);
    scaleTree(screenRoot, scale);
    const QSize size(scaled(root.x() + root.width(), scale),
                     scaled(root.y() + root.height(), scale));
    if (panel && panel != screenRoot) {
        panel->setMinimumSize(size);
        panel->resize(size);
    }
    screenRoot->setVisible(scale > 0);
}

int ZoomedWindowWidth(int treeWidth, int unscaledPageWidth, double scale) {
    return int(std::trunc(treeWidth + unscaledPageWidth * scale)) + 24;
}

}  // namespace wm4
