#include "ui/commands/print_commands.h"

#include <QFile>
#include <QProgressDialog>
#include <QSignalSpy>

#include "app/commands.h"
#include "case/worksheet_columns.h"
#include "commands/commands_fixture.h"
#include "output/document/pdf_export.h"
#include "support/file_bytes.h"

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
