#pragma once
// What the print commands call: the packet of the ticked forms, the page on
// display and the worksheet printouts, built as RTF text and (for the
// desktop) sent to the word processor.
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
struct ProgramSettings;
class ProgramLauncher;
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

// Where a document goes on the desktop: the send file in the temporary
// folder, opened in the word processor.
struct SendTarget {
    const ProgramSettings& settings;
    bool wordFound;
    ProgramLauncher& launcher;
};

// Engine side of the print commands: build, write to the send file, open.
// Each returns the path written.
QString SendToWordProcessor(DocumentPrinter& printer, const QSet<QString>& ticked,
                            const SendTarget& target);
QString QuickPrint(DocumentPrinter& printer, int page, int copy, const SendTarget& target);
QString SendKinWorksheet(DocumentPrinter& printer, TextWrapper& wrapper,
                         const QString& clientFileName, const SendTarget& target);
QString SendAssetWorksheet(DocumentPrinter& printer, TextWrapper& wrapper,
                           const QString& clientFileName, const SendTarget& target);
QString SendExpenseWorksheet(DocumentPrinter& printer, TextWrapper& wrapper,
                             const QString& clientFileName, const SendTarget& target);
QString SendTimeWorksheet(DocumentPrinter& printer, TextWrapper& wrapper,
                          const QString& clientFileName, const SendTarget& target);

}  // namespace wm4
