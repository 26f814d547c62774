// Wrapping descriptions with the real fonts, and the schedules of a large
// case: 2,000 asset rows (each sent to Forms 6.0, 13.0 and 13.2, with
// categories and descriptions of one to four lines) and 500 expense rows.
// Each schedule iteration starts with an empty wrap cache, as a run does.
#include <benchmark/benchmark.h>

#include <QStringList>
#include <memory>

#include "case/case_data.h"
#include "output/qtmeasure/qt_text_measurer.h"
#include "output/textfit/text_wrapper.h"
#include "schedules/account_schedule.h"
#include "schedules/inventory_schedule.h"
#include "schedules/schedule_buffers.h"

using namespace wm4;

namespace {

// Each fits one row of the account's 3.58 inches.
const QStringList Phrases = {
    "Checking account 4471-220, First Federal",
    "Household goods and furnishings",
    "100 shares Acme Industries, cert. A-1182",
    "Residence and garage, 1200 Elm Street",
};

// A description of one to four lines, the lines of different lengths.
QString description(int row) {
    QStringList lines;
    for (int i = 0; i <= row % 4; ++i) lines.append(Phrases[(row + i) % Phrases.size()]);
    return lines.join(" | ") + QStringLiteral(" (item %1)").arg(row);
}

std::unique_ptr<CaseData> largeCase() {
    static const char* const inventoryCategories[] = {
        "TANGIBLE PERSONAL PROPERTY", "INTANGIBLE PERSONAL PROPERTY", "REAL PROPERTY"};
    static const char* const accountCategories[] = {"PERSONAL PROPERTY NOT SOLD", "INCOME",
                                                    "OTHER RECEIPTS"};
    auto data = std::make_unique<CaseData>();
    WorksheetStore& assets = data->ASchedList;
    assets.setRowCount(2000);
    for (int r = 0; r < 2000; ++r) {
        assets.setCell(1, r, description(r));
        assets.setCell(2, r, QStringLiteral("$%1.00").arg(1000 + r));
        for (int column : {22, 29, 30}) assets.setCell(column, r, QStringLiteral("X"));
        assets.setCell(53, r, inventoryCategories[r % 3]);
        assets.setCell(57, r, inventoryCategories[(r + 1) % 3]);
        assets.setCell(56, r, accountCategories[r % 3]);
    }
    WorksheetStore& expenses = data->ESchedList;
    expenses.setRowCount(500);
    for (int r = 0; r < 500; ++r) {
        expenses.setCell(1, r, description(r + 7));
        expenses.setCell(2, r, QStringLiteral("$%1.50").arg(20 + r));
        expenses.setCell(3, r, QString::number(5000 + r));
        expenses.setCell(6, r, QStringLiteral("OTHER DISBURSEMENTS"));
        expenses.setCell(9, r, QStringLiteral("X"));
    }
    return data;
}

// One description of one to four lines, wrapped afresh each time.
void BM_WrapDescription(benchmark::State& state) {
    QtTextMeasurer measurer;
    int row = 0;
    for (auto _ : state) {
        const QStringList rows =
            WrapTextRows(measurer, description(row++ % 2000), "Arial Narrow", 11, 349);
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(BM_WrapDescription);

// The same description again: the run's cache answers.
void BM_WrapDescriptionCached(benchmark::State& state) {
    QtTextMeasurer measurer;
    TextWrapper wrapper(measurer);
    const QString text = description(3);
    for (auto _ : state) benchmark::DoNotOptimize(wrapper.WrapText(text, "Arial Narrow", 11, 4.85));
}
BENCHMARK(BM_WrapDescriptionCached);

// Form 6.1 of 2,000 assets: count (4.85 inches) and build (5.0 inches).
void BM_InventorySchedule2000(benchmark::State& state) {
    QtTextMeasurer measurer;
    TextWrapper wrapper(measurer);
    const auto data = largeCase();
    ScheduleBuffers buffers;
    for (auto _ : state) {
        wrapper.clearCache();
        CountInventorySchedule(*data, buffers, wrapper);
        BuildInventorySchedule(*data, buffers, wrapper);
    }
    state.counters["rows"] = buffers.inventory.rows.size();
}
BENCHMARK(BM_InventorySchedule2000)->Unit(benchmark::kMillisecond);

// Forms 6.1, 13.1 and 13.2 of the large case, as stage 2 of a run builds
// them: four widths, each description wrapped once per width.
void BM_AssetSchedules2000(benchmark::State& state) {
    QtTextMeasurer measurer;
    TextWrapper wrapper(measurer);
    const auto data = largeCase();
    ScheduleBuffers buffers;
    for (auto _ : state) {
        wrapper.clearCache();
        CountInventorySchedule(*data, buffers, wrapper);
        CountAccountSchedule(*data, buffers, wrapper);
        BuildAccountSchedule(*data, buffers, wrapper);
        CountAssetsRemaining(*data, buffers, wrapper);
        BuildAssetsRemaining(*data, buffers, wrapper);
        BuildInventorySchedule(*data, buffers, wrapper);
    }
    state.counters["account_rows"] = buffers.account.rows.size();
}
BENCHMARK(BM_AssetSchedules2000)->Unit(benchmark::kMillisecond);

}  // namespace
