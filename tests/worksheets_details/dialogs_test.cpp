// The detail dialogs driven offscreen through their controls' accessible
// names and from the keyboard.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "case/case_data.h"
#include "worksheets/details/detail_dialogs.h"
#include "worksheets/details/detail_records.h"
#include "worksheets/details/detail_summaries.h"
#include "worksheets_details/dialog_driver.h"

namespace wm4 {
namespace {

using test::control;
using test::whenDialogOpens;
namespace col = assetColumn;

void clickButton(QDialog& dialog, const char* name) {
    QPushButton* button = control<QPushButton>(dialog, QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
}

QCheckBox* box(QDialog& dialog, QStringView caption) {
    return control<QCheckBox>(dialog, caption.toString());
}

// Every control a user can reach carries an accessible name.
void expectNamedControls(QDialog& dialog) {
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        if (w->focusPolicy() == Qt::NoFocus || qobject_cast<QDialogButtonBox*>(w)) continue;
        if (w->parentWidget() && qobject_cast<QComboBox*>(w->parentWidget())) continue;
        if (w->inherits("QScrollBar") || w->objectName().startsWith(u"qt_")) continue;
        EXPECT_FALSE(w->accessibleName().isEmpty())
            << dialog.objectName().toStdString() << ": " << w->metaObject()->className() << " "
            << w->objectName().toStdString();
    }
}

TEST(SendToDialog, ShowsOnlyXAsCheckedAndWritesFlagsOnOk) {
    AssetDetail detail;
    detail.setSent(col::ToForm6_0, true);
    detail.sendTo[0] = QStringLiteral("0");  // 3.0: a new row's mark
    detail.sendTo[1] = QStringLiteral("x");  // 4.0
    whenDialogOpens([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Send To Dialog"));
        expectNamedControls(d);
        for (const SendToFlag& flag : AssetSendToFlags) {
            QCheckBox* b = box(d, flag.caption);
            ASSERT_NE(b, nullptr) << flag.caption.toString().toStdString();
            EXPECT_EQ(b->isChecked(), flag.column == col::ToForm6_0);
            // The right-click hint names the form in full.
            ASSERT_EQ(b->actions().size(), 1);
            EXPECT_EQ(b->actions()[0]->text(), flag.caption.toString() + QStringLiteral("   ."));
        }
        // "&" shows as itself, not as a mnemonic.
        EXPECT_TRUE(box(d, u"6.0 Inventory & Appraisal")->text().contains(u"&&"));
        box(d, u"Schedule A Real Estate")->setChecked(true);
        box(d, u"Commissioner's Report")->setChecked(true);
        box(d, u"6.0 Inventory & Appraisal")->setChecked(false);
        clickButton(d, "OK");
    });
    ASSERT_TRUE(EditSendTo(nullptr, detail));
    EXPECT_EQ(detail.sendTo[0], QString());
    EXPECT_EQ(detail.sendTo[1], QString());
    QStringList row(AssetColumns);
    detail.writeToRow(row);
    EXPECT_EQ(row[col::SendToSummary], QStringLiteral("CommRep, SchA"));
    EXPECT_EQ(row[col::ToScheduleA], QStringLiteral("X"));
    EXPECT_EQ(row[col::ToForm6_0], QString());
}

TEST(SendToDialog, KeyboardAlone) {
    AssetDetail detail;
    whenDialogOpens([](QDialog& d) {
        // The first box has the focus; Space ticks, Tab moves down the column.
        QWidget* first = box(d, u"3.0 Appointment of Appraiser");
        first->setFocus();
        QTest::keyClick(first, Qt::Key_Space);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(),
                  box(d, u"4.0 Application for Authority to Administer Estate"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    ASSERT_TRUE(EditSendTo(nullptr, detail));
    EXPECT_TRUE(detail.isSent(col::ToForm3_0));
    EXPECT_TRUE(detail.isSent(col::ToForm4_0));
    EXPECT_EQ(AssetSendToSummary(detail), QStringLiteral("3.0, 4.0"));
}

TEST(CategoryDialog, FindsStoredCategoriesRegardlessOfCaseAndStoresTheListsWording) {
    AssetDetail detail;
    detail.categories[0] = QStringLiteral("REAL ESTATE");  // Form 3.0
    detail.categories[1] = QStringLiteral("0");            // Form 4.0: a new row's "0"
    detail.categories[5] = QString();                      // Form 6.0: empty
    detail.categories[8] = QStringLiteral("income");       // Form 13.0
    detail.categories[10] = QStringLiteral("Something else");
    whenDialogOpens([](QDialog& d) {
        expectNamedControls(d);
        EXPECT_EQ(control<QComboBox>(d, "Form 3.0")->currentText(), QStringLiteral("Real Estate"));
        EXPECT_EQ(control<QComboBox>(d, "Form 4.0")->currentIndex(), 0);
        EXPECT_EQ(control<QComboBox>(d, "Form 6.0 & 6.1")->currentIndex(), 0);
        EXPECT_EQ(control<QComboBox>(d, "Form 13.0 & 13.1")->currentText(),
                  QStringLiteral("Income"));
        EXPECT_EQ(control<QComboBox>(d, "Exec Fee Comp")->currentIndex(), 0);
        EXPECT_FALSE(control<QComboBox>(d, "Atty Fee Comp")->isEditable());
        clickButton(d, "OK");
    });
    ASSERT_TRUE(EditCategories(nullptr, detail));
    EXPECT_EQ(detail.categories[0], QStringLiteral("Real Estate"));
    EXPECT_EQ(detail.categories[1], QStringLiteral("Not used for this asset"));
    EXPECT_EQ(detail.categories[5], QStringLiteral("Not used for this asset"));
    EXPECT_EQ(detail.categories[8], QStringLiteral("Income"));
    EXPECT_EQ(detail.categories[10], QStringLiteral("Not used for this asset"));
    EXPECT_EQ(detail.categorySummary, QStringLiteral("Real Estate/Income"));
}

TEST(CategoryDialog, KeyboardAlone) {
    AssetDetail detail;
    whenDialogOpens([](QDialog& d) {
        QComboBox* form4 = control<QComboBox>(d, "Form 4.0");
        QTest::keyClick(control<QComboBox>(d, "Form 3.0"), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), form4);
        QTest::keyClick(form4, Qt::Key_Down);
        QTest::keyClick(form4, Qt::Key_Return);
    });
    ASSERT_TRUE(EditCategories(nullptr, detail));
    EXPECT_EQ(detail.category(col::Category4_0), QStringLiteral("Personal property"));
    EXPECT_EQ(detail.categorySummary, QStringLiteral("Personal property"));
}

// The free-text dialogs: their labels in order, typed into from the keyboard.
TEST(FieldDialogs, LabelsInOrderTypedFromTheKeyboard) {
    struct Case {
        bool (*edit)(QWidget*, AssetDetail&);
        const char* group;
        const char* title;  // each dialog its own caption
        std::vector<QStringView> labels;
        QString AssetDetail::*summary;
        const char* expectedSummary;
    };
    std::vector<QStringView> realty, vehicle, stock, identifiers;
    for (const DetailField& f : RealtyFields) realty.push_back(f.label);
    for (const DetailField& f : VehicleFields) vehicle.push_back(f.label);
    for (const DetailField& f : StockFields) stock.push_back(f.label);
    for (const IdentifierField& f : IdentifierFields) identifiers.push_back(f.label);
    const Case cases[] = {
        {EditRealty, "Real Estate", "Real Estate Details", realty, &AssetDetail::realtySummary,
         "v2 v3, v1, v0, v4, v5, v6, v7, v8, v9, v10, v11"},
        {EditVehicle, "Vehicle", "Vehicle Details", vehicle, &AssetDetail::vehicleSummary,
         "v0, v1, v2, v3, v4, v5, v6, v7, v8"},
        {EditStock, "Stocks/Bonds", "Stock Details", stock, &AssetDetail::stockSummary,
         "v2, v0, v1, v3"},
        {EditIdentifiers, "Confidential Personal Information Disclosure", "Personal Identifiers",
         identifiers, &AssetDetail::identifierSummary, "v0, v1, v2, v3, v4"},
    };
    for (const Case& c : cases) {
        AssetDetail detail;
        whenDialogOpens([&](QDialog& d) {
            expectNamedControls(d);
            EXPECT_EQ(d.windowTitle(), QString::fromLatin1(c.title));
            EXPECT_NE(control<QGroupBox>(d, c.group), nullptr) << c.group;
            // Tab walks the boxes in label order; the user types into each.
            QLineEdit* first = control<QLineEdit>(d, c.labels[0].toString());
            ASSERT_NE(first, nullptr);
            first->setFocus();
            for (size_t i = 0; i < c.labels.size(); ++i) {
                QWidget* focus = QApplication::focusWidget();
                ASSERT_NE(focus, nullptr);
                EXPECT_EQ(focus->accessibleName(), c.labels[i].toString());
                QTest::keyClicks(focus, QStringLiteral("v%1").arg(i));
                QTest::keyClick(focus, Qt::Key_Tab);
            }
            QTest::keyClick(first, Qt::Key_Return);  // Enter confirms
        });
        ASSERT_TRUE(c.edit(nullptr, detail)) << c.group;
        EXPECT_EQ(detail.*c.summary, QString::fromLatin1(c.expectedSummary)) << c.group;
    }
}

TEST(FieldDialogs, RealtyCityAndParcelOnly) {
    AssetDetail detail;
    whenDialogOpens([](QDialog& d) {
        QTest::keyClicks(control<QLineEdit>(d, "City, State & ZIP"), "Anytown, OH 44000");
        QTest::keyClicks(control<QLineEdit>(d, "Permanent Parcel No."), "012-34-567");
        clickButton(d, "OK");
    });
    ASSERT_TRUE(EditRealty(nullptr, detail));
    EXPECT_EQ(detail.realtySummary, QStringLiteral("Anytown, OH 44000, 012-34-567"));
    QStringList row(AssetColumns);
    detail.writeToRow(row);
    EXPECT_EQ(row[col::RealtyCityStateZip], QStringLiteral("Anytown, OH 44000"));
    EXPECT_EQ(row[col::RealtyParcelNumber], QStringLiteral("012-34-567"));
    EXPECT_EQ(row[col::RealtySummary], detail.realtySummary);
}

TEST(IdentifierDialog, ExpenseModeSavesOnlyAfterAChange) {
    ExpenseDetail detail;
    detail.identifiers[0] = QStringLiteral("123-45-6789");
    const ExpenseDetail before = detail;
    whenDialogOpens([](QDialog& d) {
        EXPECT_EQ(control<QLineEdit>(d, "Complete Identification")->text(),
                  QStringLiteral("123-45-6789"));
        clickButton(d, "OK");
    });
    EXPECT_FALSE(EditIdentifiers(nullptr, detail));  // OK without a change
    EXPECT_EQ(detail, before);

    whenDialogOpens([](QDialog& d) {
        QTest::keyClicks(control<QLineEdit>(d, "Institution"), "First Bank");
        clickButton(d, "OK");
    });
    EXPECT_TRUE(EditIdentifiers(nullptr, detail));
    EXPECT_EQ(detail.identifiers[1], QStringLiteral("First Bank"));
    QStringList row(ExpenseColumns);
    detail.writeToRow(row);
    EXPECT_EQ(row[expenseColumn::IdentifierInstitution], QStringLiteral("First Bank"));
    EXPECT_EQ(row[expenseColumn::IdentifierComplete], QStringLiteral("123-45-6789"));
}

WorksheetStore kinNamed(const QStringList& names) {
    WorksheetStore kin(KinColumns);
    kin.setRowCount(int(names.size()));
    for (int r = 0; r < names.size(); ++r) kin.setCell(kinColumn::Name, r, names[r]);
    return kin;
}

QList<bool> checkStates(QDialog& d) {
    QListWidget* list = control<QListWidget>(d, "List compiled from Next of Kin Worksheet");
    QList<bool> states;
    for (int i = 0; i < list->count(); ++i)
        states.append(list->item(i)->checkState() == Qt::Checked);
    return states;
}

TEST(DistributeeDialog, ChecksOnlyWholeNamesOfTheSelection) {
    // A name that merely occurs inside a chosen name is not chosen: "Ann"
    // must not join "Ann Lee" on the distribution forms.
    const WorksheetStore kin = kinNamed({"Ann", "Ann Lee", ""});
    AssetDetail detail;
    detail.distributees = QStringLiteral("Ann Lee");
    whenDialogOpens([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Select Distributee Dialog"));
        expectNamedControls(d);
        EXPECT_EQ(checkStates(d), (QList<bool>{false, true, false}));
        EXPECT_EQ(control<QPlainTextEdit>(d, "Property to be distributed")->toPlainText(),
                  QStringLiteral("Lot 7\nOak Lane"));
        EXPECT_NE(control<QLabel>(d,
                                  "Select any one or more distributee(s) by checking the box to "
                                  "the left of each name. To be included in this list you must "
                                  "enter the name and address information in the Kin Worksheet."),
                  nullptr);
        clickButton(d, "OK");
    });
    ASSERT_TRUE(SelectDistributees(nullptr, kin, QStringLiteral("Lot 7\nOak Lane"), detail));
    EXPECT_EQ(detail.distributees, QStringLiteral("Ann Lee"));
}

TEST(DistributeeDialog, KeyboardAloneAndNamesWithCommasRoundTrip) {
    const WorksheetStore kin = kinNamed({"Lee, Ann", "Lee", "Ann", "Smith, John Jr."});
    ExpenseDetail detail;
    detail.parties = QStringLiteral("Lee, Ann");
    whenDialogOpens([](QDialog& d) {
        EXPECT_EQ(checkStates(d), (QList<bool>{true, false, false, false}));
        // The list has the focus on its first name: Down, Down, Down, Space
        // ticks the fourth; Enter confirms.
        QWidget* list = QApplication::focusWidget();
        EXPECT_EQ(list, control<QListWidget>(d, "List compiled from Next of Kin Worksheet"));
        for (int i = 0; i < 3; ++i) QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Space);
        QTest::keyClick(list, Qt::Key_Return);
    });
    ASSERT_TRUE(SelectDistributees(nullptr, kin, QStringLiteral("Funeral home"), detail));
    EXPECT_EQ(detail.parties, QStringLiteral("Lee, Ann, Smith, John Jr."));

    whenDialogOpens([](QDialog& d) {
        EXPECT_EQ(checkStates(d), (QList<bool>{true, false, false, true}));
        clickButton(d, "OK");
    });
    ASSERT_TRUE(SelectDistributees(nullptr, kin, QString(), detail));
    EXPECT_EQ(detail.parties, QStringLiteral("Lee, Ann, Smith, John Jr."));
}

TEST(DistributeeDialog, KinWithoutNamesGiveAnEmptySelection) {
    const WorksheetStore kin = kinNamed({"", ""});
    AssetDetail detail;
    detail.distributees = QStringLiteral("Ann");
    whenDialogOpens([](QDialog& d) {
        EXPECT_EQ(checkStates(d), (QList<bool>{false, false}));
        // A row without a name cannot be chosen, and would add nothing.
        QListWidget* list = control<QListWidget>(d, "List compiled from Next of Kin Worksheet");
        EXPECT_FALSE(list->item(0)->flags() & Qt::ItemIsUserCheckable);
        list->item(0)->setCheckState(Qt::Checked);
        clickButton(d, "OK");
    });
    ASSERT_TRUE(SelectDistributees(nullptr, kin, QString(), detail));
    EXPECT_EQ(detail.distributees, QString());
}

TEST(FindDialog, ShowsTheLastTextAndEnterSearches) {
    QString text = QStringLiteral("oak");
    whenDialogOpens([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Find Dialog"));
        expectNamedControls(d);
        QLineEdit* edit = control<QLineEdit>(d, "Search text");
        EXPECT_EQ(edit->text(), QStringLiteral("oak"));
        EXPECT_EQ(QApplication::focusWidget(), edit);
        EXPECT_TRUE(control<QPushButton>(d, "OK")->isDefault());
        QTest::keyClicks(edit, "Maple");  // replaces the selected last text
        QTest::keyClick(edit, Qt::Key_Return);
    });
    ASSERT_TRUE(FindString(nullptr, text));
    EXPECT_EQ(text, QStringLiteral("Maple"));
}

// Cancel, the Escape key or closing the window leave the record as it was.
TEST(DetailDialogs, CancelChangesNothing) {
    const WorksheetStore kin = kinNamed({"Ann", "Bob"});
    AssetDetail asset;
    asset.distributees = QStringLiteral("Ann");
    asset.categories[0] = QStringLiteral("REAL ESTATE");
    asset.realty[1] = QStringLiteral("Anytown");
    ExpenseDetail expense;
    expense.parties = QStringLiteral("Bob");
    QString search = QStringLiteral("oak");
    const AssetDetail assetBefore = asset;
    const ExpenseDetail expenseBefore = expense;

    // Changes every kind of control there is, then leaves by the given way.
    enum class Leave { Cancel, Escape, Close };
    const auto changeAndLeave = [](Leave how) {
        whenDialogOpens([how](QDialog& d) {
            for (QCheckBox* b : d.findChildren<QCheckBox*>()) b->toggle();
            for (QComboBox* c : d.findChildren<QComboBox*>()) c->setCurrentIndex(1);
            for (QLineEdit* e : d.findChildren<QLineEdit*>()) QTest::keyClicks(e, "typed");
            for (QListWidget* l : d.findChildren<QListWidget*>())
                for (int i = 0; i < l->count(); ++i) l->item(i)->setCheckState(Qt::Checked);
            if (how == Leave::Cancel) clickButton(d, "Cancel");
            if (how == Leave::Escape) QTest::keyClick(&d, Qt::Key_Escape);
            if (how == Leave::Close) d.close();
        });
    };
    const std::function<bool()> calls[] = {
        [&] { return EditSendTo(nullptr, asset); },
        [&] { return EditCategories(nullptr, asset); },
        [&] { return EditRealty(nullptr, asset); },
        [&] { return EditVehicle(nullptr, asset); },
        [&] { return EditStock(nullptr, asset); },
        [&] { return EditIdentifiers(nullptr, asset); },
        [&] { return EditIdentifiers(nullptr, expense); },
        [&] { return SelectDistributees(nullptr, kin, QString(), asset); },
        [&] { return SelectDistributees(nullptr, kin, QString(), expense); },
        [&] { return FindString(nullptr, search); },
    };
    for (Leave how : {Leave::Cancel, Leave::Escape, Leave::Close}) {
        for (size_t i = 0; i < std::size(calls); ++i) {
            changeAndLeave(how);
            EXPECT_FALSE(calls[i]()) << "dialog " << i << " leave " << int(how);
        }
    }
    EXPECT_EQ(asset, assetBefore);
    EXPECT_EQ(expense, expenseBefore);
    EXPECT_EQ(search, QStringLiteral("oak"));
}

}  // namespace
}  // namespace wm4
