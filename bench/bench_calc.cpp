// A full calculation run on a large case: 200 kin rows, 2,000 asset rows
// (each sent to Forms 6.0, 13.0, 13.2 and both fee computations, with
// categories and descriptions of one to four lines) and 500 expense rows,
// measured with the real fonts. Every run starts with an empty wrap cache.
#include <benchmark/benchmark.h>

#include <QStringList>
#include <memory>

#include "calc/calc_context.h"
#include "calc/checks/category_names.h"
#include "calc/run/calculate_complete.h"
#include "case/case_data.h"
#include "files/settings.h"
#include "messages/report.h"
#include "output/qtmeasure/qt_text_measurer.h"
#include "output/textfit/text_wrapper.h"
#include "schedules/schedule_buffers.h"

using namespace wm4;

namespace {

// Short enough that each phrase prints on one line of the narrowest
// schedule column, so a description of k phrases takes k lines.
const QStringList Phrases = {
    "Checking account at First Federal",
    "Household goods and furnishings",
    "100 shares Acme Industries common",
    "Frame residence, 1200 Elm Street",
};

QString description(int row) {
    QStringList lines;
    for (int i = 0; i <= row % 4; ++i) lines.append(Phrases[(row + i) % Phrases.size()]);
    lines.last() += QStringLiteral(" #%1").arg(row);
    return lines.join(QStringLiteral(" | "));
}

const QString X = QStringLiteral("X");

void fillGeneralInformation(TAnswer& a) {
    const std::pair<int, const char*> answers[] = {
        {0, "Jane Q. Doe"},
        {1, "Judges A and B"},
        {2, "Judge Ruth"},
        {3, "Wendmoor"},
        {4, "2024 ES 0017"},
        {5, "Doe"},
        {6, "Jane"},
        {7, "Q."},
        {8, "12 Elm Street"},
        {10, "Wendmoor"},
        {12, "OH"},
        {13, "44000"},
        {14, "1/5/1940"},
        {16, "3/9/2021"},
        {21, "Carl Counsel"},
        {22, "1 Court Square"},
        {23, "Wendmoor"},
        {24, "OH"},
        {25, "44000"},
        {27, "0012345"},
        {28, "Ann Fiduciary"},
        {29, "5 Oak Lane"},
        {30, "Wendmoor"},
        {31, "OH"},
        {32, "44001"},
        {34, "Executor"},
    };
    for (const auto& [slot, text] : answers) a.setAnswer(0, 0, slot, QString::fromLatin1(text));
}

std::unique_ptr<CaseData> largeCase() {
    static const char* const inventory[] = {"TANGIBLE PERSONAL PROPERTY",
                                            "INTANGIBLE PERSONAL PROPERTY", "REAL PROPERTY"};
    static const char* const account[] = {"PERSONAL PROPERTY NOT SOLD", "INCOME", "OTHER RECEIPTS"};
    auto data = std::make_unique<CaseData>();
    fillGeneralInformation(data->answers);

    WorksheetStore& kin = data->KSchedList;
    kin.setRowCount(200);
    for (int r = 0; r < 200; ++r) {
        kin.setCell(1, r, QStringLiteral("Heir Number %1").arg(r));
        kin.setCell(2, r, QStringLiteral("%1 Maple Avenue").arg(r + 1));
        kin.setCell(3, r, QStringLiteral("Wendmoor, OH  44000"));
        kin.setCell(4, r, QStringLiteral("Grandchild"));
        for (int column : {10, 11, 22, 39}) kin.setCell(column, r, X);  // 1.0, 4.4, 13.7b
    }

    WorksheetStore& assets = data->ASchedList;
    assets.setRowCount(2000);
    for (int r = 0; r < 2000; ++r) {
        assets.setCell(1, r, description(r));
        assets.setCell(2, r, QStringLiteral("$%1.00").arg(1000 + r));
        for (int column : {22, 29, 30, 35, 86}) assets.setCell(column, r, X);
        assets.setCell(53, r, QString::fromLatin1(inventory[r % 3]));
        assets.setCell(57, r, QString::fromLatin1(inventory[(r + 1) % 3]));
        assets.setCell(56, r, QString::fromLatin1(account[r % 3]));
        assets.setCell(58, r, ExecutorFeeCategories[size_t(r % 5)].toString());
        assets.setCell(87, r, AttorneyFeeCategories[size_t(r % 6)].toString());
    }

    WorksheetStore& expenses = data->ESchedList;
    expenses.setRowCount(500);
    for (int r = 0; r < 500; ++r) {
        expenses.setCell(1, r, description(r + 7));
        expenses.setCell(2, r, QStringLiteral("$%1.50").arg(20 + r));
        expenses.setCell(3, r, QString::number(5000 + r));
        expenses.setCell(6, r, QStringLiteral("OTHER DISBURSEMENTS"));
        expenses.setCell(9, r, X);
    }
    return data;
}

void BM_FullCalculationLargeCase(benchmark::State& state) {
    auto data = largeCase();
    auto buffers = std::make_unique<ScheduleBuffers>();
    ProgramSettings settings;
    QtTextMeasurer measurer;
    TextWrapper wrapper(measurer, settings.MemoWidthFactor);
    CalcContext ctx{*data, *buffers, settings, wrapper};

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
