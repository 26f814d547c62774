#include "files/settings.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "files/file_text.h"
#include "files/user_folders.h"
#include "support/file_bytes.h"
#include "support/report_recorder.h"

using namespace wm4;
using wm4::test::readAll;

namespace {

ProgramSettings settingsIn(const QTemporaryDir& dir) {
    ProgramSettings s = DefaultSettings("/usr/share/wendmoor4");
    s.SettingsFolder = dir.path();
    return s;
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList recentPaths(int n) {
    QStringList paths;
    for (int i = 0; i < n; ++i) paths << QStringLiteral("/cases/estate%1.wm4").arg(i);
    return paths;
}

}  // namespace

TEST(Settings, DefaultsFollowTheLinuxFolders) {
    const ProgramSettings s = DefaultSettings("/opt/wm4/share");
    EXPECT_TRUE(s.ClientFolder.endsWith("/Wendmoor4/Files"));
    EXPECT_TRUE(s.WM3Folder.endsWith("/Wendmoor3/Files"));
    EXPECT_TRUE(s.TempFolder.endsWith("/Wendmoor4"));
    EXPECT_TRUE(s.SettingsFolder.endsWith("/Quillon/Wendmoor4"));
    EXPECT_EQ(s.ProgramFolder, "/opt/wm4/share");
    EXPECT_EQ(s.RTFFolder, "/opt/wm4/share/RTF");
    EXPECT_EQ(s.PTFFolder, "/opt/wm4/share/PTF");
    EXPECT_EQ(s.DATFolder, "/opt/wm4/share/DAT");
    EXPECT_EQ(s.PDFFolder, "/opt/wm4/share/PDF");
    EXPECT_EQ(s.PSFFolder, "/opt/wm4/share/PSF");
    EXPECT_TRUE(s.StockQuoteURL.endsWith("/investments/stock-price?ocid=qbeb&Symbol="));
    EXPECT_TRUE(s.FundQuoteURL.endsWith("/investments/mutual-fund-rates?ocid=qbeb&Symbol="));
    EXPECT_EQ(s.DefaultRate, 0);
    EXPECT_EQ(s.MemoWidthFactor, 0.75);
    EXPECT_FALSE(s.ForceWord || s.ForceWordPad || s.AdjustMemoFontFlag);
    EXPECT_EQ(SettingsFilePath(s), s.SettingsFolder + "/wendmoor4.ini");
}

TEST(Settings, DataFolderRule) {
    const QString src = "/src/wm4/data", inst = "/usr/share/wendmoor4";
    EXPECT_EQ(ResolveDataFolder("/my/data", "/build/src/app", "/build", src, inst), "/my/data");
    EXPECT_EQ(ResolveDataFolder({}, "/build/src/app", "/build", src, inst), src);
    EXPECT_EQ(ResolveDataFolder({}, "/build", "/build", src, inst), src);
    EXPECT_EQ(ResolveDataFolder({}, "/build2/src/app", "/build", src, inst), inst);
    EXPECT_EQ(ResolveDataFolder({}, "/usr/bin", "/build", src, inst), inst);
    // A relocated installation: <prefix>/bin beside <prefix>/share/wendmoor4.
    QTemporaryDir prefix;
    ASSERT_TRUE(QDir(prefix.path()).mkpath("bin") && QDir(prefix.path()).mkpath("share/wendmoor4"));
    EXPECT_EQ(ResolveDataFolder({}, prefix.path() + "/bin", "/build", src, inst),
              prefix.path() + "/share/wendmoor4");
}

TEST(Settings, MissingFileIsCreatedOnlyByTheProgram) {
    QTemporaryDir dir;
    test::ReportRecorder recorder;
    ProgramSettings s = settingsIn(dir);
    s.ForceWord = true;  // flags are written off on first start
    s.DefaultRate = 90;
    EXPECT_TRUE(ReadINI(s, SettingsFileUse::ReadOnly));
    EXPECT_FALSE(QFile::exists(SettingsFilePath(s)));

    EXPECT_TRUE(ReadINI(s));
    const QByteArray bytes = readAll(SettingsFilePath(s));
    const QList<QByteArray> lines = bytes.split('\n');
    ASSERT_EQ(lines.size(), 17);  // 16 lines and the end after the last CR LF
    EXPECT_EQ(lines[0], s.ClientFolder.toLatin1() + "\r");
    EXPECT_EQ(lines[6], " 9.00000000000000E+0001\r");
    EXPECT_EQ(lines[8], "0\r");
    EXPECT_EQ(lines[11], "\r");  // ForceWord
    EXPECT_EQ(lines[15], "0.75\r");
    EXPECT_TRUE(recorder.numbers().isEmpty());
}

TEST(Settings, ReadsEveryLineByItsRule) {
    QTemporaryDir dir;
    ProgramSettings s = settingsIn(dir);
    const QString defaultClient = s.ClientFolder, defaultRtf = s.RTFFolder;
    s.WordProcessorExe = "/usr/bin/soffice";
    QStringList lines{
        "", "", "/data/PTF", "/data/PSF", "https://quotes.example/s?Symbol=", "", "1.25e2", ""};
    lines << "12" << recentPaths(12)
          << QStringList{"/old/files", "", "X", "x", "/usr/bin/lowriter", "X", "0"};
    writeAll(SettingsFilePath(s), test::fileBytes(lines));
    test::ReportRecorder recorder;
    ASSERT_TRUE(ReadINI(s));
    EXPECT_EQ(s.ClientFolder, defaultClient) << "an empty folder line keeps the default";
    EXPECT_EQ(s.RTFFolder, defaultRtf);
    EXPECT_EQ(s.PTFFolder, "/data/PTF");
    EXPECT_EQ(s.PSFFolder, "/data/PSF");
    EXPECT_EQ(s.StockQuoteURL, "https://quotes.example/s?Symbol=");
    EXPECT_TRUE(s.FundQuoteURL.endsWith("mutual-fund-rates?ocid=qbeb&Symbol="));
    EXPECT_EQ(s.DefaultRate, 125);
    EXPECT_EQ(s.WordProcessorExe, "") << "the word processor line is always taken";
    EXPECT_EQ(s.RecentFiles, recentPaths(12));
    EXPECT_EQ(s.WM3Folder, "/old/files");
    EXPECT_TRUE(s.TempFolder.endsWith("/Wendmoor4"));
    EXPECT_TRUE(s.ForceWord);
    EXPECT_FALSE(s.ForceWordPad) << "only \"X\" sets a flag";
    EXPECT_EQ(s.FoundWordPath, "/usr/bin/lowriter");
    EXPECT_TRUE(s.AdjustMemoFontFlag);
    EXPECT_EQ(s.MemoWidthFactor, 0.75) << "a factor of 0 becomes 0.75";
    EXPECT_TRUE(recorder.numbers().isEmpty());

    // Written back: nine recent files, reals in the width-23 form.
    s.MemoWidthFactor = 0.8;
    ASSERT_TRUE(WriteINI(s));
    const QByteArray bytes = readAll(SettingsFilePath(s));
    EXPECT_TRUE(bytes.contains("\r\n 1.25000000000000E+0002\r\n\r\n9\r\n/cases/estate0.wm4\r\n"));
    EXPECT_TRUE(bytes.contains("/cases/estate8.wm4\r\n/old/files\r\n"));
    EXPECT_FALSE(bytes.contains("estate9"));
    EXPECT_TRUE(
        bytes.endsWith("\r\nX\r\n\r\n/usr/bin/lowriter\r\nX\r\n 8.00000000000000E-0001\r\n"));
    ProgramSettings back = settingsIn(dir);
    ASSERT_TRUE(ReadINI(back));
    EXPECT_EQ(back.RecentFiles, recentPaths(9));
    EXPECT_DOUBLE_EQ(back.MemoWidthFactor, 0.8);
}

TEST(Settings, UnreadableFileReports13010AndIsDeleted) {
    struct Case {
        const char* what;
        QStringList lines;
    };
    const QStringList head{"/files", "/rtf", "/ptf", "/psf", "s",
                           "f",      "10",   "word", "1",    "/recent.wm4"};
    const Case cases[] = {
        {"ends after line 10", head},
        {"rate not a number", QStringList{"/files", "/rtf", "/ptf", "/psf", "s", "f", "ten"}},
        {"count not a number",
         QStringList{"/files", "/rtf", "/ptf", "/psf", "s", "f", "1", "w", "many"}},
        {"factor not a number", head + QStringList{"/wm3", "/tmp", "", "", "", "", "wide"}},
        // A count is held against the lines that follow before a path is read.
        {"negative recent count",
         QStringList{"/files", "/rtf", "/ptf", "/psf", "s", "f", "1", "w", "-1", "/wm3"}},
        {"recent count beyond the file", QStringList{"/files", "/rtf", "/ptf", "/psf", "s", "f",
                                                     "1", "w", "2147483647", "/recent.wm4"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (SettingsFileUse use : {SettingsFileUse::Program, SettingsFileUse::ReadOnly}) {
            QTemporaryDir dir;
            ProgramSettings s = settingsIn(dir);
            writeAll(SettingsFilePath(s), test::fileBytes(c.lines));
            test::ReportRecorder recorder;
            EXPECT_FALSE(ReadINI(s, use));
            EXPECT_EQ(recorder.numbers(), QList<int>{13010});
            EXPECT_EQ(QFile::exists(SettingsFilePath(s)), use == SettingsFileUse::ReadOnly);
            EXPECT_EQ(s.ClientFolder, "/files") << "values read so far stay";
        }
    }
}

TEST(Settings, WriteFailureReports13020) {
    QTemporaryDir dir;
    ProgramSettings s = settingsIn(dir);
    writeAll(dir.filePath("not-a-folder"), "x");
    s.SettingsFolder = dir.filePath("not-a-folder");
    test::ReportRecorder recorder;
    EXPECT_FALSE(WriteINI(s));
    EXPECT_EQ(recorder.numbers(), QList<int>{13020});
}

TEST(Settings, UserFoldersAreCreatedAndTheTemplateCaseCopiedOnce) {
    QTemporaryDir dir;
    ProgramSettings s = DefaultSettings(dir.filePath("data"));
    s.ClientFolder = dir.filePath("docs/Wendmoor4/Files");
    s.WM3Folder = dir.filePath("docs/Wendmoor3/Files");
    s.TempFolder = dir.filePath("tmp/Wendmoor4");
    QDir().mkpath(s.ProgramFolder);
    writeAll(s.ProgramFolder + "/default.wm4", "shipped");
    EXPECT_TRUE(PrepareUserFolders(s));
    EXPECT_TRUE(QFileInfo(s.WM3Folder).isDir());
    EXPECT_TRUE(QFileInfo(s.TempFolder).isDir());
    EXPECT_EQ(readAll(s.ClientFolder + "/default.wm4"), "shipped");
    writeAll(s.ClientFolder + "/default.wm4", "edited by the user");
    EXPECT_TRUE(PrepareUserFolders(s));
    EXPECT_EQ(readAll(s.ClientFolder + "/default.wm4"), "edited by the user");
}
