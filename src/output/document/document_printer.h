#pragma once
// What the print commands call: the packet of the ticked forms, the page on
// display and the worksheet printouts, built as RTF text.
//
// One DocumentPrinter serves the program's print commands: the merge state
// (the current size) carries from one command into the next.
#include <QSet>
#include <QString>

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

    TemplateMerge& merge() { return m_merge; }
    PacketBuilder& packet() { return m_packet; }

private:
    CaseData& m_data;
    TemplateMerge m_merge;
    PacketBuilder m_packet;
};

}  // namespace wm4
