// The row commands, navigation, search, sorting and row clipboard every
// worksheet window shares, driven through the kin and asset windows.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QMessageBox>
#include <QTableView>

#include "case/worksheet_columns.h"
#include "worksheets/worksheet_driver.h"

namespace wm4::test {
namespace {

using Rows = std::vector<std::vector<std::pair<int, QString>>>;

// Kin rows named A, B, C ... as a save leaves them.
Rows kinRows(int count) {
    Rows rows;
    for (int i = 0; i < count; ++i)
        rows.push_back({{kinColumn::Name, QString(QChar(u'A' + i))}, {kinColumn::Gender, "M"}});
    return rows;
}

TEST(GridMechanics, DeletingTheOnlyRowLeavesTheRowOfAnEmptyPanel) {
    WorksheetDriver d(WorksheetKind::Asset);
    d.fill({{{assetColumn::Description, "House"},
             {assetColumn::Value, "$10.00"},
             {assetColumn::ToForm6_0, "X"},
             {assetColumn::Category6_0, "Real property"}}});
    d.open();
    QString question;
    answerNextMessage(QMessageBox::Yes, &question);
    d.click("Delete");
    EXPECT_EQ(question, "Do you want to delete/clear the selected row?");
    ASSERT_EQ(d.store().rowCount(), 1);
    const QStringList row = d.store().row(0);
    EXPECT_EQ(row[assetColumn::Description], "");
    EXPECT_EQ(row[assetColumn::ToForm6_0], "");
    EXPECT_EQ(row[assetColumn::SendToSummary], "");
    EXPECT_EQ(row[assetColumn::Appraised], "");
    for (int c : {assetColumn::Category3_0, assetColumn::Category6_0,
                  assetColumn::CategoryExecutorFee, assetColumn::CategoryAttorneyFee})
        EXPECT_EQ(row[c], "Not used for this asset") << c;
    EXPECT_TRUE(d.session().isModified());
}

TEST(GridMechanics, DeleteAnsweredNoChangesNothing) {
    WorksheetDriver d(WorksheetKind::Kin);
    d.fill(kinRows(3));
    d.open();
    d.selectRow(1);
    answerNextMessage(QMessageBox::No);
    d.click("Delete");
    EXPECT_EQ(d.columnTexts(kinColumn::Name), QStringList({"A", "B", "C"}));
    EXPECT_EQ(d.window().currentRow(), 1);
    EXPECT_FALSE(d.session().isModified());
}

TEST(GridMechanics, DeletingAMiddleRowShowsTheRowThatMovedUpAndEditsIt) {
    WorksheetDriver d(WorksheetKind::Kin);
    d.fill(kinRows(3));
    d.open();
    d.selectRow(1);
    answerNextMessage(QMessageBox::Yes);
    d.click("Delete");
    EXPECT_EQ(d.window().currentRow(), 1);
    EXPECT_EQ(d.text("Name"), "C");
    d.enter("Name", "C changed");
    EXPECT_EQ(d.columnTexts(kinColumn::Name), QStringList({"A", "C changed"}));
    EXPECT_EQ(d.store().rowCount(), 2);  // the save stored the grid
}

TEST(GridMechanics, InsertOnRowThreeOfFive) {
    WorksheetDriver d(WorksheetKind::Kin);
    d.fill(kinRows(5));
    d.open();
    d.selectRow(2);
    d.click("Insert");
    EXPECT_EQ(d.columnTexts(kinColumn::Name), QStringList({"A", "B", "", "C", "D", "E"}));
    EXPECT_EQ(d.model().row(2), d.model().emptyRow());  // not the new-row defaults
    EXPECT_EQ(d.window().currentRow(), 2);
    EXPECT_EQ(d.text("Name"), "");
}

TEST(GridMechanics, PasteInsertAfterCopyDuplicatesTheRowAboveItself) {
    WorksheetDriver d(WorksheetKind::Kin);
    d.fill({{{kinColumn::Name, "A"}},
            {{kinColumn::Name, "B"},
             {kinColumn::Relationship, "Son"},
             {kinColumn::Gender, "M"},
             {kinColumn::ToForm6_3, "X"},
             {kinColumn::SendToSummary, "6.3"}},
            {{kinColumn::Name, "C"}}});
    d.open();
    d.selectRow(1);
    d.click("Copy");
    d.click("Paste Insert");
    ASSERT_EQ(d.model().rows(), 4);
    EXPECT_EQ(d.columnTexts(kinColumn::Name), QStringList({"A", "B", "B", "C"}));
    EXPECT_EQ(d.model().row(1), d.model().row(2));
    EXPECT_EQ(d.model().row(1)[kinColumn::ToForm6_3], "X");
    EXPECT_EQ(d.store().rowCount(), 4);  // Paste ends in a save
}

TEST(GridMechanics, PasteReplaceOverwritesTheCurrentRowWithTheCopiedOne) {
    WorksheetDriver d(WorksheetKind::Kin);
    d.fill({{{kinColumn::Name, "A"}, {kinColumn::ToWillLetter, "X"}}, {{kinColumn::Name, "B"}}});
    d.open();
    d.click("Copy");
    d.click("Next");
    d.click("Paste Replace");
    EXPECT_EQ(d.columnTexts(kinColumn::Name), QStringList({"A", "A"}));
    EXPECT_EQ(d.model().row(1)[kinColumn::SendToSummary], "Will");
}

// Cutting the only row leaves one empty row to write into, not an empty
// grid; the next entry lands there.
TEST(GridMechanics, CuttingTheOnlyRowLeavesOneEmptyRow) {
    WorksheetDriver d(WorksheetKind::Kin);
    d.fill({{{kinColumn::Name, "Only"}, {kinColumn::ToForm2_0, "X"}}});
    d.open();
    d.click("Cut");
    ASSERT_EQ(d.model().rows(), 1);
    EXPECT_EQ(d.model().row(0), d.model().emptyRow());
    EXPECT_EQ(d.window().currentRow(), 0);
    d.enter("Name", "Next entry");
    EXPECT_EQ(d.store().rowCount(), 1);
    EXPECT_EQ(d.store().cell(kinColumn::Name, 0), "Next entry");
    // The cut row is still on the row clipboard.
    d.click("Paste Replace");
    EXPECT_EQ(d.store().cell(kinColumn::Name, 0), "Only");
    EXPECT_EQ(d.store().cell(kinColumn::ToForm2_0, 0), "X");
}

TEST(GridMechanics, CutRemovesTheRowWithoutAsking) {
    WorksheetDriver d(WorksheetKind::Kin);
    d.fill(kinRows(3));
    d.open();
    d.selectRow(1);
    d.click("Cut");
    EXPECT_EQ(d.columnTexts(kinColumn::Name), QStringList({"A", "C"}));
    EXPECT_EQ(d.text("Name"), "C");
}

TEST(GridMechanics, NavigationStopsAtTheEnds) {
    WorksheetDriver d(WorksheetKind::Kin);
    d.fill(kinRows(3));
    d.open();
    struct Step {
        const char* button;
        int row;
    };
    for (const Step& s :
         {Step{"Prior", 0}, Step{"Next", 1}, Step{"Last", 2}, Step{"Next", 2}, Step{"First", 0}}) {
        d.click(s.button);
        EXPECT_EQ(d.window().currentRow(), s.row) << s.button;
        EXPECT_EQ(d.text("Name"), QString(QChar(u'A' + s.row)));
    }
}

TEST(GridMechanics, ShortcutsRunTheCommands) {
    WorksheetDriver d(WorksheetKind::Kin);
    d.fill(kinRows(3));
    d.open();
    d.control("Name")->setFocus();
    d.key(Qt::Key_F4, Qt::ShiftModifier);  // Last
    EXPECT_EQ(d.window().currentRow(), 2);
    d.key(Qt::Key_F7, Qt::ShiftModifier);  // Add Row At End
    EXPECT_EQ(d.model().rows(), 4);
    EXPECT_EQ(d.window().currentRow(), 3);
    // Typed and not left: the next command keeps the entry in its row.
    d.type("Name", "Typed");
    d.key(Qt::Key_F1, Qt::ShiftModifier);  // First
    EXPECT_EQ(d.window().currentRow(), 0);
    EXPECT_EQ(d.model().row(3)[kinColumn::Name], "Typed");
}

TEST(GridMechanics, FindReachesHiddenFlagColumnsAndEndsWithSearchComplete) {
    WorksheetDriver d(WorksheetKind::Kin);
    d.fill({{{kinColumn::Name, "Ann"}, {kinColumn::ToForm6_0, "X"}},
            {{kinColumn::Name, "Bob"}},
            {{kinColumn::Name, "Cy"}, {kinColumn::ToWillLetter, "X"}}});
    d.open();
    // From the first row the search starts at the second: "x" is found only
    // in the hidden flag column of the third.
    confirmNextDialog(
        "OK", [](QWidget* dialog) { byName<QLineEdit>(dialog, "Search text")->setText("x"); });
    d.key(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(d.window().currentRow(), 2);
    EXPECT_EQ(d.text("Name"), "Cy");

    // On the last row: no row is searched; the dialog shows the last text.
    QString shown;
    QString message;
    confirmNextDialog("OK", [&](QWidget* dialog) {
        shown = byName<QLineEdit>(dialog, "Search text")->text();
        answerNextMessage(QMessageBox::Ok, &message);
    });
    d.key(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(shown, "x");
    EXPECT_EQ(message, "Search Complete.");
    EXPECT_EQ(d.window().currentRow(), 2);
}

TEST(GridMechanics, SortingMarksTheHeaderAndMakesTheSecondRowCurrent) {
    WorksheetDriver d(WorksheetKind::Kin);
    d.fill({{{kinColumn::Name, "b"}}, {{kinColumn::Name, "C"}}, {{kinColumn::Name, "a"}}});
    d.open();
    QString question;
    d.sortOn(kinColumn::Name, QMessageBox::Yes, &question);
    EXPECT_EQ(question,
              "Are You Sure You Want To Sort based on the Name column? There is no undo "
              "for this command.");
    // Ordinal: capitals before small letters.
    EXPECT_EQ(d.columnTexts(kinColumn::Name), QStringList({"C", "a", "b"}));
    EXPECT_EQ(d.window().currentRow(), 1);
    EXPECT_EQ(d.text("Name"), "a");
    EXPECT_EQ(d.model().header(kinColumn::Name), "Name (A)");

    d.sortOn(kinColumn::Name, QMessageBox::Yes, &question);
    EXPECT_EQ(question,
              "Are You Sure You Want To Sort based on the Name (A) column? There is no "
              "undo for this command.");
    EXPECT_EQ(d.columnTexts(kinColumn::Name), QStringList({"b", "a", "C"}));
    EXPECT_EQ(d.model().header(kinColumn::Name), "Name (D)");

    d.sortOn(kinColumn::Relationship);
    EXPECT_EQ(d.model().header(kinColumn::Name), "Name");
    EXPECT_EQ(d.model().header(kinColumn::Relationship), "Relationship (A)");

    // From the keyboard: the popup's Sort on Column items.
    QAction* byGender = nullptr;
    for (QAction* action : d.window().findChildren<QAction*>())
        if (action->text() == "Gender") byGender = action;
    ASSERT_NE(byGender, nullptr);
    answerNextMessage(QMessageBox::Yes);
    byGender->trigger();
    EXPECT_EQ(d.model().header(kinColumn::Gender), "Gender (A)");
    d.sortOn(kinColumn::Relationship);

    const QStringList before = d.columnTexts(kinColumn::Name);
    d.sortOn(kinColumn::Name, QMessageBox::No);
    EXPECT_EQ(d.model().header(kinColumn::Relationship), "Relationship (A)");
    EXPECT_EQ(d.columnTexts(kinColumn::Name), before);
}

TEST(GridMechanics, ClearWorksheetLeavesOneEmptyRowAfterYes) {
    WorksheetDriver d(WorksheetKind::Kin);
    d.fill(kinRows(3));
    d.open();
    QString question;
    answerNextMessage(QMessageBox::Yes, &question);
    d.click("Clear Worksheet");
    EXPECT_EQ(question, "Do you want to delete/clear the entire kin worksheet?");
    ASSERT_EQ(d.model().rows(), 1);
    EXPECT_EQ(d.model().row(0), d.model().emptyRow());
    EXPECT_EQ(d.store().rowCount(), 3);  // the store follows at the next save or the closing
    d.close();
    EXPECT_EQ(d.store().rowCount(), 1);
}

TEST(GridMechanics, BrowsingDoesNotMarkTheCaseEditingDoes) {
    WorksheetDriver d(WorksheetKind::Kin);
    d.fill(kinRows(3));
    d.open();
    d.click("Next");
    d.selectRow(2);
    d.tab();
    EXPECT_FALSE(d.session().isModified());
    d.type("Relation", "Niece");
    EXPECT_TRUE(d.session().isModified());
}

TEST(GridMechanics, ClosingStoresTheGridAndATypedEntry) {
    WorksheetDriver d(WorksheetKind::Kin);
    d.fill(kinRows(2));
    d.open();
    d.click("Add");
    d.type("Name", "Typed then closed");
    d.close();
    ASSERT_EQ(d.store().rowCount(), 3);
    EXPECT_EQ(d.store().cell(kinColumn::Name, 2), "Typed then closed");
}

}  // namespace
}  // namespace wm4::test

namespace wm4::test {
namespace {

// Screen readers and tests find every control by its name; the commands
// that have no button are in the popup menu with their shortcuts.
TEST(GridMechanics, EveryControlHasAnAccessibleName) {
    for (WorksheetKind kind :
         {WorksheetKind::Asset, WorksheetKind::Expense, WorksheetKind::Kin, WorksheetKind::Time}) {
        WorksheetDriver d(kind);
        d.open();
        for (QWidget* w : d.window().findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                                 qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                                 qobject_cast<QTableView*>(w) || qobject_cast<QGroupBox*>(w);
            if (control && w->isVisibleTo(&d.window())) {
                EXPECT_FALSE(w->accessibleName().isEmpty())
                    << int(kind) << " " << w->objectName().toStdString();
            }
        }
        QStringList shortcuts;
        for (QAction* action : d.window().actions())
            shortcuts.append(action->text() + " " + action->shortcut().toString());
        EXPECT_TRUE(shortcuts.contains("Add Row At End Shift+F7")) << int(kind);
        EXPECT_TRUE(shortcuts.contains("Paste/Replace Row Shift+F11")) << int(kind);
        EXPECT_EQ(shortcuts.contains("Find Ctrl+F"), kind != WorksheetKind::Time) << int(kind);
    }
}

}  // namespace
}  // namespace wm4::test

namespace wm4::test {
namespace {

// Escape in a panel field takes back what was typed into it; the window
// stays open and the row keeps what was stored.
TEST(GridMechanics, EscapeRevertsTheFieldBeingEdited) {
    WorksheetDriver d(WorksheetKind::Kin);
    d.fill(kinRows(2));
    d.open();
    d.type("Name", "Typed by mistake");
    d.key(Qt::Key_Escape);
    EXPECT_EQ(d.text("Name"), "A");
    EXPECT_TRUE(d.window().isVisible());
    d.tab();
    EXPECT_EQ(d.columnTexts(kinColumn::Name), QStringList({"A", "B"}));
    // What was entered and left stays; Escape without an edit changes nothing.
    d.enter("Name", "Anna");
    EXPECT_EQ(d.columnTexts(kinColumn::Name), QStringList({"Anna", "B"}));
}

}  // namespace
}  // namespace wm4::test
