#include "ui/commands/override_mode.h"

#include <QAction>
#include <QCheckBox>
#include <QColor>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>

#include "case/answers.h"
#include "case/field_codes.h"
#include "ui/pagescreen/page_screen.h"

namespace wm4 {

namespace {

// Style names compare without regard to case: screens also write the check
// box styles as "CheckBoxOverrideable".
QString styleOf(const QWidget* w) {
    return w->property("StyleLookup").toString().toUpper();
}

void setStyle(QWidget* w, const QString& style) {
    w->setProperty("StyleLookup", style);
    w->style()->unpolish(w);
    w->style()->polish(w);
}

void setTextColour(QWidget* w, bool red) {
    QPalette p = w->palette();
    p.setColor(QPalette::Text, red ? QColor(0xFF, 0, 0) : QColor(0, 0, 0));
    w->setPalette(p);
}

struct OverrideStyles {
    QLatin1String overrideable;
    QLatin1String overridden;
};
constexpr OverrideStyles EditStyles{QLatin1String("EDITOVERRIDEABLE"),
                                    QLatin1String("EDITOVERRIDDEN")};
constexpr OverrideStyles MemoStyles{QLatin1String("MEMOOVERRIDEABLE"),
                                    QLatin1String("MEMOOVERRIDDEN")};
constexpr OverrideStyles CheckStyles{QLatin1String("CHECKBOXOVERRIDEABLE"),
                                     QLatin1String("CHECKBOXOVERRIDDEN")};

bool isOverridable(const QString& style, const OverrideStyles& styles) {
    return style == styles.overrideable || style == styles.overridden;
}

// Toggles a text control's style, editability and colour.
template <typename TextControl>
void toggleText(TextControl* control, const OverrideStyles& styles) {
    const bool overriding = styleOf(control) != styles.overridden;
    setStyle(control, overriding ? QString(styles.overridden) : QString(styles.overrideable));
    control->setReadOnly(!overriding);
    setTextColour(control, overriding);
}

void setShown(const QList<QPointer<QObject>>& triggers, bool shown) {
    for (const QPointer<QObject>& t : triggers) {
        if (auto* action = qobject_cast<QAction*>(t.data()))
            action->setVisible(shown);
        else if (auto* widget = qobject_cast<QWidget*>(t.data()))
            widget->setVisible(shown);
    }
}

}  // namespace

OverrideOffer OverrideOfferFor(const QWidget* control) {
    if (!control) return {};
    const QString style = styleOf(control);
    if (auto* edit = qobject_cast<const QLineEdit*>(control)) {
        if (!isOverridable(style, EditStyles)) return {true, false, false};
        return {true, edit->isReadOnly(), !edit->isReadOnly()};
    }
    if (auto* memo = qobject_cast<const QPlainTextEdit*>(control)) {
        if (!isOverridable(style, MemoStyles)) return {true, false, false};
        return {true, memo->isReadOnly(), !memo->isReadOnly()};
    }
    if (qobject_cast<const QCheckBox*>(control)) {
        return {true, style == CheckStyles.overrideable, style == CheckStyles.overridden};
    }
    return {};
}

OverrideMode::OverrideMode(PageScreen& screen, std::function<void()> recalculate, QObject* parent)
    : QObject(parent), m_screen(screen), m_recalculate(std::move(recalculate)) {
    connect(&m_screen, &PageScreen::controlEntered, this, &OverrideMode::SetOverride);
    connect(&m_screen, &PageScreen::overrideRequested, this, [this] { OverrideClick(); });
}

void OverrideMode::addOverrideTrigger(QObject* trigger) {
    m_overrideTriggers.append(trigger);
}

void OverrideMode::addCancelTrigger(QObject* trigger) {
    m_cancelTriggers.append(trigger);
}

bool OverrideMode::OverrideClick() {
    QWidget* control = m_screen.FocusedBoundControl;
    TAnswer* answers = m_screen.answers();
    // The page controls die with their screen, so the focused control is
    // cleared when a page loads; with none entered there is nothing to
    // toggle (rather than slot 0 of the page).
    if (!control || !answers || m_screen.CurrentPage < 0) return false;
    const int tag = control->property("Tag").toInt();
    int slot = -1;
    const QString style = styleOf(control);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        if (!isOverridable(style, EditStyles)) return false;
        toggleText(edit, EditStyles);
        slot = SlotOfTag(tag);
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(control)) {
        if (!isOverridable(style, MemoStyles)) return false;
        toggleText(memo, MemoStyles);
        slot = SlotOfTag(tag);
    } else if (qobject_cast<QCheckBox*>(control)) {
        if (!isOverridable(style, CheckStyles)) return false;
        setStyle(control, style != CheckStyles.overridden ? QString(CheckStyles.overridden)
                                                          : QString(CheckStyles.overrideable));
        slot = tag;
    } else {
        return false;
    }
    const int page = m_screen.CurrentPage;
    const int copy = m_screen.CurrentCopy;
    if (slot < 0 || slot > MaxSlot[page]) return false;
    answers->setOvRide(page, copy, slot, !answers->ovRide(page, copy, slot));

    if (m_recalculate) m_recalculate();
    m_screen.Answer2Components(m_screen.panel());
    m_screen.CaseModified = true;
    if (m_screen.FocusedBoundControl) {
        SetOverride(m_screen.FocusedBoundControl);
        m_screen.FocusedBoundControl->setFocus(Qt::OtherFocusReason);
    }
    Q_EMIT overrideToggled();
    return true;
}

void OverrideMode::SetOverride(QWidget* control) {
    const OverrideOffer offer = OverrideOfferFor(control);
    if (!offer.known) return;
    setShown(m_overrideTriggers, offer.override);
    setShown(m_cancelTriggers, offer.cancel);
}

}  // namespace wm4
