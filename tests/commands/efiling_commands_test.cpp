// The desktop's options for filing electronically: the Preferences boxes,
// the options file beside the settings file, the print commands that follow
// it, and Save as PDF with one PDF per form.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QSignalSpy>

#include "app/commands.h"
#include "commands/commands_fixture.h"
#include "files/filing_options.h"
#include "output/document/pdf_export.h"
#include "support/file_bytes.h"
#include "ui/commands/form_pdfs_job.h"
#include "ui/commands/print_commands.h"
#include "ui/dialogs/preference_dlg.h"

namespace wm4 {
namespace {

using test::readAll;

using test::CommandsTest;

class EfilingCommandsTest : public CommandsTest {
protected:
    void SetUp() override {
        CommandsTest::SetUp();
        session->settings().ForceWordPad = true;
        session->settings().SettingsFolder = temp.filePath(QStringLiteral("config"));
        UserPrompts prompts;
        prompts.inform = [this](const QString& text) { messages << text; };
        print = std::make_unique<PrintCommands>(*session, launcher, prompts, nullptr, nullptr);
    }

    std::unique_ptr<PrintCommands> print;
    QStringList messages;
};

TEST_F(EfilingCommandsTest, OptionsFileKeepsBothOptionsAndDefaultsToOff) {
    const QString folder = session->settings().SettingsFolder;
    EXPECT_EQ(ReadFilingOptions(folder), FilingOptions{}) << "no file: both off";
    ASSERT_TRUE(WriteFilingOptions(folder, {true, false}));
    EXPECT_EQ(ReadFilingOptions(folder), (FilingOptions{true, false}));
    ASSERT_TRUE(WriteFilingOptions(folder, {false, true}));
    EXPECT_EQ(ReadFilingOptions(folder), (FilingOptions{false, true}));
    EXPECT_TRUE(QFile::exists(QDir(folder).filePath(QStringLiteral("efiling.ini"))));
}

TEST_F(EfilingCommandsTest, PreferencesTickAndKeepTheOptions) {
    QList<FilingOptions> kept;
    TfrmPreferenceDlg::Hooks hooks;
    hooks.changeFilingOptions = [&](const FilingOptions& options) { kept << options; };
    TfrmPreferenceDlg dialog(session->settings(), true, true, hooks);
    dialog.showFilingOptions({false, true});
    auto* addenda = dialog.findChild<QCheckBox*>(QStringLiteral("cbxAddenda"));
    auto* typed = dialog.findChild<QCheckBox*>(QStringLiteral("cbxTypedSignatures"));
    ASSERT_TRUE(addenda && typed);
    EXPECT_FALSE(addenda->isChecked());
    EXPECT_TRUE(typed->isChecked());
    EXPECT_TRUE(kept.isEmpty()) << "showing the options changes nothing";
    addenda->setChecked(true);
    typed->setChecked(false);
    EXPECT_EQ(kept, (QList<FilingOptions>{{true, true}, {true, false}}));
}

TEST_F(EfilingCommandsTest, PrintFollowsTheOptionsFileAsTheCommandLineFollowsItsSwitches) {
    const QSet<QString> ticked{QStringLiteral("cbxFiduciarysAcceptance")};
    QString sent = print->SendPacket(ticked);
    EXPECT_FALSE(readAll(sent).contains("/s/"));

    ASSERT_TRUE(WriteFilingOptions(session->settings().SettingsFolder, {false, true}));
    sent = print->SendPacket(ticked);
    const QByteArray window = readAll(sent);
    EXPECT_TRUE(window.contains("/s/ Caroline W. Ashby"));

    const QString out = temp.filePath(QStringLiteral("command_line.rtf"));
    ASSERT_EQ(RunCommand({QStringLiteral("print"), test::richSamplePath(), out,
                          QStringLiteral("--forms"), QStringLiteral("cbxFiduciarysAcceptance"),
                          QStringLiteral("--typed-signatures"), QStringLiteral("--data"),
                          QStringLiteral(WM4_SOURCE_DATA_DIR)}),
              0);
    EXPECT_EQ(window, readAll(out));
}

TEST_F(EfilingCommandsTest, SaveOnePdfPerFormWithLibreOfficeInTheBackground) {
    if (!PdfConversionAvailable()) GTEST_SKIP() << "LibreOffice is not installed";
    const QString folder = temp.filePath(QStringLiteral("pdfs"));
    ASSERT_TRUE(QDir().mkpath(folder));
    QSignalSpy saved(print.get(), &PrintCommands::formPdfsSaved);
    FormPdfsJob* job =
        print->SaveFormsAsPdfs({QStringLiteral("cbx2_0"), QStringLiteral("cbx2_2")}, folder);
    ASSERT_TRUE(job);
    ASSERT_TRUE(saved.wait(300'000));
    EXPECT_TRUE(saved[0][0].toBool()) << saved[0][2].toString().toStdString();
    const QStringList paths = saved[0][1].toStringList();
    ASSERT_EQ(paths.size(), 2);
    EXPECT_EQ(paths[0], QDir(folder).filePath(QStringLiteral("2.0 Application to Probate Will.pdf")));
    EXPECT_EQ(paths[1], QDir(folder).filePath(QStringLiteral("2.2 Notice of Probate.pdf")));
    for (const QString& pdf : paths) EXPECT_TRUE(readAll(pdf).startsWith("%PDF")) << pdf.toStdString();
    EXPECT_TRUE(messages.last().startsWith(QStringLiteral("2 PDFs, one per form, were saved")));
}

}  // namespace
}  // namespace wm4
