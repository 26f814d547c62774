#pragma once
// Continuation addenda: what of a page copy continues on an addendum, and
// the "Addendum to Form N" page placed directly after the form.
//
// PageContinuations is the one routine that decides what continues: the
// packet, the page on display and the PDF export all build on it.
#include <QList>
#include <QString>

#include "case/continuations.h"

namespace wm4 {

class TAnswer;
class TemplateMerge;
struct PacketEntry;

// What continues from the page copy just merged: the answers the merge could
// not fit (taken from the merge) and, with `lists`, the lists the last
// calculation cut at the form's capacity. Empty with addenda off.
QList<Continuation> PageContinuations(TemplateMerge& merge, const ContinuationStore* lists,
                                      int page, int copy);

// The packet entry that prints the page; nullptr for a page of no form.
const PacketEntry* EntryOfPage(int page);

// "Form 2.0" from the entry's caption "2.0 Application to Probate Will"; a
// caption without a number ("Fiduciary's Acceptance") stands as it is.
QString FormName(const PacketEntry& entry);

// The label of a slot on its page's screen (`screenFolder`/pageN.psf), or
// "line N" when the screen shows no label for it.
QString FieldLabel(const QString& screenFolder, int page, int slot);

// The addendum page as a page body to append to a packet ("\page " first):
// heading "ADDENDUM TO FORM N", the court, the caption and the case number
// of General Information, then each continuation with the form side and
// field it continues and its whole text.
QString AddendumBody(const TAnswer& answers, const PacketEntry& entry,
                     const QList<Continuation>& items, const QString& screenFolder);

}  // namespace wm4
