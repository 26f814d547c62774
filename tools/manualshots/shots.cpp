#include "shots.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

namespace wm4 {

bool SaveShot(const ShotContext& ctx, QWidget* widget, const QString& name) {
    QApplication::processEvents();
    const QPixmap shot = widget->grab();
    const bool ok = !shot.isNull() && shot.save(QDir(ctx.outFolder).filePath(name));
    if (!ok) qWarning("screenshot %s failed", qPrintable(name));
    return ok;
}

void ShootModal(const ShotContext& ctx, const QString& name, const std::function<void()>& open) {
    // Polls until the dialog is up: a modal dialog runs its own loop.
    auto* timer = new QTimer;
    timer->setInterval(50);
    QObject::connect(timer, &QTimer::timeout, [ctx, name, timer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        timer->stop();
        SaveShot(ctx, modal, name);
        modal->close();
        timer->deleteLater();
    });
    timer->start();
    open();
}

}  // namespace wm4
