#include "schedules/inventory_schedule.h"

#include "schedule_fixture.h"

namespace wm4 {
namespace {

// Asset: 1 description, 2 value, 3 appraised, 22 to Form 6.0, 53 its
// category, 30 to Form 13.2, 57 its category.
test::Cells ToInventory(const QString& description, const QString& value, const QString& category,
                        const QString& appraised = {}) {
    return {{1, description}, {2, value}, {3, appraised}, {22, "X"}, {53, category}};
}
test::Cells ToRemaining(const QString& description, const QString& value, const QString& category) {
    return {{1, description}, {2, value}, {3, "X"}, {30, "X"}, {57, category}};
}

QStringList texts(const InventoryRow& row) {
    return {row.description, row.appraised, row.value};
}

using InventoryScheduleTest = test::ScheduleTest;

TEST_F(InventoryScheduleTest, GroupsInTableOrderWithSubtotalsAndGrandTotal) {
    auto& assets = data.ASchedList;
    test::AddRow(assets, ToInventory("Residence | 12 Elm St.", "$90,000.00", "Real Property", "X"));
    test::AddRow(assets, ToInventory("Furniture", "$1,500.00", "TANGIBLE PERSONAL PROPERTY"));
    test::AddRow(assets, ToInventory("Jewelry", "$500.50", "tangible personal property", "X"));
    EXPECT_EQ(CountInventorySchedule(data, buffers, wrapper), 1);
    EXPECT_EQ(buffers.inventory.rowCount, 4 + 2 * 4 + 1);
    EXPECT_DOUBLE_EQ(buffers.inventory.grandTotal, 92000.50);
    BuildInventorySchedule(data, buffers, wrapper);

    const QList<QStringList> expected = {
        {"TANGIBLE PERSONAL PROPERTY", "", ""},
        {"", "", ""},
        {"Furniture", "", "$1,500.00"},
        {"Jewelry", "X", "$500.50"},
        {"********** Subtotal of Tangible Personal Property", "", "2,000.50"},
        {"", "", ""},
        {"REAL PROPERTY", "", ""},
        {"", "", ""},
        {"Residence", "X", "$90,000.00"},
        {"12 Elm St.", "", ""},
        {"********** Subtotal of Real Property", "", "90,000.00"},
        {"", "", ""},
        {"********** Grand Total", "", "92,000.50"},
    };
    ASSERT_EQ(buffers.inventory.rows.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(texts(buffers.inventory.rows.row(i)), expected[i]) << i;
    EXPECT_TRUE(reports.numbers().isEmpty());
}

TEST_F(InventoryScheduleTest, AutomobilesToTheSpouseStayOffTheSchedule) {
    auto& assets = data.ASchedList;
    test::AddRow(assets, ToInventory("Sedan | blue | 2019", "$8,000.00", "2nd Auto to Spouse"));
    test::AddRow(assets, ToInventory("Truck", "$12,000.00", "1ST AUTO TO SPOUSE"));
    test::AddRow(assets, ToInventory("Coupe", "$3,000.00", "2ND AUTO TO SPOUSE"));  // replaces
    test::AddRow(assets, ToInventory("Savings", "$700.00", "INTANGIBLE PERSONAL PROPERTY"));
    CountInventorySchedule(data, buffers, wrapper);
    EXPECT_DOUBLE_EQ(buffers.inventory.autoValues[0], 12000);
    EXPECT_DOUBLE_EQ(buffers.inventory.autoValues[1], 3000);
    EXPECT_DOUBLE_EQ(buffers.inventory.autoValues[2], 0);
    EXPECT_DOUBLE_EQ(buffers.inventory.grandTotal, 700);
    EXPECT_EQ(buffers.inventory.rowCount, 1 + 4 + 1);
    BuildInventorySchedule(data, buffers, wrapper);
    EXPECT_EQ(buffers.inventory.rows.size(), 6);
    EXPECT_EQ(buffers.inventory.rows.row(2).description, "Savings");
}

TEST_F(InventoryScheduleTest, NoMarkedAssets) {
    EXPECT_EQ(CountInventorySchedule(data, buffers, wrapper), 0);
    EXPECT_EQ(CountAssetsRemaining(data, buffers, wrapper), 1);  // the grand total row
    BuildInventorySchedule(data, buffers, wrapper);
    BuildAssetsRemaining(data, buffers, wrapper);
    for (const auto* s : {&buffers.inventory.rows, &buffers.assetsRemaining.rows}) {
        ASSERT_EQ(s->size(), 1);
        EXPECT_EQ(texts(s->row(0)), QStringList({"********** Grand Total", "", "0.00"}));
    }
}

// One tangible group of `lines` lines: rows = lines + 4 + 1 (grand total).
TEST_F(InventoryScheduleTest, Form6_1SheetsAndPagesAtTheBoundaries) {
    struct Case {
        int rows, sheets, pages;
    };
    for (const Case c : {Case{36, 1, 1}, Case{37, 1, 2}, Case{86, 1, 2}, Case{87, 2, 3},
                         Case{122, 2, 3}, Case{123, 2, 4}}) {
        data.ASchedList.clear();
        test::AddRow(data.ASchedList,
                     ToInventory(test::Lines(c.rows - 5), "$1.00", "TANGIBLE PERSONAL PROPERTY"));
        EXPECT_EQ(CountInventorySchedule(data, buffers, wrapper), c.sheets) << c.rows;
        EXPECT_EQ(buffers.inventory.rowCount, c.rows);
        EXPECT_EQ(buffers.inventory.totalPages, c.pages) << c.rows;
        // Every built row lies on the sheets counted, the grand total too.
        BuildInventorySchedule(data, buffers, wrapper);
        EXPECT_EQ(buffers.inventory.rows.size(), c.rows);
        EXPECT_EQ(buffers.inventory.rows.row(c.rows - 1).description, "********** Grand Total");
    }
}

TEST_F(InventoryScheduleTest, Form13_2SheetsAndPagesAtTheBoundaries) {
    struct Case {
        int rows, sheets, pages;
    };
    for (const Case c : {Case{26, 1, 1}, Case{27, 1, 2}, Case{74, 1, 2}, Case{75, 2, 3}}) {
        data.ASchedList.clear();
        test::AddRow(data.ASchedList,
                     ToRemaining(test::Lines(c.rows - 5), "$1.00", "REAL PROPERTY"));
        EXPECT_EQ(CountAssetsRemaining(data, buffers, wrapper), c.sheets) << c.rows;
        EXPECT_EQ(buffers.assetsRemaining.totalPages, c.pages) << c.rows;
    }
}

TEST_F(InventoryScheduleTest, Form13_2ListsWithoutAppraisalAndCountsUncategorisedLines) {
    auto& assets = data.ASchedList;
    test::AddRow(assets, ToRemaining("Boat | trailer", "$2,000.00", "Other"));
    test::AddRow(assets, ToRemaining("Bonds", "$300.00", "INTANGIBLE PERSONAL PROPERTY"));
    EXPECT_EQ(CountAssetsRemaining(data, buffers, wrapper), 1);
    EXPECT_EQ(buffers.assetsRemaining.rowCount, 3 + 4 + 1);
    EXPECT_DOUBLE_EQ(buffers.assetsRemaining.grandTotal, 300);
    BuildAssetsRemaining(data, buffers, wrapper);
    const QList<QStringList> expected = {
        {"INTANGIBLE PERSONAL PROPERTY", "", ""},
        {"", "", ""},
        {"Bonds", "", "$300.00"},
        {"********** Subtotal of Intangible Personal Property", "", "300.00"},
        {"", "", ""},
        {"********** Grand Total", "", "300.00"},
    };
    ASSERT_EQ(buffers.assetsRemaining.rows.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(texts(buffers.assetsRemaining.rows.row(i)), expected[i]) << i;
    // The inventory's buffer is another one.
    EXPECT_EQ(buffers.inventory.rows.size(), 0);
}

TEST_F(InventoryScheduleTest, CounterWrapsNarrowerThanTheBuilder) {
    // 65 characters of 5.5 pixels: two rows in 4.85 inches (349 pixels), one
    // in 5.0 (360). The copies are then enough and a row may stay empty.
    test::AddRow(data.ASchedList,
                 ToInventory(QString(65, QChar(u'w')), "$1.00", "TANGIBLE PERSONAL PROPERTY"));
    CountInventorySchedule(data, buffers, wrapper);
    EXPECT_EQ(buffers.inventory.rowCount, 2 + 4 + 1);
    BuildInventorySchedule(data, buffers, wrapper);
    EXPECT_EQ(buffers.inventory.rows.size(), 1 + 4 + 1);
}

TEST_F(InventoryScheduleTest, HundredSheetsReport2503) {
    test::AddRow(data.ASchedList,
                 ToInventory(test::Lines(99 * 86 + 1 - 5), "$1.00", "REAL PROPERTY"));
    EXPECT_EQ(CountInventorySchedule(data, buffers, wrapper), 100);
    EXPECT_EQ(buffers.inventory.totalPages, 0);
    EXPECT_EQ(reports.numbers(), QList<int>({25039}));  // 2503, advice 9
}

TEST_F(InventoryScheduleTest, BuildStopsAtTheEndOfTheBuffer) {
    test::AddRow(data.ASchedList,
                 ToRemaining(test::Lines(ScheduleBufferRows), "$1.00", "REAL PROPERTY"));
    CountAssetsRemaining(data, buffers, wrapper);
    reports.clear();
    BuildAssetsRemaining(data, buffers, wrapper);
    EXPECT_EQ(reports.numbers(), QList<int>({30500}));
    EXPECT_EQ(buffers.assetsRemaining.rows.size(), ScheduleBufferRows);
}

}  // namespace
}  // namespace wm4
