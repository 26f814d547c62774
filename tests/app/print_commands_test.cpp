// wendmoor4 print and print-worksheet on the rich sample case with the
// project's templates: one valid RTF document holding the pages asked for,
// converted to PDF with --pdf, read from another data folder with --data.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "app/command_test.h"
#include "case/case_data.h"
#include "files/client_file.h"
#include "files/settings.h"
#include "forms/page006.h"
#include "output/document/pdf_export.h"
#include "support/rich_sample.h"

namespace wm4::test {
namespace {

// Checks that `rtf` is one RTF document: it opens with "{\rtf1", its groups
// nest, and the group opened first closes at its very end.
void expectOneRtfDocument(const QByteArray& rtf) {
    ASSERT_TRUE(rtf.startsWith("{\\rtf1")) << rtf.left(40).toStdString();
    const QByteArray body = rtf.trimmed();
    int depth = 0;
    for (qsizetype i = 0; i < body.size(); ++i) {
        const char c = body[i];
        if (c == '\\') {
            ++i;  // "\{", "\}" and "\\" are text; a control word goes on as text
        } else if (c == '{') {
            ++depth;
        } else if (c == '}') {
            --depth;
            ASSERT_GE(depth, 0) << "a group closes that was never opened, at " << i;
            ASSERT_TRUE(depth > 0 || i == body.size() - 1)
                << "the document's group closes before its end, at " << i;
        }
    }
    EXPECT_EQ(depth, 0) << "groups left open";
}

// Every printed side ends with its footer "Form N - TITLE".
int sidesOfForm(const QByteArray& rtf, const char* form) {
    return int(rtf.count(QByteArray("Form ") + form + " - "));
}

int pageBreaks(const QByteArray& rtf) {
    return int(rtf.count("\\page "));
}

class PrintCommands : public CommandTest {
protected:
    QString richSample() const { return fixture("rich_sample.wm4"); }

    // Runs the command and returns the document it wrote.
    QByteArray print(const QStringList& arguments) {
        const CommandRun r = runCommand(arguments);
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_EQ(r.err, "");
        return readAll(path("out.rtf"));
    }
};

TEST_F(PrintCommands, PrintHoldsTheSidesAskedForInPacketOrder) {
    struct FormSides {
        const char* form;
        int sides;
    };
    struct Case {
        QStringList options;
        QList<FormSides> sides;  // expected counts of some forms' sides
        const char* firstForm;   // the form the document opens with, or null
    };
    // The rich sample's counters: two notices of probate (the spouse and the
    // library; the children waived), one Form 1.0.
    const Case cases[] = {
        // Packet order, whatever the order of the list; a form with
        // copies prints every copy.
        {{"--forms", "cbx7_1, cbx2_2"}, {{"2.2", 2}, {"7.1", 1}, {"1.0", 0}}, "2.2"},
        {{"--forms", "all"}, {{"1.0", 2}, {"2.0", 2}, {"2.2", 2}, {"7.1", 1}}, "1.0"},
        // The page on display: one copy, as it stands.
        {{"--page", "6", "--copy", "1"}, {{"2.2", 1}, {"1.0", 0}}, "2.2"},
        {{"--page", "1"}, {{"1.0", 1}, {"2.2", 0}}, "1.0"},
        // Nothing ticked: an empty document, still a valid one.
        {{"--forms", ""}, {{"1.0", 0}, {"2.2", 0}}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options.join(' ').toStdString());
        const QByteArray rtf =
            print(QStringList{"print", richSample(), path("out.rtf")} + c.options);
        expectOneRtfDocument(rtf);
        int sides = 0;
        for (const FormSides& form : c.sides) {
            EXPECT_EQ(sidesOfForm(rtf, form.form), form.sides) << form.form;
            sides += form.sides;
        }
        if (c.options.last() != "all") {
            EXPECT_EQ(pageBreaks(rtf), std::max(sides - 1, 0));  // every side is listed
        }
        if (c.firstForm) {
            const QRegularExpression footer(QStringLiteral("Form ([0-9.]+) - "));
            EXPECT_EQ(footer.match(QString::fromLatin1(rtf)).captured(1), c.firstForm);
        }
        QFile::remove(path("out.rtf"));
    }
}

TEST_F(PrintCommands, ThePageOnDisplayShowsTheCopysAnswers) {
    CaseData sample;
    ASSERT_TRUE(ReadClientFile(sample, richSample()));
    for (int copy : {0, 1}) {
        const QByteArray rtf = print({"print", richSample(), path("out.rtf"), "--page", "6",
                                      "--copy", QString::number(copy)});
        const QString addressee =
            sample.answers.answer(page6::Page, copy, page6::NotifiedName);  // "To:"
        ASSERT_FALSE(addressee.isEmpty());
        EXPECT_TRUE(rtf.contains(addressee.toLatin1())) << copy;
    }
}

TEST_F(PrintCommands, FormsAreCalculatedFirstThePageOnDisplayIsNot) {
    // The sample as typed, never calculated: its captions are still empty.
    CaseData typed;
    fillRichSample(typed);
    WriteClientFile(typed, path("typed.wm4"));
    const QByteArray caption = QByteArray(rich::Decedent).toUpper();

    QByteArray rtf = print({"print", path("typed.wm4"), path("out.rtf"), "--forms", "cbx2_2"});
    EXPECT_EQ(sidesOfForm(rtf, "2.2"), rich::NoticesOfProbate);
    EXPECT_EQ(rtf.count(caption), rich::NoticesOfProbate);

    rtf = print({"print", path("typed.wm4"), path("out.rtf"), "--page", "6"});
    EXPECT_EQ(sidesOfForm(rtf, "2.2"), 1);
    EXPECT_FALSE(rtf.contains(caption));
}

TEST_F(PrintCommands, WorksheetPrintoutsHoldTheirRows) {
    const struct {
        const char* sheet;
        const char* text;  // a row's text in the rich sample
    } cases[] = {
        {"kin", "Ellery Public Library"},
        {"asset", "2012 Buick LaCrosse"},
        {"expense", "Funeral services, Ashby Funeral Home"},
        {"time", "Conference with the executors"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sheet);
        const QByteArray rtf = print({"print-worksheet", c.sheet, richSample(), path("out.rtf")});
        expectOneRtfDocument(rtf);
        EXPECT_TRUE(rtf.contains(c.text));
        QFile::remove(path("out.rtf"));
    }
}

TEST_F(PrintCommands, DataFolderOptionReadsThatFoldersTemplatesWhateverTheSettingsSay) {
    // A data folder with the small test templates of Form 2.2 only.
    for (const char* folder : {"data/RTF", "data/DAT"}) ASSERT_TRUE(QDir().mkpath(path(folder)));
    ASSERT_TRUE(QFile::copy(fixture("output/Page6.rtf"), path("data/RTF/Page6.rtf")));
    ASSERT_TRUE(QFile::copy(fixture("output/PAGE6.DAT"), path("data/DAT/PAGE6.DAT")));

    const QByteArray rtf = print(
        {"print", richSample(), path("out.rtf"), "--forms", "cbx2_2", "--data", path("data")});
    expectOneRtfDocument(rtf);
    EXPECT_EQ(rtf.count("FORM TWO POINT TWO"), rich::NoticesOfProbate);
    EXPECT_EQ(sidesOfForm(rtf, "2.2"), 0);  // not the project's template

    // The folder has no template of Form 1.0: the command fails and says so.
    CommandRun r =
        runCommand({"print", richSample(), path("one.rtf"), "--page", "1", "--data", path("data")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("/data/RTF/Page1.rtf")) << r.err.toStdString();

    // A settings file naming its own template folder: used without --data,
    // overridden by it.
    ProgramSettings settings = DefaultSettings(dataFolder());
    settings.RTFFolder = path("elsewhere/RTF");
    ASSERT_TRUE(WriteINI(settings));
    r = runCommand({"print", richSample(), path("six.rtf"), "--page", "6"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("/elsewhere/RTF/Page6.rtf")) << r.err.toStdString();
    r = runCommand({"print", richSample(), path("six.rtf"), "--page", "6", "--data", path("data")});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(readAll(path("six.rtf")).contains("FORM TWO POINT TWO"));
}

// A template that is empty, not RTF, without its header marker or cut short
// ends every print form with status 1 and the reason, and no document.
TEST_F(PrintCommands, BrokenTemplatesAreRefusedByEveryPrintForm) {
    for (const char* folder : {"data/RTF", "data/DAT"}) ASSERT_TRUE(QDir().mkpath(path(folder)));
    ASSERT_TRUE(QFile::copy(fixture("output/PAGE6.DAT"), path("data/DAT/PAGE6.DAT")));
    const QByteArray good = readAll(fixture("output/Page6.rtf"));
    QByteArray withoutMarker = good;
    withoutMarker.replace("\\'b7", "");
    const struct {
        const char* what;
        QByteArray text;
        const char* reason;
    } cases[] = {
        {"empty", "", "it is empty"},
        {"not RTF", "FORM TWO POINT TWO\r\nCopy: /*0/\r\n",
         "it is not an RTF document (it does not begin with {\\rtf)"},
        {"no header marker", withoutMarker, "it has no header marker \\'b7"},
        {"cut short", good.left(good.indexOf("Notice to")),
         "it is cut short (1 group is not closed at its end)"},
    };
    const QStringList forms[] = {{"--page", "6"}, {"--forms", "cbx2_2"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(writeAll(path("data/RTF/Page6.rtf"), c.text));
        for (const QStringList& form : forms) {
            SCOPED_TRACE(form.join(' ').toStdString());
            const CommandRun r = runCommand(QStringList{"print", richSample(), path("out.rtf")} +
                                            form + QStringList{"--data", path("data")});
            EXPECT_EQ(r.status, 1);
            EXPECT_TRUE(r.err.contains(QStringLiteral("The template %1 cannot be printed: %2.")
                                           .arg(path("data/RTF/Page6.rtf"), c.reason)))
                << r.err.toStdString();
            EXPECT_FALSE(QFile::exists(path("out.rtf")));
        }
    }
    ASSERT_TRUE(writeAll(path("data/RTF/Page6.rtf"), good));
    EXPECT_EQ(runCommand({"print", richSample(), path("out.rtf"), "--page", "6", "--data",
                          path("data")})
                  .status,
              0);
}

TEST_F(PrintCommands, PdfOptionConvertsTheDocumentWithLibreOffice) {
    if (!PdfConversionAvailable())
        GTEST_SKIP() << "LibreOffice (soffice) is not installed; install libreoffice-writer-nogui "
                        "to test --pdf";
    const QByteArray rtf = print(
        {"print", richSample(), path("out.rtf"), "--forms", "cbx2_2", "--pdf", path("out.pdf")});
    EXPECT_EQ(sidesOfForm(rtf, "2.2"), rich::NoticesOfProbate);
    const QByteArray pdf = readAll(path("out.pdf"));
    ASSERT_TRUE(pdf.startsWith("%PDF-")) << "no PDF written";

    const QString pdfinfo = QStandardPaths::findExecutable("pdfinfo");
    if (pdfinfo.isEmpty()) return;  // poppler-utils counts the pages where installed
    QProcess info;
    info.start(pdfinfo, {path("out.pdf")});
    ASSERT_TRUE(info.waitForFinished());
    EXPECT_TRUE(QString::fromLatin1(info.readAllStandardOutput())
                    .contains(QRegularExpression("Pages:\\s+2\\n")))
        << "each notice on a page of its own";
}

}  // namespace
}  // namespace wm4::test
