#include "calc/run/calculate_complete.h"

#include "calc/page_units.h"
#include "calc/run/stage_order.h"
#include "forms/page062.h"
#include "messages/report.h"
#include "output/textfit/text_wrapper.h"
#include "schedules/account_schedule.h"
#include "schedules/inventory_schedule.h"

namespace wm4 {
namespace {

// Clears CalcActive on every way out of a run and gives reports back to the
// store they went to before.
class RunGuard {
public:
    explicit RunGuard(TAnswer& a) : m_a(a), m_target(&a.ErrFlag) { m_a.CalcActive = true; }
    ~RunGuard() { m_a.CalcActive = false; }
    RunGuard(const RunGuard&) = delete;
    RunGuard& operator=(const RunGuard&) = delete;

private:
    TAnswer& m_a;
    ScopedErrFlagTarget m_target;  // reports of this run flag this store
};

constexpr int AccountFrontPage = page62::Page;
constexpr int AccountFrontClearedSlots = page62::ClearedBeforeTheSheets.count;
static_assert(page62::ClearedBeforeTheSheets.start == 0);

void runBuilder(CalcContext& ctx, StageBuilder builder) {
    switch (builder) {
        case StageBuilder::None:
            break;
        case StageBuilder::Inventory:
            BuildInventorySchedule(ctx.data, ctx.buffers, ctx.wrapper);
            break;
        case StageBuilder::Account:
            BuildAccountSchedule(ctx.data, ctx.buffers, ctx.wrapper);
            break;
        case StageBuilder::AssetsRemaining:
            BuildAssetsRemaining(ctx.data, ctx.buffers, ctx.wrapper);
            break;
    }
}

void runPages(CalcContext& ctx, const StageStep& step) {
    runBuilder(ctx, step.builder);
    const int copies = stepCopies(step, ctx.A());
    for (int copy = 0; copy < copies; ++copy)
        for (int i = 0; i < step.pages.count; ++i)
            if (PageUnit unit = pageUnit(step.pages.pages[i])) {
                // Reports of the unit point at its page copy.
                const ScopedReportPlace place(ReportPlace::pageCopy(step.pages.pages[i], copy));
                unit(ctx, copy);
            }
}

}  // namespace

bool RunPageUnits(CalcContext& ctx) {
    TAnswer& a = ctx.A();
    for (const StageStep& step : StageOrder()) {
        switch (step.action) {
            case StageAction::Gate:
                if (a.ErrFlag) return false;
                break;
            case StageAction::ClearPage62:
                for (int slot = 0; slot < AccountFrontClearedSlots; ++slot)
                    a.setAnswer(AccountFrontPage, 0, slot, QString());
                break;
            case StageAction::Pages:
                runPages(ctx, step);
                break;
        }
    }
    return true;
}

QString StoppedRunText(const RunOutcome& outcome) {
    if (outcome.finished) return {};
    if (outcome.stoppedAfter == 0)
        return QStringLiteral(
            "The calculation did not run to its end, so its answers are not "
            "complete.");
    return QStringLiteral(
               "The calculation stopped after report %1, before it reached every "
               "form, so its answers are not complete. Mend what the report names "
               "and calculate again.")
        .arg(outcome.stoppedAfter);
}

RunOutcome CalculateComplete(CalcContext& ctx) {
    TAnswer& a = ctx.A();
    if (a.CalcActive) return {};
    RunGuard guard(a);
    const auto stopped = [] { return RunOutcome{false, currentReportNumber()}; };

    if (ctx.storeOpenWorksheets) ctx.storeOpenWorksheets();
    ctx.wrapper.clearCache();  // wrapped texts never outlive a run
    a.ErrFlag = false;
    ctx.data.continuations.clear();  // each run records what it cannot fit afresh

    Test4Errs(ctx.data, ctx.everyCategoryFault);  // stage 1
    PrepareCopiesAndSchedules(ctx);  // stage 2 (returns at once after a stage-1 report)
    if (a.ErrFlag) return stopped();
    if (!RunPageUnits(ctx)) return stopped();  // stage 3
    return {true, 0};
}

}  // namespace wm4
