// What each worksheet adds to the shared mechanic: its new-row defaults, the
// money and hours forms, the description clean-up, its summaries and sorts.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

#include "case/worksheet_columns.h"
#include "support/report_recorder.h"
#include "worksheets/worksheet_driver.h"

namespace wm4::test {
namespace {

TEST(WorksheetRules, MoneyFieldsStoreTheMoneyForm) {
    struct Case {
        WorksheetKind kind;
        const char* field;
        int column;
    };
    struct Typed {
        const char* text;
        const char* stored;
    };
    for (const Case& c : {Case{WorksheetKind::Asset, "Value (all forms)", assetColumn::Value},
                          Case{WorksheetKind::Expense, "Amount (all forms)", expenseColumn::Amount},
                          Case{WorksheetKind::Time, "Hourly rate", timeColumn::Rate}}) {
        for (const Typed& t : {Typed{"1,234.5", "$1,234.50"}, Typed{"(50)", "$-50.00"},
                               Typed{"abc", "$0.00"}, Typed{"", ""}}) {
            WorksheetDriver d(c.kind);
            d.fill({{{c.column, "$7.00"}}});
            d.open();
            d.enter(c.field, t.text);
            EXPECT_EQ(d.store().cell(c.column, 0), t.stored) << c.field << " " << t.text;
        }
    }
}

TEST(WorksheetRules, AmountBoxesShowAPlainNumberWhileEdited) {
    struct Case {
        WorksheetKind kind;
        const char* field;
        int column;
    };
    for (const Case& c : {Case{WorksheetKind::Asset, "Value (all forms)", assetColumn::Value},
                          Case{WorksheetKind::Expense, "Amount (all forms)", expenseColumn::Amount},
                          Case{WorksheetKind::Time, "Hourly rate", timeColumn::Rate}}) {
        WorksheetDriver d(c.kind);
        d.fill({{{c.column, "$1,234.56"}}});
        d.open();
        EXPECT_EQ(d.text(c.field), "$1,234.56");
        d.control(c.field)->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(d.text(c.field), "1234.56") << c.field;
    }
}

TEST(WorksheetRules, DescriptionsLoseTemplateMarkupAndKeepTheirLines) {
    struct Case {
        WorksheetKind kind;
        int column;
    };
    for (const Case& c : {Case{WorksheetKind::Asset, assetColumn::Description},
                          Case{WorksheetKind::Expense, expenseColumn::Description},
                          Case{WorksheetKind::Time, timeColumn::Description}}) {
        WorksheetDriver d(c.kind);
        d.fill({{}});
        d.open();
        const QString field =
            c.kind == WorksheetKind::Time ? "Description of services" : "Description";
        d.enter(field, "a/b {c}\td\\e");
        EXPECT_EQ(d.store().cell(c.column, 0), "a-b (c)-d-e");
        EXPECT_EQ(d.text(field), "a-b (c)-d-e");
        d.enter(field, "one\ntwo");
        EXPECT_EQ(d.store().cell(c.column, 0), "one | two");
    }
}

TEST(WorksheetRules, TimeSpentKeepsTwoDecimals) {
    for (auto [typed, stored] : {std::pair{"1.5", "1.50"}, std::pair{".25", "0.25"},
                                 std::pair{"1250", "1,250.00"}, std::pair{"x", "0.00"}}) {
        WorksheetDriver d(WorksheetKind::Time);
        d.fill({{}});
        d.open();
        d.enter("Time spent", typed);
        EXPECT_EQ(d.store().cell(timeColumn::Hours, 0), stored) << typed;
    }
}

// The new-row defaults before anything is saved, and the row after one save
// of the cleared panel.
TEST(WorksheetRules, NewRowDefaultsAndTheirFirstSave) {
    struct Case {
        WorksheetKind kind;
        double rate;
        std::vector<std::pair<int, QString>> added;  // cells of the added row
        std::vector<std::pair<int, QString>> saved;  // after leaving the first field
    };
    const QString NotUsed = "Not used for this asset";
    const std::vector<Case> cases = {
        {WorksheetKind::Asset,
         0,
         {{assetColumn::Appraised, "0"},
          {assetColumn::Category3_0, "0"},
          {assetColumn::Category13_2, "0"},
          {assetColumn::CategoryExecutorFee, ""},
          {assetColumn::CategoryAttorneyFee, ""}},
         {{assetColumn::Appraised, ""},
          {assetColumn::Category3_0, NotUsed},
          {assetColumn::Category13_2, NotUsed},
          {assetColumn::CategoryExecutorFee, NotUsed},
          {assetColumn::CategoryAttorneyFee, NotUsed},
          {assetColumn::ToForm6_0, ""}}},
        {WorksheetKind::Kin, 0, {{kinColumn::Gender, "M"}}, {{kinColumn::Gender, "F"}}},
        {WorksheetKind::Expense,
         0,
         {{expenseColumn::Category13_0, ""}, {expenseColumn::Category24_4, ""}},
         {{expenseColumn::Category13_0, "Not used for this expense"},
          {expenseColumn::Category24_4, "Not used on this expense"}}},
        {WorksheetKind::Time,
         125,
         {{timeColumn::Rate, "$125.00"}},
         {{timeColumn::Rate, "$125.00"}}},
    };
    for (const Case& c : cases) {
        WorksheetDriver d(c.kind, c.rate);
        d.fill({{{1, "first"}}});
        d.open();
        d.click("Add");
        ASSERT_EQ(d.model().rows(), 2);
        for (const auto& [column, text] : c.added)
            EXPECT_EQ(d.model().row(1)[column], text) << int(c.kind) << " column " << column;
        d.tab();  // leaving the first field saves the cleared panel
        for (const auto& [column, text] : c.saved)
            EXPECT_EQ(d.store().cell(column, 1), text) << int(c.kind) << " column " << column;
    }
}

TEST(WorksheetRules, TimeInsertTakesTheRateWithoutDollarUntilSaved) {
    WorksheetDriver d(WorksheetKind::Time, 125);
    d.fill({{{timeColumn::Description, "first"}}});
    d.open();
    d.click("Insert");
    EXPECT_EQ(d.model().row(0)[timeColumn::Rate], "125.00");
    EXPECT_EQ(d.text("Hourly rate"), "$125.00");
    d.enter("Description of services", "inserted");
    EXPECT_EQ(d.store().cell(timeColumn::Rate, 0), "$125.00");
}

TEST(WorksheetRules, TimeRateCarriesOverWithoutADefaultRate) {
    WorksheetDriver d(WorksheetKind::Time);
    d.fill({{{timeColumn::Description, "first"}, {timeColumn::Rate, "$90.00"}}});
    d.open();
    d.click("Add");
    EXPECT_EQ(d.text("Hourly rate"), "$90.00");
    d.enter("Description of services", "second");
    EXPECT_EQ(d.store().cell(timeColumn::Rate, 1), "$90.00");
}

TEST(WorksheetRules, AnEmptyTimeStoreOpensWithoutARowAndAddMakesOne) {
    WorksheetDriver d(WorksheetKind::Time, 80);
    d.store().setRowCount(0);
    d.open();
    EXPECT_EQ(d.model().rows(), 0);
    EXPECT_EQ(d.window().currentRow(), -1);
    EXPECT_EQ(d.text("Hourly rate"), "$80.00");
    d.click("Add");
    EXPECT_EQ(d.model().rows(), 1);
    d.enter("Description of services", "first entry");
    EXPECT_EQ(d.store().rowCount(), 1);
    EXPECT_EQ(d.store().cell(timeColumn::Rate, 0), "$80.00");
}

// An entry typed into an empty time worksheet gets a row rather than being
// lost.
TEST(WorksheetRules, TypingIntoAnEmptyTimeWorksheetMakesItsRow) {
    WorksheetDriver d(WorksheetKind::Time);
    d.store().setRowCount(0);
    d.open();
    d.enter("Description of services", "typed first");
    ASSERT_EQ(d.store().rowCount(), 1);
    EXPECT_EQ(d.store().cell(timeColumn::Description, 0), "typed first");
}

TEST(WorksheetRules, TimeSortsAscendingOnEveryClickAndEmptyDatesFirst) {
    WorksheetDriver d(WorksheetKind::Time);
    d.fill({{{timeColumn::Date, "3/1/2026"}, {timeColumn::Hours, "1,250.00"}},
            {{timeColumn::Date, ""}, {timeColumn::Hours, "2.00"}},
            {{timeColumn::Date, "1/15/2026"}, {timeColumn::Hours, "0.50"}}});
    d.open();
    for (int click = 0; click < 2; ++click) {
        d.sortOn(timeColumn::Date);
        EXPECT_EQ(d.columnTexts(timeColumn::Date), QStringList({"", "1/15/2026", "3/1/2026"}));
        EXPECT_EQ(d.model().header(timeColumn::Date), "Date");
    }
    // Hours read as written: "1,250.00" is 0.
    d.sortOn(timeColumn::Hours);
    EXPECT_EQ(d.columnTexts(timeColumn::Hours), QStringList({"1,250.00", "0.50", "2.00"}));
    EXPECT_EQ(d.window().currentRow(), 1);
}

TEST(WorksheetRules, MoneySortReadsAmountsAndKeepsEqualRowsInOrder) {
    ReportRecorder reports;
    WorksheetDriver d(WorksheetKind::Asset);
    d.fill({{{assetColumn::Description, "a"}, {assetColumn::Value, "$1,000.00"}},
            {{assetColumn::Description, "b"}, {assetColumn::Value, ""}},
            {{assetColumn::Description, "c"}, {assetColumn::Value, "$200.00"}},
            {{assetColumn::Description, "d"}, {assetColumn::Value, "$0.00"}},
            {{assetColumn::Description, "e"}, {assetColumn::Value, "n/a"}}});
    d.open();
    d.sortOn(assetColumn::Value);
    // The unreadable amount counts as 0 and is reported once, not once per
    // comparison.
    EXPECT_EQ(d.columnTexts(assetColumn::Description), QStringList({"b", "d", "e", "c", "a"}));
    EXPECT_EQ(reports.numbers(), QList<int>({21202}));
    EXPECT_EQ(d.model().header(assetColumn::Value), "Value (A)");
    d.sortOn(assetColumn::Value);
    EXPECT_EQ(d.columnTexts(assetColumn::Description), QStringList({"a", "c", "b", "d", "e"}));
    EXPECT_EQ(d.model().header(assetColumn::Value), "Value (D)");
}

TEST(WorksheetRules, ExpenseHeadersAfterASort) {
    WorksheetDriver d(WorksheetKind::Expense);
    d.fill({{{expenseColumn::CheckNumber, "2"}}, {{expenseColumn::CheckNumber, "1"}}});
    d.open();
    EXPECT_EQ(d.model().header(expenseColumn::Category13_0), "13.0 Category");
    d.sortOn(expenseColumn::CheckNumber);
    EXPECT_EQ(d.model().header(expenseColumn::CheckNumber), "Check No. (A)");
    EXPECT_EQ(d.model().header(expenseColumn::Category13_0), "Form 13 Category");
    EXPECT_EQ(d.model().header(expenseColumn::Category24_4), "Form 24 Category");
    d.sortOn(expenseColumn::Category24_4);
    EXPECT_EQ(d.model().header(expenseColumn::CheckNumber), "Check No");
    EXPECT_EQ(d.model().header(expenseColumn::Category24_4), "Form 24 Category (A)");
}

// Empty and unreadable birth dates compare earlier than every date and keep
// their row order.
TEST(WorksheetRules, KinBirthDatesSortWithEmptyAndUnreadableFirst) {
    WorksheetDriver d(WorksheetKind::Kin);
    d.fill({{{kinColumn::Name, "a"}, {kinColumn::BirthDate, "6/2/1944"}},
            {{kinColumn::Name, "b"}, {kinColumn::BirthDate, ""}},
            {{kinColumn::Name, "c"}, {kinColumn::BirthDate, "Jan 5, 1930"}},
            {{kinColumn::Name, "d"}, {kinColumn::BirthDate, "unknown"}}});
    d.open();
    d.sortOn(kinColumn::BirthDate);
    EXPECT_EQ(d.columnTexts(kinColumn::Name), QStringList({"b", "d", "c", "a"}));
}

TEST(WorksheetRules, KinSendToSummaries) {
    struct Case {
        std::vector<const char*> boxes;
        const char* summary;
    };
    const std::vector<Case> cases = {
        {{"6.3 Notice of Hearing on Inventory"}, "6.3"},
        {{"6.3 Notice of Hearing on Inventory",
          "6.4C Application for Appointment of a Commissioner to Report on the Contents of a "
          "Safe Deposit Box"},
         "6.3, 6.4C"},
        {{"Accounting and Waiver of Notice and Consent enclosure letter"}, "Acct"},
        {{"Appraiser, Inventory to, enclosure letter",
          "Will, Waiver & Consent to Probate enclosure letter",
          "Accounting and Waiver of Notice and Consent enclosure letter"},
         "Will, Acct, Appr"},
        {{"2.0 Application to Probate Will", "2.1 Waiver of Notice of Probate of Will",
          "Will, Waiver & Consent to Probate enclosure letter"},
         "2.0, 2.1, Will"},
    };
    for (const Case& c : cases) {
        WorksheetDriver d(WorksheetKind::Kin);
        d.fill({{{kinColumn::Name, "Ann"}, {kinColumn::Gender, "M"}}});
        d.open();
        for (const char* box : c.boxes) d.clickCheck(box);
        d.tab();
        EXPECT_EQ(d.store().cell(kinColumn::SendToSummary, 0), c.summary);
        EXPECT_EQ(d.store().cell(kinColumn::Gender, 0), "M");
    }
}

// The birth date's right-click menu has the one item that empties it.
TEST(WorksheetRules, KinClearDateFieldEmptiesTheBirthDate) {
    WorksheetDriver d(WorksheetKind::Kin);
    d.fill(
        {{{kinColumn::Name, "Ann"}, {kinColumn::BirthDate, "6/2/1944"}, {kinColumn::Gender, "F"}}});
    d.open();
    QStringList items;
    QTimer::singleShot(50, [&items] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            auto* menu = qobject_cast<QMenu*>(popup);
            for (QAction* action : menu->actions()) items.append(action->text());
            menu->actions().first()->trigger();
            menu->close();
        }
    });
    QWidget* date = d.control("Birth date");
    Q_EMIT date->customContextMenuRequested(QPoint(5, 5));
    EXPECT_EQ(items, QStringList({"Clear Date Field"}));
    EXPECT_EQ(d.text("Birth date"), "");
    EXPECT_EQ(d.store().cell(kinColumn::BirthDate, 0), "");
    EXPECT_TRUE(d.session().isModified());
}

TEST(WorksheetRules, KinFlagOf24_2IsColumn16AndShowsAgain) {
    WorksheetDriver d(WorksheetKind::Kin);
    d.fill({{{kinColumn::Name, "Ann"}}, {{kinColumn::Name, "Bob"}}});
    d.open();
    const QString box =
        "24.2 Notice of Hearing on Representation of Insolvency and Schedule of Claims";
    d.clickCheck(box);
    d.click("Next");
    EXPECT_EQ(d.store().cell(kinColumn::ToForm24_2, 0), "X");
    EXPECT_FALSE(static_cast<QAbstractButton*>(d.control(box))->isChecked());
    d.click("First");
    EXPECT_TRUE(static_cast<QAbstractButton*>(d.control(box))->isChecked());
    // Neither Male nor Female selected (the row had no gender) saves "F".
    EXPECT_EQ(d.store().cell(kinColumn::Gender, 0), "F");
}

TEST(WorksheetRules, ExpenseSendToSummariesAndCategories) {
    struct Case {
        std::vector<const char*> boxes;
        const char* summary;
    };
    for (const Case& c :
         {Case{{"13.0 Fiduciary's Account", "Sched J Debts & Administration Expenses"},
               "13.0, SchJ"},
          Case{{"24.4 Schedule of Claims",
                "5.1 Assets and Liabilities of Estate to be Relieved from Administration"},
               "5.1, 24.4"}}) {
        WorksheetDriver d(WorksheetKind::Expense);
        d.fill({{{expenseColumn::Description, "Funeral"},
                 {expenseColumn::Category13_0, "Other Disbursements"},
                 {expenseColumn::Category24_4, "(10) Other debts"}}});
        d.open();
        EXPECT_EQ(static_cast<QComboBox*>(d.control("13.0/13.1 Category"))->currentText(),
                  "Other Disbursements");
        EXPECT_EQ(static_cast<QComboBox*>(d.control("24.4 Category"))->currentText(),
                  "(10) Other debts");
        for (const char* box : c.boxes) d.clickCheck(box);
        d.tab();
        EXPECT_EQ(d.store().cell(expenseColumn::SendToSummary, 0), c.summary);
        EXPECT_EQ(d.store().cell(expenseColumn::Category13_0, 0), "Other Disbursements");
        EXPECT_EQ(d.store().cell(expenseColumn::Category24_4, 0), "(10) Other debts");
    }
}

TEST(WorksheetRules, ExpensePartyCaptionFollowsTheRow) {
    WorksheetDriver d(WorksheetKind::Expense);
    d.fill({{{expenseColumn::InterestedPersons, "Ann Lee, Bob Lee"}},
            {{expenseColumn::Description, "b"}}});
    d.open();
    EXPECT_EQ(d.text("24.2 Interested Person"), "Ann Lee, Bob Lee");
    d.click("Next");
    EXPECT_EQ(d.text("24.2 Interested Person"), "Select from Kin ... Interested Party Wrksht");
    d.enter("Amount (all forms)", "5");
    EXPECT_EQ(d.store().cell(expenseColumn::InterestedPersons, 1), "");
    EXPECT_EQ(d.store().cell(expenseColumn::InterestedPersons, 0), "Ann Lee, Bob Lee");
}

}  // namespace
}  // namespace wm4::test
