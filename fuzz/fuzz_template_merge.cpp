// The template merge on any template and width file. The input is the page
// (first byte), then the template's bytes, a NUL byte and the width file's
// bytes. The answers hold one text of every kind a field prints, and texts
// that would be RTF if they were not escaped. A merged page must balance its
// groups as its template does, and no answer may become a control word or
// put a control character into the document.
#include <QSet>
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
            QStringLiteral("Jane Q. Doe"),
            QStringLiteral("$1,234.50"),
            QStringLiteral("0.05"),
            QStringLiteral("X"),
            QStringLiteral("Line one | line two"),
            QStringLiteral("{\\b raw}\\fs20 "),
            QStringLiteral("3/9/2021"),
            QString(200, u'w'),
            QStringLiteral("A {b} \\c /*6/"),
            QStringLiteral("(12)"),
            QStringLiteral("Ann\nStreet }{\nCity \\wmuserword"),
            QStringLiteral("{\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt y}}}"),
            QStringLiteral("nul\u0000 bell\u0007 esc\u001b tab\t del\u007f \\"),
        };
        for (int page = 0; page < PageCount; ++page)
            for (int slot = 0; slot <= MaxSlot[page]; ++slot)
                a->setAnswer(page, 0, slot, texts[slot % std::size(texts)]);
        return a;
    }();
    return *answers;
}

// The names of the control words of an RTF text ("\\b0" gives "b").
QSet<QString> controlWords(QStringView text) {
    QSet<QString> words;
    const auto letter = [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    };
    for (qsizetype k = 0; k < text.size(); ++k) {
        if (text[k] != u'\\') continue;
        qsizetype end = k + 1;
        while (end < text.size() && letter(text[end])) ++end;
        if (end > k + 1) words.insert(text.mid(k + 1, end - k - 1).toString());
        k = end > k + 1 ? end - 1 : k + 1;  // a control symbol ("\\\\", "\\{") is two characters
    }
    return words;
}

bool holdsControlCharacters(QStringView text) {
    for (QChar c : text)
        if ((c.unicode() < 0x20 && c != u'\r' && c != u'\n' && c != u'\t') || c.unicode() == 0x7F)
            return true;
    return false;
}

// What the answers above would bring into the document as RTF, were they
// not escaped.
const QStringList& answerWords() {
    static const QStringList words{QStringLiteral("wmuserword"), QStringLiteral("field"),
                                   QStringLiteral("fldinst"), QStringLiteral("fldrslt"),
                                   QStringLiteral("c")};
    return words;
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
        const WidthTable widths = ParseWidthTable(widthBytes, QStringLiteral("fuzz.dat"));
        const QString before = merge.workingText();
        merge.TransferDocument(page, 0, widths);
        const QString& merged = merge.workingText();
        // The template passed the check, so its groups balance over the
        // whole text; escaped answers keep them so.
        fuzz::Require(TemplateFault(merged).isEmpty(), "the merged page's groups balance");
        const QSet<QString> templateWords = controlWords(before);
        const QSet<QString> mergedWords = controlWords(merged);
        for (const QString& word : answerWords())
            fuzz::Require(templateWords.contains(word) || !mergedWords.contains(word),
                          "no answer becomes a control word");
        fuzz::Require(holdsControlCharacters(before) || !holdsControlCharacters(merged),
                      "no answer puts a control character into the document");
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
