// The command-line commands, run in-process through the command table.
#include "app/commands.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "files/client_file.h"
#include "files/file_text.h"

using namespace wm4;

namespace {

struct CommandRun {
    int status;
    QString out;
    QString err;
};

CommandRun run(const QStringList& arguments) {
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int status = RunCommand(arguments);
    const std::string out = testing::internal::GetCapturedStdout();
    const std::string err = testing::internal::GetCapturedStderr();
    return {status, QString::fromStdString(out), QString::fromStdString(err)};
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class Commands : public testing::Test {
protected:
    void SetUp() override {
        // The settings file is looked for in a folder of the test's own.
        m_oldConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", m_dir.filePath("config").toUtf8());
        m_case = m_dir.filePath("estate.wm4");
        CaseData data;
        data.answers.setAnswer(0, 0, 0, QStringLiteral("José Ñúñez"));
        data.answers.setOvRide(0, 0, 2, true);
        data.answers.PgCt[1] = 1;
        data.answers.setAnswer(1, 1, 3, "second copy");
        data.KSchedList.setRowCount(2);
        data.KSchedList.setCell(0, 0, "Son");
        data.KSchedList.setCell(1, 0, "Robert");
        WriteClientFile(data, m_case);
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", m_oldConfig); }

    QString path(const char* name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    QByteArray m_oldConfig;
    QString m_case;
};

}  // namespace

TEST_F(Commands, DumpPrintsSlotsAndRowsInUtf8) {
    CommandRun r = run({"dump", m_case, "--page", "0"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QStringList lines = r.out.split('\n');
    EXPECT_EQ(lines.size(), MaxSlot[0] + 2);  // one per slot, then the end
    EXPECT_EQ(lines[0], QStringLiteral("0\t0\tJosé Ñúñez"));
    EXPECT_EQ(lines[2], "2\t1\t");

    r = run({"dump", m_case, "--page", "1", "--copy", "1"});
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out.split('\n')[3], "3\t0\tsecond copy");

    r = run({"dump", m_case, "--sheet", "kin"});
    ASSERT_EQ(r.status, 0);
    const QStringList rows = r.out.split('\n');
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0], "Son\tRobert" + QString(46, '\t'));
    EXPECT_EQ(rows[1], QString(47, '\t'));
}

TEST_F(Commands, ResaveWritesTheSameBytes) {
    const CommandRun r = run({"resave", m_case, path("copy.wm4"), "--data", m_dir.path()});
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
    writeAll(path("old.wm3"), test::fileBytes(lines));

    CommandRun r = run({"import", path("old.wm3"), path("new.wm4")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    r = run({"dump", path("new.wm4"), "--page", "0"});
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
        {{"frobnicate"}, "usage: wendmoor4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const CommandRun r = run(c.arguments);
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.err.contains(c.reason)) << r.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(path("a.wm4")));
}

TEST_F(Commands, ReportsArePrintedAndTheSettingsFileIsLeftAlone) {
    const QString folder = m_dir.filePath("config/Quillon/Wendmoor4");
    QDir().mkpath(folder);
    writeAll(folder + "/wendmoor4.ini", "one line\r\n");
    const CommandRun r = run({"resave", m_case, path("copy.wm4")});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.err.startsWith("REPORT 13010: 1301-INI File Error.")) << r.err.toStdString();
    EXPECT_EQ(r.err.count('\n'), 1);
    EXPECT_EQ(readAll(folder + "/wendmoor4.ini"), "one line\r\n");
    EXPECT_TRUE(QFile::exists(path("copy.wm4")));
}
