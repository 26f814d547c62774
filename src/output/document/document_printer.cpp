#include "output/document/document_printer.h"

#include <QScopeGuard>

#include "case/case_data.h"
#include "output/document/addendum.h"

namespace wm4 {

DocumentPrinter::DocumentPrinter(CaseData& data, const TextMeasurer& measurer,
                                 const QString& rtfFolder, const QString& datFolder)
    : m_data(data), m_merge(data.answers, measurer, datFolder), m_packet(m_merge, rtfFolder) {
    m_packet.setContinuationSources(&data.continuations, QString());
}

void DocumentPrinter::setScreenFolder(const QString& psfFolder) {
    m_screenFolder = psfFolder;
    m_packet.setContinuationSources(&m_data.continuations, psfFolder);
}

void DocumentPrinter::setFilingOptions(const FilingOptions& options) {
    m_merge.setFilingOptions(options);
    // The calculation before a packet records the lists it cannot fit only
    // with addenda on (and then never cuts them).
    m_data.continuations.setEnabled(options.addenda);
}

QString DocumentPrinter::PacketDocument(const QSet<QString>& ticked) {
    m_merge.takeReduced();
    m_packet.PrtSend(ticked);
    collectReduced();
    return m_packet.takeDocument();
}

QString DocumentPrinter::PageDocument(int page, int copy) {
    m_merge.takeReduced();
    m_packet.QuickPrint(page, copy);
    collectReduced();
    return m_packet.takeDocument();
}

void DocumentPrinter::collectReduced() {
    m_reduced.clear();
    for (const ReducedSlot& s : m_merge.takeReduced())
        m_reduced.append({s.page, s.copy, s.slot, FieldLabel(m_screenFolder, s.page, s.slot)});
}

QList<ReducedText> FindReducedTexts(const CaseData& data, const TextMeasurer& measurer,
                                    const QString& rtfFolder, const QString& datFolder,
                                    const QString& psfFolder, const FilingOptions& options) {
    // A packet only reads the case; the printer's one write, the
    // continuation switch of the options, is put back.
    CaseData& merged = const_cast<CaseData&>(data);
    const bool continuing = data.continuations.enabled();
    const auto restore = qScopeGuard([&] { merged.continuations.setEnabled(continuing); });
    DocumentPrinter printer(merged, measurer, rtfFolder, datFolder);
    printer.setFilingOptions(options);
    printer.setScreenFolder(psfFolder);
    printer.PacketDocument(PacketSelection(AllForms.toString(), nullptr, &data.answers));
    return printer.reducedTexts();
}

QString DocumentPrinter::WorksheetDocument(WorksheetKind kind, TextWrapper& wrapper,
                                           const QString& clientFileName) {
    BuildWorksheetPrintout(m_data, kind, wrapper, m_packet, clientFileName);
    return m_packet.takeDocument();
}

}  // namespace wm4
