#pragma once
// How each printed form writes its dates: one style per form, decided here
// once for every template. Court forms state their dates in running text
// and print them in long form ("March 10, 2026"); the state agencies' forms
// (motor vehicles, taxation) and the stock power keep the short form their
// boxes are drawn for ("3/10/2026"), as do dates in table columns, which
// stay as the worksheets hold them (the Form Tracker is such a table).
#include <QSet>

#include "form_source.h"

namespace formgen {

enum class DateStyle { Long, Short };

// The style of a page.
DateStyle DateStyleOf(int page);

// The slots a source declares as dates on its screen ("field N date").
QSet<int> DateSlots(const FormSource& src);

}  // namespace formgen
