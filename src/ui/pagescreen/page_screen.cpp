#include "ui/pagescreen/page_screen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QUiLoader>
#include <functional>
#include <stdexcept>

#include "case/conversions.h"
#include "case/field_codes.h"
#include "case/page_catalogue.h"
#include "messages/report.h"
#include "ui/pagescreen/edit_kinds.h"
#include "ui/pagescreen/screen_tables.h"

namespace wm4 {

namespace {

const QString kStyleLookup = QStringLiteral("StyleLookup");

int tagOf(const QObject* o) {
    return o->property("Tag").toInt();
}
QString styleOf(const QObject* o) {
    return o->property("StyleLookup").toString().toUpper();
}

void setStyleLookup(QWidget* w, const QString& style) {
    if (w->property("StyleLookup").toString() == style) return;
    w->setProperty("StyleLookup", style);
    // Style-sheet rules keyed on the property need a fresh polish.
    w->style()->unpolish(w);
    w->style()->polish(w);
}

void setTextColour(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::Text, colour);
    w->setPalette(p);
}

// The widget children of a container, in creation order.
QList<QWidget*> childWidgets(QWidget* container) {
    QList<QWidget*> out;
    for (QObject* o : container->children())
        if (auto* w = qobject_cast<QWidget*>(o)) out.append(w);
    return out;
}

bool hasWidgetChildren(QWidget* w) {
    return !childWidgets(w).isEmpty();
}

// Thrown inside a binding walk to stop it at the failing control.
struct BindingFault : std::runtime_error {
    using std::runtime_error::runtime_error;
};

}  // namespace

PageScreen::PageScreen(QWidget* panel, TAnswer* answers, QString psfFolder, QObject* parent)
    : QObject(parent), m_panel(panel), m_answers(answers), m_psfFolder(std::move(psfFolder)) {}

PageScreen::~PageScreen() = default;

bool PageScreen::slotInRange(int slot) const {
    return CurrentPage >= 0 && CurrentPage < PageCount && slot >= 0 && slot <= MaxSlot[CurrentPage];
}

void PageScreen::LoadPage(int code) {
    const bool modified = CaseModified;
    const auto restore = qScopeGuard([&] { CaseModified = modified; });
    // The old page's controls go first, while the old page is still the
    // current one: a focused control that loses the focus as it goes stores
    // its value into its own page, not into the page being loaded.
    ClearPageScreen();
    CurrentPage = code / 100;
    CurrentCopy = code % 100;
    const int focusTag = FirstFocusTag(CurrentPage);

    const QString path = PageScreenPath(m_psfFolder, CurrentPage);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(QStringLiteral("Cannot open file \"%1\". %2")
                                     .arg(path, file.errorString())
                                     .toStdString());
    QUiLoader loader;
    QWidget* root = loader.load(&file, m_panel);
    if (!root)
        throw std::runtime_error(QStringLiteral("The page screen \"%1\" cannot be read: %2")
                                     .arg(path, loader.errorString())
                                     .toStdString());
    m_root = root;
    root->move(0, 0);
    m_panel->setMinimumSize(root->size());
    m_panel->resize(root->size().expandedTo(m_panel->size()));
    root->show();

    WireControls(m_panel);
    Answer2Components(m_panel);
    FocusByTag(focusTag);
}

void PageScreen::ClearPageScreen() {
    try {
        m_callouts.clear();
        const QList<QWidget*> children = childWidgets(m_panel);
        for (auto it = children.rbegin(); it != children.rend(); ++it) {
            QWidget* w = *it;
            w->hide();
            w->setParent(nullptr);
            // A control's own handler may have started the page change.
            w->deleteLater();
        }
        m_root = nullptr;
        FocusedBoundControl = nullptr;
    } catch (const std::exception&) {
        ReportError(14010);
    }
}

void PageScreen::FocusByTag(int tag) {
    if (tag < 0) return;
    // Depth first: a child's own children are searched before the child.
    std::function<QWidget*(QWidget*)> find = [&](QWidget* container) -> QWidget* {
        for (QWidget* w : childWidgets(container)) {
            if (hasWidgetChildren(w))
                if (QWidget* hit = find(w)) return hit;
            const bool focusable = qobject_cast<QLineEdit*>(w) || qobject_cast<QCheckBox*>(w) ||
                                   qobject_cast<QPushButton*>(w) ||
                                   qobject_cast<QPlainTextEdit*>(w);
            if (focusable && tagOf(w) == tag) return w;
        }
        return nullptr;
    };
    if (QWidget* w = find(m_panel)) w->setFocus(Qt::OtherFocusReason);
}

// ---- wiring ------------------------------------------------------------------

void PageScreen::moveCalloutsOut(QPushButton* button) {
    // Qt clips a child to its parent, so a callout cannot stay inside its
    // small button: it moves to the screen's root at the same place and the
    // button keeps it in its list.
    QWidget* host = m_root ? m_root : m_panel;
    for (QWidget* child : childWidgets(button)) {
        if (!child->property("callout").toBool()) continue;
        QPoint at = button->mapTo(host, child->pos());
        if (at.x() + child->width() > host->width())
            at.setX(qMax(0, host->width() - child->width() - 4));
        child->setParent(host);
        child->move(at);
        child->hide();
        m_callouts[button].append(child);
    }
}

void PageScreen::wireOne(QWidget* w) {
    if (auto* button = qobject_cast<QPushButton*>(w)) {
        if (button->objectName().toUpper().contains(QLatin1String("HELP"))) {
            connect(button, &QPushButton::clicked, this,
                    [this, button] { CalloutDispatch(button); });
            moveCalloutsOut(button);
        }
        button->installEventFilter(this);
    } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
        check->setFocusPolicy(Qt::StrongFocus);
        connect(check, &QCheckBox::toggled, this, &PageScreen::ControlChange);
        check->installEventFilter(this);
    } else if (auto* radio = qobject_cast<QRadioButton*>(w)) {
        // Radio buttons are answers too: a new selection marks the case as
        // changed and is stored when the user moves on.
        connect(radio, &QRadioButton::toggled, this, &PageScreen::ControlChange);
        radio->installEventFilter(this);
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        connect(edit, &QLineEdit::textChanged, this, &PageScreen::ControlChange);
        edit->installEventFilter(this);
        edit->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(edit, &QLineEdit::customContextMenuRequested, this,
                [this, edit](const QPoint& pos) {
                    if (popMain) popMain->popup(edit->mapToGlobal(pos));
                });
        if (!GhostPrompts) edit->setPlaceholderText(QString());
        if (edit->objectName().toUpper().contains(QLatin1String("HELP")))
            for (QPushButton* inner : edit->findChildren<QPushButton*>())
                connect(inner, &QPushButton::clicked, this,
                        [this, inner] { CalloutDispatch(inner); });
        const QString style = styleOf(edit);
        if (style == QLatin1String("EDITREADONLY")) edit->setFocusPolicy(Qt::ClickFocus);
        if (style == QLatin1String("EDITOVERRIDEABLE")) edit->setReadOnly(true);
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        if (LabelFontReduction != 0) {
            QFont f = label->font();
            f.setPointSizeF(qMax(1.0, f.pointSizeF() - LabelFontReduction));
            label->setFont(f);
        }
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) {
        memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        QFont f(QStringLiteral("Segoe UI"));
        f.setPixelSize(18);
        memo->setFont(f);
        connect(memo, &QPlainTextEdit::textChanged, this, &PageScreen::ControlChange);
        memo->installEventFilter(this);
        const QString style = styleOf(memo);
        if (style == QLatin1String("MEMOOVERRIDEABLE")) memo->setReadOnly(true);
        if (style == QLatin1String("MEMOOVERRIDDEN")) memo->setReadOnly(false);
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        connect(combo, &QComboBox::currentIndexChanged, this, &PageScreen::ControlChange);
        combo->installEventFilter(this);
    }
}

void PageScreen::WireControls(QWidget* container) {
    try {
        for (QWidget* w : childWidgets(container)) {
            if (hasWidgetChildren(w) && !qobject_cast<QPushButton*>(w)) WireControls(w);
            wireOne(w);
        }
    } catch (const std::exception&) {
        ReportError(14030, QStringLiteral("Display Controls"));
    }
}

// ---- binding -----------------------------------------------------------------

void PageScreen::bindToAnswer(QWidget* w) {
    const int tag = tagOf(w);
    auto answer = [&](int slot) -> const QString& {
        if (!slotInRange(slot))
            throw BindingFault(QStringLiteral("slot %1 is not a slot of page %2")
                                   .arg(slot)
                                   .arg(CurrentPage)
                                   .toStdString());
        return m_answers->answer(CurrentPage, CurrentCopy, slot);
    };
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (tag != 0) label->setText(answer(tag));
    } else if (auto* radio = qobject_cast<QRadioButton*>(w)) {
        if (tag != 0) {
            // An exclusive radio button cannot be cleared by itself.
            const bool exclusive = radio->autoExclusive();
            radio->setAutoExclusive(false);
            radio->setChecked(answer(tag) == QLatin1String("X"));
            radio->setAutoExclusive(exclusive);
        }
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) {
        memo->setPlainText(BarsToMemo(answer(tag)));
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        combo->setCurrentIndex(Str2Int(answer(tag)));
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        const EditKind kind = EditKindOfTag(tag);
        if (kind == EditKind::Unbound) return;
        const int slot = SlotOfTag(tag);
        edit->setText(ShownEditText(kind, answer(slot), LeavesAmountsEmpty(CurrentPage)));
        const QString style = styleOf(edit);
        if (style == QLatin1String("EDITOVERRIDEABLE") ||
            style == QLatin1String("EDITOVERRIDDEN")) {
            const bool overridden = m_answers->ovRide(CurrentPage, CurrentCopy, slot);
            edit->setReadOnly(!overridden);
            setStyleLookup(edit, overridden ? QStringLiteral("EDITOVERRIDDEN")
                                            : QStringLiteral("EDITOVERRIDEABLE"));
            setTextColour(edit, overridden ? QColor(0xFF, 0, 0) : QColor(0, 0, 0));
        }
    } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
        const int slot = CheckSlotOfTag(tag);
        const bool ticked = answer(slot) == QLatin1String("X");
        check->setChecked(ticked);
        if (IsEstimateTag(tag)) check->setText(ticked ? QStringLiteral("EST") : QString());
        const QString style = styleOf(check);
        if (style == QLatin1String("CHECKBOXOVERRIDEABLE") ||
            style == QLatin1String("CHECKBOXOVERRIDDEN"))
            setStyleLookup(check, m_answers->ovRide(CurrentPage, CurrentCopy, slot)
                                      ? QStringLiteral("CHECKBOXOVERRIDDEN")
                                      : QStringLiteral("CHECKBOXOVERRIDEABLE"));
    }
}

void PageScreen::Answer2Components(QWidget* container) {
    if (!m_answers || CurrentPage < 0) return;
    const bool modified = CaseModified;
    const auto restore = qScopeGuard([&] { CaseModified = modified; });
    std::function<void(QWidget*)> walk = [&](QWidget* c) {
        for (QWidget* w : childWidgets(c)) {
            bindToAnswer(w);
            if (hasWidgetChildren(w)) walk(w);
        }
    };
    try {
        walk(container);
    } catch (const std::exception&) {
        ReportError(14020, QStringLiteral("Answer2Components"));
    }
}

void PageScreen::storeFromControl(QWidget* w) {
    const int tag = tagOf(w);
    auto store = [&](int slot, const QString& text) {
        if (!slotInRange(slot))
            throw BindingFault(QStringLiteral("slot %1 is not a slot of page %2")
                                   .arg(slot)
                                   .arg(CurrentPage)
                                   .toStdString());
        m_answers->setAnswer(CurrentPage, CurrentCopy, slot, text);
    };
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        const EditKind kind = EditKindOfTag(tag);
        if (kind != EditKind::Unbound) store(SlotOfTag(tag), StoredEditText(kind, edit->text()));
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) {
        store(tag, MemoToBars(memo->toPlainText()));
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        store(tag, QString::number(combo->currentIndex()));
    } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
        store(CheckSlotOfTag(tag), check->isChecked() ? QStringLiteral("X") : QString());
    } else if (auto* radio = qobject_cast<QRadioButton*>(w)) {
        // Tag 0 marks an unbound radio button: storing it would overwrite
        // slot 0 (the case number of a back side).
        if (tag != 0) store(tag, radio->isChecked() ? QStringLiteral("X") : QString());
    }
}

void PageScreen::Components2Answers(QWidget* container) {
    if (!m_answers || CurrentPage < 0) return;
    std::function<void(QWidget*)> walk = [&](QWidget* c) {
        for (QWidget* w : childWidgets(c)) {
            storeFromControl(w);
            if (hasWidgetChildren(w)) walk(w);
        }
    };
    try {
        walk(container);
    } catch (const std::exception&) {
        ReportError(14020, QStringLiteral("Components2Answers"));
    }
}

// ---- handlers ----------------------------------------------------------------

void PageScreen::ControlChange() {
    CaseModified = true;
    Q_EMIT controlChanged();
}

void PageScreen::CalcOnExit(QWidget* control) {
    if (m_answers && m_answers->CalcActive) return;
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        const EditKind kind = EditKindOfTag(tagOf(edit));
        if (kind == EditKind::Amount || kind == EditKind::Percent || kind == EditKind::Amount4 ||
            kind == EditKind::Whole) {
            const QString text = ReformattedEditText(kind, edit->text());
            if (text != edit->text()) edit->setText(text);
        }
    }
    if (!m_answers) return;
    Components2Answers(m_panel);
    Answer2Components(m_panel);
}

void PageScreen::ScrollOnEnter(QWidget* control) {
    if (qobject_cast<QLineEdit*>(control) || qobject_cast<QCheckBox*>(control) ||
        qobject_cast<QPlainTextEdit*>(control))
        FocusedBoundControl = control;
    // Bring the control into view when it lies outside the visible part.
    for (QWidget* p = m_panel->parentWidget(); p; p = p->parentWidget()) {
        if (auto* area = qobject_cast<QScrollArea*>(p)) {
            const int y = control->mapTo(m_panel, QPoint(0, 0)).y();
            const int v = area->verticalScrollBar()->value();
            const int h = area->viewport()->height();
            if (y > v + h || y < v) area->verticalScrollBar()->setValue(y - h / 2);
            break;
        }
    }
    Q_EMIT controlEntered(control);
}

void PageScreen::CalloutDispatch(QPushButton* button) {
    // One help text open at a time.
    hideCallouts(button);
    for (const QPointer<QWidget>& callout : m_callouts.value(button)) {
        if (!callout) continue;
        // isHidden, not isVisible: the panel itself may not be on screen.
        const bool show = callout->isHidden();
        callout->setVisible(show);
        if (show) callout->raise();
    }
}

bool PageScreen::hideCallouts(QPushButton* except) {
    bool hidden = false;
    for (auto it = m_callouts.cbegin(); it != m_callouts.cend(); ++it) {
        if (it.key() == except) continue;
        for (const QPointer<QWidget>& callout : it.value())
            if (callout && !callout->isHidden()) {
                callout->hide();
                hidden = true;
            }
    }
    return hidden;
}

bool PageScreen::eventFilter(QObject* watched, QEvent* event) {
    auto* w = qobject_cast<QWidget*>(watched);
    if (w) {
        switch (event->type()) {
            case QEvent::FocusIn:
                // A help text closes when the user goes on to another control.
                hideCallouts(qobject_cast<QPushButton*>(w));
                ScrollOnEnter(w);
                break;
            case QEvent::KeyPress:
                // Escape closes an open help text (and does nothing else then).
                if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && hideCallouts())
                    return true;
                break;
            case QEvent::FocusOut:
                if (!qobject_cast<QPushButton*>(w)) CalcOnExit(w);
                break;
            case QEvent::MouseButtonDblClick:
                if (qobject_cast<QLineEdit*>(w) && styleOf(w) == QLatin1String("EDITOVERRIDEABLE"))
                    Q_EMIT overrideRequested(w);
                break;
            default:
                break;
        }
    }
    return QObject::eventFilter(watched, event);
}

QString OverrideStyleSheet() {
    return QStringLiteral(
        "QLineEdit[StyleLookup=\"EDITREADONLY\"] { background-color: #eeeeee; }\n"
        "QLineEdit[StyleLookup=\"EDITOVERRIDEABLE\"] { background-color: #e6eefb; }\n"
        "QLineEdit[StyleLookup=\"EDITOVERRIDDEN\"] { background-color: #ffffff; color: #ff0000; }\n"
        "QPlainTextEdit[StyleLookup=\"MEMOOVERRIDEABLE\"] { background-color: #e6eefb; }\n"
        "QPlainTextEdit[StyleLookup=\"MEMOOVERRIDDEN\"] { color: #ff0000; }\n"
        "QCheckBox[StyleLookup=\"CHECKBOXOVERRIDDEN\"] { color: #ff0000; }\n");
}

}  // namespace wm4
