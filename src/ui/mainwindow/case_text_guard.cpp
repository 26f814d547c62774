#include "ui/mainwindow/case_text_guard.h"

#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextCursor>
#include <QTextDocument>

#include "files/cp1252.h"

namespace wm4 {

namespace {

const char* const GuardedProperty = "wm4CaseTextGuarded";

QString describe(char32_t ch) {
    const QString glyph = QString::fromUcs4(&ch, 1);
    const QString code = QStringLiteral("U+%1").arg(uint(ch), 4, 16, QLatin1Char('0')).toUpper();
    // A control character or a lone surrogate has nothing to show.
    return QChar::isPrint(ch) ? glyph + QStringLiteral(" (") + code + u')' : code;
}

// Takes the characters out of a memo at their places, keeping the cursor.
void removeFromMemo(QPlainTextEdit* memo) {
    const QString text = memo->toPlainText();
    const QString kept = WithoutUnstorable(text);
    QTextCursor cursor = memo->textCursor();
    const int position = cursor.position();
    // The cursor moves back by what was taken out before it.
    const int before = position - int(WithoutUnstorable(QStringView(text).left(position)).size());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(kept);
    cursor.endEditBlock();
    cursor.setPosition(qBound(0, position - before, int(kept.size())));
    memo->setTextCursor(cursor);
}

}  // namespace

QString UnstorableMessage(const QList<char32_t>& characters) {
    QStringList named;
    for (char32_t ch : characters) named << describe(ch);
    return QStringLiteral(
               "A case file cannot store %1: %2.\n\nThey were not typed. A case file holds the "
               "Windows character set (Windows-1252) of the Windows version, so that cases stay "
               "exchangeable: Latin letters, also with accents (é, ñ, ü), digits and punctuation; "
               "no emoji, Chinese, Greek, Cyrillic or right-to-left letters.")
        .arg(characters.size() == 1 ? QStringLiteral("this character")
                                    : QStringLiteral("these characters"),
             named.join(QStringLiteral(", ")));
}

CaseTextGuard::CaseTextGuard(QObject* parent) : QObject(parent) {
    setTell({});
    qApp->installEventFilter(this);
}

void CaseTextGuard::setTell(Tell tell) {
    m_tell = tell ? std::move(tell) : [](QWidget* where, const QString& message) {
        QApplication::beep();
        QMessageBox::warning(where ? where->window() : nullptr, QStringLiteral("Wendmoor4"),
                             message);
    };
}

CaseTextGuard::~CaseTextGuard() {
    if (qApp) qApp->removeEventFilter(this);
}

bool CaseTextGuard::eventFilter(QObject* watched, QEvent* event) {
    // The first event that can bring text attaches the guard (the focus does
    // not come where the window is not active).
    switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::KeyPress:
        case QEvent::InputMethod:
        case QEvent::MouseButtonPress:
        case QEvent::ContextMenu:
        case QEvent::DragEnter:
            if (auto* w = qobject_cast<QWidget*>(watched)) guard(w);
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void CaseTextGuard::guard(QWidget* control) {
    if (control->property(GuardedProperty).toBool()) return;
    if (qobject_cast<QFileDialog*>(control->window())) return;
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        control->setProperty(GuardedProperty, true);
        // textEdited: what the user typed, pasted or dropped, not what the
        // program set.
        connect(edit, &QLineEdit::textEdited, this, [this, edit](const QString& text) {
            const QList<char32_t> bad = UnstorableCharacters(text);
            if (bad.isEmpty()) return;
            const int position = edit->cursorPosition();
            const int before =
                position - int(WithoutUnstorable(QStringView(text).left(position)).size());
            edit->setText(WithoutUnstorable(text));
            edit->setCursorPosition(position - before);
            refuse(edit, bad);
        });
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(control)) {
        control->setProperty(GuardedProperty, true);
        connect(memo, &QPlainTextEdit::textChanged, this, [this, memo] {
            if (memo->isReadOnly()) return;
            const QList<char32_t> bad = UnstorableCharacters(memo->toPlainText());
            if (bad.isEmpty()) return;
            removeFromMemo(memo);
            refuse(memo, bad);
        });
    }
}

void CaseTextGuard::refuse(QWidget* where, const QList<char32_t>& characters) {
    // A paste of many lines arrives once; a message box already up is enough.
    if (m_telling) return;
    m_telling = true;
    m_tell(where, UnstorableMessage(characters));
    m_telling = false;
}

CaseTextGuard& InstallCaseTextGuard() {
    static QPointer<CaseTextGuard> guard;
    if (!guard) guard = new CaseTextGuard(qApp);
    return *guard;
}

}  // namespace wm4
