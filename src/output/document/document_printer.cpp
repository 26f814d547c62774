#include "output/document/document_printer.h"

#include "case/case_data.h"

namespace wm4 {

DocumentPrinter::DocumentPrinter(CaseData& data, const TextMeasurer& measurer,
                                 const QString& rtfFolder, const QString& datFolder)
    : m_data(data), m_merge(data.answers, measurer, datFolder), m_packet(m_merge, rtfFolder) {
    m_packet.setContinuationSources(&data.continuations, QString());
}

void DocumentPrinter::setScreenFolder(const QString& psfFolder) {
    m_packet.setContinuationSources(&m_data.continuations, psfFolder);
}

void DocumentPrinter::setFilingOptions(const FilingOptions& options) {
    m_merge.setFilingOptions(options);
    // The calculation before a packet records the lists it cannot fit only
    // with addenda on (and then never cuts them).
    m_data.continuations.setEnabled(options.addenda);
}

QString DocumentPrinter::PacketDocument(const QSet<QString>& ticked) {
    m_packet.PrtSend(ticked);
    return m_packet.takeDocument();
}

QString DocumentPrinter::PageDocument(int page, int copy) {
    m_packet.QuickPrint(page, copy);
    return m_packet.takeDocument();
}

QString DocumentPrinter::WorksheetDocument(WorksheetKind kind, TextWrapper& wrapper,
                                           const QString& clientFileName) {
    BuildWorksheetPrintout(m_data, kind, wrapper, m_packet, clientFileName);
    return m_packet.takeDocument();
}

}  // namespace wm4
