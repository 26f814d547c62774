// Creating a fresh case, and writing and reading a large one: 200 kin rows,
// 2,000 asset rows and 500 expense rows, every cell filled, answers on a
// tenth of the page copies.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <memory>

#include "case/case_data.h"
#include "files/client_file.h"

using namespace wm4;

namespace {

void fillSheet(WorksheetStore& store, int rows, const char* prefix) {
    store.setRowCount(rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < store.columnCount(); ++c)
            store.setCell(c, r,
                          QStringLiteral("%1 %2/%3 text").arg(QLatin1String(prefix)).arg(r).arg(c));
}

std::unique_ptr<CaseData> largeCase() {
    auto data = std::make_unique<CaseData>();
    fillSheet(data->KSchedList, 200, "Kin");
    fillSheet(data->ASchedList, 2000, "Asset");
    fillSheet(data->ESchedList, 500, "Expense");
    fillSheet(data->TSchedList, 50, "Time");
    for (int page = 0; page < PageCount; page += 10)
        for (int slot = 0; slot <= MaxSlot[page]; ++slot)
            data->answers.setAnswer(page, 0, slot,
                                    QStringLiteral("Answer %1 of page %2").arg(slot).arg(page));
    return data;
}

void BM_FreshStore(benchmark::State& state) {
    for (auto _ : state) {
        auto data = std::make_unique<CaseData>();
        benchmark::DoNotOptimize(data.get());
    }
}
BENCHMARK(BM_FreshStore)->Unit(benchmark::kMillisecond);

void BM_WriteLargeCase(benchmark::State& state) {
    const auto data = largeCase();
    QTemporaryDir dir;
    const QString path = dir.filePath("large.wm4");
    for (auto _ : state) WriteClientFile(*data, path);
    state.counters["bytes"] = double(ClientFileBytes(*data).size());
}
BENCHMARK(BM_WriteLargeCase)->Unit(benchmark::kMillisecond);

// The same without the disk: building the file's bytes.
void BM_LargeCaseBytes(benchmark::State& state) {
    const auto data = largeCase();
    for (auto _ : state) benchmark::DoNotOptimize(ClientFileBytes(*data));
}
BENCHMARK(BM_LargeCaseBytes)->Unit(benchmark::kMillisecond);

void BM_ReadLargeCase(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("large.wm4");
    WriteClientFile(*largeCase(), path);
    for (auto _ : state) {
        auto data = std::make_unique<CaseData>();
        if (!ReadClientFile(*data, path)) state.SkipWithError("the case could not be read");
        benchmark::DoNotOptimize(data.get());
    }
}
BENCHMARK(BM_ReadLargeCase)->Unit(benchmark::kMillisecond);

}  // namespace
