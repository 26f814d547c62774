#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTimer>

#include "output/document/packet_table.h"
#include "support/qt_app.h"
#include "ui/dialogs/select_forms_dlg.h"
#include "ui/dialogs/select_forms_layout.h"

namespace wm4 {
namespace {

enum Tab { Forms1to4, Forms5to7, Forms8to11, Forms12to24, Letters };

// The tab each page opens, as the dialog's users know it; every other page
// opens "Forms 5-7".
Tab expectedTab(int page) {
    auto in = [page](std::initializer_list<std::pair<int, int>> ranges) {
        for (auto [from, to] : ranges)
            if (page >= from && page <= to) return true;
        return false;
    };
    // 128 (Report of Newly Discovered Assets) opens the tab that holds its box.
    if (in({{0, 0},
            {43, 43},
            {49, 49},
            {95, 102},
            {104, 105},
            {107, 107},
            {111, 111},
            {115, 117},
            {119, 119},
            {121, 123},
            {125, 125},
            {128, 128},
            {196, 196}}))
        return Letters;
    if (in({{1, 17}, {51, 51}})) return Forms1to4;
    if (in({{37, 42}, {44, 44}, {46, 48}, {50, 50}, {52, 54}, {87, 91}})) return Forms8to11;
    if (in({{55, 70}, {85, 86}, {92, 92}, {150, 158}})) return Forms12to24;
    return Forms5to7;
}

TEST(SelectFormsLayout, EveryPacketFormHasExactlyOneBox) {
    QStringList boxes;
    for (const SelectFormsTab& tab : SelectFormsTabs())
        for (const SelectFormsGroup& group : tab.groups)
            for (const SelectFormsBox& box : group.boxes) {
                boxes << QString::fromUtf16(box.checkBox);
                EXPECT_NE(FindPacketEntry(box.checkBox), nullptr) << boxes.last().toStdString();
            }
    EXPECT_EQ(boxes.size(), PacketEntryCount);
    for (const PacketEntry& entry : PacketTable)
        EXPECT_EQ(boxes.count(QString::fromUtf16(entry.checkBox)), 1)
            << QString::fromUtf16(entry.checkBox).toStdString();
}

TEST(SelectFormsLayout, OpeningTabOfEveryPage) {
    for (int page = 0; page < 200; ++page)
        EXPECT_EQ(OpeningTab(page), expectedTab(page)) << "page " << page;
}

TEST(SelectFormsLayout, PreTicks) {
    struct Case {
        int page;
        const char* box;  // "" for none
    };
    const Case cases[] = {
        {0, "cbxGenInfo"},
        {1, "cbx1_0"},
        {2, "cbx1_0"},
        {6, "cbx2_2"},
        {51, "cbxFiduciarysAcceptance"},
        {31, "cbx6_1"},
        {71, "cbxCommissionersReport"},
        {84, ""},
        {79, ""},
        {112, ""},
        {125, ""},
        {129, ""},
        {99, "cbxExecFeeComp"},
        {107, "cbxJudgmentEntryNewlyDiscovered"},
        {128, "cbxNewlyDiscovered"},
        {156, "cbx24_5"},
        {196, "cbxDTE100EX"},
        {182, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PreTickedBox(c.page), QString::fromLatin1(c.box)) << "page " << c.page;
}

class SelectFormsDialogTest : public ::testing::Test {
protected:
    void SetUp() override { test::widgetApp(); }
};

TEST_F(SelectFormsDialogTest, OpensOnThePageOnDisplay) {
    struct Case {
        int page;
        const char* tab;
        QStringList ticked;
    };
    const Case cases[] = {
        {99, "Letters/Misc", {"cbxExecFeeComp"}},
        {107, "Letters/Misc", {"cbxJudgmentEntryNewlyDiscovered"}},
        {128, "Letters/Misc", {"cbxNewlyDiscovered"}},
        {84, "Forms 5-7", {}},
        {30, "Forms 5-7", {"cbx6_1"}},
        {14, "Forms 1-4", {"cbx4_2"}},
    };
    for (const Case& c : cases) {
        TfrmSelectedForms dialog(c.page);
        auto* tabs = dialog.findChild<QTabWidget*>(QStringLiteral("tbctrlMain"));
        ASSERT_TRUE(tabs);
        EXPECT_EQ(tabs->tabText(tabs->currentIndex()), QString::fromLatin1(c.tab)) << c.page;
        EXPECT_EQ(dialog.tickedForms(), QSet<QString>(c.ticked.begin(), c.ticked.end())) << c.page;
    }
    TfrmSelectedForms dialog(99);
    EXPECT_EQ(dialog.box(QStringLiteral("cbxExecFeeComp"))->text(),
              QStringLiteral("Executor's Fee Computation"));
    TfrmSelectedForms relief(20);
    EXPECT_EQ(relief.box(QStringLiteral("cbx5_1"))->accessibleName(),
              QStringLiteral("5.1 Assets & Liabilities of Estate to be Relieved"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select Forms to Print"));
}

TEST_F(SelectFormsDialogTest, TabsBoxesAndTheirAccessibleNames) {
    TfrmSelectedForms dialog(0);
    auto* tabs = dialog.findChild<QTabWidget*>(QStringLiteral("tbctrlMain"));
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i) captions << tabs->tabText(i);
    EXPECT_EQ(captions,
              (QStringList{"Forms 1-4", "Forms 5-7", "Forms 8-11", "Forms 12-24", "Letters/Misc"}));
    // Every box on the tabs is a form ("One PDF per form" stands below them).
    const QList<QCheckBox*> boxes = tabs->findChildren<QCheckBox*>();
    EXPECT_EQ(boxes.size(), PacketEntryCount);
    for (QCheckBox* box : boxes) {
        const QString caption = QString::fromUtf16(EntryOfBox(box->objectName()).caption).trimmed();
        EXPECT_EQ(box->accessibleName(), caption);
        EXPECT_EQ(box->text(), QString(caption).replace(QLatin1Char('&'), QStringLiteral("&&")));
    }
}

TEST_F(SelectFormsDialogTest, ClearAllAndCheckAll) {
    TfrmSelectedForms dialog(1);
    dialog.CheckAllClick();
    EXPECT_EQ(dialog.tickedForms().size(), PacketEntryCount);
    dialog.ClearAllClick();
    EXPECT_TRUE(dialog.tickedForms().isEmpty());
}

TEST_F(SelectFormsDialogTest, TheHintRepeatsTheBoxText) {
    TfrmSelectedForms dialog(0);
    QCheckBox* box = dialog.box(QStringLiteral("cbx8_5"));
    Q_EMIT box->customContextMenuRequested(QPoint(2, 2));
    auto* hint = dialog.findChild<QAction*>(QStringLiteral("popHint"));
    ASSERT_TRUE(hint);
    EXPECT_EQ(hint->text(), box->text() + QStringLiteral("   ."));
    EXPECT_TRUE(hint->isVisible());
    for (QMenu* menu : dialog.findChildren<QMenu*>()) menu->close();
}

TEST_F(SelectFormsDialogTest, ButtonsSayWhatTheUserChose) {
    struct Case {
        const char* button;
        TfrmSelectedForms::Choice choice;
        int result;
    };
    const Case cases[] = {
        {"cbtnOk", TfrmSelectedForms::Choice::Print, QDialog::Accepted},
        {"cbtnPdf", TfrmSelectedForms::Choice::SavePdf, QDialog::Accepted},
        {"cbtnClose", TfrmSelectedForms::Choice::Close, QDialog::Rejected},
    };
    for (const Case& c : cases) {
        TfrmSelectedForms dialog(0);
        QTimer::singleShot(0, &dialog, [&] {
            dialog.findChild<QPushButton*>(QString::fromLatin1(c.button))->click();
        });
        EXPECT_EQ(dialog.exec(), c.result) << c.button;
        EXPECT_EQ(dialog.choice(), c.choice) << c.button;
    }
}

}  // namespace
}  // namespace wm4

namespace wm4 {
namespace {

// Within a group the numbered forms stand in the order of their numbers:
// 2.1 before 2.2, 13.9 before 13.10.
TEST(SelectFormsLayout, NumberedFormsStandInNumberOrder) {
    const QRegularExpression number(QStringLiteral("^(\\d+)\\.(\\d+)"));
    for (const SelectFormsTab& tab : SelectFormsTabs())
        for (const SelectFormsGroup& group : tab.groups) {
            std::pair<int, int> previous{-1, -1};
            for (const SelectFormsBox& box : group.boxes) {
                const QString caption = QString::fromUtf16(EntryOfBox(box.checkBox).caption);
                const QRegularExpressionMatch m = number.match(caption);
                if (!m.hasMatch()) continue;
                const std::pair<int, int> current{m.captured(1).toInt(), m.captured(2).toInt()};
                EXPECT_LE(previous, current) << caption.toStdString();
                previous = current;
            }
        }
}

}  // namespace
}  // namespace wm4
