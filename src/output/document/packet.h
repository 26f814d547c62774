#pragma once
// Joining merged pages into one RTF document.
//
// The first page is the complete document of its template (header, font
// table, paper, the page itself); every later page is only the body of its
// template (everything after the header marker "\'b7") behind "\page ", and
// the document ends with one closing brace. So every template declares the
// same fonts, paper and margins as the first one.
#include <QSet>
#include <QString>

namespace wm4 {

class TAnswer;
class TemplateMerge;

// Deletes everything up to and including the first header marker "\'b7";
// false (text unchanged) when the text has none.
bool StripTemplateHeader(QString& text);

// Deletes trailing line breaks, blanks and at most one "}" (the deletion
// stops right after a brace). With `apostrophes`, "'" is deleted as well.
void StripDocumentEnd(QString& text, bool apostrophes);

// The selection meaning every form of the packet.
inline constexpr QStringView AllForms = u"all";

class PacketBuilder {
public:
    PacketBuilder(TemplateMerge& merge, QString rtfFolder);

    // The document starts with the complete merged template of a page copy.
    void StartDocument(int page, int copy);

    // Merges a page copy and appends its body behind a page break. A template
    // without the header marker throws DocumentError.
    void AppendPage(int page, int copy);

    // The packet of the ticked check boxes (check-box names of the packet
    // table), in the packet's order, each form with all its copies. The
    // first form produces its copy 0 even when its counter is 0. With
    // nothing ticked the document is an empty, valid RTF document.
    void PrtSend(const QSet<QString>& ticked);

    // The page on display: its template merged for the copy, nothing else.
    void QuickPrint(int page, int copy) { StartDocument(page, copy); }

    const QString& document() const { return m_document; }
    QString takeDocument() { return std::exchange(m_document, QString()); }
    void clear() { m_document.clear(); }

private:
    void produce(int page, int copy);

    TemplateMerge& m_merge;
    QString m_rtfFolder;
    QString m_document;
    bool m_started = false;
};

// Every check box of the packet table ("all"), or the names of a
// comma-separated list. Unknown names are returned in `unknown`. With
// `caseAnswers`, "all" leaves out the forms that do not apply to the case
// (BMV 3773 without a surviving spouse); a form named in the list is kept.
QSet<QString> PacketSelection(const QString& list, QStringList* unknown = nullptr,
                              const TAnswer* caseAnswers = nullptr);

}  // namespace wm4
