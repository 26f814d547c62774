#include "files/client_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <cstdio>
#include <memory>

#include "case/worksheet_columns.h"
#include "files/cp1252.h"
#include "files/file_text.h"
#include "files/text_lines.h"
#include "forms/page000.h"
#include "forms/page001.h"
#include "forms/page002.h"
#include "forms/page009.h"
#include "forms/page012.h"
#include "forms/page030.h"
#include "support/file_bytes.h"
#include "support/report_recorder.h"

using namespace wm4;
using wm4::test::CopyText;
using wm4::test::fileBytes;
using wm4::test::pageLines;
using wm4::test::readAll;
using wm4::test::sheetLines;

namespace {

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(bytes);
}

void expectSameCase(const CaseData& x, const CaseData& y) {
    EXPECT_EQ(x.answers.ProgramName, y.answers.ProgramName);
    EXPECT_DOUBLE_EQ(x.answers.DefaultHourlyRate, y.answers.DefaultHourlyRate);
    EXPECT_EQ(x.answers.PgCt, y.answers.PgCt);
    for (int p = 0; p < PageCount; ++p)
        for (int c = 0; c < CopyCount; ++c)
            for (int s = 0; s <= MaxSlot[p]; ++s) {
                ASSERT_EQ(x.answers.answer(p, c, s), y.answers.answer(p, c, s))
                    << "page " << p << " copy " << c << " slot " << s;
                ASSERT_EQ(x.answers.ovRide(p, c, s), y.answers.ovRide(p, c, s))
                    << "page " << p << " copy " << c << " slot " << s;
            }
    for (auto sheet : {&CaseData::KSchedList, &CaseData::ASchedList, &CaseData::ESchedList,
                       &CaseData::TSchedList}) {
        const WorksheetStore& a = x.*sheet;
        const WorksheetStore& b = y.*sheet;
        ASSERT_EQ(a.rowCount(), b.rowCount());
        for (int r = 0; r < a.rowCount(); ++r) EXPECT_EQ(a.row(r), b.row(r)) << "row " << r;
    }
}

// A case with overrides, extra copies, a page without copies, text in every
// worksheet and characters of the whole code page.
std::unique_ptr<CaseData> richCase() {
    auto data = std::make_unique<CaseData>();
    TAnswer& a = data->answers;
    a.DefaultHourlyRate = 185.5;
    a.setAnswer(page0::Page, 0, page0::DecedentName, "Margaret Élise O’Hara");
    a.setAnswer(page0::Page, 0, MaxSlot[0], "last slot of page 0");
    a.PgCt[1] = 3;
    for (int c = 0; c <= 3; ++c)
        a.setAnswer(page1::Page, c, MaxSlot[1], QStringLiteral("copy %1").arg(c));
    a.setOvRide(page1::Page, 2, page1::Persons[3], true);
    a.setAnswer(page30::Page, 0, page30::NumberOfPages, "Line one | line two");
    a.setOvRide(page30::Page, 0, page30::Lines[0], true);  // an overridden empty answer
    a.PgCt[130] = -1;
    a.setAnswer(196, 0, MaxSlot[196], "€ 1,234.50 • “quoted” ¼");
    data->KSchedList.setRowCount(3);
    data->KSchedList.setCell(0, 0, "Daughter");
    data->KSchedList.setCell(47, 2, "X");
    data->ASchedList.setRowCount(2);
    data->ASchedList.setCell(50, 0, "1st automobile");
    data->ASchedList.setCell(99, 1, "$12,500.00");
    data->ESchedList.setCell(25, 0, "$75.00");
    data->TSchedList.setRowCount(0);
    return data;
}

// A small case of about 1 KB: no page copies, one kin row, the other
// worksheets empty.
QStringList smallCaseLines() {
    return QStringList{"Wendmoor4", " 4.41000000000000E+0000", "0"} + pageLines({}) +
           sheetLines("Kin Worksheet - ***************", 48, {{"Son"}}) +
           sheetLines("Asset Worksheet - ***************", 100, {}) +
           sheetLines("Expense Worksheet - ***************", 26, {}) +
           sheetLines("Time & Services Worksheet - ***************", 4, {});
}
// 1-based lines of smallCaseLines().
constexpr int KinRowCountLine = 3 + 200 + 5;
constexpr int TimeRowCountLine = KinRowCountLine + 48 + 5 + 5 + 5;

}  // namespace

TEST(ClientFile, FreshStoreIsWrittenInTheFileLayout) {
    CaseData data;
    const QByteArray bytes = ClientFileBytes(data);
    ASSERT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n')) << "every line ends with CR LF";
    const QList<QByteArray> lines = bytes.chopped(2).split('\n');
    // 3 header lines, 200 count lines, 201 copy headers, two lines per slot
    // (page 4 twice), four worksheet sections of one empty row.
    int slots = 0;
    for (int p = 0; p < PageCount; ++p) slots += MaxSlot[p] + 1;
    slots += MaxSlot[4] + 1;
    EXPECT_EQ(lines.size(), 3 + 200 + 201 + 2 * slots + 4 * 5 + 48 + 100 + 26 + 4);
    EXPECT_TRUE(
        bytes.startsWith("Wendmoor4\r\n 4.41000000000000E+0000\r\n"
                         " 0.00000000000000E+0000\r\n0\r\nPage 0; No.0; Count 75\r\n\r\n0\r\n"));
    EXPECT_TRUE(bytes.contains("\r\n1\r\nPage 4; No.0; Count 75\r\n"));
    EXPECT_TRUE(bytes.contains("\r\nPage 4; No.1; Count 75\r\n"));
    EXPECT_TRUE(
        bytes.contains("\r\nKin Worksheet - ***************\r\nColumn Count\r\n48\r\n"
                       "Row Count\r\n1\r\n" +
                       QByteArray("\r\n").repeated(48) + "Asset Worksheet"));
    EXPECT_TRUE(
        bytes.endsWith("Time & Services Worksheet - ***************\r\nColumn Count\r\n4\r\n"
                       "Row Count\r\n1\r\n\r\n\r\n\r\n\r\n"));
}

TEST(ClientFile, RoundTripsAFreshStoreAndARichCaseByteForByte) {
    QTemporaryDir dir;
    std::unique_ptr<CaseData> cases[] = {std::make_unique<CaseData>(), richCase()};
    for (const auto& original : cases) {
        const QString path = dir.filePath("case.wm4");
        WriteClientFile(*original, path);
        CaseData back;
        QString error;
        ASSERT_TRUE(ReadClientFile(back, path, &error)) << error.toStdString();
        expectSameCase(*original, back);
        EXPECT_EQ(ClientFileBytes(back), readAll(path));
    }
}

TEST(ClientFile, RichCaseLinesAsWritten) {
    const QByteArray bytes = ClientFileBytes(*richCase());
    // Four copy headers for a copy count of 3, none for -1.
    for (int c = 0; c <= 3; ++c)
        EXPECT_TRUE(
            bytes.contains(QStringLiteral("\r\nPage 1; No.%1; Count 100\r\n").arg(c).toLatin1()));
    EXPECT_FALSE(bytes.contains("Page 1; No.4;"));
    EXPECT_FALSE(bytes.contains("Page 130;"));
    EXPECT_TRUE(bytes.contains("\r\n-1\r\n"));
    EXPECT_TRUE(bytes.contains("\r\n 1.85500000000000E+0002\r\n"));
    // An overridden empty answer: an empty line, then "1".
    EXPECT_TRUE(bytes.contains("Line one | line two\r\n0\r\n\r\n1\r\n"));
    // Windows-1252 bytes.
    EXPECT_TRUE(bytes.contains("Margaret \xC9lise O\x92Hara\r\n0\r\n"));
    EXPECT_TRUE(bytes.contains("\x80 1,234.50 \x95 \x93quoted\x94 \xBC\r\n"));
    // A worksheet with no rows is its five header lines.
    EXPECT_TRUE(
        bytes.endsWith("Time & Services Worksheet - ***************\r\nColumn Count\r\n4\r\n"
                       "Row Count\r\n0\r\n"));
}

TEST(ClientFile, HandWrittenFilesWithMigrationOverrideTwoAndLfLineEnds) {
    test::PagesText pages;
    CopyText page9, page10, page12;
    // Slot 22 of page 9 held another answer before 4.37; slot 35 of page 12
    // is no answer of the form, kept as read.
    constexpr int OldPage9Slot = 22, UnusedPage12Slot = 35;
    page9.texts = {{OldPage9Slot, "old 9/22"}, {page9::FiduciaryEMailAddress, "kept"}};
    page10.texts = {{31, "a"}, {32, "b"}, {33, "c"}, {34, "d"}};
    page12.texts = {{page12::AttorneyEMailAddress, "x"},
                    {page12::ApplicantEMailAddress, "y"},
                    {24, "z"},
                    {page12::TheApplicantIsAResidentOfOhio, "p"},
                    {UnusedPage12Slot, "kept"}};
    page12.flags = {{page12::TheApplicantIsAResidentOfOhio, "2"},
                    {page12::AttorneyEMailAddress, "-1"}};
    pages[9] = {page9};
    pages[10] = {page10};
    pages[12] = {page12};
    const QStringList sheets = sheetLines("Kin Worksheet - ***************", 48, {{"Son"}}) +
                               sheetLines("Asset Worksheet - ***************", 100, {}) +
                               sheetLines("Expense Worksheet - ***************", 26, {{}, {}}) +
                               sheetLines("Time & Services Worksheet - ***************", 4, {});

    struct Case {
        const char* version;
        const char* lineEnd;
        bool migrated;
    };
    for (const Case& c :
         {Case{" 4.36000000000000E+0000", "\r\n", true}, Case{"4.36", "\n", true},
          Case{" 4.37000000000000E+0000", "\r\n", false}, Case{"4.4", "\n", false},
          Case{"4.4", "\r", false}}) {
        SCOPED_TRACE((c.version + QByteArray(" ") + QByteArray(c.lineEnd).toHex()).toStdString());
        const QByteArray bytes = fileBytes(
            QStringList{"Another Program", c.version, "75"} + pageLines(pages) + sheets, c.lineEnd);
        CaseData data;
        QString error;
        ASSERT_TRUE(ReadClientFileBytes(data, bytes, "hand.wm4", &error)) << error.toStdString();
        const TAnswer& a = data.answers;
        EXPECT_EQ(a.ProgramName, QStringLiteral("Another Program"));
        EXPECT_DOUBLE_EQ(a.VersionNo, 4.41);
        EXPECT_DOUBLE_EQ(a.DefaultHourlyRate, 75);
        EXPECT_EQ(a.answer(page9::Page, 0, OldPage9Slot), c.migrated ? "" : "old 9/22");
        EXPECT_EQ(a.answer(page9::Page, 0, page9::FiduciaryEMailAddress), "kept");
        EXPECT_EQ(a.answer(page12::Page, 0, page12::ApplicantEMailAddress), c.migrated ? "" : "y");
        EXPECT_EQ(a.answer(page12::Page, 0, page12::TheApplicantIsAResidentOfOhio),
                  c.migrated ? "a" : "p");
        EXPECT_EQ(
            a.answer(
                page12::Page, 0,
                page12::EveryPersonEntitledToAdministerBeforeTheApplicantHasWaivedThatRightForm43),
            c.migrated ? "d" : "");
        EXPECT_EQ(a.answer(page12::Page, 0, UnusedPage12Slot), "kept");
        EXPECT_TRUE(a.ovRide(page12::Page, 0, page12::TheApplicantIsAResidentOfOhio))
            << "flag line 2";
        EXPECT_TRUE(a.ovRide(page12::Page, 0, page12::AttorneyEMailAddress)) << "flag line -1";
        EXPECT_FALSE(a.ovRide(page12::Page, 0, page12::ApplicantEMailAddress));
        EXPECT_EQ(a.PgCt[0], -1);
        EXPECT_EQ(data.KSchedList.rowCount(), 1);
        EXPECT_EQ(data.KSchedList.cell(0, 0), "Son");
        EXPECT_EQ(data.ASchedList.rowCount(), 0);
        EXPECT_EQ(data.ESchedList.rowCount(), 2);
        // Written back: CR LF, version 4.41, the same pages.
        const QByteArray written = ClientFileBytes(data);
        EXPECT_TRUE(
            written.startsWith("Another Program\r\n 4.41000000000000E+0000\r\n"
                               " 7.50000000000000E+0001\r\n-1\r\n"));
        CaseData again;
        ASSERT_TRUE(ReadClientFileBytes(again, written, "again.wm4"));
        expectSameCase(data, again);
    }
}

TEST(ClientFile, ReadErrorsNameTheFileAndLine) {
    const QStringList good = smallCaseLines();
    const int kinRowCountLine = KinRowCountLine;
    struct Case {
        const char* what;
        int line;  // 1-based line to replace; 0: cut the file after keepLines
        QString text;
        int keepLines;
        const char* reason;
        int errorLine = 0;  // 0: the line replaced, or the one after the cut
    };
    const Case cases[] = {
        {"version not a number", 2, "four point four", 0, "expected a number"},
        {"rate not a number", 3, "inf", 0, "expected a number"},
        {"count not an integer", 4, "1.5", 0, "expected a whole number"},
        {"count above 99", 5, "100", 0, "at most 100 copies"},
        {"row count not an integer", kinRowCountLine, "one", 0, "expected a whole number"},
        {"ends in the pages", 0, {}, 150, "ends early"},
        // The row count is held against the lines that follow it.
        {"ends in a worksheet", 0, {}, kinRowCountLine + 10,
         "ends early: the row count 1 of the kin worksheet needs 48 more lines, but only 10 follow",
         kinRowCountLine},
        {"empty file", 0, {}, 0, "ends early"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QStringList lines = good;
        if (c.line > 0)
            lines[c.line - 1] = c.text;
        else
            lines = lines.mid(0, c.keepLines);
        const int expectedLine =
            c.errorLine > 0 ? c.errorLine : c.line > 0 ? c.line : c.keepLines + 1;
        CaseData data;
        QString error;
        EXPECT_FALSE(ReadClientFileBytes(data, fileBytes(lines), "/cases/estate.wm4", &error));
        EXPECT_TRUE(error.contains("/cases/estate.wm4")) << error.toStdString();
        EXPECT_TRUE(error.contains(QStringLiteral("line %1:").arg(expectedLine)))
            << error.toStdString();
        EXPECT_TRUE(error.contains(c.reason)) << error.toStdString();
    }
    // What was read before the faulty line stays.
    QStringList lines = good;
    lines[kinRowCountLine + 3] = "";  // cut inside the asset section
    lines = lines.mid(0, kinRowCountLine + 50);
    CaseData data;
    EXPECT_FALSE(ReadClientFileBytes(data, fileBytes(lines), "cut.wm4"));
    EXPECT_EQ(data.KSchedList.cell(0, 0), "Son");

    QString missing;
    EXPECT_FALSE(ReadClientFile(data, "/nonexistent/folder/x.wm4", &missing));
    EXPECT_TRUE(missing.contains("/nonexistent/folder/x.wm4")) << missing.toStdString();
}

// A file of under 1 KB whose counts promise millions of lines is refused at
// the count's line before anything is allocated for it, and the most extreme
// counts are named exactly (no arithmetic on them overflows).
TEST(ClientFile, CountsAreHeldAgainstWhatTheFileHolds) {
    const QStringList good = smallCaseLines();
    ASSERT_LT(fileBytes(good, "\n").size(), 1024);
    ASSERT_EQ(good[KinRowCountLine - 1], "1");
    ASSERT_EQ(good[TimeRowCountLine - 1], "0");
    const int kinCellsLeft = int(good.size()) - KinRowCountLine;
    struct Case {
        const char* what;
        int line;
        const char* text;
        QString reason;
    };
    const Case cases[] = {
        {"5,000,000 kin rows", KinRowCountLine, "5000000",
         QStringLiteral("the file ends early: the row count 5000000 of the kin worksheet needs "
                        "240000000 more lines, but only %1 follow")
             .arg(kinCellsLeft)},
        {"500,000 kin rows", KinRowCountLine, "500000",
         QStringLiteral("the row count 500000 of the kin worksheet needs 24000000 more lines")},
        {"the largest row count", KinRowCountLine, "2147483647",
         QStringLiteral("the row count 2147483647 of the kin worksheet needs 103079215056 more "
                        "lines")},
        {"the most negative row count", KinRowCountLine, "-2147483648",
         QStringLiteral("a row count cannot be negative")},
        {"time rows beyond the end", TimeRowCountLine, "3",
         QStringLiteral("the row count 3 of the time worksheet needs 12 more lines, but only 0 "
                        "follow")},
        {"the largest copy count", 4, "2147483647",
         QStringLiteral("a page holds at most 100 copies, the file names 2147483648")},
        {"99 copies of page 0", 4, "99",
         QStringLiteral("the copy count 99 of page 0 needs 15300 more lines")},
        {"a count beyond the whole numbers", 4, "2147483648",
         QStringLiteral("expected a whole number")},
        {"a copy count below -1 (no copy)", 4, "-2",
         QStringLiteral("the copy count -2 of page 0 is below -1 (no copy)")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QStringList lines = good;
        lines[c.line - 1] = c.text;
        CaseData data;
        QString error;
        EXPECT_FALSE(
            ReadClientFileBytes(data, fileBytes(lines, "\n"), "/cases/hostile.wm4", &error));
        EXPECT_TRUE(error.startsWith(QStringLiteral("\"/cases/hostile.wm4\", line %1: ").arg(c.line)))
            << error.toStdString();
        EXPECT_TRUE(error.contains(c.reason)) << error.toStdString();
        EXPECT_LE(data.KSchedList.rowCount(), 1) << "no rows were made for the count";
    }
}

#if defined(__SANITIZE_ADDRESS__)
#define WM4_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define WM4_ADDRESS_SANITIZER 1
#endif
#endif

// In a child process: limits the address space to 48 MB beyond what is in
// use, reads the bytes, prints the error and exits 0 when the read failed.
[[noreturn]] void readWithLittleMemory(const QByteArray& bytes, const char* path) {
    long pages = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld", &pages) != 1) pages = 0;
        std::fclose(statm);
    }
    const rlim_t limit = rlim_t(pages) * rlim_t(sysconf(_SC_PAGESIZE)) + (rlim_t(48) << 20);
    const struct rlimit address = {limit, limit};
    if (pages == 0 || setrlimit(RLIMIT_AS, &address) != 0) std::_Exit(2);
    CaseData data;
    QString error;
    const bool read = ReadClientFileBytes(data, bytes, path, &error);
    std::fprintf(stderr, "%s\n", error.toUtf8().constData());
    std::_Exit(read ? 1 : 0);
}

// Running out of memory while reading names the file and the line instead of
// ending the command with "std::bad_alloc". A child process reads a file of
// 150,000 empty kin rows (7 MB of line ends, some 180 MB as rows) with 48 MB
// of address space to spare.
TEST(ClientFileDeathTest, RunningOutOfMemoryNamesTheFile) {
#ifdef WM4_ADDRESS_SANITIZER
    GTEST_SKIP() << "AddressSanitizer reserves more address space than any limit leaves";
#endif
    const QStringList good = smallCaseLines();
    const int rows = 150000;
    const QByteArray bytes = fileBytes(good.mid(0, KinRowCountLine - 1), "\n") +
                             QByteArray::number(rows) + '\n' + QByteArray(rows * 48, '\n') +
                             fileBytes(good.mid(KinRowCountLine + 48), "\n");
    EXPECT_EXIT(readWithLittleMemory(bytes, "/cases/huge.wm4"), ::testing::ExitedWithCode(0),
        "\"/cases/huge.wm4\", line [0-9]+: there is not enough memory to read the file");
}

// CR alone ends a line like CR LF and LF; anything after the time worksheet
// is refused at its first line.
TEST(ClientFile, LineEndsAndDataAfterTheLastWorksheet) {
    const QStringList good = smallCaseLines();
    for (const char* lineEnd : {"\r\n", "\n", "\r"}) {
        CaseData data;
        QString error;
        EXPECT_TRUE(ReadClientFileBytes(data, fileBytes(good, lineEnd), "small.wm4", &error))
            << error.toStdString();
        EXPECT_EQ(data.KSchedList.cell(0, 0), "Son");
        EXPECT_EQ(data.TSchedList.rowCount(), 0);
    }
    const int after = int(good.size()) + 1;
    const std::pair<QStringList, const char*> trailing[] = {
        {{"Page 0; No.0; Count 75", "stray"}, "2 more lines"},
        {{""}, "1 more line"},
    };
    for (const auto& [extra, count] : trailing) {
        for (const char* lineEnd : {"\r\n", "\r"}) {
            CaseData data;
            QString error;
            EXPECT_FALSE(
                ReadClientFileBytes(data, fileBytes(good + extra, lineEnd), "long.wm4", &error));
            EXPECT_TRUE(error.contains(QStringLiteral("line %1: the file goes on after the time "
                                                      "worksheet (%2); it may be damaged")
                                           .arg(after)
                                           .arg(QLatin1String(count))))
                << error.toStdString();
        }
    }
    // Bytes after the last line end without one of their own are a line too.
    CaseData data;
    QString error;
    EXPECT_FALSE(ReadClientFileBytes(data, fileBytes(good) + "x", "long.wm4", &error));
    EXPECT_TRUE(error.contains(QStringLiteral("line %1:").arg(after))) << error.toStdString();
}

TEST(ClientFile, FailedSaveLeavesThePreviousFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("estate.wm4");
    writeAll(path, "the previous case\r\n");
    std::unique_ptr<CaseData> data = richCase();

    // The disk fills up part-way through the save (a file size limit makes
    // every write past 4 KB fail, also for root).
    struct rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    bool threw = false;
    try {
        WriteClientFile(*data, path);
    } catch (const FileError& e) {
        threw = true;
        EXPECT_TRUE(e.text().contains(path)) << e.what();
    }
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_TRUE(threw);
    EXPECT_EQ(readAll(path), "the previous case\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"estate.wm4"})
        << "no temporary file is left behind";

    // A folder that cannot be written to.
    if (geteuid() != 0) {
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_THROW(WriteClientFile(*data, path), FileError);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        EXPECT_EQ(readAll(path), "the previous case\r\n");
    }
    EXPECT_THROW(WriteClientFile(*data, dir.filePath("missing/estate.wm4")), FileError);

    // A save that succeeds replaces the file whole.
    WriteClientFile(*data, path);
    EXPECT_EQ(readAll(path), ClientFileBytes(*data));
}

TEST(ClientFile, TextOutsideTheCodePageIsReportedPerCopyAndWorksheet) {
    // Slots the screens leave unused: the file keeps them all the same.
    constexpr int UnusedPage3Slot = 1, FirstSlot = 0;
    test::ReportRecorder recorder;
    CaseData data;
    data.answers.setAnswer(page2::Page, 0, page2::Persons[2],
                           "Zoë Kovač");  // č has no Windows-1252 byte
    data.answers.setAnswer(page2::Page, 0, page2::Persons[3], "ok");
    data.answers.setAnswer(3, 0, UnusedPage3Slot, "smile 😀");
    data.KSchedList.setRowCount(1);
    data.KSchedList.setCell(kinColumn::Name, 0, "Ελένη");
    const QByteArray bytes = ClientFileBytes(data);
    EXPECT_TRUE(bytes.contains("\r\nZo\xEB Kova?\r\n"));
    EXPECT_TRUE(bytes.contains("\r\nsmile ?\r\n"));
    EXPECT_TRUE(bytes.contains("\r\n?????\r\n"));
    // Digit 0: no disk-error advice behind it; the text says where.
    ASSERT_EQ(recorder.numbers(), (QList<int>{35010, 35010, 35010}));
    EXPECT_TRUE(recorder.reports()[0].message.endsWith("Where: page 2, copy 0"));
    EXPECT_TRUE(recorder.reports()[2].message.endsWith("Where: the kin worksheet"));
    EXPECT_TRUE(recorder.reports()[2].advice.isEmpty());
    // A line break inside an answer would shift every later line.
    CaseData broken;
    broken.answers.setAnswer(5, 0, FirstSlot, "first\nsecond\r\nthird");
    const QByteArray fixed = ClientFileBytes(broken);
    EXPECT_TRUE(fixed.contains("\r\nfirst | second | third\r\n0\r\n"));
    CaseData back;
    ASSERT_TRUE(ReadClientFileBytes(back, fixed, "x.wm4"));
    EXPECT_EQ(back.answers.answer(5, 0, FirstSlot + 1), "");
}

TEST(TextLines, Cp1252EveryByteRoundTrips) {
    QByteArray all;
    for (int b = 0; b < 256; ++b) all.append(char(b));
    const QString text = DecodeCp1252(all);
    EXPECT_EQ(text[0x80], QChar(0x20AC));
    EXPECT_EQ(text[0x92], QChar(0x2019));
    EXPECT_EQ(text[0x81], QChar(0x81));
    EXPECT_EQ(text[0xE9], QChar(0xE9));
    QByteArray back;
    EXPECT_TRUE(AppendCp1252(back, text));
    EXPECT_EQ(back, all);
}

TEST(TextLines, RealsInTheWidth23Form) {
    const std::pair<double, const char*> cases[] = {
        {4.41, " 4.41000000000000E+0000"},  {0, " 0.00000000000000E+0000"},
        {0.75, " 7.50000000000000E-0001"},  {-1234.5, "-1.23450000000000E+0003"},
        {125.5, " 1.25500000000000E+0002"}, {1e-12, " 1.00000000000000E-0012"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(FormatReal23(value), QString::fromLatin1(text));
        double read = -1;
        EXPECT_TRUE(ParseFileReal(QString::fromLatin1(text), &read)) << text;
        EXPECT_DOUBLE_EQ(read, value);
    }
    for (const char* good : {"0.75", " 4.36 ", "1e3", "-2"}) {
        double read;
        EXPECT_TRUE(ParseFileReal(QString::fromLatin1(good), &read)) << good;
    }
    for (const char* bad : {"", " ", "nan", "inf", "1,5", "abc", "4.4x"}) {
        double read;
        EXPECT_FALSE(ParseFileReal(QString::fromLatin1(bad), &read)) << bad;
    }
}
