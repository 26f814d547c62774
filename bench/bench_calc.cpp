// A full calculation run on the large benchmark case (large_case.h),
// measured with the real fonts. Every run starts with an empty wrap cache.
#include <benchmark/benchmark.h>

#include <memory>

#include "calc/calc_context.h"
#include "calc/run/calculate_complete.h"
#include "case/case_data.h"
#include "files/settings.h"
#include "large_case.h"
#include "messages/report.h"
#include "output/qtmeasure/qt_text_measurer.h"
#include "output/textfit/text_wrapper.h"
#include "schedules/schedule_buffers.h"

using namespace wm4;

namespace {

void BM_FullCalculationLargeCase(benchmark::State& state) {
    auto data = bench::largeCase();
    auto buffers = std::make_unique<ScheduleBuffers>();
    ProgramSettings settings;
    QtTextMeasurer measurer;
    TextWrapper wrapper(measurer, settings.MemoWidthFactor);
    CalcContext ctx{*data, *buffers, wrapper};

    int reports = 0;
    const ReportHandler previous = setReportHandler([&](const Report&) { ++reports; });
    CalculateComplete(ctx);  // the first run may adjust the kin rows (Calc0)
    reports = 0;
    for (auto _ : state) CalculateComplete(ctx);
    setReportHandler(previous);

    state.counters["reports"] = double(reports);
    state.counters["NoOf6_1"] = data->answers.NoOf6_1;
    state.counters["NoOf13_1"] = data->answers.NoOf13_1;
    state.counters["NoOf13_2"] = data->answers.NoOf13_2;
    state.counters["NoOf1_0"] = data->answers.NoOf1_0;
}
BENCHMARK(BM_FullCalculationLargeCase)->Unit(benchmark::kMillisecond);

}  // namespace
