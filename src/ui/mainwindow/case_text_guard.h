#pragma once
// The case file holds Windows-1252 text (the character set of the Windows
// version, so that files stay exchangeable). Text it cannot hold (emoji,
// Chinese, Greek, Cyrillic, right-to-left letters) is refused where it is
// typed or pasted: the characters are taken out again at once and a message
// names them, so nothing is saved as "?" later.
//
// The guard watches the whole application: a line edit (also of an editable
// combo box or a worksheet cell) or a memo gets it when it first takes the
// focus, a key, a click or a drop. The file dialogs are left alone (file names are not case text).
#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace wm4 {

// "these characters cannot be stored in a case file: 😀 (U+1F600), ж (U+0436). ..."
QString UnstorableMessage(const QList<char32_t>& characters);

class CaseTextGuard : public QObject {
    Q_OBJECT
public:
    explicit CaseTextGuard(QObject* parent = nullptr);
    ~CaseTextGuard() override;

    // Shows the refusal: a message box over `where`, or what is set here
    // (an empty one brings the message box back).
    using Tell = std::function<void(QWidget* where, const QString& message)>;
    void setTell(Tell tell);

    // Guards one text control now (the guard does so itself on its first
    // focus).
    void guard(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refuse(QWidget* where, const QList<char32_t>& characters);

    Tell m_tell;
    bool m_telling = false;
};

// The guard of the application, created on first use.
CaseTextGuard& InstallCaseTextGuard();

}  // namespace wm4
