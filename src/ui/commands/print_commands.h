#pragma once
// The window's print commands: Print Forms (the Select Forms dialog, a full
// calculation with the screen's values, the packet in the word processor or
// saved as PDF), the page on display, the worksheet printouts, and the word
// processor's items (Force LibreOffice Writer, Force Default RTF Viewer,
// Find LibreOffice Writer). Documents are built by the engine's
// DocumentPrinter, the same one the command line prints with.
#include <QObject>
#include <QPointer>
#include <QProgressDialog>
#include <QSet>
#include <functional>
#include <memory>

#include "output/document/worksheet_printout.h"
#include "ui/commands/user_prompts.h"

class QWidget;

namespace wm4 {

class CaseSession;
class DocumentPrinter;
class Launcher;
class PdfExportJob;
class FormPdfsJob;

class PrintCommands : public QObject {
    Q_OBJECT
public:
    // takeOverScreen: copies the controls of the page on display into the
    // answers (the calculation then sees what the user typed).
    PrintCommands(CaseSession& session, Launcher& launcher, UserPrompts prompts,
                  std::function<void()> takeOverScreen, QWidget* parent);
    ~PrintCommands() override;

    // The Word-found flag of start-up (SetUpWordProcessor).
    void setWordFound(bool found) { m_wordFound = found; }
    bool wordFound() const { return m_wordFound; }

    // "Print Forms ...": the Select Forms dialog for the page on display,
    // then the packet of its ticks. Returns the RTF written, or empty.
    QString PrintForms(int currentPage);
    // The packet of the ticked check boxes: the calculation with the screen's
    // values, then the send file opened in the word processor.
    QString SendPacket(const QSet<QString>& ticked);
    // The same packet saved as `pdfPath` by LibreOffice in the background,
    // with a progress dialog that can cancel it. Returns the running job.
    PdfExportJob* SavePacketAsPdf(const QSet<QString>& ticked, const QString& pdfPath);
    // The same packet saved as one PDF per form in `folder` (one LibreOffice
    // run, then split), in the background. Returns the running job.
    FormPdfsJob* SaveFormsAsPdfs(const QSet<QString>& ticked, const QString& folder);
    // "Print": the page copy on display, merged as it stands.
    QString QuickPrint(int page, int copy);
    // "Print Worksheets": one worksheet's printout (open worksheet windows
    // are stored first).
    QString PrintWorksheet(WorksheetKind kind);

    void ForceWord();
    void ForceWordPad();
    // Searches the program folders for LibreOffice with a progress dialog.
    bool FindWord();

    QProgressDialog* pdfProgress() const { return m_progress; }

Q_SIGNALS:
    // After the calculation of a print command (the window shows the page
    // again with its derived answers).
    void calculated();
    // A PDF was written (or the conversion failed: ok false with the reason).
    void pdfSaved(bool ok, const QString& pathOrError);
    // The PDFs of the forms were written (or failed: ok false, error says why).
    void formPdfsSaved(bool ok, const QStringList& paths, const QString& error);

private:
    DocumentPrinter& printer();
    QString packetDocument(const QSet<QString>& ticked);
    QString send(const QString& document);
    // Runs a command that may throw; shows the error and returns empty.
    QString guarded(const std::function<QString()>& command);

    CaseSession& m_session;
    Launcher& m_launcher;
    UserPrompts m_prompts;
    std::function<void()> m_takeOverScreen;
    QWidget* m_parent;
    bool m_wordFound = false;
    std::unique_ptr<DocumentPrinter> m_printer;
    QPointer<QProgressDialog> m_progress;
};

}  // namespace wm4
