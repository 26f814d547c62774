#pragma once
// The facts of a page the code looks up by page number, declared in the
// page's form source: the Tag of the control that takes the focus first
// ("focus SLOT"), whether the template's plain fields are fitted ("fit none")
// and whether empty amounts stay empty ("amounts empty"). formfacts writes
// them for every source into one header, forms/page_facts.h in the build
// folder, which case/page_facts.cpp reads.
#include <QByteArray>
#include <QList>

#include "form_source.h"
#include "screen_items.h"

namespace formgen {

struct PageFact {
    int page = -1;
    int focusTag = -1;  // -1: no "focus" line
    bool fitted = true;
    bool amountsEmpty = false;
};

// The Tag of the screen control bound to src.focusSlot (the first one in
// screen order), or -1 without a focus line; throws std::runtime_error with
// file and line when the screen has no control for the slot.
int FocusTag(const FormSource& src, const QList<ScreenControl>& controls);

PageFact FactsOf(const FormSource& src, const QList<ScreenControl>& controls);

// The header: one row per page, in page order; throws when two sources
// declare one page.
QByteArray WritePageFacts(QList<PageFact> facts);

}  // namespace formgen
