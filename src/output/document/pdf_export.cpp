#include "output/document/pdf_export.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>

#include "files/atomic_save.h"
#include "output/document/document_error.h"
#include "output/document/word_processor.h"

namespace wm4 {

namespace {

constexpr int ConversionTimeoutMs = 300'000;

QString producedPdf(const QString& outFolder, const QString& rtfPath) {
    return QDir(outFolder).filePath(QFileInfo(rtfPath).completeBaseName() +
                                    QStringLiteral(".pdf"));
}

// One LibreOffice run with a fresh profile. Returns an empty text when every
// document was converted, else what went wrong.
QString convertOnce(const QString& program, const QStringList& rtfPaths,
                    const QString& outFolder) {
    QTemporaryDir profile;
    if (!profile.isValid()) return QStringLiteral("no temporary folder for its profile");
    for (const QString& rtf : rtfPaths) QFile::remove(producedPdf(outFolder, rtf));

    QStringList args{
        QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(profile.path()).toString(),
        QStringLiteral("--headless"), QStringLiteral("--norestore"),
        QStringLiteral("--convert-to"), QStringLiteral("pdf"), QStringLiteral("--outdir"),
        outFolder};
    for (const QString& rtf : rtfPaths) args << QFileInfo(rtf).absoluteFilePath();

    QProcess soffice;
    soffice.setProcessChannelMode(QProcess::MergedChannels);
    soffice.start(program, args);
    if (!soffice.waitForStarted())
        return QStringLiteral("%1 did not start (%2)").arg(program, soffice.errorString());
    if (!soffice.waitForFinished(ConversionTimeoutMs)) {
        soffice.kill();
        soffice.waitForFinished();
        return QStringLiteral("LibreOffice did not finish within %1 s")
            .arg(ConversionTimeoutMs / 1000);
    }
    const QString said = QString::fromLocal8Bit(soffice.readAll()).trimmed();
    if (soffice.exitStatus() != QProcess::NormalExit)
        return QStringLiteral("LibreOffice crashed: %1").arg(said);
    if (soffice.exitCode() != 0)
        return QStringLiteral("LibreOffice ended with status %1: %2")
            .arg(soffice.exitCode())
            .arg(said);
    for (const QString& rtf : rtfPaths)
        if (!QFileInfo::exists(producedPdf(outFolder, rtf)))
            return QStringLiteral("LibreOffice wrote no PDF of %1: %2").arg(rtf, said);
    return QString();
}

QString officeProgram(const QString& program) {
    if (!program.isEmpty()) return program;
    const WordSearch office = FindWordExe();
    if (!office.found) {
        throw DocumentError(QStringLiteral(
            "Cannot convert to PDF: LibreOffice is not installed (soffice was not found). "
            "Install the package libreoffice-writer-nogui (or libreoffice-writer)."));
    }
    return office.path;
}

}  // namespace

bool PdfConversionAvailable() {
    return FindWordExe().found;
}

void ConvertAllToPdf(const QStringList& rtfPaths, const QString& outFolder,
                     const QString& program) {
    const QString office = officeProgram(program);
    for (const QString& rtf : rtfPaths)
        if (!QFileInfo(rtf).isFile())
            throw DocumentError(
                QStringLiteral("Cannot convert to PDF: %1 does not exist.").arg(rtf));

    QString failure = convertOnce(office, rtfPaths, outFolder);
    if (!failure.isEmpty()) failure = convertOnce(office, rtfPaths, outFolder);
    if (!failure.isEmpty()) {
        throw DocumentError(QStringLiteral("LibreOffice could not convert %1 to PDF (tried twice): %2")
                                .arg(rtfPaths.join(QStringLiteral(", ")), failure));
    }
}

void ConvertToPdf(const QString& rtfPath, const QString& pdfPath) {
    QTemporaryDir outFolder;
    if (!outFolder.isValid())
        throw DocumentError(QStringLiteral("Cannot convert to PDF: no temporary folder."));
    ConvertAllToPdf({rtfPath}, outFolder.path());
    // The previous PDF stays whole until the new one is.
    CopyFileAtomically(producedPdf(outFolder.path(), rtfPath), pdfPath);
}

}  // namespace wm4
