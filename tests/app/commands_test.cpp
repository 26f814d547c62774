// The command-line commands, run in-process through the command table.
#include "app/commands.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/command_test.h"
#include "case/worksheet_columns.h"
#include "files/client_file.h"
#include "files/file_text.h"
#include "forms/page000.h"
#include "forms/page001.h"

using namespace wm4;
using namespace wm4::test;

namespace {

class Commands : public CommandTest {
protected:
    void SetUp() override {
        CommandTest::SetUp();
        m_case = m_dir.filePath("estate.wm4");
        CaseData data;
        data.answers.setAnswer(page0::Page, 0, page0::DecedentName, QStringLiteral("José Ñúñez"));
        data.answers.setOvRide(page0::Page, 0, page0::Judge, true);
        data.answers.PgCt[1] = 1;
        data.answers.setAnswer(page1::Page, 1, page1::CaseNumber, "second copy");
        data.KSchedList.setRowCount(2);
        data.KSchedList.setCell(0, 0, "Son");
        data.KSchedList.setCell(kinColumn::Name, 0, "Robert");
        WriteClientFile(data, m_case);
    }

    QString m_case;
};

}  // namespace

TEST_F(Commands, DumpPrintsSlotsAndRowsInUtf8) {
    CommandRun r = runCommand({"dump", m_case, "--page", "0"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QStringList lines = r.out.split('\n');
    EXPECT_EQ(lines.size(), MaxSlot[0] + 2);  // one per slot, then the end
    EXPECT_EQ(lines[0], QStringLiteral("0\t0\tJosé Ñúñez"));
    EXPECT_EQ(lines[2], "2\t1\t");

    r = runCommand({"dump", m_case, "--page", "1", "--copy", "1"});
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out.split('\n')[3], "3\t0\tsecond copy");

    r = runCommand({"dump", m_case, "--sheet", "kin"});
    ASSERT_EQ(r.status, 0);
    const QStringList rows = r.out.split('\n');
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0], "Son\tRobert" + QString(46, '\t'));
    EXPECT_EQ(rows[1], QString(47, '\t'));
}

TEST_F(Commands, ResaveWritesTheSameBytes) {
    const CommandRun r = runCommand({"resave", m_case, path("copy.wm4"), "--data", m_dir.path()});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(readAll(path("copy.wm4")), readAll(m_case));
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
}

TEST_F(Commands, ImportSavesTheImportedCase) {
    QStringList lines{"Wendmoor3", "3.2", "0"};
    for (int i = 0; i < 15; ++i) lines << "0";
    test::PagesText pages;
    test::CopyText general;
    general.texts = {{0, "Jane Doe"}};
    pages[0] = {general};
    lines << test::pageLines(pages);
    for (int columns : {44, 88, 25, 5})
        lines << QStringList{"x", "Column Count", QString::number(columns), "Row Count", "1"};
    ASSERT_TRUE(writeAll(path("old.wm3"), test::fileBytes(lines)));

    CommandRun r = runCommand({"import", path("old.wm3"), path("new.wm4")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    r = runCommand({"dump", path("new.wm4"), "--page", "0"});
    const QStringList slots = r.out.split('\n');
    EXPECT_EQ(slots[0], "0\t0\tJane Doe");
    EXPECT_EQ(slots[3], "3\t0\tWendmoor");
}

TEST_F(Commands, FailuresExitWithOneAndTheReason) {
    struct Case {
        QStringList arguments;
        const char* reason;
    };
    const Case cases[] = {
        {{"dump"}, "dump: missing case file"},
        {{"dump", m_case}, "either --page N or --sheet NAME"},
        {{"dump", m_case, "--page", "200"}, "--page must be a whole number from 0 to 199"},
        {{"dump", m_case, "--page", "1", "--copy", "100"}, "--copy must be a whole number"},
        {{"dump", m_case, "--sheet", "people"}, "kin, asset, expense or time"},
        {{"dump", m_case, "--page"}, "option --page needs a value"},
        {{"resave", m_case, "--colour", "red"}, "unknown option --colour"},
        {{"resave", m_case, path("a.wm4"), "extra"}, "unexpected argument \"extra\""},
        {{"resave", path("missing.wm4"), path("a.wm4")}, "cannot be opened"},
        {{"resave", m_case, path("no/such/folder/a.wm4")}, "cannot be written"},
        {{"resave", m_case, path("a.wm4"), "--data", path("no-data")}, "does not exist"},
        {{"import", m_case, path("a.wm4")}, "line 5: expected a whole number"},
        {{"calc", m_case}, "calc: missing output case file"},
        {{"calc", m_case, path("no/such/folder/a.wm4")}, "cannot be written"},
        {{"print", m_case, path("a.rtf"), "--forms", "cbx2_2,cbx99"},
         "print: no form has the check box cbx99"},
        {{"print", m_case, path("a.rtf")}, "give either --forms LIST or --page N"},
        {{"print", m_case, path("a.rtf"), "--forms", "all", "--page", "1"},
         "give either --forms LIST or --page N"},
        {{"print", m_case, path("a.rtf"), "--forms", "all", "--copy", "1"},
         "--copy goes with --page"},
        {{"print", m_case, path("a.rtf"), "--forms", "cbx2_2", "--forms", "cbx1_0"},
         "option --forms is given twice"},
        {{"print", m_case, path("no/such/folder/a.rtf"), "--page", "6"}, "no/such/folder/a.rtf"},
        {{"print-worksheet", "people", m_case, path("a.rtf")},
         "the worksheet must be kin, asset, expense or time"},
        {{"print-worksheet", "kin", m_case}, "missing output RTF file"},
        {{"render-screen", m_case, "abc", path("a.png")}, "page must be 0 to 199"},
        {{"render-screen", m_case, "6", path("no/such/folder/a.png")},
         "a.png\": cannot be written: the folder"},
        {{"frobnicate"}, "usage: wendmoor4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const CommandRun r = runCommand(c.arguments);
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.err.contains(c.reason)) << r.err.toStdString();
        EXPECT_EQ(r.out, "") << "no results from a command that failed";
    }
    for (const char* output : {"a.wm4", "a.rtf", "a.png"})
        EXPECT_FALSE(QFile::exists(path(output))) << output;
}

TEST_F(Commands, HelpListsEveryCommand) {
    for (const char* help : {"--help", "-h", "help"}) {
        const CommandRun r = runCommand({help});
        EXPECT_EQ(r.status, 0) << help;
        EXPECT_TRUE(r.out.startsWith("usage: wendmoor4 [CASE.wm4]\n")) << help;
        for (const Command& command : wm4::Commands())
            EXPECT_TRUE(r.out.contains(QStringLiteral("wendmoor4 %1 ").arg(command.name)))
                << command.name;
        EXPECT_EQ(r.err, "");
    }
}

TEST_F(Commands, ReportsArePrintedAndTheSettingsFileIsLeftAlone) {
    const QString folder = m_dir.filePath("config/Quillon/Wendmoor4");
    QDir().mkpath(folder);
    ASSERT_TRUE(writeAll(folder + "/wendmoor4.ini", "one line\r\n"));
    const CommandRun r = runCommand({"resave", m_case, path("copy.wm4")});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.err.startsWith("REPORT 13010: 1301-INI File Error.")) << r.err.toStdString();
    // The report says which file and line, and why.
    EXPECT_TRUE(r.err.contains("The reason: \"" + folder + "/wendmoor4.ini\", line "))
        << r.err.toStdString();
    EXPECT_EQ(r.err.count('\n'), 1);
    EXPECT_EQ(readAll(folder + "/wendmoor4.ini"), "one line\r\n");
    EXPECT_TRUE(QFile::exists(path("copy.wm4")));
}
