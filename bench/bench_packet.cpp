// The packet of every form ("all") for the rich sample case, built as one
// RTF document after a full calculation run, measured with the real fonts.
//
// It runs on the project's templates (data/RTF, data/DAT) once every page of
// the packet has one; until then on stand-in templates generated for every
// packet page: the shared header and one field per slot of the page, marker
// kinds in turn. The counter "project_data" says which.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "calc/calc_context.h"
#include "calc/run/calculate_complete.h"
#include "case/case_data.h"
#include "files/client_file.h"
#include "files/settings.h"
#include "messages/report.h"
#include "output/document/document_printer.h"
#include "output/document/packet.h"
#include "output/document/packet_table.h"
#include "output/document/send_document.h"
#include "output/document/width_table.h"
#include "output/qtmeasure/qt_text_measurer.h"
#include "output/textfit/text_wrapper.h"
#include "schedules/schedule_buffers.h"

using namespace wm4;

namespace {

const QString DataFolder = QStringLiteral(WM4_SOURCE_DATA_DIR);
const QString RichSample = QStringLiteral(WM4_TEST_FIXTURES_DIR "/rich_sample.wm4");

bool projectDataComplete() {
    for (const PacketEntry& entry : PacketTable)
        for (int k = 0; k < entry.pageCount(); ++k) {
            const int page = entry.pages[size_t(k)];
            if (!QFile::exists(TemplatePath(DataFolder + QStringLiteral("/RTF"), page)) ||
                !QFile::exists(WidthFilePath(DataFolder + QStringLiteral("/DAT"), page)))
                return false;
        }
    return true;
}

void writeFile(const QString& path, const QString& text) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(text.toLatin1());
}

// Stand-in templates: every packet page with a field for each of its slots.
void writeStandInTemplates(const QString& folder) {
    static const char kinds[] = {'*', '$', '&', '+', '^', '%', '~', '<'};
    const QString header = QStringLiteral(
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
        "{\\f1\\fswiss\\fcharset0 Arial Narrow;}{\\f2\\fnil\\fcharset2 Wingdings;}}\r\n"
        "\\paperw12240\\paperh15840\\margl1080\\margr1080\\margt720\\margb720\r\n"
        "\\pard\\plain\\f0\\fs20\\v\\'b7\\v0 \r\n");
    for (const PacketEntry& entry : PacketTable)
        for (int k = 0; k < entry.pageCount(); ++k) {
            const int page = entry.pages[size_t(k)];
            QString body = header;
            QString widths;
            for (int slot = 0; slot <= MaxSlot[page]; ++slot) {
                body += QStringLiteral(
                            "\\pard\\f0\\fs20 Field number %1 of this court form: /%2%1/\\par\r\n")
                            .arg(slot)
                            .arg(QLatin1Char(kinds[slot % 8]));
                widths += QStringLiteral("%1 1 0 0.0 1.0 2.5 0\r\n").arg(slot);
            }
            writeFile(TemplatePath(folder, page), body + QStringLiteral("}\r\n"));
            writeFile(WidthFilePath(folder, page), widths);
        }
}

// The rich sample when its fixture exists; otherwise a case with the
// General Information filled and a few copies of the multi-copy forms.
std::unique_ptr<CaseData> sampleCase(bool& rich) {
    auto data = std::make_unique<CaseData>();
    rich = QFile::exists(RichSample) && ReadClientFile(*data, RichSample);
    if (!rich) {
        for (int slot = 0; slot <= 40; ++slot)
            data->answers.setAnswer(0, 0, slot, QStringLiteral("Answer %1").arg(slot));
    }
    return data;
}

void BM_PacketAllForms(benchmark::State& state) {
    int reports = 0;
    const ReportHandler previous = setReportHandler([&](const Report&) { ++reports; });

    bool rich = false;
    auto data = sampleCase(rich);
    auto buffers = std::make_unique<ScheduleBuffers>();
    ProgramSettings settings;
    QtTextMeasurer measurer;
    TextWrapper wrapper(measurer, settings.MemoWidthFactor);
    CalcContext ctx{*data, *buffers, wrapper};
    CalculateComplete(ctx);
    if (!rich) {
        // Without the rich sample, give the multi-copy forms a few copies.
        for (const PacketEntry& entry : PacketTable)
            if (entry.copies) data->answers.*entry.copies = 2;
    }

    const bool projectData = projectDataComplete();
    QTemporaryDir standIn;
    if (!projectData) writeStandInTemplates(standIn.path());
    const QString rtf = projectData ? DataFolder + QStringLiteral("/RTF") : standIn.path();
    const QString dat = projectData ? DataFolder + QStringLiteral("/DAT") : standIn.path();

    const QSet<QString> all = PacketSelection(AllForms.toString());
    qsizetype bytes = 0;
    qsizetype pages = 0;
    for (auto _ : state) {
        DocumentPrinter printer(*data, measurer, rtf, dat);
        const QString document = printer.PacketDocument(all);
        benchmark::DoNotOptimize(document.constData());
        bytes = document.size();
        pages = document.count(QStringLiteral("\\page ")) + 1;
    }
    setReportHandler(previous);
    state.counters["pages"] = double(pages);
    state.counters["kchars"] = double(bytes) / 1000;
    state.counters["project_data"] = projectData ? 1 : 0;
    state.counters["rich_sample"] = rich ? 1 : 0;
    state.counters["reports"] = double(reports);
}
BENCHMARK(BM_PacketAllForms)->Unit(benchmark::kMillisecond);

}  // namespace
