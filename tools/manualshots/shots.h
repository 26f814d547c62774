#pragma once
// The screenshots of the user manual, each a real window of the program
// over the rich sample case, grabbed offscreen.
#include <QString>
#include <functional>

class QWidget;

namespace wm4 {

class CaseSession;

struct ShotContext {
    CaseSession& session;
    QString outFolder;
};

// Saves widget as outFolder/name (PNG); false when the grab failed.
bool SaveShot(const ShotContext& ctx, QWidget* widget, const QString& name);

// Grabs the modal dialog `open` starts, as soon as it shows, then closes it.
void ShootModal(const ShotContext& ctx, const QString& name, const std::function<void()>& open);

}  // namespace wm4
