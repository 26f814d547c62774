#pragma once
// Joining merged pages into one RTF document.
//
// The first page is the complete document of its template (header, font
// table, paper, the page itself); every later page is only the body of its
// template (everything after the header marker "\'b7") behind "\page ", and
// the document ends with one closing brace. So every template declares the
// same fonts, paper and margins as the first one.
#include <QList>
#include <QSet>
#include <QString>

#include "case/continuations.h"

namespace wm4 {

class TAnswer;
class TemplateMerge;
struct PacketEntry;

// Deletes everything up to and including the first header marker "\'b7";
// false (text unchanged) when the text has none.
bool StripTemplateHeader(QString& text);

// Deletes trailing line breaks, blanks and at most one "}" (the deletion
// stops right after a brace). With `apostrophes`, "'" is deleted as well.
void StripDocumentEnd(QString& text, bool apostrophes);

// Where one form (all its copies and its addendum) stands in a packet
// document: its pages, counted from 0, and its text from the "\page " that
// starts it (0 for the first form) to the start of the next form.
struct FormSpan {
    const PacketEntry* entry = nullptr;
    int firstPage = 0;
    int pageCount = 0;
    qsizetype start = 0;
    qsizetype end = 0;
};

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

    // The page on display: its template merged for the copy, and (with
    // continuation addenda on) the addendum of what does not fit it.
    void QuickPrint(int page, int copy);

    // Where the addenda find the lists the calculation cut (the case's
    // continuations) and the screens that name the fields; both optional.
    void setContinuationSources(const ContinuationStore* lists, QString screenFolder);

    const QString& document() const { return m_document; }
    // The forms of the last PrtSend, in the document's order.
    const QList<FormSpan>& formSpans() const { return m_spans; }
    QString takeDocument() { return std::exchange(m_document, QString()); }
    void clear() { m_document.clear(); }

private:
    void produce(int page, int copy);
    // Appends the addendum of what the pages since the last one continued.
    void appendAddendum(const PacketEntry& entry);

    TemplateMerge& m_merge;
    QString m_rtfFolder;
    QString m_document;
    bool m_started = false;
    const ContinuationStore* m_lists = nullptr;
    QString m_screenFolder;
    QList<Continuation> m_pending;  // what the form in hand continues
    QList<FormSpan> m_spans;
    int m_pages = 0;  // pages of the document so far
};

// Every check box of the packet table ("all"), or the names of a
// comma-separated list. Unknown names are returned in `unknown`. With
// `caseAnswers`, "all" leaves out the forms that do not apply to the case
// (BMV 3773 without a surviving spouse); a form named in the list is kept.
QSet<QString> PacketSelection(const QString& list, QStringList* unknown = nullptr,
                              const TAnswer* caseAnswers = nullptr);

}  // namespace wm4
