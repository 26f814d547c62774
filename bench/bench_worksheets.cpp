// The worksheet windows over 2,000 asset rows: opening the window (built,
// filled and shown), a sort of every row, and the row commands that change
// the grid (insert, cut, paste with its save into the store). Rows carry a
// description, a value, flags, categories and the Send To summary.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "case/worksheet_columns.h"
#include "files/settings.h"
#include "messages/report.h"
#include "session/case_session.h"
#include "worksheets/grid/row_sort.h"
#include "worksheets/grid/worksheet_model.h"
#include "worksheets/open_worksheet.h"
#include "worksheets/window/worksheet_window.h"

using namespace wm4;

namespace {

constexpr int Rows = 2000;

void fillAssets(WorksheetStore& assets) {
    assets.setRowCount(0);
    assets.setRowCount(Rows);
    for (int r = 0; r < Rows; ++r) {
        assets.setCell(assetColumn::Description, r,
                       QStringLiteral("Asset %1 | second line of asset %1").arg((r * 7919) % Rows));
        assets.setCell(assetColumn::Value, r, QStringLiteral("$%1.50").arg((r * 104729) % 100000));
        assets.setCell(assetColumn::ToForm6_0, r, QStringLiteral("X"));
        assets.setCell(assetColumn::ToForm13_0, r, QStringLiteral("X"));
        assets.setCell(assetColumn::SendToSummary, r, QStringLiteral("6.0, 13.0"));
        for (int c = assetColumn::Category3_0; c <= assetColumn::CategoryExecutorFee; ++c)
            assets.setCell(c, r, QStringLiteral("Not used for this asset"));
        assets.setCell(assetColumn::Category6_0, r, QStringLiteral("Tangible personal property"));
    }
}

struct Fixture {
    Fixture() : session(ProgramSettings{}) {
        setReportHandler([](const Report&) {});
        fillAssets(session.data().ASchedList);
    }
    CaseSession session;
};

std::unique_ptr<WorksheetWindow> openShown(CaseSession& session) {
    std::unique_ptr<WorksheetWindow> window = CreateWorksheet(WorksheetKind::Asset, session);
    window->show();
    QApplication::processEvents();  // laid out and painted
    return window;
}

void BM_OpenAssetWorksheet2000(benchmark::State& state) {
    Fixture f;
    for (auto _ : state) {
        std::unique_ptr<WorksheetWindow> window = openShown(f.session);
        benchmark::DoNotOptimize(window->model().rows());
        state.PauseTiming();
        window->close();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenAssetWorksheet2000)->Unit(benchmark::kMillisecond);

// The sort of a header click (after its question) in an open window: the
// model's rows reordered and the grid repainted.
void BM_SortAssetRows2000(benchmark::State& state) {
    Fixture f;
    std::unique_ptr<WorksheetWindow> window = openShown(f.session);
    auto& model = const_cast<WorksheetModel&>(window->model());
    const SortKind kind = state.range(0) == 0 ? SortKind::Text : SortKind::Money;
    const int column = state.range(0) == 0 ? assetColumn::Description : assetColumn::Value;
    bool descending = false;
    for (auto _ : state) {
        model.sortRows(column, kind,
                       descending ? SortDirection::Descending : SortDirection::Ascending);
        QApplication::processEvents();
        descending = !descending;
    }
    state.SetLabel(state.range(0) == 0 ? "text column" : "money column");
}
BENCHMARK(BM_SortAssetRows2000)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Insert in the middle, then Cut it again: two row commands per iteration.
void BM_InsertAndCutRow2000(benchmark::State& state) {
    Fixture f;
    std::unique_ptr<WorksheetWindow> window = openShown(f.session);
    window->showRow(Rows / 2);
    for (auto _ : state) {
        window->InsertRow();
        window->CutClick();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_InsertAndCutRow2000)->Unit(benchmark::kMillisecond);

// Paste Insert: insert, fill the panel, save the row and store the whole
// grid; then Cut to keep the row count.
void BM_PasteInsertRow2000(benchmark::State& state) {
    Fixture f;
    std::unique_ptr<WorksheetWindow> window = openShown(f.session);
    window->showRow(Rows / 2);
    window->CopyClick();
    for (auto _ : state) {
        window->PasteInsertClick();
        state.PauseTiming();
        window->CutClick();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PasteInsertRow2000)->Unit(benchmark::kMillisecond);

// Leaving a panel field: the row written and the 2,000-row grid stored.
void BM_SaveEntryOnExit2000(benchmark::State& state) {
    Fixture f;
    std::unique_ptr<WorksheetWindow> window = openShown(f.session);
    window->showRow(Rows / 2);
    window->CopyClick();
    for (auto _ : state) {
        window->PasteReplaceClick();  // a panel fill and one SaveEntry
        QApplication::processEvents();
    }
}
BENCHMARK(BM_SaveEntryOnExit2000)->Unit(benchmark::kMillisecond);

}  // namespace
