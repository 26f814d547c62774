// The template merge: every marker kind, markers broken across lines, the
// size carried from field to field and page to page, escaping, the width
// file and the reports of a bad template.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "case/case_data.h"
#include "files/file_error.h"
#include "output/document/document_error.h"
#include "output/document/template_merge.h"
#include "output/document/width_table.h"
#include "output/output_fixture.h"
#include "support/fixed_width_measurer.h"
#include "support/report_recorder.h"

namespace wm4 {
namespace {

using test::WriteTemplate;
using test::WriteWidths;

class MergeTest : public ::testing::Test {
protected:
    // Merges `body` as page `page`, copy 0, and returns what follows the
    // header marker.
    QString merge(int page, const QString& body, double width = 3.0) {
        WriteTemplate(dir.path(), page, body);
        WriteWidths(dir.path(), page, MaxSlot[page] + 1, width);
        merger.LoadTemplate(TemplatePath(dir.path(), page));
        merger.MergePage(page, 0);
        const QString text = merger.workingText();
        return text.mid(text.indexOf(QStringLiteral("\\'b7\\v0 ")) + 8).chopped(5);  // "\r\n}\r\n"
    }

    QTemporaryDir dir;
    CaseData data;
    test::FixedWidthMeasurer measurer;  // 12 points: 8 pixels a character
    TemplateMerge merger{data.answers, measurer, dir.path()};
};

struct MarkerCase {
    const char* name;
    int page;
    int slot;
    QString answer;
    QString body;
    QString merged;
};

TEST_F(MergeTest, EveryMarkerKindFormatsItsAnswer) {
    const QString wingdings = QStringLiteral("\\f2 ");
    const MarkerCase cases[] = {
        {"plain drops one trailing blank and restores the size", 1, 5, "Jane Doe ", "\\fs24 [/*5/]",
         "\\fs24 [\\fs24 Jane Doe\\fs24 ]"},
        {"second plain kind", 1, 5, "Jane", "\\fs20 [/<5/]", "\\fs20 [\\fs20 Jane\\fs20 ]"},
        {"plain shrinks a text too wide at the template size", 1, 5, QString(34, u'w'),
         "\\fs24 [/*5/]", "\\fs24 [\\fs22 " + QString(34, u'w') + "\\fs24 ]"},
        {"plain too wide at six points", 1, 5, QString(80, u'w'), "\\fs24 [/*5/]",
         "\\fs24 [REDUCE TEXT\\fs24 ]"},
        {"plain on a page that is not fitted", 30, 5, QString(80, u'w'), "\\fs24 [/*5/]",
         "\\fs24 [" + QString(80, u'w') + "\\fs24 ]"},
        {"amount", 1, 12, "$1,234.5", "\\fs24 [/$12/]", "\\fs24 [1,234.50]"},
        {"second amount kind, negative", 1, 12, "(12)", "\\fs24 [/#12/]", "\\fs24 [-12.00]"},
        {"empty amount prints 0.00", 1, 12, "", "\\fs24 [/$12/]", "\\fs24 [0.00]"},
        {"empty amount on a page of empty amounts", 20, 12, "", "\\fs24 [/$12/]", "\\fs24 []"},
        {"percentage", 1, 9, "0.05", "\\fs24 [/%9/]", "\\fs24 [5.000%]"},
        {"empty percentage", 1, 9, "", "\\fs24 [/%9/]", "\\fs24 []"},
        {"ticked check box", 1, 3, "X", "\\fs10 [/&3/]",
         "\\fs10 [" + wingdings + "\\fs24 \\u9746x\\fs10\\f0 ]"},
        {"lower-case x is an empty box", 1, 3, "x", "\\fs10 [/&3/]",
         "\\fs10 [" + wingdings + "\\fs24 \\u9744o\\fs10\\f0 ]"},
        {"multi-line", 1, 7, "Line one | Line two", "\\fs24 [/+7/]",
         "\\fs24 [Line one\\par Line two]"},
        {"lines: each escaped, joined by paragraphs", 1, 7,
         "Ann {Lee}\nHYPERLINK \\fldinst\r\nCity", "\\fs24 [/~7/]",
         "\\fs24 [Ann \\{Lee\\}\\par HYPERLINK \\\\fldinst\\par City]"},
        {"a field never becomes RTF", 1, 7, "{\\field{\\*\\fldinst HYPERLINK \"x\"}}",
         "\\fs24 [/~7/]", "\\fs24 [\\{\\\\field\\{\\\\*\\\\fldinst HYPERLINK \"x\"\\}\\}]"},
        {"control characters never reach the document", 1, 5,
         QStringLiteral("A") + QChar(0) + u'B' + QChar(7) + QStringLiteral("C\tD\r\nE") +
             QChar(0x7F) + QChar(0x85) + u'F',
         "\\fs24 [/*5/]", "\\fs24 [\\fs24 ABC D EF\\fs24 ]"},
        {"an answer does not run on into a control word before its marker", 1, 12, "$5",
         "\\fs24 [\\b/$12/]", "\\fs24 [\\b 5.00]"},
        {"an escaped slash starts no marker", 1, 5, "x", "\\fs24 [\\/*5/]", "\\fs24 [\\/*5/]"},
        {"long date", 1, 4, "3/9/2021", "\\fs24 [/^4/]", "\\fs24 [March 9, 2021]"},
        {"three-digit slot", 2, 125, "Z", "\\fs24 [/*125/]", "\\fs24 [\\fs24 Z\\fs24 ]"},
        {"plain text is escaped for RTF", 1, 5, "A {b} \\c", "\\fs24 [/*5/]",
         "\\fs24 [\\fs24 A \\{b\\} \\\\c\\fs24 ]"},
        {"multi-line text is escaped, its breaks are not", 1, 7, "{a} | b", "\\fs24 [/+7/]",
         "\\fs24 [\\{a\\}\\par b]"},
        {"an answer is never read as a marker", 1, 5, "/*6/", "\\fs24 [/*5/]",
         "\\fs24 [\\fs24 /*6/\\fs24 ]"},
        {"a slash that starts no marker stays", 1, 5, "x", "\\fs24 a/b /*x/ /$ / end",
         "\\fs24 a/b /*x/ /$ / end"},
    };
    for (const MarkerCase& c : cases) {
        SCOPED_TRACE(c.name);
        data.answers.setAnswer(c.page, 0, c.slot, c.answer);
        // The slot of the marker one case's answer holds (/*6/).
        constexpr int MarkerInAnAnswer = 6;
        data.answers.setAnswer(c.page, 0, MarkerInAnAnswer, QStringLiteral("SIX"));
        EXPECT_EQ(merge(c.page, c.body), c.merged);
    }
}

TEST_F(MergeTest, MarkerBrokenAcrossLinesIsFound) {
    constexpr int BrokenSlot = 12, MultiLineSlot = 7;  // the markers /*12/ and /+7/
    data.answers.setAnswer(1, 0, BrokenSlot, QStringLiteral("Twelve"));
    data.answers.setAnswer(1, 0, MultiLineSlot, QStringLiteral("Seven"));
    EXPECT_EQ(merge(1, "\\fs24 [/*1\r\n2/] [/\r\n+7/]"), "\\fs24 [\\fs24 Twelve\\fs24 ] [Seven]");
}

TEST_F(MergeTest, CurrentSizeCarriesIntoTheNextPage) {
    constexpr int PlainSlot = 1;  // the marker /*1/
    data.answers.setAnswer(1, 0, PlainSlot, QStringLiteral("One"));
    merge(1, "\\fs18 first page");
    EXPECT_EQ(merger.currentSize(), 18);
    EXPECT_EQ(merge(1, "[/*1/]"), "[\\fs18 One\\fs18 ]");
}

// No answer is RTF: one that looks like size words prints as text and
// leaves the size of the next field as the template set it.
TEST_F(MergeTest, AnAnswerNeverSetsTheSize) {
    constexpr int LinesSlot = 1, PlainSlot = 2;  // the markers /~1/ and /*2/
    data.answers.setAnswer(1, 0, LinesSlot, QStringLiteral("{\\fs16 x}\\fs20 "));
    data.answers.setAnswer(1, 0, PlainSlot, QStringLiteral("Two"));
    EXPECT_EQ(merge(1, "\\fs24 /~1/[/*2/]"), "\\fs24 \\{\\\\fs16 x\\}\\\\fs20 [\\fs24 Two\\fs24 ]");
}

TEST_F(MergeTest, WidthOfFieldKindFourIsATimesB) {
    EXPECT_DOUBLE_EQ(*ParseWidthLine("3 4 0 0.0 2.5 1.2 0"), 3.0);
    EXPECT_DOUBLE_EQ(*ParseWidthLine("3 1 0 0.0 2.5 1.2 0"), 1.2);
    EXPECT_FALSE(ParseWidthLine("3 1 0 0.0 2.5 1.2").has_value());
    EXPECT_FALSE(ParseWidthLine("3 x 0 0.0 2.5 1.2 0").has_value());
}

// A damaged data folder is refused where it is read, naming file and line,
// rather than printing raw markers under an unrelated report.
TEST_F(MergeTest, AWidthLineThatDoesNotParseIsRefusedWithFileAndLine) {
    test::ReportRecorder recorder;
    WriteTemplate(dir.path(), 1, "[/*1/]");
    QFile dat(WidthFilePath(dir.path(), 1));
    ASSERT_TRUE(dat.open(QIODevice::WriteOnly));
    dat.write("0 0 0 0.0 1.0 3.0 0\r\n0 0 0 0.0 1.0 3.0 0\r\nbroken line\r\n");
    dat.close();
    merger.LoadTemplate(TemplatePath(dir.path(), 1));
    try {
        merger.MergePage(1, 0);
        ADD_FAILURE() << "merged with a broken width file";
    } catch (const FileError& e) {
        EXPECT_EQ(e.path(), WidthFilePath(dir.path(), 1));
        EXPECT_EQ(e.line(), 3);
        EXPECT_TRUE(e.reason().contains("\"broken line\"")) << e.text().toStdString();
    }
    EXPECT_TRUE(recorder.numbers().isEmpty());
}

TEST_F(MergeTest, MissingFilesAndForeignSlotsEndTheCommand) {
    EXPECT_THROW(merger.LoadTemplate(TemplatePath(dir.path(), 42)), FileError);
    WriteTemplate(dir.path(), 1, "[/*1/]");
    merger.LoadTemplate(TemplatePath(dir.path(), 1));
    EXPECT_THROW(merger.MergePage(1, 0), FileError);   // no width file
    EXPECT_THROW(merge(7, "[/*26/]"), DocumentError);  // page 7 has slots 0 to 25
}

// The one check every print command loads its templates through.
TEST(TemplateCheck, RefusesTemplatesThatAreNotRtfHaveNoMarkerOrAreCutShort) {
    const QString marker = QStringLiteral("\\v\\'b7\\v0 ");
    const std::pair<QString, const char*> cases[] = {
        {"{\\rtf1{\\fonttbl{\\f0 Arial;}}" + marker + "body}\r\n", ""},
        {"\r\n  {\\rtf1 " + marker + "braces as text \\{ \\} \\\\}", ""},
        {"", "it is empty"},
        {" \r\n\t", "it is empty"},
        {"{\\pard " + marker + "}", "it is not an RTF document (it does not begin with {\\rtf)"},
        {"rtf1 " + marker, "it is not an RTF document (it does not begin with {\\rtf)"},
        {"{\\rtf1{\\fonttbl{\\f0 Arial;}} body}", "it has no header marker \\'b7"},
        {"{\\rtf1{\\fonttbl{\\f0 Arial;}}" + marker + "{\\b cut",
         "it is cut short (2 groups are not closed at its end)"},
        {"{\\rtf1 " + marker + "an escaped end \\}",
         "it is cut short (1 group is not closed at its end)"},
        {"{\\rtf1 " + marker + "\r\n{\\b one}\r\n}} two}\r\n",
         "its groups do not balance: the \"}\" on line 3 closes the document before its end"},
        {"{\\rtf1 " + marker + "}\r\n}",
         "its groups do not balance: the \"}\" on line 1 closes the document before its end"},
        {"{\\rtf1 " + marker + "}\r\n\r\n", ""},
    };
    for (const auto& [text, fault] : cases) {
        EXPECT_EQ(TemplateFault(text), QString::fromUtf8(fault)) << text.toStdString();
        if (*fault) {
            try {
                CheckTemplate(text, "/data/RTF/Page9.rtf");
                ADD_FAILURE() << "accepted " << text.toStdString();
            } catch (const DocumentError& e) {
                EXPECT_EQ(e.text(), QStringLiteral("The template /data/RTF/Page9.rtf cannot be "
                                                   "printed: %1.")
                                        .arg(QString::fromUtf8(fault)));
            }
        }
    }
}

TEST_F(MergeTest, GetNumFromTextReportsBadNumbers) {
    test::ReportRecorder recorder;
    merger.setWorkingText(QStringLiteral("\\fs2x4 rest of the text"));
    EXPECT_EQ(merger.GetNumFromText(3), 2);
    EXPECT_EQ(recorder.numbers(), QList<int>{21060});
    recorder.clear();
    merger.setWorkingText(QStringLiteral("ab\\fs24"));
    EXPECT_EQ(merger.GetNumFromText(5), -1);
    EXPECT_EQ(recorder.numbers(), QList<int>{21070});
}

TEST_F(MergeTest, FindsTheWingdingsFontNumber) {
    merger.setWorkingText(QStringLiteral(
        "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f12\\fnil\\fcharset2 WingDings;}}Wingdings"));
    EXPECT_EQ(merger.FindWingdingsFont(), QStringLiteral("\\f12 "));
    merger.setWorkingText(QStringLiteral("{\\rtf1{\\fonttbl{\\f0 Arial;}}}"));
    EXPECT_EQ(merger.FindWingdingsFont(), QString());
}

TEST_F(MergeTest, CheckBoxWithoutWingdingsKeepsTheBox) {
    constexpr int CheckSlot = 3;  // the marker /&3/
    data.answers.setAnswer(1, 0, CheckSlot, QStringLiteral("X"));
    merger.setWorkingText(QStringLiteral("{\\rtf1\\fs20 [/&3/] padding\r\n}"));
    merger.TransferDocument(1, 0, WidthTable());
    EXPECT_EQ(merger.workingText(),
              QStringLiteral("{\\rtf1\\fs20 [\\fs24 \\u9746x\\fs20\\f0 ] padding\r\n}"));
}

}  // namespace
}  // namespace wm4
