#include "ui/commands/form_pdfs_job.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>
#include <QTemporaryDir>
#include <QThread>
#include <memory>

#include "output/document/pdf_export.h"
#include "ui/commands/conversion_error.h"

namespace wm4 {

FormPdfsJob::FormPdfsJob(QString document, QList<FormPdf> forms, QString folder, QObject* parent)
    : QObject(parent),
      m_document(std::move(document)),
      m_forms(std::move(forms)),
      m_folder(std::move(folder)) {}

void FormPdfsJob::start() {
    if (!PdfConversionAvailable()) {
        Q_EMIT finished(false, {},
                        QStringLiteral("LibreOffice is not installed, so the forms cannot be "
                                       "saved as PDF. Install the package libreoffice-writer "
                                       "(or libreoffice-writer-nogui) and try again."));
        return;
    }
    auto work = std::make_shared<QTemporaryDir>();
    if (!work->isValid()) {
        Q_EMIT finished(false, {}, QStringLiteral("No temporary folder for the PDF conversion."));
        return;
    }
    QPointer<FormPdfsJob> self(this);
    QThread* thread = QThread::create([document = m_document, forms = m_forms, work, self] {
        QStringList made;
        const QString error = ConversionErrorText(
            [&] { made = WriteFormPdfs(document, forms, work->path()); });
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, error, made, work] {
                if (!self || self->m_cancelled) return;
                QStringList paths;
                const QString failure =
                    error.isEmpty()
                        ? ConversionErrorText([&] { paths = PlaceFormPdfs(made, self->m_folder); })
                        : error;
                Q_EMIT self->finished(failure.isEmpty(), failure.isEmpty() ? paths : QStringList(),
                                      failure);
            },
            Qt::QueuedConnection);
    });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}

}  // namespace wm4
