// The main window as a user meets it: menus, tree, page panel, navigation.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

#include "case/page_catalogue.h"
#include "case/worksheet_columns.h"
#include "forms/page000.h"
#include "forms/page001.h"
#include "ui/dialogs/multiple_dlg.h"
#include "ui/mainwindow/mnemonics.h"
#include "window_fixture.h"

namespace wm4::test {
namespace {

using MainWindow = WindowTest;

TEST_F(MainWindow, MenuItemsCarryTheirTextsAndShortcuts) {
    struct Item {
        const char* name;
        const char* text;
        const char* shortcut;
    };
    const Item items[] = {
        {"mnuNew", "&New", "Ctrl+N"},
        {"mnuOpen", "&Open...", "Ctrl+O"},
        {"mnuClose", "&Close", "Ctrl+W"},
        {"mnuSave", "&Save", "Ctrl+S"},
        {"mnuSaveAs", "Save &As...", "Ctrl+Shift+S"},
        {"mnuImportWM3", "Import WM3 File", ""},
        {"mnuPrint", "&Print Forms ...", "Ctrl+P"},
        {"mnuExit", "E&xit", "Ctrl+Q"},
        {"mnuInsertToday", "Insert Today", "Ctrl+T"},
        {"mnuMinimize", "&Minimize", "Ctrl+M"},
        {"mnuZoom", "&Zoom...", ""},
        {"mnuOverride", "&Override", "Ctrl+Shift+O"},
        {"mnuCancelOverride", "&Cancel Override", "Ctrl+Shift+U"},
        {"mnuOptions", "&Options", ""},
        {"mnuDisplay", "&Display", ""},
        {"mnuAbout", "&About", ""},
        {"mnuPrintKinWorksheet", "Kin Worksheet", ""},
    };
    for (const Item& item : items) {
        SCOPED_TRACE(item.name);
        QAction* a = window->action(QString::fromUtf8(item.name));
        ASSERT_NE(a, nullptr);
        // A text given without a mnemonic has been given one.
        const QString text = QString::fromUtf8(item.text);
        if (text.contains(u'&'))
            EXPECT_EQ(a->text(), text);
        else
            EXPECT_EQ(QString(a->text()).remove(u'&'), text);
        EXPECT_EQ(a->shortcut(), QKeySequence(QString::fromUtf8(item.shortcut)));
    }
    EXPECT_FALSE(window->action(QStringLiteral("mnuDuplicate"))->isVisible());
    EXPECT_FALSE(window->action(QStringLiteral("mnuOpenRecent"))->isVisible());
    // The menu bar in order.
    QStringList titles;
    for (QAction* a : window->menuBar()->actions()) titles.append(a->text());
    EXPECT_EQ(titles, (QStringList{"&File", "&Display", "&Options", "&Window", "&Help"}));
}

// Every menu and item can be reached with Alt and letters: each item of a
// menu has a mnemonic of its own.
void expectOwnMnemonics(const QList<QAction*>& actions, const QString& menu) {
    QSet<QChar> seen;
    for (QAction* a : actions) {
        if (a->isSeparator() || a->objectName().startsWith(QLatin1String("HX"))) continue;
        const QChar m = MnemonicOf(a->text());
        EXPECT_FALSE(m.isNull()) << menu.toStdString() << ": " << a->text().toStdString();
        EXPECT_FALSE(seen.contains(m)) << menu.toStdString() << ": " << a->text().toStdString();
        seen.insert(m);
        if (a->menu()) expectOwnMnemonics(a->menu()->actions(), a->text());
    }
}

TEST_F(MainWindow, EveryMenuItemHasAMnemonicOfItsOwnAndNoShortcutIsTwice) {
    expectOwnMnemonics(window->menuBar()->actions(), QStringLiteral("menu bar"));
    expectOwnMnemonics(window->pageScreen().popMain->actions(), QStringLiteral("popMain"));
    QHash<QKeySequence, QString> owners;
    for (QAction* a : window->findChildren<QAction*>()) {
        if (a->shortcut().isEmpty()) continue;
        EXPECT_FALSE(owners.contains(a->shortcut()))
            << a->shortcut().toString().toStdString() << ": " << a->objectName().toStdString()
            << " and " << owners.value(a->shortcut()).toStdString();
        owners.insert(a->shortcut(), a->objectName());
    }
    const std::pair<const char*, const char*> worksheets[] = {{"cbtnKin", "Ctrl+1"},
                                                              {"cbtnAssets", "Ctrl+2"},
                                                              {"cbtnExpenses", "Ctrl+3"},
                                                              {"cbtnTime", "Ctrl+4"}};
    for (const auto& [name, key] : worksheets)
        EXPECT_EQ(window->action(QString::fromLatin1(name))->shortcut(),
                  QKeySequence(QString::fromLatin1(key)));
}

// F6 and Shift+F6 go between the tree and the page; the Menu key opens a
// field's context menu, which offers Cut, Copy and Paste.
TEST_F(MainWindow, F6MovesBetweenTreeAndPageAndTheMenuKeyOpensTheFieldMenu) {
    auto* tree = window->findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
    QWidget* page = window->pageScreen().panel();
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_F6);
    ASSERT_TRUE(QApplication::focusWidget());
    EXPECT_TRUE(page->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), tree);

    auto* edit = field<QLineEdit>(QStringLiteral("First name"));
    ASSERT_TRUE(edit);
    edit->setFocus();
    QMenu* menu = window->pageScreen().popMain;
    bool opened = false;
    const auto connection =
        QObject::connect(menu, &QMenu::aboutToShow, [&opened] { opened = true; });
    QTest::keyClick(edit, Qt::Key_Menu);
    QObject::disconnect(connection);
    EXPECT_TRUE(opened);
    menu->close();
    QStringList texts;
    for (QAction* a : menu->actions()) texts << QString(a->text()).remove(u'&');
    EXPECT_EQ(texts.mid(0, 3), (QStringList{"Cut", "Copy", "Paste"}));

    edit->setText(QStringLiteral("Harold"));
    edit->selectAll();
    window->action(QStringLiteral("popCut"))->trigger();
    EXPECT_EQ(edit->text(), QString());
    window->action(QStringLiteral("popPaste"))->trigger();
    EXPECT_EQ(edit->text(), QStringLiteral("Harold"));
}

TEST_F(MainWindow, DisplayMenuAndTreeFollowTheOutlines) {
    int menuPages = 0;
    for (const NavItem& item : DisplayMenuItems())
        if (item.kind == NavKind::Page) {
            ++menuPages;
            EXPECT_NE(window->action(QStringLiteral("mnuPage%1").arg(item.tag)), nullptr)
                << item.text;
        }
    EXPECT_GT(menuPages, 100);
    auto* tree = window->findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
    ASSERT_NE(tree, nullptr);
    int treeItems = 0;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) ++treeItems;
    EXPECT_EQ(treeItems, static_cast<int>(TreeItems().size()));
    EXPECT_EQ(tree->topLevelItem(0)->text(0), QStringLiteral("Follow These Steps"));
    EXPECT_TRUE(tree->topLevelItem(0)->isExpanded());
    EXPECT_EQ(tree->currentItem()->text(0), QStringLiteral("1. General Information"));
    EXPECT_EQ(tree->accessibleName(), QStringLiteral("Navigation"));
}

TEST_F(MainWindow, StartsOnGeneralInformationUntitledAndSized) {
    EXPECT_EQ(window->CurrentPage(), 0);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Untitled.wm4[*]"));
    EXPECT_EQ(window->width(), 1435);
    EXPECT_EQ(window->height(), 999);
    // The template case's answers are on screen.
    EXPECT_EQ(field<QLineEdit>(QStringLiteral("County of residence"))->text(),
              QStringLiteral("Wendmoor"));
    EXPECT_FALSE(window->CaseModified());
    EXPECT_TRUE(reports.numbers().isEmpty());
}

TEST_F(MainWindow, PageFieldsAndToolButtonsHaveAccessibleNames) {
    EXPECT_NE(field<QLineEdit>(QStringLiteral("First name")), nullptr);
    EXPECT_NE(field<QWidget>(QStringLiteral("Help: Social Security number")), nullptr);
    for (const char* name : {"cbtnSmlNew", "CornerButton2", "cbtnSmlRefresh", "cbtnRefresh"}) {
        auto* button = window->findChild<QWidget*>(QString::fromUtf8(name));
        ASSERT_NE(button, nullptr) << name;
        EXPECT_FALSE(button->accessibleName().isEmpty()) << name;
    }
}

TEST_F(MainWindow, EnterMovesToTheNextField) {
    QLineEdit* first = field<QLineEdit>(QStringLiteral("First name"));
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(),
              field<QWidget>(QStringLiteral("Middle name or initial")));
}

// Navigation: the buttons and where they lead, through the real window.
TEST_F(MainWindow, NextAndPriorWalkTheCopiesOfForm1) {
    answers().NoOf1_0 = 3;
    answers().PgCt[1] = answers().PgCt[2] = 3;
    window->DisplayAPage(navigationCode(1, 0));
    QAction* next = window->action(QStringLiteral("cbtnNext"));
    QAction* prior = window->action(QStringLiteral("cbtnPrior"));
    EXPECT_TRUE(next->isVisible());
    EXPECT_FALSE(prior->isVisible());
    next->trigger();
    EXPECT_EQ(std::pair(window->CurrentPage(), window->CurrentCopy()), std::pair(2, 0));
    next->trigger();
    EXPECT_EQ(std::pair(window->CurrentPage(), window->CurrentCopy()), std::pair(1, 1));
    window->DisplayAPage(navigationCode(2, 2));
    EXPECT_FALSE(next->isVisible());
    EXPECT_TRUE(prior->isVisible());
    // The labelled twin follows its icon button (once the tool bar is laid out).
    QApplication::processEvents();
    EXPECT_FALSE(window->findChild<QWidget*>(QStringLiteral("cbtnSmlNext"))->isVisible());
    EXPECT_TRUE(window->findChild<QWidget*>(QStringLiteral("cbtnSmlPrior"))->isVisible());
}

TEST_F(MainWindow, PriorAndNextOnInventoryLettersAndForm24) {
    answers().NoOf6_1 = 2;
    QAction* next = window->action(QStringLiteral("cbtnNext"));
    QAction* prior = window->action(QStringLiteral("cbtnPrior"));
    window->DisplayAPage(navigationCode(30, 1));
    prior->trigger();
    EXPECT_EQ(std::pair(window->CurrentPage(), window->CurrentCopy()), std::pair(31, 0));
    window->DisplayAPage(navigationCode(30, 0));
    EXPECT_FALSE(prior->isVisible());
    window->DisplayAPage(navigationCode(121, 0));
    EXPECT_TRUE(next->isVisible());
    EXPECT_FALSE(prior->isVisible());
    window->DisplayAPage(navigationCode(121, 1));
    EXPECT_FALSE(next->isVisible());
    EXPECT_TRUE(prior->isVisible());
    window->DisplayAPage(navigationCode(150, 0));
    EXPECT_FALSE(next->isVisible());
    EXPECT_FALSE(prior->isVisible());
}

TEST_F(MainWindow, CopyDialogOffersTheCopiesAndOpensTheChosenOne) {
    answers().NoOf1_0 = 3;
    answers().PgCt[1] = 3;
    answers().setAnswer(page1::Page, 0, page1::Persons.start + 1, QStringLiteral("Alice Green"));
    answers().setAnswer(page1::Page, 2, page1::Persons.start + 1, QStringLiteral("Carol Green"));
    QString title;
    QString question;
    QStringList items;
    auto came = onNextModal([&](QWidget* modal) {
        auto* dlg = qobject_cast<TfrmMultiple*>(modal);
        ASSERT_NE(dlg, nullptr);
        title = dlg->windowTitle();
        question = dlg->question();
        items = dlg->items();
        auto* combo = dlg->findChild<QComboBox*>(QStringLiteral("cmbPage"));
        combo->setCurrentIndex(2);
        dlg->findChild<QPushButton*>(QStringLiteral("cbtnOk"))->click();
    });
    window->action(QStringLiteral("mnuPage100"))->trigger();
    ASSERT_TRUE(*came);
    EXPECT_EQ(title, QStringLiteral("Multiple Page Dialog"));
    EXPECT_TRUE(question.startsWith(QStringLiteral("There is more than one page of Form 1.0.")));
    EXPECT_EQ(items, (QStringList{"Alice Green", "Page 2", "Carol Green"}));
    EXPECT_EQ(std::pair(window->CurrentPage(), window->CurrentCopy()), std::pair(1, 2));
}

TEST_F(MainWindow, CancellingTheCopyDialogLeavesThePageAsItWas) {
    window->DisplayAPage(navigationCode(3));
    answers().NoOf1_0 = 2;
    answers().PgCt[1] = 2;
    auto came = onNextModal([](QWidget* modal) {
        modal->findChild<QPushButton*>(QStringLiteral("cbtnCancel"))->click();
    });
    window->action(QStringLiteral("mnuPage100"))->trigger();
    ASSERT_TRUE(*came);
    EXPECT_EQ(std::pair(window->CurrentPage(), window->CurrentCopy()), std::pair(3, 0));
    EXPECT_TRUE(window->findChild<QTreeWidget*>(QStringLiteral("TreeView1"))->isEnabled());
}

TEST_F(MainWindow, SingleCopyFormOpensCopyZeroWithoutADialog) {
    answers().PgCt[6] = 1;
    window->DisplayAPage(navigationCode(6, 0));
    window->action(QStringLiteral("mnuPage600"))->trigger();
    EXPECT_EQ(std::pair(window->CurrentPage(), window->CurrentCopy()), std::pair(6, 0));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// Mended: the menu's copy choice stores the page on display first, so a value
// typed but not yet committed is kept.
TEST_F(MainWindow, ContinuationDlgKeepsAValueTypedButNotCommitted) {
    typeInto(QStringLiteral("First name"), QStringLiteral("Harold"), /*leave=*/false);
    answers().PgCt[6] = 0;
    window->ContinuationDlg(navigationCode(6));
    EXPECT_EQ(window->CurrentPage(), 6);
    EXPECT_EQ(answers().answer(page0::Page, 0, page0::DecedentFirstName), QStringLiteral("Harold"));
}

// Mended: the focused control of a page is forgotten when its screen goes.
TEST_F(MainWindow, FocusedBoundControlIsClearedWhenAnotherPageLoads) {
    field<QLineEdit>(QStringLiteral("First name"))->setFocus();
    QApplication::processEvents();
    EXPECT_NE(window->pageScreen().FocusedBoundControl, nullptr);
    window->DisplayAPage(navigationCode(3));
    EXPECT_EQ(window->pageScreen().FocusedBoundControl, nullptr);
}

TEST_F(MainWindow, TreeItemOpensItsPageAndIsSelectedWithIt) {
    auto* tree = window->findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
    const auto found = tree->findItems(QStringLiteral("2.3 Entry Admitting Will"),
                                       Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_EQ(found.size(), 1);
    tree->setCurrentItem(found.front());
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_Return);
    EXPECT_EQ(window->CurrentPage(), 7);
    window->DisplayAPage(navigationCode(4));  // the back selects its form's item
    EXPECT_EQ(tree->currentItem()->text(0), QStringLiteral("2.0 Application to Probate Will"));
}

TEST_F(MainWindow, RefreshStoresThePageRecalculatesAndRestoresTheCursor) {
    typeInto(QStringLiteral("First name"), QStringLiteral("Edith"), /*leave=*/false);
    window->action(QStringLiteral("cbtnRefresh"))->trigger();
    EXPECT_EQ(answers().answer(page0::Page, 0, page0::DecedentFirstName), QStringLiteral("Edith"));
    EXPECT_EQ(field<QLineEdit>(QStringLiteral("First name"))->text(), QStringLiteral("Edith"));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(answers().PgCt[121], 2);  // the run counted the copies
}

TEST_F(MainWindow, RefreshAfterAReportedErrorLeavesTheScreenAsItIs) {
    QWidget* before = window->pageScreen().screenRoot();
    window->RefreshClick();
    EXPECT_NE(window->pageScreen().screenRoot(), before);  // shown again
    // An asset sent to the inventory without its category stops the run.
    WorksheetStore& assets = session().data().ASchedList;
    assets.setRowCount(1);
    assets.setCell(assetColumn::Description, 0, QStringLiteral("Piano"));
    assets.setCell(assetColumn::Value, 0, QStringLiteral("$500.00"));
    assets.setCell(assetColumn::ToForm6_0, 0, QStringLiteral("X"));
    before = window->pageScreen().screenRoot();
    window->RefreshClick();
    EXPECT_FALSE(reports.numbers().isEmpty());
    EXPECT_TRUE(answers().ErrFlag);
    EXPECT_EQ(window->pageScreen().screenRoot(), before);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace wm4::test
