#pragma once
// Writes a print template ("PageN.rtf"): letter paper, the three fonts every
// template declares under the same numbers (Arial, Arial Narrow, Wingdings),
// the hidden header cut mark, then the form's blocks as RTF paragraphs and
// tables with field markers ("/*12/", "/$7/", ...). Every marker is preceded
// by an explicit size, so the merge's running size is right at each field.
#include <QByteArray>
#include <QMap>

#include "form_source.h"

namespace formgen {

struct TemplateResult {
    QByteArray rtf;
    QMap<int, double> widths;  // printed width in inches of every slot the template prints
};

TemplateResult WriteTemplate(const FormSource& src);

}  // namespace formgen
