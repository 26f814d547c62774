#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

#include "commands/commands_fixture.h"
#include "ui/commands/page_zoom.h"
#include "ui/commands/tools_commands.h"
#include "ui/dialogs/about_dlg.h"
#include "ui/dialogs/preference_dlg.h"
#include "ui/dialogs/shrink_font_dlg.h"
#include "ui/dialogs/slider_dlg.h"

namespace wm4 {
namespace {

using test::CommandsTest;

class DisplayTest : public CommandsTest {};

TEST_F(DisplayTest, ZoomScalesThePageAndCollapsesAtZero) {
    screen->LoadPage(0);
    QWidget* root = screen->screenRoot();
    ASSERT_TRUE(root);
    QLineEdit* edit = panel->findChildren<QLineEdit*>().value(5);
    ASSERT_TRUE(edit);
    const QRect designed = edit->geometry();
    const double font = edit->font().pointSizeF();
    const QSize page = root->size();

    ApplyPageScale(panel.get(), root, 1.5);
    EXPECT_EQ(edit->geometry().width(), qRound(designed.width() * 1.5));
    EXPECT_EQ(edit->geometry().y(), qRound(designed.y() * 1.5));
    EXPECT_NEAR(edit->font().pointSizeF(), font * 1.5, 0.01);
    EXPECT_GE(panel->minimumHeight(), qRound(page.height() * 1.5));

    ApplyPageScale(panel.get(), root, 0);
    EXPECT_EQ(panel->minimumSize(), QSize(0, 0));
    EXPECT_TRUE(root->isHidden());

    // Back from nothing to the designed page.
    ApplyPageScale(panel.get(), root, 1.0);
    EXPECT_EQ(edit->geometry(), designed);
    EXPECT_NEAR(edit->font().pointSizeF(), font, 0.01);
    EXPECT_FALSE(root->isHidden());
    EXPECT_EQ(ZoomedWindowWidth(300, 1000, 0), 324);
    EXPECT_EQ(ZoomedWindowWidth(300, 1000, 1.25), 1574);
}

TEST_F(DisplayTest, SliderDialogsShowAWholePercentage) {
    TfrmWindowScale zoom(1.0);
    EXPECT_EQ(zoom.windowTitle(), QStringLiteral("Zoom"));
    EXPECT_EQ(zoom.valueText(), QStringLiteral("100%"));
    zoom.slider()->setValue(137);
    EXPECT_EQ(zoom.valueText(), QStringLiteral("137%"));
    EXPECT_DOUBLE_EQ(zoom.value(), 1.37);
    EXPECT_EQ(zoom.slider()->maximum(), 200);

    TfrmMemoFontAdjust memo(0.75);
    EXPECT_EQ(memo.windowTitle(), QStringLiteral("Adjust Memo Font"));
    EXPECT_EQ(memo.valueText(), QStringLiteral("75%"));
    EXPECT_EQ(memo.slider()->maximum(), 100);
}

TEST_F(DisplayTest, ShrinkFontPreselectsAndCountsAlsoOnCancel) {
    int helpOpened = 0;
    TfrmShrinkFont dialog(1.5, [&] { ++helpOpened; });
    auto* list = dialog.findChild<QListWidget*>(QStringLiteral("ListBox1"));
    ASSERT_TRUE(list);
    ASSERT_EQ(list->count(), 7);
    EXPECT_EQ(list->currentItem()->text(), QStringLiteral("1.5"));
    dialog.selectItem(6);
    QTimer::singleShot(0, &dialog, [&] {
        dialog.findChild<QPushButton*>(QStringLiteral("btnHelp"))->click();
        dialog.findChild<QPushButton*>(QStringLiteral("btnCancel"))->click();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_DOUBLE_EQ(dialog.reduction(1.5), 3.0);
    EXPECT_EQ(helpOpened, 1);
}

TEST_F(DisplayTest, PreferencesShowFoldersAndSwitchToolBars) {
    QList<std::pair<bool, bool>> switched;
    int changes = 0;
    TfrmPreferenceDlg::Hooks hooks;
    hooks.showToolBar = [&](bool label, bool shown) { switched.append({label, shown}); };
    hooks.changeFolder = [&](FileLocation which) {
        ++changes;
        if (which == FileLocation::TemporaryFiles) session->settings().TempFolder = "/tmp/new";
        return true;
    };
    TfrmPreferenceDlg dialog(session->settings(), true, true, hooks);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Wendmoor4 Preferences"));
    auto* tempLabel = dialog.findChild<QLabel*>(QStringLiteral("lblRTFWorkPath"));
    EXPECT_EQ(tempLabel->text(), session->settings().TempFolder);
    dialog.findChild<QCheckBox*>(QStringLiteral("cbxShowIconToolBar"))->setChecked(false);
    dialog.findChild<QCheckBox*>(QStringLiteral("cbxShowLabelToolbar"))->setChecked(false);
    EXPECT_EQ(switched, (QList<std::pair<bool, bool>>{{false, false}, {true, false}}));
    dialog.findChild<QPushButton*>(QStringLiteral("btnChangeTemp"))->click();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(tempLabel->text(), QStringLiteral("/tmp/new"));
}

TEST_F(DisplayTest, AboutBoxShowsTheVersionAndHidesTheCredits) {
    TfrmAboutDlg about(QStringLiteral(WM4_SOURCE_DATA_DIR "/wendmoor4.svg"));
    EXPECT_EQ(about.windowTitle(), QStringLiteral(" Wendmoor4 - Version 4.41"));
    EXPECT_EQ(about.size(), QSize(500, 400));
    EXPECT_FALSE(about.creditsShown());
    QWidget* logo = about.findChild<QWidget*>(QStringLiteral("imgLogo"));
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(logo, &dbl);
    EXPECT_TRUE(about.creditsShown());
}

}  // namespace
}  // namespace wm4
