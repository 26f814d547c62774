#pragma once
// The fields a print would fill with "REDUCE TEXT": an answer too long for
// its field at every type size. Finding them takes the printing layer's
// merge (templates, field widths, the font's measure), which lies above the
// rules; it installs how they are found, the rule lists what it finds.
#include <QList>
#include <QString>
#include <functional>

#include "calc/casecheck/case_check.h"

namespace wm4 {

struct ReducedText {
    int page = -1;
    int copy = 0;
    int slot = -1;
    QString label;  // the field's label on its page's screen
};

// The reduced fields of every form the case prints, with the filing options
// in force (with continuation addenda on there are none).
using ReducedTextFinder = std::function<QList<ReducedText>(const CaseData&)>;

// Installs the finder for as long as it lives, then puts back the one before.
class ScopedReducedTextFinder {
public:
    explicit ScopedReducedTextFinder(ReducedTextFinder finder);
    ~ScopedReducedTextFinder();
    ScopedReducedTextFinder(const ScopedReducedTextFinder&) = delete;
    ScopedReducedTextFinder& operator=(const ScopedReducedTextFinder&) = delete;

private:
    ReducedTextFinder m_previous;
};

// What the Problems list and Check Case say of the field (its place is
// shown beside it).
QString ReducedTextProblem(const ReducedText& field);

namespace casecheck {

// Rule "reduced-text": one finding per field that would print "REDUCE TEXT"
// (none while no finder is installed).
void reducedText(const CaseRule& rule, const CaseData& data, CaseFindings& out);

}  // namespace casecheck
}  // namespace wm4
