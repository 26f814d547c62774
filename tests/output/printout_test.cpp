// Worksheet printouts: lines per page, page breaks, a row straddling two
// pages, the slots each line fills, the summaries and the totals.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>
#include <vector>

#include "case/case_data.h"
#include "case/worksheet_columns.h"
#include "case/worksheet_summaries.h"
#include "output/document/packet.h"
#include "output/document/template_merge.h"
#include "output/document/worksheet_printout.h"
#include "output/output_fixture.h"
#include "output/textfit/text_wrapper.h"
#include "support/fixed_width_measurer.h"

namespace wm4 {
namespace {

class PrintoutTest : public ::testing::Test {
protected:
    PrintoutTest() {
        // Each printout page shows every slot raw as "[slot:text]".
        for (int page : {113, 182, 185, 187}) {
            QString body;
            for (int slot = 0; slot <= MaxSlot[page]; ++slot)
                body += QStringLiteral("[%1:/~%1/]").arg(slot);
            test::WriteTemplate(dir.path(), page, body);
            test::WriteWidths(dir.path(), page, MaxSlot[page] + 1, 2.0);
        }
    }

    // Slot texts of each printed page.
    QList<QMap<int, QString>> print(WorksheetKind kind) {
        BuildWorksheetPrintout(data, kind, wrapper, packet, QStringLiteral("/cases/Doe Estate.wm4"),
                               QDate(2024, 3, 9));
        QList<QMap<int, QString>> pages;
        static const QRegularExpression field(QStringLiteral("\\[(\\d+):([^\\]]*)\\]"));
        for (const QString& text : test::DocumentPages(packet.document())) {
            QMap<int, QString> slots;
            for (auto m = field.globalMatch(text); m.hasNext();) {
                const auto match = m.next();
                slots.insert(match.captured(1).toInt(), match.captured(2));
            }
            pages.append(slots);
        }
        return pages;
    }

    // `rows` rows of `lines` description lines each, value "$<row>".
    void fill(WorksheetStore& store, int rows, int lines, int valueColumn = 2) {
        store.setRowCount(rows);
        for (int r = 0; r < rows; ++r) {
            QStringList description;
            for (int k = 0; k < lines; ++k) description << QStringLiteral("r%1l%2").arg(r).arg(k);
            store.setCell(1, r, description.join(QStringLiteral(" | ")));
            store.setCell(valueColumn, r, QStringLiteral("$%1").arg(r));
        }
    }

    QTemporaryDir dir;
    CaseData data;
    test::FixedWidthMeasurer measurer;
    TextWrapper wrapper{measurer};
    TemplateMerge merger{data.answers, measurer, dir.path()};
    PacketBuilder packet{merger, dir.path()};
};

// The page counts hold with the totals printed: a total has a slot of its
// own below the lines and takes no line position.
TEST_F(PrintoutTest, PageCountsAtTheBoundariesWithTheTotalsPrinted) {
    const struct {
        WorksheetKind kind;
        int rows;
        int pages;
        std::vector<int> totalSlots;  // filled on the last page only
    } cases[] = {
        {WorksheetKind::Asset, 53, 1, {267}},     {WorksheetKind::Asset, 54, 2, {267}},
        {WorksheetKind::Expense, 53, 1, {267}},   {WorksheetKind::Expense, 54, 2, {267}},
        {WorksheetKind::Expense, 106, 2, {267}},  {WorksheetKind::Expense, 107, 3, {267}},
        {WorksheetKind::Time, 49, 1, {198, 199}}, {WorksheetKind::Time, 50, 2, {198, 199}},
        {WorksheetKind::Time, 98, 2, {198, 199}}, {WorksheetKind::Time, 99, 3, {198, 199}},
        {WorksheetKind::Kin, 17, 1, {}},          {WorksheetKind::Kin, 18, 2, {}},
        {WorksheetKind::Kin, 35, 3, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.kind) << " rows " << c.rows);
        WorksheetStore& store = StoreOf(data, c.kind);
        // Values $0 ... (and for time, hours and a rate) so every total is
        // above 0.
        fill(store, c.rows, 1);
        if (c.kind == WorksheetKind::Time)
            for (int r = 0; r < c.rows; ++r) store.setCell(timeColumn::Rate, r, "$100.00");
        EXPECT_EQ(PrintoutPageCount(data, c.kind, wrapper), c.pages);
        const auto pages = print(c.kind);
        ASSERT_EQ(pages.size(), c.pages);
        // The last page holds the last row in its line position.
        const int lastLine = (c.rows - 1) % LayoutOf(c.kind).linesPerPage;
        const int descriptionSlot =
            c.kind == WorksheetKind::Kin ? 2 : 3;  // the kin row's name block starts a line
        EXPECT_TRUE(
            pages.back()[descriptionSlot + lastLine * LayoutOf(c.kind).slotsPerLine].contains(
                QStringLiteral("r%1l0").arg(c.rows - 1)));
        for (int slot : c.totalSlots) {
            EXPECT_FALSE(pages.back()[slot].isEmpty()) << slot;
            for (int p = 0; p + 1 < pages.size(); ++p) EXPECT_EQ(pages[p][slot], QString()) << slot;
        }
    }
}

TEST_F(PrintoutTest, AssetLinesFillTheirSlots) {
    fill(data.ASchedList, 54, 1);
    data.ASchedList.setCell(assetColumn::Appraised, 0, QStringLiteral("X"));
    data.ASchedList.setCell(assetColumn::SendToSummary, 0, QStringLiteral("Jane"));
    data.ASchedList.setCell(assetColumn::CategorySummary, 0, QStringLiteral("Bank"));
    const auto pages = print(WorksheetKind::Asset);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(pages[0][0], QStringLiteral("Doe Estate.wm4"));
    EXPECT_EQ(pages[0][1], QStringLiteral("3/9/2024"));
    // Line 0: appraised, description, send-to, category, value.
    EXPECT_EQ(pages[0][2], QStringLiteral("X"));
    EXPECT_EQ(pages[0][3], QStringLiteral("r0l0"));
    EXPECT_EQ(pages[0][4], QStringLiteral("Jane"));
    EXPECT_EQ(pages[0][5], QStringLiteral("Bank"));
    EXPECT_EQ(pages[0][6], QStringLiteral("$0"));
    EXPECT_EQ(pages[0][3 + 5 * 52], QStringLiteral("r52l0"));
    // The second page holds the one line left, and nothing of the first.
    EXPECT_EQ(pages[1][3], QStringLiteral("r53l0"));
    EXPECT_EQ(pages[1][6], QStringLiteral("$53"));
    EXPECT_EQ(pages[1][8], QString());
    EXPECT_EQ(pages[1][1], QStringLiteral("3/9/2024"));
}

TEST_F(PrintoutTest, RowStraddlingAPageShowsItsValuesOnItsFirstPageOnly) {
    fill(data.TSchedList, 25, 2, 3);  // 50 lines: row 24 has lines 48 and 49
    data.TSchedList.setCell(timeColumn::Date, 24, QStringLiteral("1/2/2024"));
    data.TSchedList.setCell(timeColumn::Hours, 24, QStringLiteral("2.00"));
    const auto pages = print(WorksheetKind::Time);
    ASSERT_EQ(pages.size(), 2);
    const int last = 2 + 4 * 48;  // line 48: date, description, hours, rate
    EXPECT_EQ(pages[0][last], QStringLiteral("1/2/2024"));
    EXPECT_EQ(pages[0][last + 1], QStringLiteral("r24l0"));
    EXPECT_EQ(pages[0][last + 2], QStringLiteral("2.00"));
    EXPECT_EQ(pages[0][last + 3], QStringLiteral("$24"));
    EXPECT_EQ(pages[1][2], QString());
    EXPECT_EQ(pages[1][3], QStringLiteral("r24l1"));
    EXPECT_EQ(pages[1][4], QString());
    EXPECT_EQ(pages[1][5], QString());
}

TEST_F(PrintoutTest, EmptySummaryCellsPrintAsTheWorksheetWouldBuildThem) {
    WorksheetStore& assets = data.ASchedList;
    assets.setRowCount(2);
    // Row 0 was never saved through the window: flags and categories only,
    // and the "0" a new row holds in its flag and category cells.
    assets.setCell(assetColumn::Description, 0, QStringLiteral("House"));
    assets.setCell(assetColumn::Appraised, 0, QStringLiteral("0"));
    for (int column : {18, 22, 29}) assets.setCell(column, 0, QStringLiteral("X"));
    assets.setCell(assetColumn::Category3_0, 0, QStringLiteral("Real Estate"));
    assets.setCell(assetColumn::Category4_0, 0, QStringLiteral("0"));
    assets.setCell(assetColumn::Category5_1, 0, QStringLiteral("Not used for this asset"));
    assets.setCell(assetColumn::Category13_0, 0, QStringLiteral("Income"));
    // Row 1 holds the summaries a window wrote: they print as they stand.
    assets.setCell(assetColumn::Description, 1, QStringLiteral("Car"));
    assets.setCell(assetColumn::ToForm6_0, 1, QStringLiteral("X"));
    assets.setCell(assetColumn::SendToSummary, 1, QStringLiteral("6.0 (as saved)"));
    assets.setCell(assetColumn::CategorySummary, 1, QStringLiteral("Tangible"));
    WorksheetStore& expenses = data.ESchedList;
    expenses.setCell(expenseColumn::Description, 0, QStringLiteral("Funeral"));
    for (int column : {9, 12, 21}) expenses.setCell(column, 0, QStringLiteral("X"));
    const WorksheetStore assetsBefore = assets, expensesBefore = expenses;

    const auto assetPages = print(WorksheetKind::Asset);
    EXPECT_EQ(assetPages[0][2], QString());
    EXPECT_EQ(assetPages[0][4], QStringLiteral("5.1, 6.0, 13.0"));
    EXPECT_EQ(assetPages[0][5], QStringLiteral("Real Estate/Income"));
    EXPECT_EQ(assetPages[0][9], QStringLiteral("6.0 (as saved)"));
    EXPECT_EQ(assetPages[0][10], QStringLiteral("Tangible"));
    EXPECT_EQ(print(WorksheetKind::Expense)[0][4], QStringLiteral("13.0, 24.4, SchJ"));
    // The stored rows are not changed by printing them.
    for (int r = 0; r < 2; ++r) EXPECT_EQ(assets.row(r), assetsBefore.row(r));
    EXPECT_EQ(expenses.row(0), expensesBefore.row(0));
}

TEST_F(PrintoutTest, ALongSummaryRunsOnOverTheRowsFurtherLines) {
    WorksheetStore& assets = data.ASchedList;
    assets.setRowCount(2);
    assets.setCell(assetColumn::Description, 0, QStringLiteral("House"));
    assets.setCell(assetColumn::Value, 0, QStringLiteral("$9.00"));
    for (int column : {16, 17, 18, 19, 20, 21, 22}) assets.setCell(column, 0, QStringLiteral("X"));
    assets.setCell(assetColumn::Description, 1, QStringLiteral("Car"));
    const auto pages = print(WorksheetKind::Asset);
    ASSERT_EQ(pages.size(), 1);
    // "3.0, 4.0, 5.1, 5.6, 5.9, 5.10, 6.0" takes two lines of its column.
    const QString first = pages[0][4], second = pages[0][9];
    EXPECT_FALSE(second.isEmpty());
    EXPECT_EQ(first.trimmed() + QLatin1Char(' ') + second.trimmed(),
              QStringLiteral("3.0, 4.0, 5.1, 5.6, 5.9, 5.10, 6.0"));
    EXPECT_EQ(pages[0][6], QStringLiteral("$9.00"));  // the value on the first line only
    EXPECT_EQ(pages[0][8], QString());
    EXPECT_EQ(pages[0][11], QString());
    EXPECT_EQ(pages[0][13], QStringLiteral("Car"));  // the next row after both lines
}

TEST_F(PrintoutTest, TotalsCloseTheLastPage) {
    fill(data.ASchedList, 54, 1);  // values 0 ... 53 on two pages
    for (int r = 0; r < 54; ++r) data.ASchedList.setCell(assetColumn::ToForm6_0, r, "X");
    const auto assetPages = print(WorksheetKind::Asset);
    ASSERT_EQ(assetPages.size(), 2);
    EXPECT_EQ(assetPages[0][267], QString());
    EXPECT_EQ(assetPages[1][267], QStringLiteral("1,431.00"));

    data.ESchedList.setRowCount(2);
    data.ESchedList.setCell(expenseColumn::Amount, 0, QStringLiteral("$1,000.10"));
    data.ESchedList.setCell(expenseColumn::Amount, 1, QStringLiteral("$0.20"));
    EXPECT_EQ(print(WorksheetKind::Expense)[0][267], QStringLiteral("1,000.30"));

    // Time: the hours, and the fees as each row's hours times its rate to
    // the cent (a row without a rate adds no fee).
    WorksheetStore& times = data.TSchedList;
    times.setRowCount(3);
    const QStringList hours = {"1.50", "0.25", "2.00"}, rates = {"$250.00", "$133.33", ""};
    for (int r = 0; r < 3; ++r) {
        times.setCell(timeColumn::Description, r, QStringLiteral("Work %1").arg(r));
        times.setCell(timeColumn::Hours, r, hours[r]);
        times.setCell(timeColumn::Rate, r, rates[r]);
    }
    const auto timePages = print(WorksheetKind::Time);
    ASSERT_EQ(timePages.size(), 1);
    EXPECT_EQ(timePages[0][4], QStringLiteral("1.50"));  // line 0: date, services, hours, rate
    EXPECT_EQ(timePages[0][5], QStringLiteral("$250.00"));
    EXPECT_EQ(timePages[0][198], QStringLiteral("3.75"));
    EXPECT_EQ(timePages[0][199], QStringLiteral("408.33"));
}

// The asset list holds rows of many kinds (the inventory, receipts of the
// account, a year's rent for the bond, property outside the estate): its
// totals add the rows sent to 6.0 and to 13.0 apart, never all rows into one.
TEST_F(PrintoutTest, AssetTotalsAddTheInventoryAndTheReceiptsApart) {
    WorksheetStore& assets = data.ASchedList;
    const struct {
        const char* description;
        const char* value;
        std::vector<int> marks;
    } rows[] = {
        {"House", "$100,000.00", {assetColumn::ToForm6_0, assetColumn::ToForm13_0}},
        {"Bank account", "$2,500.50", {assetColumn::ToForm6_0}},
        {"Dividend", "$40.00", {assetColumn::ToForm13_0}},
        {"Rent for a year", "$9,600.00", {assetColumn::ToForm4_0}},
        {"Life insurance to the spouse", "$50,000.00", {assetColumn::ToAttorneyFee}},
    };
    assets.setRowCount(int(std::size(rows)));
    for (int r = 0; r < int(std::size(rows)); ++r) {
        assets.setCell(assetColumn::Description, r, rows[r].description);
        assets.setCell(assetColumn::Value, r, rows[r].value);
        for (int column : rows[r].marks) assets.setCell(column, r, "X");
    }
    const auto pages = print(WorksheetKind::Asset);
    EXPECT_EQ(pages[0][267], QStringLiteral("102,500.50"));  // sent to 6.0
    EXPECT_EQ(pages[0][268], QStringLiteral("100,040.00"));  // sent to 13.0
}

// A rejected claim stays on the list, marked, and out of the total.
TEST_F(PrintoutTest, ARejectedClaimIsMarkedAndLeftOutOfTheTotal) {
    WorksheetStore& expenses = data.ESchedList;
    expenses.setRowCount(2);
    expenses.setCell(expenseColumn::Description, 0, "Funeral home");
    expenses.setCell(expenseColumn::Amount, 0, "$6,800.00");
    expenses.setCell(expenseColumn::ToForm24_4, 0, "X");
    expenses.setCell(expenseColumn::Description, 1, "Disputed repair bill");
    expenses.setCell(expenseColumn::Amount, 1, "$1,200.00");
    expenses.setCell(expenseColumn::ToForm24_4, 1, "X");
    expenses.setCell(expenseColumn::ClaimRejected, 1, "X");
    const auto pages = print(WorksheetKind::Expense);
    EXPECT_EQ(pages[0][4], QStringLiteral("24.4"));
    // The Send-to cell of line 1 and the line after it (its summary runs on).
    EXPECT_EQ((pages[0][9] + QLatin1Char(' ') + pages[0][14]).simplified(),
              QStringLiteral("24.4; rejected claim"));
    EXPECT_EQ(pages[0][11], QStringLiteral("$1,200.00"));
    EXPECT_EQ(pages[0][267], QStringLiteral("6,800.00"));
}

// A category cell prints every chosen category, wrapped between them: no
// line ends inside a word, and nothing is cut at the window's 50 characters.
TEST_F(PrintoutTest, CategoryCellsWrapBetweenCategoriesAndKeepThemAll) {
    WorksheetStore& assets = data.ASchedList;
    assets.setRowCount(1);
    assets.setCell(assetColumn::Description, 0, "Residence");
    assets.setCell(assetColumn::Category3_0, 0, "Real Estate");
    assets.setCell(assetColumn::Category4_0, 0, "Real property");
    assets.setCell(assetColumn::Category5_1, 0, "Real property");
    assets.setCell(assetColumn::Category5_10, 0, "Real estate");
    assets.setCell(assetColumn::Category6_0, 0, "Real property");
    const QString whole = AssetCategoryList(assets, 0);
    ASSERT_GT(whole.size(), CategorySummaryLength);
    const auto pages = print(WorksheetKind::Asset);
    QStringList lines;
    for (int line = 0; !pages[0][5 + 5 * line].isEmpty(); ++line) lines << pages[0][5 + 5 * line];
    ASSERT_GT(lines.size(), 1);
    const QStringList categories = whole.split(u'/');
    for (const QString& line : lines) {
        // Each line is whole categories, each but the last with its "/".
        for (const QString& part : line.split(u'/', Qt::SkipEmptyParts))
            EXPECT_TRUE(categories.contains(part)) << line.toStdString();
    }
    EXPECT_EQ(lines.join(QString()), whole);
}

// The three lines go to one field of several lines; the merge escapes each
// and makes the paragraphs, as it escapes every answer.
TEST_F(PrintoutTest, KinRowIsNameAndAddressInOneField) {
    data.KSchedList.setRowCount(1);
    const QStringList row = {"",         "Ann {Lee}", "1 Main St", "Wendmoor, OH 45000",
                             "daughter", "5/1/1970",  "F",         "123-45-6789",
                             "note"};
    for (int c = 0; c < row.size(); ++c) data.KSchedList.setCell(c, 0, row[c]);
    const auto pages = print(WorksheetKind::Kin);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(pages[0][2], QStringLiteral("Ann \\{Lee\\}\\par 1 Main St\\par Wendmoor, OH 45000"));
    EXPECT_EQ(pages[0][3], QStringLiteral("daughter"));
    EXPECT_EQ(pages[0][4], QStringLiteral("5/1/1970"));
    EXPECT_EQ(pages[0][5], QStringLiteral("123-45-6789"));
    EXPECT_EQ(pages[0][6], QStringLiteral("note"));
}

TEST_F(PrintoutTest, EmptyWorksheetPrintsOnePageWithNameAndDate) {
    const auto pages = print(WorksheetKind::Expense);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(pages[0][0], QStringLiteral("Doe Estate.wm4"));
    for (int slot = 2; slot <= 266; ++slot) EXPECT_EQ(pages[0][slot], QString()) << slot;
}

TEST_F(PrintoutTest, RowWithAnAmountButNoDescriptionKeepsItsLine) {
    data.ESchedList.setRowCount(2);
    data.ESchedList.setCell(expenseColumn::Amount, 0, QStringLiteral("$500.00"));
    data.ESchedList.setCell(expenseColumn::Description, 1, QStringLiteral("Funeral"));
    data.ESchedList.setCell(expenseColumn::Amount, 1, QStringLiteral("$7.00"));
    const auto pages = print(WorksheetKind::Expense);
    EXPECT_EQ(pages[0][6], QStringLiteral("$500.00"));
    EXPECT_EQ(pages[0][8], QStringLiteral("Funeral"));
    EXPECT_EQ(pages[0][11], QStringLiteral("$7.00"));
}

}  // namespace
}  // namespace wm4
