#pragma once
// What the copy-choice dialog offers for a multi-copy page: the question, the
// number of copies and one item text per copy, built from the case's answers.
#include <QString>
#include <QStringList>

#include "case/answers.h"

namespace wm4 {

struct CopyChoice {
    QString question;
    QStringList items;  // item i stands for copy i
};

// The choice for page; no items for a page that is not a multi-copy form.
CopyChoice CopyChoiceFor(const TAnswer& answers, int page);

}  // namespace wm4
