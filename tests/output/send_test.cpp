// Writing the document, the send file and its replacement name, and the
// choice of the program that opens it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "files/settings.h"
#include "output/document/send_document.h"
#include "output/document/word_processor.h"
#include "support/file_bytes.h"
#include "support/report_recorder.h"

namespace wm4 {
namespace {

using test::readAll;

class RecordingLauncher : public ProgramLauncher {
public:
    bool startProgram(const QString& program, const QStringList& arguments,
                      const QString& folder) override {
        calls << QStringLiteral("start %1 %2 in %3").arg(program, arguments.join(u' '), folder);
        return succeed;
    }
    bool openWithDefaultApplication(const QString& path) override {
        calls << QStringLiteral("open %1").arg(path);
        return succeed;
    }
    QStringList calls;
    bool succeed = true;
};

TEST(SendDocument, WritesAsciiWithUnicodeEscapes) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.rtf"));
    WriteRtfDocument(path, QStringLiteral("{\\rtf1 Jos\u00e9 N\u00fa\u00f1ez \u2014 \U0001F600}"));
    EXPECT_EQ(readAll(path),
              QByteArray("{\\rtf1 Jos\\u233? N\\u250?\\u241?ez \\u8212? \\u-10179?\\u-8704?}\r\n"));
}

TEST(SendDocument, SendFileIsReplacedOrRenamedWhenHeld) {
    QTemporaryDir dir;
    const QString temp = dir.filePath(QStringLiteral("Temp"));
    const QString send = QDir(temp).filePath(QStringLiteral("send_temp.rtf"));
    EXPECT_EQ(SendFilePath(temp), send);  // the folder is created
    WriteRtfDocument(send, QStringLiteral("old"));
    EXPECT_EQ(SendFilePath(temp), send);
    EXPECT_FALSE(QFile::exists(send));  // the old one is gone

    // A send file that cannot be deleted: a folder of that name, not empty.
    ASSERT_TRUE(QDir().mkpath(QDir(send).filePath(QStringLiteral("held"))));
    EXPECT_EQ(SendFilePath(temp, [] { return 417; }),
              QDir(temp).filePath(QStringLiteral("send_temp417.rtf")));
}

TEST(SendDocument, SendsToTheWordProcessor) {
    QTemporaryDir dir;
    ProgramSettings settings;
    settings.TempFolder = dir.path();
    settings.WordProcessorExe = QStringLiteral("/usr/bin/true");
    RecordingLauncher launcher;
    const QString path = SendDocument(QStringLiteral("{\\rtf1 x}"), settings, true, launcher);
    EXPECT_EQ(path, QDir(dir.path()).filePath(QStringLiteral("send_temp.rtf")));
    EXPECT_EQ(readAll(path), QByteArray("{\\rtf1 x}\r\n"));
    EXPECT_EQ(launcher.calls,
              QStringList{QStringLiteral("start /usr/bin/true send_temp.rtf in ") + dir.path()});
}

TEST(WordProcessor, ProgramChoice) {
    const WordSearch writer = FindWordExe();
    const struct {
        const char* name;
        bool wordFound;
        bool forceWord;
        bool forceWordPad;
        QString exe;
        QString call;  // empty: nothing starts, report 11550
    } cases[] = {
        {"found program", true, false, false, "/opt/wp", "start /opt/wp a.rtf in /t"},
        {"nothing found and nothing forced", false, false, false, "WORDPAD.EXE", ""},
        {"default viewer forced", true, false, true, "/opt/wp", "open /t/a.rtf"},
        {"default viewer as the setting", true, false, false, "wordpad.exe", "open /t/a.rtf"},
        {"writer forced", false, true, false, "WINWORD.EXE",
         writer.found ? "start " + writer.path + " a.rtf in /t" : QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::ReportRecorder recorder;
        ProgramSettings settings;
        settings.ForceWord = c.forceWord;
        settings.ForceWordPad = c.forceWordPad;
        settings.WordProcessorExe = c.exe;
        RecordingLauncher launcher;
        const bool started = StartWordProcessor(settings, c.wordFound, QStringLiteral("a.rtf"),
                                                QStringLiteral("/t"), launcher);
        EXPECT_EQ(started, !c.call.isEmpty());
        EXPECT_EQ(launcher.calls, c.call.isEmpty() ? QStringList() : QStringList{c.call});
        EXPECT_EQ(recorder.numbers(), c.call.isEmpty() ? QList<int>{11550} : QList<int>());
    }
}

TEST(WordProcessor, FailedStartReports1155) {
    test::ReportRecorder recorder;
    ProgramSettings settings;
    settings.WordProcessorExe = QStringLiteral("/opt/wp");
    RecordingLauncher launcher;
    launcher.succeed = false;
    EXPECT_FALSE(StartWordProcessor(settings, true, QStringLiteral("a.rtf"), QStringLiteral("/t"),
                                    launcher));
    EXPECT_EQ(recorder.numbers(), QList<int>{11550});
}

TEST(WordProcessor, ForceCommandsExcludeEachOther) {
    ProgramSettings s;
    ToggleForceWord(s);
    EXPECT_TRUE(s.ForceWord);
    EXPECT_EQ(s.WordProcessorExe, QStringLiteral("WINWORD.EXE"));
    ToggleForceWordPad(s);
    EXPECT_TRUE(s.ForceWordPad);
    EXPECT_FALSE(s.ForceWord);
    EXPECT_EQ(s.WordProcessorExe, QStringLiteral("WORDPAD.EXE"));
    ToggleForceWordPad(s);
    EXPECT_FALSE(s.ForceWordPad);
    EXPECT_EQ(s.WordProcessorExe, QStringLiteral("WINWORD.EXE"));
    ToggleForceWord(s);
    EXPECT_TRUE(s.ForceWord);
    ToggleForceWord(s);
    EXPECT_FALSE(s.ForceWord);
    EXPECT_EQ(s.WordProcessorExe, QStringLiteral("WINWORD.EXE"));  // switching off keeps it
}

TEST(WordProcessor, FindCommandSearchesTheTrees) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("b/office/program"))));
    QFile program(dir.filePath(QStringLiteral("b/office/program/soffice")));
    ASSERT_TRUE(program.open(QIODevice::WriteOnly));
    program.close();
    ProgramSettings s;
    s.FoundWordPath = QStringLiteral("stale");
    QList<int> progress;
    EXPECT_TRUE(
        FindWordInTrees(s, [&](int p) { progress << p; },
                        {dir.filePath(QStringLiteral("a")), dir.filePath(QStringLiteral("b"))}));
    EXPECT_EQ(QFileInfo(s.FoundWordPath).canonicalFilePath(),
              QFileInfo(program.fileName()).canonicalFilePath());
    EXPECT_EQ(progress, QList<int>({5, 50, 100}));
    EXPECT_EQ(FindWordMenuText(s), QStringLiteral("Find LibreOffice Writer: FOUND"));

    EXPECT_FALSE(FindWordInTrees(s, {}, {dir.filePath(QStringLiteral("a"))}));
    EXPECT_TRUE(s.FoundWordPath.isEmpty());
    EXPECT_EQ(FindWordMenuText(s), QStringLiteral("Find LibreOffice Writer"));
}

}  // namespace
}  // namespace wm4
