// The main window's speed as the user feels it: showing a page copy (store
// the controls on display, load the next screen, wire it, show the answers),
// starting the window up to the first page shown, and Refresh of the large
// benchmark case (store the page, full calculation, show the page again).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "../large_case.h"
#include "files/client_file.h"
#include "files/settings.h"
#include "messages/report.h"
#include "session/case_session.h"
#include "ui/mainwindow/main_window.h"

using namespace wm4;

namespace {

// Private folders, so that no benchmark reads or writes the user's settings.
struct Folders {
    QTemporaryDir dir;
    ProgramSettings settings = DefaultSettings(QStringLiteral(WM4_SOURCE_DATA_DIR));
    Folders() {
        settings.ClientFolder = dir.filePath(QStringLiteral("Files"));
        settings.SettingsFolder = dir.filePath(QStringLiteral("config"));
        settings.TempFolder = dir.filePath(QStringLiteral("Temp"));
        settings.RecentFiles.clear();
    }
};

// Screens destroyed by a page change go on the next turn of the event loop.
void finishDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

const QString kRichSample = QStringLiteral(WM4_TEST_FIXTURES_DIR "/rich_sample.wm4");

void BM_ShowPageCopy(benchmark::State& state) {
    Folders folders;
    const ReportHandler previous = setReportHandler([](const Report&) {});
    TfrmMain window(folders.settings);
    window.start(kRichSample);
    window.show();
    const int code = static_cast<int>(state.range(0)) * 100;
    window.DisplayAPage(code);
    for (auto _ : state) {
        window.DisplayAPage(code);
        finishDeletes();
    }
    window.setCaseModified(false);
    setReportHandler(previous);
}
BENCHMARK(BM_ShowPageCopy)->Arg(0)->Arg(61)->Arg(98)->Unit(benchmark::kMillisecond);

void BM_StartUpToFirstPage(benchmark::State& state) {
    Folders folders;
    const ReportHandler previous = setReportHandler([](const Report&) {});
    for (auto _ : state) {
        TfrmMain window(folders.settings);
        window.start(kRichSample);
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.CurrentPage());
        window.setCaseModified(false);
    }
    setReportHandler(previous);
}
BENCHMARK(BM_StartUpToFirstPage)->Unit(benchmark::kMillisecond);

void BM_RefreshLargeCase(benchmark::State& state) {
    Folders folders;
    const QString file = folders.dir.filePath(QStringLiteral("large.wm4"));
    WriteClientFile(*bench::largeCase(), file);
    int reports = 0;
    const ReportHandler previous = setReportHandler([&](const Report&) { ++reports; });
    TfrmMain window(folders.settings);
    window.start(file);
    window.show();
    window.RefreshClick();  // the first run may adjust the kin rows
    reports = 0;
    for (auto _ : state) {
        window.RefreshClick();
        finishDeletes();
    }
    state.counters["reports"] = double(reports);
    state.counters["NoOf6_1"] = window.session().answers().NoOf6_1;
    window.setCaseModified(false);
    setReportHandler(previous);
}
BENCHMARK(BM_RefreshLargeCase)->Unit(benchmark::kMillisecond);

}  // namespace
