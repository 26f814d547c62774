// A worksheet opened over rows stored without their summaries (the shipped
// sample, a file the command line wrote) shows every row's Send To,
// Category, Realty, Vehicle and Stock summaries at once; a summary the row
// holds stays, and opening changes nothing the user made.
#include <gtest/gtest.h>

#include "case/worksheet_columns.h"
#include "worksheets/worksheet_driver.h"

namespace wm4::test {
namespace {

struct Expected {
    int column;
    QString text;
};

struct Case {
    WorksheetKind kind;
    std::vector<std::vector<std::pair<int, QString>>> rows;
    std::vector<std::vector<Expected>> shown;  // per row
};

TEST(StoredSummaries, EveryRowShowsItsSummariesWhenTheWorksheetOpens) {
    namespace a = assetColumn;
    const std::vector<Case> cases = {
        {WorksheetKind::Asset,
         {{{a::Description, "House"},
           {a::ToScheduleA, "X"},
           {a::ToCommissionersReport, "X"},
           {a::Category3_0, "Real Estate"},
           {a::RealtyHouseNumber, "12"},
           {a::RealtyStreetName, "Oak Lane"},
           {a::RealtyCityStateZip, "Anytown"}},
          {{a::Description, "Car"},
           {a::VehicleMake, "Ford"},
           {a::VehicleYear, "2019"},
           {a::StockCorporation, "Acme"},
           {a::StockShares, "10"},
           // A summary the row holds is what the row shows.
           {a::SendToSummary, "kept"}}},
         {{{a::SendToSummary, "CommRep, SchA"},
           {a::CategorySummary, "Real Estate"},
           {a::RealtySummary, "12 Oak Lane, Anytown"},
           {a::VehicleSummary, ""}},
          {{a::SendToSummary, "kept"},
           {a::VehicleSummary, "Ford, 2019"},
           {a::StockSummary, "Acme, 10"},
           {a::RealtySummary, ""}}}},
        {WorksheetKind::Kin,
         {{{kinColumn::Name, "Ann Heir"}, {kinColumn::ToForm2_0, "X"}}},
         {{{kinColumn::SendToSummary, "2.0"}}}},
        {WorksheetKind::Expense,
         {{{expenseColumn::Description, "Funeral"},
           {expenseColumn::ToForm5_1, "X"},
           {expenseColumn::ToForm13_0, "X"}}},
         {{{expenseColumn::SendToSummary, "5.1, 13.0"}}}},
    };
    for (const Case& c : cases) {
        WorksheetDriver driver(c.kind);
        driver.fill(c.rows);
        driver.open();
        for (size_t r = 0; r < c.shown.size(); ++r)
            for (const Expected& e : c.shown[r])
                EXPECT_EQ(driver.model().row(int(r))[e.column], e.text)
                    << "kind " << int(c.kind) << " row " << r << " column " << e.column;
        EXPECT_FALSE(driver.session().isModified());
    }
}

// A long summary (a full address, many distributees) does not widen the
// window: it would push Close Worksheet off a 1,280-pixel screen.
TEST(StoredSummaries, ALongSummaryDoesNotWidenTheWindow) {
    namespace a = assetColumn;
    const QString street = QStringLiteral("Long Street Name Boulevard Extension West ").repeated(6);
    WorksheetDriver driver(WorksheetKind::Asset);
    driver.fill({{{a::Description, "Short"}},
                 {{a::Description, "House"},
                  {a::RealtyStreetName, street},
                  {a::RealtyCityStateZip, street},
                  {a::Distributees, street}}});
    driver.open();
    const int narrow = driver.window().minimumSizeHint().width();
    driver.selectRow(1);
    EXPECT_LE(driver.window().minimumSizeHint().width(), narrow);
    EXPECT_LT(driver.window().minimumSizeHint().width(), 1280);
    EXPECT_TRUE(driver.model().row(1)[a::RealtySummary].contains(street.trimmed()));
}

}  // namespace
}  // namespace wm4::test
