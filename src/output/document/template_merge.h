#pragma once
// The merge of one page copy's answers into its print template.
//
// A template is the court form as RTF text in which each place that takes an
// answer holds a field marker: "/", a kind character, the slot number (one to
// three digits), "/". The merge works on the RTF as plain text: it never
// parses groups, it only tracks the font size in force ("\fs<n>") and finds
// the template's Wingdings font for check boxes. Markers may be broken across
// lines of the template file.
//
// Marker kinds: "*" and "<" plain text fitted to the field width, "$" and "#"
// amount, "%" percentage, "&" check box, "+" multi-line, "~" raw RTF, "^"
// long date, "!" typed signature (the signer's name in the slot, behind
// "/s/ ", when typed signatures are on; otherwise nothing: the line stays
// blank for a hand signature).
//
// The current size outlives a merge: it carries from one page into the next,
// so one TemplateMerge serves a whole print command.
#include <QString>
#include <QStringView>
#include <utility>

#include "case/continuations.h"
#include "files/filing_options.h"

namespace wm4 {

// A field of a page copy that printed "REDUCE TEXT".
struct ReducedSlot {
    int page;
    int copy;
    int slot;
};

class TAnswer;
class TextMeasurer;
class WidthTable;

// "Page" + page + ".rtf" in the folder.
QString TemplatePath(const QString& rtfFolder, int page);

// The hidden mark that ends a template's header (fonts, paper, margins).
inline constexpr QStringView TemplateHeaderMarker = u"\\'b7";

// Why a template's text cannot be printed: it is not an RTF document, it has
// no header marker, it is cut short (its document group never closes) or its
// groups do not balance over the whole file (the document group closes
// before its end, naming the line). Empty when it can be printed.
QString TemplateFault(QStringView text);

// Throws DocumentError naming the template and its fault, if it has one.
// Every print command loads its templates through this check.
void CheckTemplate(QStringView text, const QString& path);

// Pages whose plain fields are printed as they stand, without fitting.
bool PageSkipsFitting(int page);
// What a signature line's "!" field prints: "/s/ " and the signer's name
// (escaped RTF) with typed signatures on and a name given; else nothing.
QString TypedSignature(const QString& signerName, bool typedSignatures);

// (Pages whose empty amount fields print empty instead of "0.00": the page
// catalogue's LeavesAmountsEmpty.)

class TemplateMerge {
public:
    TemplateMerge(const TAnswer& answers, const TextMeasurer& measurer, QString datFolder);

    // Reads a template file into the working text, its lines joined by CR LF.
    // A missing or unreadable file throws FileError; a template that is not
    // RTF, has no header marker or is cut short throws DocumentError.
    void LoadTemplate(const QString& path);
    // The same from the template's bytes; path names the template in errors.
    void LoadTemplateBytes(const QByteArray& bytes, const QString& path);

    // Merges the working text (a loaded template) for one page copy: reads
    // the page's width file, then TransferDocument. A missing width file or
    // one with a line that does not parse throws FileError (file and line);
    // a marker naming no slot of the page throws DocumentError.
    void MergePage(int page, int copy);

    // The marker scan over the working text.
    void TransferDocument(int page, int copy, const WidthTable& widths);

    // Replaces the marker at `position` (index of its "/") by the formatted
    // answer of the slot; returns the length of the inserted text.
    int TransferAnswers(int page, int copy, int slot, double width, QChar kind, int position);

    // "\f<n> " for the template's Wingdings font, or empty.
    QString FindWingdingsFont() const;

    // The decimal number starting at `position` of the working text; -1 with
    // report 21070 when the text is too short, the last readable prefix with
    // report 21060 when it holds a non-digit before its end.
    int GetNumFromText(int position) const;

    const QString& workingText() const { return m_text; }
    void setWorkingText(const QString& text) { m_text = text; }
    QString takeWorkingText() { return std::exchange(m_text, QString()); }

    int currentSize() const { return m_currentSize; }
    void setCurrentSize(int halfPoints) { m_currentSize = halfPoints; }

    // With continuation addenda on, the answers of the merges since the last
    // call that did not fit their fields (page, copy, slot, whole text).
    QList<Continuation> takeContinued() { return std::exchange(m_continued, {}); }
    // The fields of the merges since the last call that printed "REDUCE
    // TEXT" (too long for their field at every size; never with addenda on).
    QList<ReducedSlot> takeReduced() { return std::exchange(m_reduced, {}); }

    const FilingOptions& filingOptions() const { return m_options; }
    void setFilingOptions(const FilingOptions& options) { m_options = options; }

    const TAnswer& answers() const { return m_answers; }
    const QString& datFolder() const { return m_datFolder; }

private:
    QString formatAnswer(int page, const QString& answer, double width, QChar kind) const;
    // "Arial Narrow" when the font in force at `position` is, else "Arial".
    QString fontFamilyAt(int position) const;

    const TAnswer& m_answers;
    const TextMeasurer& m_measurer;
    QString m_datFolder;
    QString m_text;          // the working text
    int m_currentSize = 24;  // half-points of the last "\fs" passed
    QString m_wingdingsTag;
    FilingOptions m_options;
    QList<Continuation> m_continued;
    QList<ReducedSlot> m_reduced;
    mutable bool m_answerContinues = false;  // set by formatAnswer for the field in hand
    mutable bool m_answerReduced = false;    // likewise: the field prints "REDUCE TEXT"
    QString m_fieldFamily = QStringLiteral("Arial");  // of the field in hand
};

}  // namespace wm4
