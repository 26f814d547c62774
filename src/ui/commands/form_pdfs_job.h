#pragma once
// Saving one PDF per form without holding up the window: the packet is
// converted and split on a worker thread into a folder of the job's own; the
// PDFs are copied into the user's folder only when every one was written and
// the job was not cancelled.
#include <QObject>
#include <QString>
#include <QStringList>

#include "output/pdf/form_pdfs.h"

namespace wm4 {

class FormPdfsJob : public QObject {
    Q_OBJECT
public:
    FormPdfsJob(QString document, QList<FormPdf> forms, QString folder,
                QObject* parent = nullptr);

    void start();
    // The user gave up: no file is written and `finished` is not sent.
    void cancel() { m_cancelled = true; }

Q_SIGNALS:
    // ok: the PDFs (paths) are in the folder; else error says why.
    void finished(bool ok, const QStringList& paths, const QString& error);

private:
    QString m_document;
    QList<FormPdf> m_forms;
    QString m_folder;
    bool m_cancelled = false;
};

}  // namespace wm4
