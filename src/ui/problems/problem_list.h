#pragma once
// One entry of the Problems panel: a report of a calculation run, or a
// finding of Check Case, with where it points.
#include <QList>
#include <QString>

#include "messages/report.h"

namespace wm4 {

struct Problem {
    QString number;  // the report number, or the name of the check
    QString text;    // the main line
    QString advice;  // the advice line; empty when there is none
    ReportPlace place;
};

Problem problemOfReport(const Report& report);

// "6.0 Inventory & Appraisal, copy 2", "Asset Worksheet, row 3", or empty.
// Copies are counted from 1 and shown only for pages that have several;
// rows are counted from 1 as the worksheet shows them.
QString placeText(const ReportPlace& place);

// The list as text for the clipboard: one line per problem, its fields
// separated by tabs (number, text, advice, where).
QString problemsText(const QList<Problem>& problems);

}  // namespace wm4
