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

#include "calc/casecheck/reduced_text.h"
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
    // then the packet of its ticks. Returns the RTF written, or empty. After
    // a packet that could not be made or opened the next dialog comes back
    // with the same forms ticked.
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
    // The fields the document just built prints as "REDUCE TEXT" (empty
    // when none): the window lists them under Problems.
    void fieldsReduced(const QList<ReducedText>& fields);
    // What a print command is doing while it runs; empty when it has ended.
    void activity(const QString& text);

private:
    DocumentPrinter& printer();
    QString packetDocument(const QSet<QString>& ticked);
    // Tells of the reduced fields of the document just built.
    void announceReduced();
    // " 2 fields print REDUCE TEXT ..." for the Save as PDF message; empty
    // when none.
    QString reducedNote() const;
    // Writes the send file and opens it; without a word processor tells the
    // user what to install. Returns the file, empty when nothing was written.
    QString send(const QString& document);
    // The packet command's end: the ticks are kept while it did not succeed.
    QString keepTicksUnlessSent(const QSet<QString>& ticked, const QString& sent);
    // Runs a command that may throw; shows the error and returns empty.
    QString guarded(const std::function<QString()>& command);

    CaseSession& m_session;
    Launcher& m_launcher;
    UserPrompts m_prompts;
    std::function<void()> m_takeOverScreen;
    QWidget* m_parent;
    bool m_wordFound = false;
    bool m_lastSendOpened = false;  // the last send file reached a program
    QSet<QString> m_failedTicks;    // the forms of the last packet that failed
    std::unique_ptr<DocumentPrinter> m_printer;
    QPointer<QProgressDialog> m_progress;
    // Check Case's rule "reduced-text" merges as these commands print.
    std::unique_ptr<ScopedReducedTextFinder> m_reducedFinder;
};

}  // namespace wm4
