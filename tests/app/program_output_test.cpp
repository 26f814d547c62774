// The program itself, run as a user or a script runs it: standard error holds
// REPORT lines and the reason of a failure, nothing else, also where
// XDG_RUNTIME_DIR is unset (as on build servers) and no Qt platform is chosen.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>

#include "app/command_test.h"
#include "case/answers.h"

namespace wm4::test {
namespace {

class Program : public CommandTest {
protected:
    CommandRun runProgram(const QStringList& arguments) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("XDG_RUNTIME_DIR");
        env.remove("QT_QPA_PLATFORM");
        env.insert("XDG_CONFIG_HOME", path("config"));
        env.insert("TMPDIR", path("tmp"));
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(WM4_PROGRAM), arguments);
        if (!program.waitForFinished(60'000)) return {-1, {}, {}};
        return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
                QString::fromUtf8(program.readAllStandardError())};
    }
};

TEST_F(Program, StandardErrorHoldsOnlyReportsAndReasons) {
    ASSERT_TRUE(QDir().mkpath(path("tmp")));
    const QString richSample = fixture("rich_sample.wm4");
    const struct {
        QStringList arguments;
        int status;
        const char* err;  // standard error: exactly this, or lines starting with it
    } cases[] = {
        {{"resave", richSample, path("copy.wm4")}, 0, ""},
        {{"render-screen", richSample, "6", path("notice.png")}, 0, ""},
        {{"print", richSample, path("notice.rtf"), "--page", "6"}, 0, ""},
        {{"dump", path("missing.wm4"), "--page", "0"}, 1, "wendmoor4: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const CommandRun r = runProgram(c.arguments);
        EXPECT_EQ(r.status, c.status);
        if (c.status == 0)
            EXPECT_EQ(r.err, c.err);
        else
            EXPECT_TRUE(r.err.startsWith(c.err) && r.err.count('\n') == 1) << r.err.toStdString();
    }

    // A broken settings file: its report is the one line on standard error.
    ASSERT_TRUE(QDir().mkpath(path("config/Quillon/Wendmoor4")));
    ASSERT_TRUE(writeAll(path("config/Quillon/Wendmoor4/wendmoor4.ini"), "one line\r\n"));
    const CommandRun r = runProgram({"calc", richSample, path("calculated.wm4")});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.err.startsWith("REPORT 13010: ") && r.err.count('\n') == 1)
        << r.err.toStdString();
    EXPECT_EQ(r.out.count('\n'), int(CopyCounterFields.size()));

    // The private runtime folder is gone, and Qt made no shared one.
    EXPECT_EQ(QDir(path("tmp")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

}  // namespace
}  // namespace wm4::test
