#include "ui/commands/print_commands.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPointer>
#include <QProgressDialog>
#include <QScopeGuard>
#include <QTemporaryFile>

#include "files/filing_options.h"
#include "files/same_file.h"
#include "output/document/document_error.h"
#include "output/document/document_printer.h"
#include "output/document/send_document.h"
#include "output/document/word_processor.h"
#include "output/pdf/form_pdfs.h"
#include "output/textfit/text_wrapper.h"
#include "session/case_session.h"
#include "ui/commands/form_pdfs_job.h"
#include "ui/commands/launcher.h"
#include "ui/commands/pdf_export_job.h"
#include "ui/dialogs/select_forms_dlg.h"

namespace wm4 {

namespace {

// The hourglass while a document is built, restored also on failure.
auto busyCursor() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    return qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
}

constexpr const char* BuildingPacket = "Building the forms for the word processor...";
constexpr const char* BuildingPage = "Building the page for the word processor...";
constexpr const char* BuildingWorksheet = "Building the worksheet printout...";
constexpr const char* SavingPdf = "Saving the forms as PDF with LibreOffice...";

}  // namespace

PrintCommands::PrintCommands(CaseSession& session, Launcher& launcher, UserPrompts prompts,
                             std::function<void()> takeOverScreen, QWidget* parent)
    : QObject(parent),
      m_session(session),
      m_launcher(launcher),
      m_prompts(std::move(prompts)),
      m_takeOverScreen(std::move(takeOverScreen)),
      m_parent(parent) {
    // The printer merges from the case it was made for; a new case needs a
    // new one.
    connect(&m_session, &CaseSession::caseReplaced, this, [this] { m_printer.reset(); });
    // Every calculation of the desktop continues lists on addenda, rather
    // than cutting them, while the Preferences say so.
    m_session.setAddendaSwitch([this] {
        return ReadFilingOptions(m_session.settings().SettingsFolder).addenda;
    });
    m_reducedFinder = std::make_unique<ScopedReducedTextFinder>([this](const CaseData& data) {
        const ProgramSettings& s = m_session.settings();
        try {
            return FindReducedTexts(data, m_session.wrapper().measurer(), s.RTFFolder, s.DATFolder,
                                    s.PSFFolder, ReadFilingOptions(s.SettingsFolder));
        } catch (const std::exception&) {
            return QList<ReducedText>();  // a print of the same forms says what is wrong
        }
    });
}

PrintCommands::~PrintCommands() = default;

DocumentPrinter& PrintCommands::printer() {
    if (!m_printer)
        m_printer = std::make_unique<DocumentPrinter>(
            m_session.data(), m_session.wrapper().measurer(), m_session.settings().RTFFolder,
            m_session.settings().DATFolder);
    m_printer->setScreenFolder(m_session.settings().PSFFolder);
    // The Preferences may have changed the filing options since the last print.
    m_printer->setFilingOptions(ReadFilingOptions(m_session.settings().SettingsFolder));
    return *m_printer;
}

QString PrintCommands::guarded(const std::function<QString()>& command) {
    try {
        return command();
    } catch (const DocumentError& e) {
        m_prompts.inform(e.text());
    } catch (const std::exception& e) {
        m_prompts.inform(QString::fromUtf8(e.what()));
    }
    return QString();
}

QString PrintCommands::packetDocument(const QSet<QString>& ticked) {
    if (m_takeOverScreen) m_takeOverScreen();
    const RunOutcome outcome = m_session.calculate();
    Q_EMIT calculated();
    // A run stopped at a fault left forms half calculated: nothing is
    // printed from it, and the user reads why, as the command line says it.
    if (!outcome.finished)
        throw DocumentError(StoppedRunText(outcome) + QStringLiteral(" No forms were printed."));
    QString document = printer().PacketDocument(ticked);
    announceReduced();
    return document;
}

void PrintCommands::announceReduced() {
    Q_EMIT fieldsReduced(printer().reducedTexts());
}

QString PrintCommands::reducedNote() const {
    const qsizetype count = m_printer ? m_printer->reducedTexts().size() : 0;
    if (count == 0) return QString();
    return QStringLiteral(
               "\n\n%1 printed as REDUCE TEXT: too long for the field at every type "
               "size. The Problems list names each one; shorten them, or turn on "
               "continuation addenda in Preferences.")
        .arg(count == 1 ? QStringLiteral("1 field was")
                        : QStringLiteral("%1 fields were").arg(count));
}

namespace {

// Forwards to the launcher and remembers whether a program was started.
class ObservedLauncher : public ProgramLauncher {
public:
    explicit ObservedLauncher(ProgramLauncher& next) : m_next(next) {}
    bool startProgram(const QString& program, const QStringList& arguments,
                      const QString& folder) override {
        return started = m_next.startProgram(program, arguments, folder);
    }
    bool openWithDefaultApplication(const QString& path) override {
        return started = m_next.openWithDefaultApplication(path);
    }
    bool started = false;

private:
    ProgramLauncher& m_next;
};

QString noWordProcessorText(const QString& path) {
    return QStringLiteral(
               "LibreOffice Writer was not found, so the document cannot be opened.\n\n"
               "Install LibreOffice Writer (the Debian package \"%1\", for instance with "
               "\"sudo apt install %1\") and start Wendmoor4 again, or choose Options > "
               "Force Default RTF Viewer to open documents in the desktop's program for RTF "
               "files.\n\nThe document was written to %2.")
        .arg(WriterPackage.toString(), QDir::toNativeSeparators(path));
}

}  // namespace

QString PrintCommands::send(const QString& document) {
    const ProgramSettings& settings = m_session.settings();
    m_lastSendOpened = false;
    if (WordProcessorProgram(settings, m_wordFound).isEmpty()) {
        const QString path = SendFilePath(settings.TempFolder);
        WriteRtfDocument(path, document);
        m_prompts.inform(noWordProcessorText(path));
        return path;
    }
    ObservedLauncher launcher(m_launcher);
    const QString path = SendDocument(document, settings, m_wordFound, launcher);
    m_lastSendOpened = launcher.started;
    return path;
}

QString PrintCommands::keepTicksUnlessSent(const QSet<QString>& ticked, const QString& sent) {
    if (!sent.isEmpty() && m_lastSendOpened)
        m_failedTicks.clear();
    else
        m_failedTicks = ticked;
    return sent;
}

QString PrintCommands::PrintForms(int currentPage) {
    TfrmSelectedForms dialog(currentPage, m_parent);
    dialog.tickForms(m_failedTicks);
    if (dialog.exec() != QDialog::Accepted) return QString();
    const QSet<QString> ticked = dialog.tickedForms();
    if (dialog.choice() == TfrmSelectedForms::Choice::SavePdf) {
        const QString suggested =
            QDir(m_session.settings().ClientFolder)
                .filePath(m_session.fileName().isEmpty()
                              ? QStringLiteral("forms.pdf")
                              : QFileInfo(m_session.fileName()).completeBaseName() +
                                    QStringLiteral(".pdf"));
        if (dialog.pdfPerForm()) {
            const auto folder = m_prompts.folder(QStringLiteral("Save one PDF per form"),
                                                 m_session.settings().ClientFolder);
            if (folder) SaveFormsAsPdfs(ticked, *folder);
            return QString();
        }
        const auto path = m_prompts.pdfFile(QStringLiteral("Save as PDF"), suggested);
        if (path && IsSameFile(*path, m_session.fileName())) {
            m_prompts.inform(QStringLiteral("\"%1\" is the case file itself. Save the PDF under "
                                            "another name.")
                                 .arg(QDir::toNativeSeparators(*path)));
            m_failedTicks = ticked;
            return QString();
        }
        if (path && !SavePacketAsPdf(ticked, *path)) m_failedTicks = ticked;
        return QString();
    }
    return keepTicksUnlessSent(ticked, SendPacket(ticked));
}

QString PrintCommands::SendPacket(const QSet<QString>& ticked) {
    Q_EMIT activity(QString::fromLatin1(BuildingPacket));
    const auto done = qScopeGuard([this] { Q_EMIT activity(QString()); });
    return guarded([&] {
        const auto cursor = busyCursor();
        return send(packetDocument(ticked));
    });
}

PdfExportJob* PrintCommands::SavePacketAsPdf(const QSet<QString>& ticked, const QString& pdfPath) {
    // The packet is written beside the send file; the conversion reads it
    // while the user goes on working.
    const QString rtf = guarded([&] {
        const auto cursor = busyCursor();
        const QString document = packetDocument(ticked);
        QDir().mkpath(m_session.settings().TempFolder);
        const QString path =
            QDir(m_session.settings().TempFolder).filePath(QStringLiteral("pdf_packet.rtf"));
        WriteRtfDocument(path, document);
        return path;
    });
    if (rtf.isEmpty()) return nullptr;
    const QString note = reducedNote();  // of this packet, whatever prints meanwhile

    Q_EMIT activity(QString::fromLatin1(SavingPdf));
    auto* job = new PdfExportJob(rtf, pdfPath, this);
    m_progress = new QProgressDialog(QStringLiteral("Saving the forms as PDF with LibreOffice..."),
                                     QStringLiteral("Cancel"), 0, 0, m_parent);
    m_progress->setWindowTitle(QStringLiteral("Save as PDF"));
    m_progress->setAccessibleName(QStringLiteral("Save as PDF"));
    m_progress->setWindowModality(Qt::NonModal);
    m_progress->setMinimumDuration(0);
    m_progress->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_progress, &QProgressDialog::canceled, job, [this, job] {
        job->cancel();
        job->deleteLater();
        Q_EMIT activity(QString());
    });
    connect(job, &PdfExportJob::finished, this,
            [this, job, pdfPath, note](bool ok, const QString& error) {
                if (m_progress) {
                    m_progress->disconnect(job);
                    m_progress->close();
                }
                job->deleteLater();
                Q_EMIT activity(QString());
                Q_EMIT pdfSaved(ok, ok ? pdfPath : error);
                m_prompts.inform(
                    ok ? QStringLiteral("The forms were saved as %1.").arg(pdfPath) + note
                       : QStringLiteral("The forms could not be saved as PDF.\n\n") + error);
            });
    m_progress->show();
    job->start();
    return job;
}

FormPdfsJob* PrintCommands::SaveFormsAsPdfs(const QSet<QString>& ticked, const QString& folder) {
    QList<FormPdf> forms;
    const QString document = guarded([&] {
        const auto cursor = busyCursor();
        QString packet = packetDocument(ticked);
        forms = PlanFormPdfs(printer().packet().formSpans(), CaptionOf(m_session.data().answers));
        return packet;
    });
    if (document.isEmpty()) return nullptr;
    const QString note = reducedNote();

    Q_EMIT activity(QString::fromLatin1(SavingPdf));
    auto* job = new FormPdfsJob(document, forms, folder, this);
    auto* progress =
        new QProgressDialog(QStringLiteral("Saving one PDF per form with LibreOffice..."),
                            QStringLiteral("Cancel"), 0, 0, m_parent);
    progress->setWindowTitle(QStringLiteral("Save as PDF"));
    progress->setAccessibleName(QStringLiteral("Save as PDF"));
    progress->setWindowModality(Qt::NonModal);
    progress->setMinimumDuration(0);
    progress->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<QProgressDialog> shown(progress);
    connect(progress, &QProgressDialog::canceled, job, [this, job] {
        job->cancel();
        job->deleteLater();
        Q_EMIT activity(QString());
    });
    connect(
        job, &FormPdfsJob::finished, this,
        [this, job, shown, folder, note](bool ok, const QStringList& paths, const QString& error) {
            if (shown) {
                shown->disconnect(job);
                shown->close();
            }
            job->deleteLater();
            Q_EMIT activity(QString());
            Q_EMIT formPdfsSaved(ok, paths, error);
            m_prompts.inform(ok ? QStringLiteral("%1 PDFs, one per form, were saved in %2.")
                                          .arg(paths.size())
                                          .arg(folder) +
                                      note
                                : QStringLiteral("The forms could not be saved as PDF.\n\n") +
                                      error);
        });
    progress->show();
    job->start();
    return job;
}

QString PrintCommands::QuickPrint(int page, int copy) {
    Q_EMIT activity(QString::fromLatin1(BuildingPage));
    const auto done = qScopeGuard([this] { Q_EMIT activity(QString()); });
    return guarded([&] {
        const auto cursor = busyCursor();
        if (m_takeOverScreen) m_takeOverScreen();
        const QString document = printer().PageDocument(page, copy);
        announceReduced();
        return send(document);
    });
}

QString PrintCommands::PrintWorksheet(WorksheetKind kind) {
    Q_EMIT activity(QString::fromLatin1(BuildingWorksheet));
    const auto done = qScopeGuard([this] { Q_EMIT activity(QString()); });
    return guarded([&] {
        const auto cursor = busyCursor();
        m_session.storeOpenWorksheets();
        return send(printer().WorksheetDocument(kind, m_session.wrapper(), m_session.fileName()));
    });
}

void PrintCommands::ForceWord() {
    ToggleForceWord(m_session.settings());
}

void PrintCommands::ForceWordPad() {
    ToggleForceWordPad(m_session.settings());
}

bool PrintCommands::FindWord() {
    QProgressDialog progress(QStringLiteral("Looking for LibreOffice Writer"), QString(), 0, 100,
                             m_parent);
    progress.setWindowTitle(QStringLiteral("Find LibreOffice Writer"));
    progress.setMinimumDuration(0);
    progress.setWindowModality(Qt::WindowModal);
    const auto cursor = busyCursor();
    return FindWordInTrees(m_session.settings(),
                           [&progress](int percent) { progress.setValue(percent); });
}

}  // namespace wm4
