// The template merge on any template and width file. The input is the page
// (first byte), then the template's bytes, a NUL byte and the width file's
// bytes. The answers hold one text of every kind a field prints.
#include <algorithm>

#include "case/answers.h"
#include "files/file_error.h"
#include "fuzz_support.h"
#include "output/document/document_error.h"
#include "output/document/packet.h"
#include "output/document/template_merge.h"
#include "output/document/width_table.h"
#include "output/textfit/text_measurer.h"

using namespace wm4;

namespace {

// Every character equally wide: the fitting runs without fonts.
class EvenMeasurer : public TextMeasurer {
public:
    double textWidth(QStringView text, const QString&, double pixelSize) const override {
        return double(text.size()) * pixelSize * 0.5;
    }
};

const TAnswer& sampleAnswers() {
    static const TAnswer* answers = [] {
        auto* a = new TAnswer;
        const QString texts[] = {
            QStringLiteral("Jane Q. Doe"),       QStringLiteral("$1,234.50"),
            QStringLiteral("0.05"),              QStringLiteral("X"),
            QStringLiteral("Line one | line two"), QStringLiteral("{\\b raw}\\fs20 "),
            QStringLiteral("3/9/2021"),          QString(200, u'w'),
            QStringLiteral("A {b} \\c /*6/"),    QStringLiteral("(12)"),
        };
        for (int page = 0; page < PageCount; ++page)
            for (int slot = 0; slot <= MaxSlot[page]; ++slot)
                a->setAnswer(page, 0, slot, texts[slot % std::size(texts)]);
        return a;
    }();
    return *answers;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::QuietReports();
    if (size < 1) return 0;
    const int page = data[0] % PageCount;
    const QByteArray rest = fuzz::InputBytes(data + 1, size - 1);
    const qsizetype split = rest.indexOf('\0');
    const QByteArray templateBytes = split < 0 ? rest : rest.left(split);
    const QByteArray widthBytes = split < 0 ? QByteArray() : rest.mid(split + 1);

    static const EvenMeasurer measurer;
    TemplateMerge merge(sampleAnswers(), measurer, QStringLiteral("/nonexistent"));
    try {
        merge.LoadTemplateBytes(templateBytes, QStringLiteral("fuzz.rtf"));
        const std::optional<WidthTable> widths =
            ParseWidthTable(widthBytes, QStringLiteral("fuzz.dat"));
        if (!widths) return 0;
        merge.TransferDocument(page, 0, *widths);
    } catch (const DocumentError&) {
        return 0;
    } catch (const FileError&) {
        return 0;
    }
    // What the packet does with a merged page.
    QString body = merge.takeWorkingText();
    StripTemplateHeader(body);
    StripDocumentEnd(body, true);
    return 0;
}
