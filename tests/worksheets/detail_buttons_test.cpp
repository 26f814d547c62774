// The asset and expense panels' detail buttons: each opens its dialog over
// the current row; OK writes the dialog's values into the row with their
// summary and marks the case changed, Cancel changes nothing.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>

#include "case/worksheet_columns.h"
#include "worksheets/worksheet_driver.h"

namespace wm4::test {
namespace {

using Prepare = std::function<void(QWidget*)>;

void check(QWidget* dialog, const char* box) {
    byName<QAbstractButton>(dialog, box)->click();
}
void choose(QWidget* dialog, const char* list, const char* item) {
    auto* box = byName<QComboBox>(dialog, list);
    box->setCurrentIndex(box->findText(item));
}
void fillIn(QWidget* dialog, const char* field, const char* text) {
    byName<QLineEdit>(dialog, field)->setText(text);
}

TEST(DetailButtons, AssetDialogsWriteTheirValuesAndSummaries) {
    struct Case {
        const char* button;
        Prepare prepare;
        std::vector<std::pair<int, QString>> cells;
    };
    const std::vector<Case> cases = {
        {"Send to",
         [](QWidget* d) {
             check(d, "Schedule A Real Estate");
             check(d, "Commissioner's Report");
         },
         {{assetColumn::ToScheduleA, "X"},
          {assetColumn::ToCommissionersReport, "X"},
          {assetColumn::SendToSummary, "CommRep, SchA"}}},
        {"Send to",
         [](QWidget* d) { check(d, "Schedule I Annuities, Pensions & Retirement Plans"); },
         {{assetColumn::ToScheduleI, "X"},
          {assetColumn::ToScheduleH, ""},
          {assetColumn::SendToSummary, "SchI"}}},
        {"Category",
         [](QWidget* d) {
             choose(d, "Form 3.0", "Real Estate");
             choose(d, "Form 13.0 & 13.1", "Income");
         },
         {{assetColumn::Category3_0, "Real Estate"},
          {assetColumn::Category13_0, "Income"},
          {assetColumn::Category4_0, "Not used for this asset"},
          {assetColumn::CategorySummary, "Real Estate/Income"}}},
        {"Realty",
         [](QWidget* d) {
             fillIn(d, "City, State & ZIP", "Anytown");
             fillIn(d, "Permanent Parcel No.", "12-345");
         },
         {{assetColumn::RealtyCityStateZip, "Anytown"},
          {assetColumn::RealtyParcelNumber, "12-345"},
          {assetColumn::RealtySummary, "Anytown, 12-345"}}},
        {"Stock",
         [](QWidget* d) {
             fillIn(d, "Corporation Name", "Acme");
             fillIn(d, "No. of shares", "100");
         },
         {{assetColumn::StockCorporation, "Acme"}, {assetColumn::StockSummary, "Acme, 100"}}},
    };
    for (const Case& c : cases) {
        WorksheetDriver d(WorksheetKind::Asset);
        d.fill({{{assetColumn::Description, "Row"}}});
        d.open();
        confirmNextDialog("OK", c.prepare);
        d.click(c.button);
        for (const auto& [column, text] : c.cells)
            EXPECT_EQ(d.store().cell(column, 0), text) << c.button << " column " << column;
        EXPECT_TRUE(d.session().isModified()) << c.button;
    }
}

TEST(DetailButtons, CancelLeavesRowPanelAndModifiedMarkAlone) {
    for (const char* button :
         {"Send to", "Category", "Realty", "Vehicle", "Stock", "Personal ID"}) {
        WorksheetDriver d(WorksheetKind::Asset);
        d.fill({{{assetColumn::Description, "Row"},
                 {assetColumn::ToForm6_0, "X"},
                 {assetColumn::SendToSummary, "6.0"}}});
        d.open();
        const QStringList before = d.store().row(0);
        confirmNextDialog("Cancel", [](QWidget* dialog) {
            for (QAbstractButton* box : dialog->findChildren<QAbstractButton*>())
                if (box->isCheckable()) box->click();
            for (QLineEdit* edit : dialog->findChildren<QLineEdit*>()) edit->setText("changed");
        });
        d.click(button);
        EXPECT_EQ(d.store().row(0), before) << button;
        EXPECT_FALSE(d.session().isModified()) << button;
    }
}

TEST(DetailButtons, CopyPasteInsertCarriesTheDetails) {
    WorksheetDriver d(WorksheetKind::Asset);
    d.fill({{{assetColumn::Description, "Car"},
             {assetColumn::Value, "$5.00"},
             {assetColumn::ToForm9_C, "X"},
             {assetColumn::SendToSummary, "9.C"},
             {assetColumn::Category6_0, "1st auto to spouse"},
             {assetColumn::VehicleMake, "Buick"},
             {assetColumn::VehicleSummary, "Buick"},
             {assetColumn::Distributees, "Ann"}}});
    d.open();
    d.click("Copy");
    d.click("Paste Insert");
    ASSERT_EQ(d.store().rowCount(), 2);
    EXPECT_EQ(d.store().row(0), d.store().row(1));
    EXPECT_EQ(d.store().cell(assetColumn::VehicleSummary, 0), "Buick");
    EXPECT_EQ(d.store().cell(assetColumn::Distributees, 0), "Ann");
}

TEST(DetailButtons, DistributeesComeFromTheKinStore) {
    WorksheetDriver d(WorksheetKind::Asset);
    d.fill({{{assetColumn::Description, "House"}}});
    WorksheetStore& kin = d.session().data().KSchedList;
    kin.setRowCount(2);
    kin.setCell(kinColumn::Name, 0, "Ann");
    kin.setCell(kinColumn::Name, 1, "Bob Lee");
    d.open();
    EXPECT_EQ(d.text("Distributees"), "Select");
    confirmNextDialog("OK", [](QWidget* dialog) {
        auto* list = dialog->findChild<QListWidget*>();
        for (int i = 0; i < list->count(); ++i) list->item(i)->setCheckState(Qt::Checked);
    });
    d.click("Distributees");
    EXPECT_EQ(d.text("Distributees"), "Ann, Bob Lee");
    EXPECT_EQ(d.store().cell(assetColumn::Distributees, 0), "Ann, Bob Lee");
}

TEST(DetailButtons, ExpenseIdentifiersSaveOnlyWhenChanged) {
    WorksheetDriver d(WorksheetKind::Expense);
    d.fill({{{expenseColumn::Description, "Bill"}}});
    d.open();
    d.tab();  // the row saved once as the panel holds it
    d.session().setModified(false);
    const QStringList saved = d.store().row(0);
    confirmNextDialog("OK");
    d.click("Enter Personal Identifiers");
    EXPECT_FALSE(d.session().isModified());
    EXPECT_EQ(d.store().row(0), saved);
    confirmNextDialog("OK", [](QWidget* dialog) {
        QTest::keyClicks(byName<QLineEdit>(dialog, "Institution"), "First Bank");
    });
    d.click("Enter Personal Identifiers");
    EXPECT_TRUE(d.session().isModified());
    EXPECT_EQ(d.store().cell(expenseColumn::IdentifierInstitution, 0), "First Bank");
    // Clear Worksheet then typing: a row without identifiers.
    answerNextMessage(QMessageBox::Yes);
    d.click("Clear Worksheet");
    d.enter("Description", "after clearing");
    EXPECT_EQ(d.store().cell(expenseColumn::IdentifierInstitution, 0), "");
    EXPECT_EQ(d.store().cell(expenseColumn::SendToSummary, 0), "");
}

// While a window is open, a save or calculation started from it sees its
// unsaved rows through the session's hook; the hook goes with the window.
TEST(DetailButtons, OpenWorksheetStoresTheGridWhileOpen) {
    WorksheetDriver d(WorksheetKind::Kin);
    d.fill({{{kinColumn::Name, "Ann"}, {kinColumn::Gender, "F"}}});
    int rowsSeen = -1;
    onNextModal([&](QWidget* window) {
        auto* worksheet = qobject_cast<WorksheetWindow*>(window);
        ASSERT_NE(worksheet, nullptr);
        worksheet->AddRow();  // the grid only: no save yet
        d.session().storeOpenWorksheets();
        rowsSeen = d.store().rowCount();
        worksheet->close();
    });
    OpenWorksheet(WorksheetKind::Kin, d.session(), nullptr);
    EXPECT_EQ(rowsSeen, 2);
    d.store().setRowCount(1);
    d.session().storeOpenWorksheets();  // no window: nothing stored
    EXPECT_EQ(d.store().rowCount(), 1);
}

}  // namespace
}  // namespace wm4::test
