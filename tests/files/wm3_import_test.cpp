#include "files/wm3_import.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "files/file_text.h"
#include "forms/page000.h"
#include "support/report_recorder.h"

using namespace wm4;
using wm4::test::CopyText;

namespace {

// The first slot of a page copy, whatever the page holds there.
constexpr int FirstSlot = 0;

// A prior-version worksheet section: R is the row count line, the file then
// holds R - 1 rows per column.
QStringList wm3Sheet(const char* title, int columns, const QList<QStringList>& rows) {
    QStringList lines{title, "Column Count", QString::number(columns), "Row Count",
                      QString::number(rows.size() + 1)};
    for (int c = 0; c < columns; ++c)
        for (const QStringList& row : rows) lines << row.value(c);
    return lines;
}

QStringList assetRow(std::initializer_list<std::pair<int, const char*>> cells) {
    QStringList row;
    for (int c = 0; c < 88; ++c) row << QString();
    for (const auto& [column, text] : cells) row[column] = QString::fromUtf8(text);
    return row;
}

QStringList wm3Lines() {
    QStringList lines{"Wendmoor3", " 3.20000000000000E+0000", " 6.50000000000000E+0001"};
    for (int i = 1; i <= 15; ++i) lines << QString::number(i);
    test::PagesText pages;
    CopyText general;
    general.texts = {{page0::DecedentName, "John Q. Public"},
                     {page0::JudgesLine, "OLD JUDGE"},
                     {page0::County, "Oldcounty"},
                     {MaxSlot[0], "last slot"}};
    general.flags = {{page0::DecedentName, "1"}};
    CopyText second, third;
    second.texts = {{MaxSlot[1], "copy 1 last slot"}};
    third.texts = {{FirstSlot, "copy 2"}};
    pages[0] = {general};
    pages[1] = {CopyText{}, second, third};
    lines << test::pageLines(pages);
    lines << wm3Sheet("Kin", 44, {{"Son", "Robert"}, {"Daughter"}});
    lines << wm3Sheet("Asset", 88,
                      {assetRow({{0, "Sedan"}, {50, "1st Auto"}, {7, "n/a"}, {52, "1ST AUTO"}}),
                       assetRow({{48, "Personal property w/o ascertainable value"},
                                 {50, "2ND AUTO"},
                                 {52, "Stocks & Bonds"},
                                 {58, "Non Probate & Non Joint"},
                                 {87, "N/A"}})});
    lines << wm3Sheet("Expense", 25,
                      {{"Funeral", "", "", "", "", "", "", "", "", "", "", "",       "",
                        "",        "", "", "", "", "", "", "", "", "", "", "$500.00"}});
    lines << wm3Sheet("Time", 5, {{"lead", "1/5/2021", "Probate hearing", "2.5", "200"}});
    return lines;
}

}  // namespace

TEST(Wm3Import, CopiesEveryAnswerAndTranslatesTheWorksheets) {
    QTemporaryDir dir;
    const QString path = dir.filePath("estate.wm3");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(test::fileBytes(wm3Lines()));
    }
    CaseData data;
    data.answers.VersionNo = 4.0;
    QString error;
    ASSERT_TRUE(ReadWM3File(data, path, &error)) << error.toStdString();
    const TAnswer& a = data.answers;
    EXPECT_DOUBLE_EQ(a.VersionNo, 4.41);
    EXPECT_EQ(a.answer(page0::Page, 0, page0::DecedentName), "John Q. Public");
    EXPECT_FALSE(a.ovRide(page0::Page, 0, page0::DecedentName))
        << "override flags are not taken over";
    EXPECT_EQ(a.answer(page0::Page, 0, page0::JudgesLine),
              "EDGAR T. WILLOW, Presiding Judge; NORA P. ASHDOWN, Judge");
    EXPECT_EQ(a.answer(page0::Page, 0, page0::County), "Wendmoor");
    EXPECT_EQ(a.answer(page0::Page, 0, MaxSlot[0]), "last slot")
        << "the last slot of a page is imported too";
    EXPECT_EQ(a.answer(1, 1, MaxSlot[1]), "copy 1 last slot");
    EXPECT_EQ(a.answer(1, 2, FirstSlot), "copy 2");
    EXPECT_EQ(a.PgCt[1], 2);
    EXPECT_EQ(a.PgCt[2], 0) << "a page without copies keeps the fresh count";
    EXPECT_FALSE(a.copyTouched(2, 0));

    EXPECT_EQ(data.KSchedList.rowCount(), 3);
    EXPECT_EQ(data.KSchedList.cell(1, 0), "Robert");
    EXPECT_EQ(data.KSchedList.cell(0, 1), "Daughter");

    const WorksheetStore& assets = data.ASchedList;
    ASSERT_EQ(assets.rowCount(), 3);
    const std::tuple<int, int, const char*> assetCells[] = {
        {0, 0, "Sedan"},
        {50, 0, "1st automobile"},
        {7, 0, "Not used for this asset"},
        {52, 0, "1ST AUTO"},  // the automobile wording belongs to column 50 only
        {48, 1, "Personal Property Without Ascertainable Value"},
        {50, 1, "2nd automobile"},
        {52, 1, "Stocks and bonds"},
        {58, 1, "Non probate and non joint"},
        {87, 1, "Not used for this asset"},
        {88, 1, ""},
    };
    for (const auto& [column, row, text] : assetCells)
        EXPECT_EQ(assets.cell(column, row), QString::fromUtf8(text)) << "column " << column;
    EXPECT_TRUE(assets.row(2).join("").isEmpty());

    EXPECT_EQ(data.ESchedList.rowCount(), 2);
    EXPECT_EQ(data.ESchedList.cell(24, 0), "$500.00");
    EXPECT_EQ(data.TSchedList.row(0), (QStringList{"1/5/2021", "Probate hearing", "2.5", "200"}));
    EXPECT_EQ(data.TSchedList.rowCount(), 2);
}

TEST(Wm3Import, PriorStoreHoldsTheHeader) {
    TWM3Answer prior;
    WM3Sheets sheets;
    ReadWM3Bytes(prior, sheets, test::fileBytes(wm3Lines(), "\n"), "x.wm3");
    EXPECT_EQ(prior.ProgramName, "Wendmoor3");
    EXPECT_DOUBLE_EQ(prior.VersionNo, 3.2);
    EXPECT_DOUBLE_EQ(prior.DefaultHourlyRate, 65);
    EXPECT_EQ(prior.NoOf1_0, 1);
    EXPECT_EQ(prior.NoOf6_1, 3);
    EXPECT_EQ(prior.NoOfStockPower, 11);
    EXPECT_EQ(prior.NoOfInsLtr, 15);
    EXPECT_EQ(prior.NoOf4_4, 0);
    EXPECT_EQ(prior.PgCt[5], -1);
    EXPECT_EQ(sheets.WM3TSchedList.cell(0, 0), "lead");

    test::ReportRecorder recorder;
    prior.CreateAPage(1, 98);
    EXPECT_TRUE(prior.copy(1, 98).isEmpty());
    EXPECT_THROW(prior.CreateAPage(1, 99), SilentAbort);
    EXPECT_EQ(recorder.numbers(), QList<int>{18012});
}

TEST(Wm3Import, EmptySectionsGiveOneEmptyRow) {
    QStringList lines = wm3Lines();
    const int kinStart = int(lines.indexOf("Kin"));
    lines = lines.mid(0, kinStart);
    for (const char* title : {"Kin", "Asset", "Expense", "Time"})
        lines << QStringList{title, "Column Count", "0", "Row Count", "1"};
    TWM3Answer prior;
    WM3Sheets sheets;
    ReadWM3Bytes(prior, sheets, test::fileBytes(lines), "x.wm3");
    CaseData data;
    data.KSchedList.setRowCount(5);
    data.KSchedList.setCell(0, 4, "old");
    CopyWM3IntoCase(prior, sheets, data);
    for (const WorksheetStore* s :
         {&data.KSchedList, &data.ASchedList, &data.ESchedList, &data.TSchedList}) {
        ASSERT_EQ(s->rowCount(), 1);
        EXPECT_TRUE(s->row(0).join("").isEmpty());
    }
}

TEST(Wm3Import, ReadErrorsNameTheFileAndLineAndLeaveTheCase) {
    const QStringList good = wm3Lines();
    const int kinRowCountLine = int(good.indexOf("Kin")) + 5;
    struct Case {
        const char* what;
        int line;  // 1-based; 0: cut after keepLines; -1: text added at the end
        const char* text;
        int keepLines;
        const char* reason;
        int errorLine = 0;  // 0: the line replaced, or the one after the cut
    };
    const Case cases[] = {
        {"counter not a number", 5, "two", 0, "expected a whole number"},
        {"copy index 100", 19, "100", 0, "at most 100 copies"},
        {"the largest copy index", 19, "2147483647", 0,
         "at most 100 copies, the file names 2147483648"},
        {"flag not a number", 22, "yes", 0, "expected a whole number"},
        // Page 0's copy is held against the 21 lines left after its count.
        {"ends early", 0, "", 40,
         "the file ends early: the highest copy 0 of page 0 needs 153 more lines, but only 21 "
         "follow",
         19},
        {"the most negative row count", kinRowCountLine, "-2147483648", 0,
         "a row count cannot be negative"},
        {"the largest row count", kinRowCountLine, "2147483647", 0,
         "the row count 2147483647 of the kin worksheet needs 94489280424 more lines"},
        {"data after the time worksheet", -1, "more", 0,
         "the file goes on after the time worksheet (1 more line)", int(good.size()) + 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QStringList lines = good;
        if (c.line > 0)
            lines[c.line - 1] = c.text;
        else if (c.line < 0)
            lines << c.text;
        else
            lines = lines.mid(0, c.keepLines);
        QTemporaryDir dir;
        const QString path = dir.filePath("bad.wm3");
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(test::fileBytes(lines));
        f.close();
        CaseData data;
        QString error;
        EXPECT_FALSE(ReadWM3File(data, path, &error));
        const int line = c.errorLine > 0 ? c.errorLine : c.line > 0 ? c.line : c.keepLines + 1;
        EXPECT_TRUE(error.contains(path)) << error.toStdString();
        EXPECT_TRUE(error.contains(QStringLiteral("line %1:").arg(line))) << error.toStdString();
        EXPECT_TRUE(error.contains(c.reason)) << error.toStdString();
        EXPECT_FALSE(data.answers.copyTouched(0, 0));
    }
}
