#pragma once
// A picture of one page copy's screen with the case's answers in it, for the
// render-screen command and for reviewing screens without the main window.
// Needs a QApplication (the offscreen platform serves headless use).
#include <QImage>
#include <QString>

#include "case/answers.h"

namespace wm4 {

// Loads page's screen from psfFolder, shows the answers of (page, copy) and
// renders it. Throws std::runtime_error when the screen cannot be loaded.
QImage RenderPageScreen(TAnswer& answers, const QString& psfFolder, int page, int copy);

}  // namespace wm4
