#pragma once
// Saving a produced document as PDF without holding up the window:
// LibreOffice converts on a worker thread into a folder of the job's own;
// the PDF is copied to the user's file only when the conversion succeeded
// and was not cancelled. A cancelled conversion runs out in the background
// and leaves nothing behind.
#include <QObject>
#include <QString>
#include <memory>

class QTemporaryDir;
class QThread;

namespace wm4 {

class PdfExportJob : public QObject {
    Q_OBJECT
public:
    // rtfPath: the document to convert (kept by the caller until finished).
    PdfExportJob(QString rtfPath, QString pdfPath, QObject* parent = nullptr);
    ~PdfExportJob() override;

    // Starts the conversion; `finished` follows on the thread of this object.
    void start();
    // The user gave up: no file is written and `finished` is not sent.
    void cancel();
    bool isRunning() const { return m_running; }

Q_SIGNALS:
    // ok: the PDF was written to pdfPath; else error says why.
    void finished(bool ok, const QString& error);

private:
    void done(const QString& error);

    QString m_rtfPath;
    QString m_pdfPath;
    std::unique_ptr<QTemporaryDir> m_work;
    QThread* m_thread = nullptr;
    bool m_running = false;
    bool m_cancelled = false;
};

}  // namespace wm4
