#include "output/document/pdf_export.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>

#include "output/document/document_error.h"
#include "output/document/word_processor.h"

namespace wm4 {

namespace {
constexpr int ConversionTimeoutMs = 180'000;
}

bool PdfConversionAvailable() {
    return FindWordExe().found;
}

void ConvertToPdf(const QString& rtfPath, const QString& pdfPath) {
    const WordSearch office = FindWordExe();
    if (!office.found) {
        throw DocumentError(QStringLiteral(
            "Cannot convert to PDF: LibreOffice is not installed (soffice was not found). "
            "Install the package libreoffice-writer-nogui (or libreoffice-writer)."));
    }
    const QFileInfo source(rtfPath);
    if (!source.isFile()) {
        throw DocumentError(
            QStringLiteral("Cannot convert to PDF: %1 does not exist.").arg(rtfPath));
    }
    QTemporaryDir profile;
    QTemporaryDir outFolder;
    if (!profile.isValid() || !outFolder.isValid()) {
        throw DocumentError(QStringLiteral("Cannot convert to PDF: no temporary folder."));
    }

    QProcess soffice;
    soffice.setProcessChannelMode(QProcess::MergedChannels);
    soffice.start(
        office.path,
        {QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(profile.path()).toString(),
         QStringLiteral("--headless"), QStringLiteral("--norestore"),
         QStringLiteral("--convert-to"), QStringLiteral("pdf"), QStringLiteral("--outdir"),
         outFolder.path(), source.absoluteFilePath()});
    if (!soffice.waitForStarted()) {
        throw DocumentError(
            QStringLiteral("Cannot convert to PDF: %1 did not start.").arg(office.path));
    }
    if (!soffice.waitForFinished(ConversionTimeoutMs)) {
        soffice.kill();
        soffice.waitForFinished();
        throw DocumentError(QStringLiteral("Cannot convert to PDF: LibreOffice did not finish "
                                           "converting %1.")
                                .arg(rtfPath));
    }
    const QString output = QString::fromLocal8Bit(soffice.readAll()).trimmed();
    const QString produced =
        QDir(outFolder.path()).filePath(source.completeBaseName() + QStringLiteral(".pdf"));
    if (soffice.exitStatus() != QProcess::NormalExit || soffice.exitCode() != 0 ||
        !QFileInfo::exists(produced)) {
        throw DocumentError(
            QStringLiteral("LibreOffice could not convert %1 to PDF. %2").arg(rtfPath, output));
    }
    QFile::remove(pdfPath);
    if (!QFile::copy(produced, pdfPath)) {
        throw DocumentError(QStringLiteral("Cannot write the PDF %1.").arg(pdfPath));
    }
}

}  // namespace wm4
