#pragma once
// The slots of a page by name, for the code: formgen writes one header per
// form source, "forms/pageNNN.h" in the build folder, with namespace
// wm4::pageN holding
//   - one int constant per labelled screen control: its name= when the line
//     gives one, else its label in CamelCase ("Attorney registration number"
//     -> AttorneyRegistrationNumber; "Decedent's street address" ->
//     DecedentStreetAddress); a label several slots share is prefixed with
//     the section it stands in, and a name still taken twice is an error
//     that asks for a name=;
//   - one SlotRange per named range: the person blocks (DecedentBlock,
//     AttorneyBlock, FiduciaryBlock), grids with a name= and "slots" heading
//     lines.
#include <QByteArray>
#include <QList>
#include <QString>

#include "screen_items.h"

namespace formgen {

struct SlotName {
    QString name;
    int start = 0;
    int count = 0;  // 0: a single slot, else a range
};

// Throws std::runtime_error (file and line) on a clash or a name that is no
// identifier.
QList<SlotName> SlotNames(const FormSource& src, const QList<ScreenControl>& controls);

// "Attorney's city, state and ZIP" -> "AttorneyCityStateAndZIP"; empty when
// the label has no letter to start a name with.
QString NameFromLabel(const QString& label);

QByteArray WriteSlotHeader(const FormSource& src, const QList<SlotName>& names);

}  // namespace formgen
