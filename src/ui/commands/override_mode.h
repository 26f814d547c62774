#pragma once
// Override mode: the user types over a computed answer. An overridden field
// is editable and red and its slot's override flag is set, so the
// calculation leaves it alone; the same toggle gives it back.
//
// Every trigger (the Override and Cancel Override buttons and menu items, the
// edit boxes' pop-up menu, a double-click on an overridable box) runs
// OverrideClick; SetOverride shows the trigger that fits the control entered.
#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

namespace wm4 {

class PageScreen;

// What the override triggers offer for a control.
struct OverrideOffer {
    bool known = false;  // false: a control that leaves the triggers as they are
    bool override = false;
    bool cancel = false;
};

// The trigger table: edit boxes and memos by style and read-only state,
// check boxes by style; any other bound control hides both.
OverrideOffer OverrideOfferFor(const QWidget* control);

class OverrideMode : public QObject {
    Q_OBJECT
public:
    // recalculate: the window's recalculation with the screen's values taken
    // over first; it shows the answers again afterwards.
    OverrideMode(PageScreen& screen, std::function<void()> recalculate, QObject* parent = nullptr);

    // Triggers shown by SetOverride: "Override" ones and "Cancel Override"
    // ones (buttons or actions).
    void addOverrideTrigger(QObject* trigger);
    void addCancelTrigger(QObject* trigger);

    // Toggles the override of the screen's FocusedBoundControl when it is an
    // overridable edit box, memo or check box (an ordinary input box has no
    // computed answer to override). Returns true when a slot's flag was
    // inverted.
    bool OverrideClick();
    void SetOverride(QWidget* control);

Q_SIGNALS:
    // The case changed (the window updates its caption and menus).
    void overrideToggled();

private:
    PageScreen& m_screen;
    std::function<void()> m_recalculate;
    QList<QPointer<QObject>> m_overrideTriggers;
    QList<QPointer<QObject>> m_cancelTriggers;
};

}  // namespace wm4
