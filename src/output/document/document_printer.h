#pragma once
// What the print commands call: the packet of the ticked forms, the page on
// display and the worksheet printouts, built as RTF text.
//
// One DocumentPrinter serves the program's print commands: the merge state
// (the current size) carries from one command into the next.
#include <QList>
#include <QSet>
#include <QString>

#include "calc/casecheck/reduced_text.h"
#include "output/document/packet.h"
#include "output/document/template_merge.h"
#include "output/document/worksheet_printout.h"

namespace wm4 {

struct CaseData;
class TextMeasurer;
class TextWrapper;

class DocumentPrinter {
public:
    DocumentPrinter(CaseData& data, const TextMeasurer& measurer, const QString& rtfFolder,
                    const QString& datFolder);
    DocumentPrinter(const DocumentPrinter&) = delete;
    DocumentPrinter& operator=(const DocumentPrinter&) = delete;

    // The packet of the ticked forms (run the calculation first).
    QString PacketDocument(const QSet<QString>& ticked);
    // The page copy on display, merged as it stands.
    QString PageDocument(int page, int copy);
    // A worksheet printout.
    QString WorksheetDocument(WorksheetKind kind, TextWrapper& wrapper,
                              const QString& clientFileName);

    // The e-filing options of the printed forms (continuation addenda,
    // typed signatures); both off until set.
    void setFilingOptions(const FilingOptions& options);
    // The page screens, whose labels name the fields an addendum continues.
    void setScreenFolder(const QString& psfFolder);
    const FilingOptions& filingOptions() const { return m_merge.filingOptions(); }
    // The fields the last packet or page filled with "REDUCE TEXT", in print
    // order, labelled from the page screens.
    const QList<ReducedText>& reducedTexts() const { return m_reduced; }

    TemplateMerge& merge() { return m_merge; }
    PacketBuilder& packet() { return m_packet; }

private:
    // Takes the merge's reduced fields of the document just built.
    void collectReduced();

    CaseData& m_data;
    QString m_screenFolder;
    QList<ReducedText> m_reduced;
    TemplateMerge m_merge;
    PacketBuilder m_packet;
};

// The reduced fields of every form the case prints (the packet of "all"),
// merged over a copy of the calculated case with these options: what the
// Check Case rule "reduced-text" lists.
QList<ReducedText> FindReducedTexts(const CaseData& data, const TextMeasurer& measurer,
                                    const QString& rtfFolder, const QString& datFolder,
                                    const QString& psfFolder, const FilingOptions& options);

}  // namespace wm4
