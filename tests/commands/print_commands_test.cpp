#include "ui/commands/print_commands.h"

#include <QCheckBox>
#include <QFile>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>

#include "app/commands.h"
#include "case/worksheet_columns.h"
#include "commands/commands_fixture.h"
#include "mainwindow/window_fixture.h"
#include "output/document/pdf_export.h"
#include "support/file_bytes.h"
#include "ui/dialogs/select_forms_dlg.h"

namespace wm4 {
namespace {

using test::readAll;

using test::CommandsTest;

class PrintCommandsTest : public CommandsTest {
protected:
    void SetUp() override {
        CommandsTest::SetUp();
        // The desktop's default program for RTF, recorded.
        session->settings().ForceWordPad = true;
        UserPrompts prompts;
        prompts.inform = [this](const QString& text) { messages << text; };
        print = std::make_unique<PrintCommands>(*session, launcher, prompts, nullptr, nullptr);
    }

    QByteArray commandLinePrint(const QStringList& options) {
        const QString out = temp.filePath(QStringLiteral("command_line.rtf"));
        QStringList args{QStringLiteral("print"), test::richSamplePath(), out};
        args << options << QStringLiteral("--data") << QStringLiteral(WM4_SOURCE_DATA_DIR);
        EXPECT_EQ(RunCommand(args), 0);
        return readAll(out);
    }

    std::unique_ptr<PrintCommands> print;
    QStringList messages;
};

TEST_F(PrintCommandsTest, ThePacketIsTheOneTheCommandLinePrints) {
    const QSet<QString> ticked{QStringLiteral("cbx6_0"), QStringLiteral("cbx6_1"),
                               QStringLiteral("cbx1_0"), QStringLiteral("cbxWill")};
    const QString sent = print->SendPacket(ticked);
    ASSERT_FALSE(sent.isEmpty()) << messages.join('\n').toStdString();
    EXPECT_EQ(sent, temp.filePath(QStringLiteral("send_temp.rtf")));
    ASSERT_EQ(launcher.urls.size(), 1);
    EXPECT_EQ(launcher.urls[0], QUrl::fromLocalFile(sent));
    const QByteArray window = readAll(sent);
    EXPECT_GT(window.size(), 1000);
    EXPECT_EQ(window, commandLinePrint({QStringLiteral("--forms"),
                                        QStringLiteral("cbx1_0,cbx6_0,cbx6_1,cbxWill")}));
}

// A run stopped at a fault prints nothing, and says why as the command line
// does; the PDF export is never started.
TEST_F(PrintCommandsTest, ARunStoppedAtAFaultPrintsNoPacket) {
    WorksheetStore& assets = session->data().ASchedList;
    const int row = assets.rowCount();
    assets.setRowCount(row + 1);
    assets.setCell(assetColumn::Description, row, QStringLiteral("Uncategorised stamps"));
    assets.setCell(assetColumn::ToForm6_0, row, QStringLiteral("X"));
    EXPECT_TRUE(print->SendPacket({QStringLiteral("cbx6_0")}).isEmpty());
    EXPECT_TRUE(launcher.urls.isEmpty());
    EXPECT_EQ(print->SavePacketAsPdf({QStringLiteral("cbx6_0")}, temp.filePath("forms.pdf")),
              nullptr);
    ASSERT_EQ(messages.size(), 2);
    for (const QString& message : messages) {
        EXPECT_TRUE(message.startsWith(QStringLiteral("The calculation stopped after report ")))
            << message.toStdString();
        EXPECT_TRUE(message.endsWith(QStringLiteral("No forms were printed.")));
    }
}

TEST_F(PrintCommandsTest, ThePageOnDisplayIsTheOneTheCommandLinePrints) {
    const QString sent = print->QuickPrint(28, 0);
    ASSERT_FALSE(sent.isEmpty()) << messages.join('\n').toStdString();
    EXPECT_EQ(readAll(sent), commandLinePrint({QStringLiteral("--page"), QStringLiteral("28")}));
}

TEST_F(PrintCommandsTest, WorksheetPrintoutsGoToTheWordProcessor) {
    for (WorksheetKind kind :
         {WorksheetKind::Kin, WorksheetKind::Asset, WorksheetKind::Expense, WorksheetKind::Time}) {
        const QString sent = print->PrintWorksheet(kind);
        ASSERT_FALSE(sent.isEmpty()) << messages.join('\n').toStdString();
        EXPECT_TRUE(readAll(sent).startsWith("{\\rtf"));
    }
    EXPECT_EQ(launcher.urls.size(), 4);
}

TEST_F(PrintCommandsTest, WriterIsStartedWhenFoundAndNotForcedAside) {
    session->settings().ForceWordPad = false;
    session->settings().WordProcessorExe = QStringLiteral("/usr/bin/soffice");
    print->setWordFound(true);
    const QString sent = print->QuickPrint(0, 0);
    ASSERT_EQ(launcher.programs.size(), 1);
    EXPECT_EQ(launcher.programs[0].program, QStringLiteral("/usr/bin/soffice"));
    EXPECT_EQ(launcher.programs[0].arguments, QStringList{QStringLiteral("send_temp.rtf")});
    EXPECT_EQ(launcher.programs[0].folder, temp.path());
    EXPECT_TRUE(launcher.urls.isEmpty());
}

// Without LibreOffice Writer and nothing forced the user is told what to
// install, the document is still written, and Print Forms keeps the ticks of
// the packet that could not be opened until one is.
TEST_F(PrintCommandsTest, AMissingWriterIsNamedAndTheTicksAreKept) {
    session->settings().ForceWordPad = false;
    print->setWordFound(false);
    auto printTicking = [this](const QStringList& tick, QSet<QString>* shownTicked) {
        const auto seen = test::onNextModal([tick, shownTicked](QWidget* modal) {
            auto* dialog = qobject_cast<TfrmSelectedForms*>(modal);
            ASSERT_TRUE(dialog);
            *shownTicked = dialog->tickedForms();
            for (const QString& name : tick) dialog->box(name)->setChecked(true);
            dialog->findChild<QPushButton*>(QStringLiteral("cbtnOk"))->click();
        });
        const QString sent = print->PrintForms(28);
        EXPECT_TRUE(*seen);
        return sent;
    };
    QSet<QString> shown;
    const QString sent = printTicking({QStringLiteral("cbx1_0")}, &shown);
    EXPECT_EQ(shown, QSet<QString>{QStringLiteral("cbx6_0")});
    ASSERT_FALSE(sent.isEmpty());
    EXPECT_TRUE(readAll(sent).startsWith("{\\rtf"));
    EXPECT_TRUE(launcher.programs.isEmpty());
    EXPECT_TRUE(launcher.urls.isEmpty());
    ASSERT_FALSE(messages.isEmpty());
    EXPECT_TRUE(messages.last().contains(QStringLiteral("LibreOffice Writer was not found")));
    EXPECT_TRUE(messages.last().contains(QStringLiteral("\"libreoffice-writer\"")));
    EXPECT_TRUE(messages.last().contains(sent));

    // Writer found now: the dialog still holds 1.0 and 6.0; after a packet
    // that opened, the next dialog starts afresh.
    session->settings().WordProcessorExe = QStringLiteral("/usr/bin/soffice");
    print->setWordFound(true);
    printTicking({}, &shown);
    EXPECT_EQ(shown, (QSet<QString>{QStringLiteral("cbx6_0"), QStringLiteral("cbx1_0")}));
    ASSERT_EQ(launcher.programs.size(), 1);
    printTicking({}, &shown);
    EXPECT_EQ(shown, QSet<QString>{QStringLiteral("cbx6_0")});
}

// A start that fails (the program will not run) keeps the ticks too.
TEST_F(PrintCommandsTest, TicksAreKeptWhenTheWordProcessorWillNotStart) {
    session->settings().ForceWordPad = false;
    session->settings().WordProcessorExe = QStringLiteral("/usr/bin/soffice");
    print->setWordFound(true);
    launcher.succeeds = false;
    QSet<QString> shown;
    for (int round = 0; round < 2; ++round) {
        test::onNextModal([&shown, round](QWidget* modal) {
            auto* dialog = qobject_cast<TfrmSelectedForms*>(modal);
            shown = dialog->tickedForms();
            if (round == 0) dialog->box(QStringLiteral("cbx2_0"))->setChecked(true);
            dialog->findChild<QPushButton*>(QStringLiteral("cbtnOk"))->click();
        });
        print->PrintForms(0);
    }
    EXPECT_TRUE(shown.contains(QStringLiteral("cbx2_0")));
    EXPECT_EQ(reports.numbers(), (QList<int>{11550, 11550}));
}

TEST_F(PrintCommandsTest, SaveAsPdfWithLibreOfficeInTheBackground) {
    if (!PdfConversionAvailable()) GTEST_SKIP() << "LibreOffice is not installed";
    const QString pdf = temp.filePath(QStringLiteral("forms.pdf"));
    QSignalSpy saved(print.get(), &PrintCommands::pdfSaved);
    PdfExportJob* job = print->SavePacketAsPdf({QStringLiteral("cbx2_0")}, pdf);
    ASSERT_TRUE(job);
    // The window goes on while LibreOffice converts: the progress dialog is
    // shown and not modal.
    ASSERT_TRUE(print->pdfProgress());
    EXPECT_TRUE(print->pdfProgress()->isVisible());
    EXPECT_EQ(print->pdfProgress()->windowModality(), Qt::NonModal);
    ASSERT_TRUE(saved.wait(300'000));
    EXPECT_TRUE(saved[0][0].toBool()) << saved[0][1].toString().toStdString();
    EXPECT_TRUE(readAll(pdf).startsWith("%PDF"));
    EXPECT_TRUE(messages.last().startsWith(QStringLiteral("The forms were saved as")));
}

}  // namespace
}  // namespace wm4
