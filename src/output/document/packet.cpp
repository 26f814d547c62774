#include "output/document/packet.h"

#include <algorithm>

#include "case/answers.h"
#include "output/document/addendum.h"
#include "output/document/document_error.h"
#include "output/document/packet_table.h"
#include "output/document/rtf_text.h"
#include "output/document/template_merge.h"

namespace wm4 {

namespace {

// True when a page body's first content is a table row: nothing but
// formatting control words stand before its "\trowd".
bool startsWithTable(QStringView body) {
    qsizetype k = 0;
    while (k < body.size()) {
        const QChar c = body[k];
        if (c == u' ' || c == u'\r' || c == u'\n') {
            ++k;
            continue;
        }
        if (c != u'\\') return false;
        qsizetype end = k + 1;
        while (end < body.size() && body[end].isLetter()) ++end;
        const QStringView word = body.mid(k + 1, end - k - 1);
        if (word == u"trowd") return true;
        // A symbol, a character, or a paragraph, page or section end is content.
        if (word.isEmpty() || word == u"u" || word == u"par" || word == u"page" || word == u"sect")
            return false;
        while (end < body.size() && (body[end].isDigit() || body[end] == u'-')) ++end;
        if (end < body.size() && body[end] == u' ') ++end;
        k = end;
    }
    return false;
}

}  // namespace

bool StripTemplateHeader(QString& text) {
    const qsizetype at = text.indexOf(TemplateHeaderMarker);
    if (at < 0) return false;
    text.remove(0, at + TemplateHeaderMarker.size());
    return true;
}

void StripDocumentEnd(QString& text, bool apostrophes) {
    while (!text.isEmpty()) {
        const QChar last = text.back();
        const bool strip = last == u'\n' || last == u'\r' || last == u' ' || last == u'}' ||
                           (apostrophes && last == u'\'');
        if (!strip) break;
        text.chop(1);
        if (last == u'}') break;
    }
}

PacketBuilder::PacketBuilder(TemplateMerge& merge, QString rtfFolder)
    : m_merge(merge), m_rtfFolder(std::move(rtfFolder)) {}

void PacketBuilder::setContinuationSources(const ContinuationStore* lists, QString screenFolder) {
    m_lists = lists;
    m_screenFolder = std::move(screenFolder);
}

void PacketBuilder::StartDocument(int page, int copy) {
    m_pending.clear();
    m_merge.takeContinued();
    m_merge.LoadTemplate(TemplatePath(m_rtfFolder, page));
    m_merge.MergePage(page, copy);
    m_pending += PageContinuations(m_merge, m_lists, page, copy);
    m_document = m_merge.takeWorkingText();
    m_started = true;
    m_pages = 1;
}

void PacketBuilder::QuickPrint(int page, int copy) {
    StartDocument(page, copy);
    if (const PacketEntry* entry = EntryOfPage(page)) appendAddendum(*entry);
}

void PacketBuilder::appendAddendum(const PacketEntry& entry) {
    if (m_pending.isEmpty()) return;
    QString body = AddendumBody(m_merge.answers(), entry, m_pending, m_screenFolder);
    m_pending.clear();
    StripDocumentEnd(m_document, true);
    m_document += body;
    m_document += u'}';
    ++m_pages;
}

void PacketBuilder::AppendPage(int page, int copy) {
    const QString path = TemplatePath(m_rtfFolder, page);
    m_merge.LoadTemplate(path);
    m_merge.MergePage(page, copy);
    m_pending += PageContinuations(m_merge, m_lists, page, copy);
    QString body = m_merge.takeWorkingText();
    // Without its marker the whole template, header and all, would land
    // inside the document and break it. LoadTemplate refused such a template
    // already; the merged text is held to it once more.
    if (!StripTemplateHeader(body)) CheckTemplate(body, path);
    // LibreOffice drops a page break that stands right before a table; a
    // hair-thin empty paragraph between them keeps the break.
    body.prepend(startsWithTable(body) ? QStringLiteral("\\page \\pard\\plain\\fs2\\par ")
                                       : QStringLiteral("\\page "));
    StripDocumentEnd(body, false);
    StripDocumentEnd(m_document, true);
    m_document += body;
    m_document += u'}';
    ++m_pages;
}

void PacketBuilder::produce(int page, int copy) {
    if (m_started) {
        AppendPage(page, copy);
    } else {
        StartDocument(page, copy);
    }
}

void PacketBuilder::PrtSend(const QSet<QString>& ticked) {
    m_document.clear();
    m_spans.clear();
    m_started = false;
    m_pages = 0;
    const TAnswer& answers = m_merge.answers();
    for (const PacketEntry& entry : PacketTable) {
        if (!ticked.contains(QString::fromUtf16(entry.checkBox))) continue;
        // The form that starts the packet always gives its copy 0.
        const int copies = std::max(entry.copyCount(answers), m_started ? 0 : 1);
        if (copies == 0) continue;
        const bool first = !m_started;
        const qsizetype before = m_document.size();
        FormSpan span{&entry, m_pages, 0, 0, 0};
        for (int copy = 0; copy < copies; ++copy) {
            for (int k = 0; k < entry.pageCount(); ++k) {
                produce(entry.pages[size_t(k)], copy);
                // The form starts at the page break appended at the old end
                // (which lost its closing brace and line ends).
                if (copy == 0 && k == 0 && !first)
                    span.start = m_document.indexOf(QStringLiteral("\\page "),
                                                    std::max<qsizetype>(0, before - 16));
            }
            appendAddendum(entry);
        }
        span.pageCount = m_pages - span.firstPage;
        m_spans.append(span);
    }
    for (qsizetype k = 0; k < m_spans.size(); ++k)
        m_spans[k].end = k + 1 < m_spans.size() ? m_spans[k + 1].start : m_document.size() - 1;
    if (!m_started) m_document = EmptyRtfDocument();
}

QSet<QString> PacketSelection(const QString& list, QStringList* unknown,
                              const TAnswer* caseAnswers) {
    QSet<QString> selection;
    for (const QString& part : list.split(u',', Qt::SkipEmptyParts)) {
        const QString name = part.trimmed();
        if (name.isEmpty()) continue;
        if (name == AllForms) {
            for (const PacketEntry& entry : PacketTable)
                if (!caseAnswers || !entry.appliesToCase || entry.appliesToCase(*caseAnswers))
                    selection.insert(QString::fromUtf16(entry.checkBox));
        } else if (FindPacketEntry(name)) {
            selection.insert(name);
        } else if (unknown) {
            unknown->append(name);
        }
    }
    return selection;
}

}  // namespace wm4
