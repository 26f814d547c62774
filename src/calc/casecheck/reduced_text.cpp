#include "calc/casecheck/reduced_text.h"

#include <utility>

#include "calc/casecheck/check_support.h"

namespace wm4 {

namespace {

ReducedTextFinder& installedFinder() {
    static ReducedTextFinder finder;
    return finder;
}

}  // namespace

ScopedReducedTextFinder::ScopedReducedTextFinder(ReducedTextFinder finder)
    : m_previous(std::exchange(installedFinder(), std::move(finder))) {}

ScopedReducedTextFinder::~ScopedReducedTextFinder() {
    installedFinder() = std::move(m_previous);
}

QString ReducedTextProblem(const ReducedText& field) {
    return QStringLiteral(
               "\"%1\" is too long for its field at every type size and prints as "
               "REDUCE TEXT; shorten it, or turn on continuation addenda "
               "(Preferences).")
        .arg(field.label);
}

namespace casecheck {

void reducedText(const CaseRule& rule, const CaseData& data, CaseFindings& out) {
    const ReducedTextFinder& finder = installedFinder();
    if (!finder) return;
    for (const ReducedText& field : finder(data))
        add(out, rule, ReducedTextProblem(field), ReportPlace::pageCopy(field.page, field.copy));
}

}  // namespace casecheck
}  // namespace wm4
