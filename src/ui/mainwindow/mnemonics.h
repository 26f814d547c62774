#pragma once
// Keyboard mnemonics ("&File") for menus built from tables: every item of a
// menu gets a letter of its own, so Alt and the letters reach every command.
#include <QString>
#include <QStringList>

class QMenu;
class QMenuBar;

namespace wm4 {

// The mnemonic letter of a text (lower case), or a null character; "&&" is
// a literal ampersand.
QChar MnemonicOf(const QString& text);

// Gives each text without a mnemonic one its menu does not use yet: the
// first letter of a word, else any letter or digit of it, first come first
// served in menu order. Texts that already carry one keep it.
QStringList WithMnemonics(const QStringList& texts);

// A new text for an item whose text changes ("Find ...: FOUND"), with the
// mnemonic letter the item had before.
QString KeepingMnemonic(const QString& text, const QString& before);

// The same over the items of a menu and, recursively, its submenus; the
// menu bar's titles too.
void AssignMnemonics(QMenu* menu);
void AssignMnemonics(QMenuBar* bar);

}  // namespace wm4
