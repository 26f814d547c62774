#pragma once
// One PDF per filing: the packet converted once by LibreOffice, then split by
// the forms' page ranges (qpdf), each PDF with its document properties. A
// form whose side ran over onto another page would shift every range after
// it; when the converted packet's page count is not the packet's, the forms
// are converted instead as one document each, still in one LibreOffice run.
#include <QList>
#include <QString>
#include <QStringList>

#include "output/document/packet.h"

namespace wm4 {

class TAnswer;

// The document properties of a PDF (its Info dictionary).
struct PdfProperties {
    QString title;
    QString subject;
    QString keywords;
};

// The case a packet belongs to, as its PDFs name it.
struct CaseCaption {
    QString decedent;
    QString caseNumber;
};
CaseCaption CaptionOf(const TAnswer& answers);

// One form's PDF: its file name (form number and title, no folder), its
// properties and its pages in the packet.
struct FormPdf {
    QString fileName;
    PdfProperties properties;
    FormSpan span;
};

// "2.0 Application to Probate Will.pdf": the caption with the characters a
// file name cannot hold replaced.
// The form's name as a document (its PDF's title and file name): the
// packet caption without stray blanks or slips, a letter named as a letter.
QString FormPdfTitle(const PacketEntry& entry);
QString FormPdfFileName(const PacketEntry& entry);
// Title (the caption), subject (estate and case number), keywords (the case
// number and the form) of one form's PDF.
PdfProperties FormPdfProperties(const PacketEntry& entry, const CaseCaption& caption);
// The properties of the whole packet's PDF.
PdfProperties PacketPdfProperties(const CaseCaption& caption);

QList<FormPdf> PlanFormPdfs(const QList<FormSpan>& spans, const CaseCaption& caption);

// Pages of a PDF file; throws DocumentError when it cannot be read.
int PdfPageCount(const QString& pdfPath);
// Rewrites the PDF with the properties in its Info dictionary (atomically).
void SetPdfProperties(const QString& pdfPath, const PdfProperties& properties);
// The form's pages of the packet's PDF as a PDF of its own.
void WritePdfPages(const QString& packetPdf, int firstPage, int pageCount, const QString& outPath,
                   const PdfProperties& properties);

// The form's text of a packet document as an RTF document of its own: the
// packet's header (that of its first template) and the form's pages.
QString FormDocument(const QString& packet, const FormSpan& span);

// Writes one PDF per form of the packet document into `folder` (which must
// exist) and returns their paths in packet order. `program`: the LibreOffice
// program (empty: the one installed). Every PDF is made in a temporary
// folder first, then each is saved whole (PlaceFormPdfs). Throws
// DocumentError or FileError with the reason.
QStringList WriteFormPdfs(const QString& document, const QList<FormPdf>& forms,
                          const QString& folder, const QString& program = QString());

// Saves each of the made PDFs under its file name in `folder`, each through
// SaveFileAtomically; returns the paths. A failure throws DocumentError
// saying how many were saved before it and why it failed; every file in the
// folder is then whole, the new one or the one it would have replaced.
QStringList PlaceFormPdfs(const QStringList& made, const QString& folder);

}  // namespace wm4
