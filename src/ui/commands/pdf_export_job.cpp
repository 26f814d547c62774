#include "ui/commands/pdf_export_job.h"

#include <QCoreApplication>
#include <QDir>
#include <QMetaObject>
#include <QPointer>
#include <QTemporaryDir>
#include <QThread>

#include "files/atomic_save.h"
#include "output/document/pdf_export.h"
#include "ui/commands/conversion_error.h"

namespace wm4 {

PdfExportJob::PdfExportJob(QString rtfPath, QString pdfPath, QObject* parent)
    : QObject(parent), m_rtfPath(std::move(rtfPath)), m_pdfPath(std::move(pdfPath)) {}

// A thread still converting owns its copies of the paths and its own folder;
// it is left to finish and deletes itself.
PdfExportJob::~PdfExportJob() = default;

void PdfExportJob::start() {
    if (!PdfConversionAvailable()) {
        done(
            QStringLiteral("LibreOffice is not installed, so the forms cannot be saved as PDF. "
                           "Install the package libreoffice-writer (or "
                           "libreoffice-writer-nogui) and try again."));
        return;
    }
    m_work = std::make_unique<QTemporaryDir>();
    if (!m_work->isValid()) {
        done(QStringLiteral("No temporary folder for the PDF conversion."));
        return;
    }
    const QString rtf = m_rtfPath;
    const QString pdf = QDir(m_work->path()).filePath(QStringLiteral("packet.pdf"));
    // The temporary folder moves to the thread, which removes it at its end.
    auto work = std::shared_ptr<QTemporaryDir>(m_work.release());
    QPointer<PdfExportJob> self(this);
    m_running = true;
    m_thread = QThread::create([rtf, pdf, work, self] {
        const QString error = ConversionErrorText([&] { ConvertToPdf(rtf, pdf); });
        // Back on the application's thread: the job may be gone by then.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, error, pdf, work] {
                if (!self) return;
                QString failure = error;
                // The previous PDF stays whole until the new one is.
                if (failure.isEmpty() && !self->m_cancelled)
                    failure =
                        ConversionErrorText([&] { CopyFileAtomically(pdf, self->m_pdfPath); });
                self->done(failure);
            },
            Qt::QueuedConnection);
    });
    connect(m_thread, &QThread::finished, m_thread, &QObject::deleteLater);
    connect(m_thread, &QThread::finished, this, [this] { m_thread = nullptr; });
    m_thread->start();
}

void PdfExportJob::cancel() {
    m_cancelled = true;
}

void PdfExportJob::done(const QString& error) {
    m_running = false;
    if (m_cancelled) return;
    Q_EMIT finished(error.isEmpty(), error);
}

}  // namespace wm4
