#include "ui/pagescreen/render_screen.h"

#include <QPalette>
#include <QWidget>

#include "ui/pagescreen/page_screen.h"

namespace wm4 {

QImage RenderPageScreen(TAnswer& answers, const QString& psfFolder, int page, int copy) {
    QWidget panel;
    panel.setObjectName(QStringLiteral("pnlMainForm"));
    panel.setStyleSheet(OverrideStyleSheet());
    panel.setAutoFillBackground(true);
    panel.resize(900, 200);
    PageScreen screen(&panel, &answers, psfFolder);
    screen.LoadPage(page * 100 + copy);
    if (QWidget* root = screen.screenRoot()) panel.resize(root->size());
    panel.ensurePolished();
    return panel.grab().toImage();
}

}  // namespace wm4
