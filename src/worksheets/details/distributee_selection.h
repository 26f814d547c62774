#pragma once
// Which kin names a stored distributee selection holds. The selection is the
// chosen names in list order joined by ", ", and a name may itself contain
// ", " ("Lee, Ann"), so the text is read back as a sequence of whole names,
// never by looking for a name inside it: with kin "Ann" and "Ann Lee", the
// selection "Ann Lee" holds only Ann Lee.
#include <QList>
#include <QString>
#include <QStringList>

namespace wm4 {

// The names joined as the dialog stores them.
QString JoinSelection(const QStringList& names);

// One entry per name of the list: whether the selection holds it. The
// selection is read as whole names in list order, preferring the reading
// with the fewest names where the text allows more than one; a selection
// that no reading fits (a kin name changed since) checks each name that
// stands in it whole, between ", " separators or the ends. An empty name is
// never checked.
QList<bool> SelectedNames(const QStringList& names, const QString& selection);

}  // namespace wm4
