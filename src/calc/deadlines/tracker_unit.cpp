#include "calc/deadlines/tracker_unit.h"

#include "calc/deadlines/deadlines.h"
#include "calc/units/blocks.h"
#include "case/conversions.h"

namespace wm4 {

namespace {

void writeDeadlines(CalcContext& ctx, int page) {
    units::PageCopy pc(ctx, page, 0);
    const QList<Deadline> deadlines = ComputeDeadlines(ctx.data, ctx.today());
    for (const DeadlineRule& rule : DeadlineRules()) {
        if (rule.trackerPage != page) continue;
        QString text;
        for (const Deadline& d : deadlines)
            if (d.rule == &rule)
                text = d.due.isValid() ? FormatShortDate(d.due)
                                       : QStringLiteral("waiting: ") +
                                             DeadlineEventShortName(rule.from);
        pc.keep(rule.trackerSlot, text);
    }
}

}  // namespace

// The estate and the case number head both sides (kept writes, like the
// dates).
void Calc95(CalcContext& ctx, int) {
    units::PageCopy pc(ctx, tracker::FrontPage, 0);
    pc.putGi(page95::Estate, units::gi::DecedentName, units::Write::Kept);
    pc.putGi(page95::CaseNumber, units::gi::CaseNumber, units::Write::Kept);
    writeDeadlines(ctx, tracker::FrontPage);
}

void Calc96(CalcContext& ctx, int) {
    units::PageCopy pc(ctx, tracker::BackPage, 0);
    pc.putGi(page96::Estate, units::gi::DecedentName, units::Write::Kept);
    writeDeadlines(ctx, tracker::BackPage);
}

}  // namespace wm4
