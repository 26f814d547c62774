#include "page_facts.h"

#include <QString>
#include <algorithm>
#include <stdexcept>

namespace formgen {

int FocusTag(const FormSource& src, const QList<ScreenControl>& controls) {
    const int s = src.focusSlot;
    if (s < 0) return -1;
    for (const ScreenControl& c : controls) {
        switch (c.type) {
            case ControlType::Field:
                if (c.slot == s) return wm4::EditTag(c.kind, s);
                if (c.estSlot == s) return wm4::EstimateTag(s);
                break;
            case ControlType::Check:
            case ControlType::Radio:
            case ControlType::Memo:
            case ControlType::Combo:
                if (c.slot == s) return s;
                break;
            case ControlType::GridRow:
                for (int k = 0; k < c.slots.size() && k < c.columns.size(); ++k)
                    if (c.slots[k] == s) return wm4::EditTag(c.columns[k].kind, s);
                break;
            default:
                break;
        }
    }
    throw std::runtime_error(
        QStringLiteral("%1:%2: focus names slot %3; the screen has no control for it")
            .arg(src.fileName)
            .arg(src.focusLine)
            .arg(s)
            .toStdString());
}

PageFact FactsOf(const FormSource& src, const QList<ScreenControl>& controls) {
    return {src.page, FocusTag(src, controls), src.fitted, src.amountsEmpty};
}

QByteArray WritePageFacts(QList<PageFact> facts) {
    std::sort(facts.begin(), facts.end(),
              [](const PageFact& a, const PageFact& b) { return a.page < b.page; });
    for (int i = 1; i < facts.size(); ++i)
        if (facts[i].page == facts[i - 1].page)
            throw std::runtime_error(QStringLiteral("two form sources declare page %1")
                                         .arg(facts[i].page)
                                         .toStdString());
    QByteArray out =
        "#pragma once\n"
        "// Written by formfacts from data/forms/*.form (the focus, fit and amounts\n"
        "// heading lines); do not edit. One row per form source, in page order.\n"
        "#include \"case/page_facts.h\"\n"
        "\n"
        "namespace wm4::forms {\n"
        "\n"
        "// {page, first-focus Tag, fitted, amounts empty}\n"
        "inline constexpr PageFacts kFormPageFacts[] = {\n";
    for (const PageFact& f : facts)
        out += QStringLiteral("    {%1, %2, %3, %4},\n")
                   .arg(f.page)
                   .arg(f.focusTag)
                   .arg(f.fitted ? QStringLiteral("true") : QStringLiteral("false"))
                   .arg(f.amountsEmpty ? QStringLiteral("true") : QStringLiteral("false"))
                   .toLatin1();
    out += "};\n\n}  // namespace wm4::forms\n";
    return out;
}

}  // namespace formgen
