#include "ui/mainwindow/mnemonics.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSet>

namespace wm4 {

namespace {

// Where the mnemonic goes in text: the candidates in order of preference.
QList<int> candidatePositions(const QString& text) {
    QList<int> starts, others;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'&' || !c.isLetterOrNumber()) continue;
        const bool wordStart = i == 0 || !text[i - 1].isLetterOrNumber();
        (wordStart ? starts : others).append(i);
    }
    return starts + others;
}

template <typename Texts, typename Set>
void assign(const Texts& texts, const Set& set) {
    QSet<QChar> taken;
    for (const QString& text : texts)
        if (const QChar m = MnemonicOf(text); !m.isNull()) taken.insert(m);
    for (int k = 0; k < texts.size(); ++k) {
        const QString& text = texts[k];
        if (text.isEmpty() || !MnemonicOf(text).isNull()) continue;
        for (int i : candidatePositions(text)) {
            const QChar letter = text[i].toLower();
            if (taken.contains(letter)) continue;
            taken.insert(letter);
            set(k, QString(text).insert(i, u'&'));
            break;
        }
    }
}

// The items that take a mnemonic: not the separators, nor the recent files,
// whose texts are the files' names.
QList<QAction*> items(const QList<QAction*>& actions) {
    QList<QAction*> shown;
    for (QAction* a : actions)
        if (!a->isSeparator() && !a->objectName().startsWith(QLatin1String("HX"))) shown.append(a);
    return shown;
}

void assignActions(const QList<QAction*>& actions) {
    QStringList texts;
    for (QAction* a : actions) texts.append(a->text());
    assign(texts, [&actions](int k, const QString& text) { actions[k]->setText(text); });
    for (QAction* a : actions)
        if (QMenu* sub = a->menu()) AssignMnemonics(sub);
}

}  // namespace

QChar MnemonicOf(const QString& text) {
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&') continue;
        if (text[i + 1] == u'&') {
            ++i;  // a literal "&"
            continue;
        }
        return text[i + 1].toLower();
    }
    return QChar();
}

QStringList WithMnemonics(const QStringList& texts) {
    QStringList result = texts;
    assign(texts, [&result](int k, const QString& text) { result[k] = text; });
    return result;
}

QString KeepingMnemonic(const QString& text, const QString& before) {
    const QChar letter = MnemonicOf(before);
    if (letter.isNull() || !MnemonicOf(text).isNull()) return text;
    for (int i : candidatePositions(text))
        if (text[i].toLower() == letter) return QString(text).insert(i, u'&');
    return text;
}

void AssignMnemonics(QMenu* menu) {
    assignActions(items(menu->actions()));
}

void AssignMnemonics(QMenuBar* bar) {
    assignActions(items(bar->actions()));
}

}  // namespace wm4
