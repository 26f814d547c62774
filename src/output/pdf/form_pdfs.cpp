#include "output/pdf/form_pdfs.h"

#include <QRegularExpression>

// qpdf 11: its own smart pointers are std::shared_ptr; no transition warning.
#define POINTERHOLDER_TRANSITION 4

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <exception>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include "calc/units/blocks.h"
#include "case/answers.h"
#include "files/atomic_save.h"
#include "files/file_error.h"
#include "output/document/document_error.h"
#include "output/document/packet_table.h"
#include "output/document/pdf_export.h"
#include "output/document/send_document.h"

namespace wm4 {

namespace {

std::string local(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QPDFObjectHandle text(const QString& value) {
    return QPDFObjectHandle::newUnicodeString(value.toStdString());
}

void setInfo(QPDF& pdf, const PdfProperties& properties) {
    QPDFObjectHandle info = QPDFObjectHandle::newDictionary();
    info.replaceKey("/Title", text(properties.title));
    info.replaceKey("/Subject", text(properties.subject));
    info.replaceKey("/Keywords", text(properties.keywords));
    info.replaceKey("/Creator", text(QStringLiteral("Wendmoor4")));
    QPDFObjectHandle old = pdf.getTrailer().getKey("/Info");
    if (old.isDictionary() && old.hasKey("/Producer")) info.replaceKey("/Producer", old.getKey("/Producer"));
    pdf.getTrailer().replaceKey("/Info", pdf.makeIndirectObject(info));
}

// The PDF's bytes: written in memory, so that the file is saved in one
// piece (SaveFileAtomically) or not at all.
QByteArray pdfBytes(QPDF& pdf) {
    QPDFWriter writer(pdf);
    writer.setOutputMemory();
    writer.setStaticID(false);
    writer.write();
    const std::shared_ptr<Buffer> buffer = writer.getBufferSharedPointer();
    return QByteArray(reinterpret_cast<const char*>(buffer->getBuffer()),
                      qsizetype(buffer->getSize()));
}

// Runs a qpdf step, its exceptions as DocumentError.
template <typename Step>
void qpdfStep(const QString& what, Step step) {
    try {
        step();
    } catch (const std::exception& e) {
        throw DocumentError(QStringLiteral("%1: %2").arg(what, QString::fromUtf8(e.what())));
    }
}

QString captionText(const CaseCaption& caption) {
    QString out = QStringLiteral("Estate of ") + caption.decedent;
    if (!caption.caseNumber.isEmpty()) out += QStringLiteral(", Case No. ") + caption.caseNumber;
    return out;
}

QString formNumber(const PacketEntry& entry) {
    const QString caption = QString::fromUtf16(entry.caption);
    return caption.front().isDigit() ? caption.section(u' ', 0, 0) : QString();
}

}  // namespace

CaseCaption CaptionOf(const TAnswer& answers) {
    return {answers.answer(0, 0, units::gi::DecedentName).trimmed(),
            answers.answer(0, 0, units::gi::CaseNumber).trimmed()};
}

QString FormPdfTitle(const PacketEntry& entry) {
    // The letters' captions name only their addressee or occasion ("Court,
    // filing"): as documents they are letters.
    struct Letter {
        QStringView checkBox;
        const char* title;
    };
    static const Letter kLetters[] = {
        {u"cbxWill", "Will Letter"},
        {u"cbxInventory", "Inventory Letter"},
        {u"cbxAccounting", "Accounting Letter"},
        {u"cbxAppraiser", "Appraiser Letter"},
        {u"cbxFiduciary", "Fiduciary Letter"},
        {u"cbxInsurance", "Insurance Company Letter"},
        {u"cbxCourt", "Court Filing Letter"},
    };
    for (const Letter& letter : kLetters)
        if (letter.checkBox == QStringView(entry.checkBox)) return QLatin1String(letter.title);
    // A caption's stray blanks and its one slip of the keys ("amd") stay
    // out of the document's name.
    QString title = QString::fromUtf16(entry.caption).simplified();
    static const QRegularExpression amd(QStringLiteral(R"(\bamd\b)"));
    title.replace(amd, QStringLiteral("and"));
    return title;
}

QString FormPdfFileName(const PacketEntry& entry) {
    QString name = FormPdfTitle(entry);
    for (QChar& c : name)
        if (QStringView(u"/\\:*?\"<>|").contains(c)) c = u'-';
    return name + QStringLiteral(".pdf");
}

PdfProperties FormPdfProperties(const PacketEntry& entry, const CaseCaption& caption) {
    const QString number = formNumber(entry);
    const QString form = number.isEmpty() ? FormPdfTitle(entry) : QStringLiteral("Form ") + number;
    QStringList keywords;
    if (!caption.caseNumber.isEmpty()) keywords << QStringLiteral("Case No. ") + caption.caseNumber;
    keywords << form << QStringLiteral("Probate Court of Wendmoor County, Ohio");
    return {FormPdfTitle(entry), captionText(caption) + QStringLiteral(", ") + form,
            keywords.join(QStringLiteral("; "))};
}

PdfProperties PacketPdfProperties(const CaseCaption& caption) {
    QStringList keywords;
    if (!caption.caseNumber.isEmpty()) keywords << QStringLiteral("Case No. ") + caption.caseNumber;
    keywords << QStringLiteral("Probate Court of Wendmoor County, Ohio");
    return {captionText(caption), QStringLiteral("Forms for filing"),
            keywords.join(QStringLiteral("; "))};
}

QList<FormPdf> PlanFormPdfs(const QList<FormSpan>& spans, const CaseCaption& caption) {
    QList<FormPdf> forms;
    for (const FormSpan& span : spans)
        forms.append({FormPdfFileName(*span.entry), FormPdfProperties(*span.entry, caption), span});
    return forms;
}

int PdfPageCount(const QString& pdfPath) {
    int count = 0;
    qpdfStep(QStringLiteral("Cannot read the PDF %1").arg(pdfPath), [&] {
        QPDF pdf;
        pdf.processFile(local(pdfPath).c_str());
        count = int(QPDFPageDocumentHelper(pdf).getAllPages().size());
    });
    return count;
}

namespace {

// The PDF at source with the properties, saved as outPath.
void savePdfWithProperties(const QString& source, const QString& outPath,
                           const PdfProperties& properties) {
    QByteArray bytes;
    qpdfStep(QStringLiteral("Cannot set the properties of %1").arg(source), [&] {
        QPDF pdf;
        pdf.processFile(local(source).c_str());
        setInfo(pdf, properties);
        bytes = pdfBytes(pdf);
    });
    SaveFileAtomically(outPath, bytes);
}

}  // namespace

void SetPdfProperties(const QString& pdfPath, const PdfProperties& properties) {
    savePdfWithProperties(pdfPath, pdfPath, properties);
}

void WritePdfPages(const QString& packetPdf, int firstPage, int pageCount, const QString& outPath,
                   const PdfProperties& properties) {
    QByteArray bytes;
    qpdfStep(QStringLiteral("Cannot write the PDF %1").arg(outPath), [&] {
        QPDF in;
        in.processFile(local(packetPdf).c_str());
        const std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(in).getAllPages();
        if (firstPage < 0 || pageCount < 1 || size_t(firstPage + pageCount) > pages.size())
            throw std::runtime_error("the packet's PDF has too few pages");
        QPDF out;
        out.emptyPDF();
        QPDFPageDocumentHelper outPages(out);
        for (int k = firstPage; k < firstPage + pageCount; ++k)
            outPages.addPage(pages[size_t(k)], false);
        setInfo(out, properties);
        bytes = pdfBytes(out);
    });
    SaveFileAtomically(outPath, bytes);
}

QString FormDocument(const QString& packet, const FormSpan& span) {
    static const QString marker = QStringLiteral("\\'b7");
    const qsizetype header = packet.indexOf(marker);
    if (span.start == 0 || header < 0) return packet.left(span.end) + QStringLiteral("\r\n}");
    QString body = packet.mid(span.start, span.end - span.start);
    body.remove(0, QStringLiteral("\\page ").size());
    return packet.left(header + marker.size()) + body + QStringLiteral("\r\n}");
}

QStringList WriteFormPdfs(const QString& document, const QList<FormPdf>& forms,
                          const QString& folder, const QString& program) {
    QTemporaryDir work;
    if (!work.isValid()) throw DocumentError(QStringLiteral("No temporary folder for the PDFs."));
    QStringList written;
    if (forms.isEmpty()) return written;
    const QString packetRtf = QDir(work.path()).filePath(QStringLiteral("packet.rtf"));
    WriteRtfDocument(packetRtf, document);
    ConvertAllToPdf({packetRtf}, work.path(), program);
    const QString packetPdf = QDir(work.path()).filePath(QStringLiteral("packet.pdf"));
    const FormSpan& last = forms.back().span;
    const bool pagesMatch = PdfPageCount(packetPdf) == last.firstPage + last.pageCount;

    QStringList perFormPdfs;  // the converted documents, when the pages do not match
    if (!pagesMatch) {
        // A side ran over its page: the ranges do not hold, so each form is
        // converted as a document of its own, all in one run.
        QStringList rtfs;
        for (qsizetype k = 0; k < forms.size(); ++k) {
            const QString rtf = QDir(work.path()).filePath(QStringLiteral("form%1.rtf").arg(k));
            WriteRtfDocument(rtf, FormDocument(document, forms[k].span));
            rtfs << rtf;
            perFormPdfs << QDir(work.path()).filePath(QStringLiteral("form%1.pdf").arg(k));
        }
        ConvertAllToPdf(rtfs, work.path(), program);
    }
    // Every PDF is made in the work folder first: a failure there leaves the
    // folder untouched.
    QStringList made;
    for (qsizetype k = 0; k < forms.size(); ++k) {
        const FormPdf& form = forms[k];
        const QString out = QDir(work.path()).filePath(QStringLiteral("out/") + form.fileName);
        QDir().mkpath(QFileInfo(out).absolutePath());
        if (pagesMatch)
            WritePdfPages(packetPdf, form.span.firstPage, form.span.pageCount, out,
                          form.properties);
        else
            savePdfWithProperties(perFormPdfs[k], out, form.properties);
        made << out;
    }
    return PlaceFormPdfs(made, folder);
}

QStringList PlaceFormPdfs(const QStringList& made, const QString& folder) {
    QStringList written;
    for (const QString& pdf : made) {
        const QString out = QDir(folder).filePath(QFileInfo(pdf).fileName());
        try {
            CopyFileAtomically(pdf, out);
        } catch (const FileError& e) {
            throw DocumentError(
                QStringLiteral("%1 of the %2 PDFs were saved in %3 before this one failed (the "
                               "others were left as they were): %4")
                    .arg(written.size())
                    .arg(made.size())
                    .arg(QDir::toNativeSeparators(folder), e.text()));
        }
        written << out;
    }
    return written;
}

}  // namespace wm4
