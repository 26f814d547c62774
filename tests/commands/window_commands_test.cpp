// The commands through the real main window, offscreen: its menu items,
// tool-bar actions and dialogs as a user reaches them.
#include "ui/commands/window_commands.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QSlider>

#include "app/commands.h"
#include "case/conversions.h"
#include "case/field_codes.h"
#include "commands/commands_fixture.h"
#include "forms/page028.h"
#include "mainwindow/window_fixture.h"
#include "ui/commands/override_mode.h"
#include "ui/dialogs/select_forms_dlg.h"

namespace wm4 {
namespace {

class WindowCommandsTest : public test::WindowTest {
protected:
    void SetUp() override {
        settings.ForceWordPad = true;  // the default RTF program: recorded
        WindowTest::SetUp();
        auto recording = std::make_unique<RecordingLauncher>();
        launcher = recording.get();
        UserPrompts prompts;
        prompts.text = [this](const QString&, const QString&, const QString&) {
            return replies.isEmpty() ? std::nullopt : std::optional(replies.takeFirst());
        };
        prompts.inform = [this](const QString& text) { messages << text; };
        commands = new WindowCommands(*window, std::move(recording), prompts);
        window->session().settings().ForceWordPad = true;
        nextOpen = test::richSamplePath();
        window->OpenClick();
        ASSERT_EQ(window->ClientFileName(), test::richSamplePath());
    }

    void trigger(const char* name) {
        QAction* a = window->action(QString::fromLatin1(name));
        ASSERT_NE(a, nullptr) << name;
        ASSERT_TRUE(a->isEnabled()) << name;
        a->trigger();
    }

    QLineEdit* overridableTotal() {
        for (QLineEdit* e : window->pageScreen().panel()->findChildren<QLineEdit*>())
            if (e->property("StyleLookup").toString().startsWith(QLatin1String("EDITOVERRID")) &&
                SlotOfTag(e->property("Tag").toInt()) == 16)
                return e;
        return nullptr;
    }

    RecordingLauncher* launcher = nullptr;
    WindowCommands* commands = nullptr;
    QList<QString> replies;  // the text prompts' answers, in order
    QStringList messages;
};

TEST_F(WindowCommandsTest, OverrideFromTheMenusAndToolBar) {
    window->DisplayAPage(2800);
    QLineEdit* total = overridableTotal();
    ASSERT_TRUE(total);
    QAction* overrideButton = window->action(QStringLiteral("cbtnOverride"));
    QAction* cancelButton = window->action(QStringLiteral("cbtnCancelOverride"));
    EXPECT_FALSE(overrideButton->isVisible());  // nothing entered yet
    total->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(overrideButton->isVisible());
    EXPECT_FALSE(cancelButton->isVisible());
    EXPECT_TRUE(window->action(QStringLiteral("popOverride"))->isVisible());

    trigger("cbtnOverride");
    total = overridableTotal();
    EXPECT_FALSE(total->isReadOnly());
    EXPECT_TRUE(answers().ovRide(page28::Page, 0, page28::Fiduciary));
    EXPECT_TRUE(window->CaseModified());
    EXPECT_TRUE(cancelButton->isVisible());
    EXPECT_FALSE(overrideButton->isVisible());

    trigger("mnuCancelOverride");
    EXPECT_FALSE(answers().ovRide(page28::Page, 0, page28::Fiduciary));
    EXPECT_TRUE(overridableTotal()->isReadOnly());
}

TEST_F(WindowCommandsTest, PrintFormsWritesThePacketTheCommandLineWrites) {
    window->DisplayAPage(2800);
    const auto seen = test::onNextModal([](QWidget* modal) {
        auto* dialog = qobject_cast<TfrmSelectedForms*>(modal);
        ASSERT_TRUE(dialog);
        // Form 6.0 is on display, so it is ticked; add 1.0 and the will letter.
        EXPECT_TRUE(dialog->box(QStringLiteral("cbx6_0"))->isChecked());
        dialog->box(QStringLiteral("cbx1_0"))->setChecked(true);
        dialog->box(QStringLiteral("cbxWill"))->setChecked(true);
        dialog->findChild<QPushButton*>(QStringLiteral("cbtnOk"))->click();
    });
    trigger("mnuPrint");
    EXPECT_TRUE(*seen);
    ASSERT_EQ(launcher->urls.size(), 1) << messages.join('\n').toStdString();
    const QString sent = launcher->urls[0].toLocalFile();
    EXPECT_EQ(QFileInfo(sent).fileName(), QStringLiteral("send_temp.rtf"));

    const QString cli = path(QStringLiteral("cli.rtf"));
    ASSERT_EQ(RunCommand({QStringLiteral("print"), test::richSamplePath(), cli,
                          QStringLiteral("--forms"), QStringLiteral("cbx1_0,cbx6_0,cbxWill"),
                          QStringLiteral("--data"), QStringLiteral(WM4_SOURCE_DATA_DIR)}),
              0);
    QFile a(sent), b(cli);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly));
    ASSERT_TRUE(b.open(QIODevice::ReadOnly));
    const QByteArray fromWindow = a.readAll();
    const QByteArray fromCommandLine = b.readAll();
    EXPECT_EQ(fromWindow.size(), fromCommandLine.size());
    EXPECT_TRUE(fromWindow == fromCommandLine);
    if (qEnvironmentVariableIsSet("WM4_KEEP_PACKETS")) {
        QFile::copy(sent, QStringLiteral("/tmp/window_packet.rtf"));
        QFile::copy(cli, QStringLiteral("/tmp/cli_packet.rtf"));
    }
}

TEST_F(WindowCommandsTest, CloseInSelectFormsPrintsNothing) {
    const auto seen = test::onNextModal([](QWidget* modal) {
        modal->findChild<QPushButton*>(QStringLiteral("cbtnClose"))->click();
    });
    trigger("mnuPrint");
    EXPECT_TRUE(*seen);
    EXPECT_TRUE(launcher->urls.isEmpty());
}

TEST_F(WindowCommandsTest, PrintButtonAndWorksheetItems) {
    window->DisplayAPage(0);
    trigger("cbtnPrint");
    trigger("mnuPrintKinWorksheet");
    trigger("mnuSendTimeWorksheet");
    EXPECT_EQ(launcher->urls.size(), 3) << messages.join('\n').toStdString();
}

TEST_F(WindowCommandsTest, InsertTodayOnAnEditBoxButNotOnACheckBox) {
    window->DisplayAPage(0);
    QCheckBox* check = window->pageScreen().panel()->findChildren<QCheckBox*>().value(0);
    ASSERT_TRUE(check);
    check->setFocus();
    const bool ticked = check->isChecked();
    trigger("mnuInsertToday");
    EXPECT_EQ(check->isChecked(), ticked);
    EXPECT_FALSE(window->CaseModified());

    QLineEdit* edit = nullptr;
    for (QLineEdit* e : window->pageScreen().panel()->findChildren<QLineEdit*>())
        if (!e->isReadOnly() && EditKindOfTag(e->property("Tag").toInt()) == EditKind::Text) edit = e;
    ASSERT_TRUE(edit);
    edit->setFocus();
    trigger("mnuInsertToday");
    EXPECT_EQ(edit->text(), FormatShortDate(QDate::currentDate()));
}

TEST_F(WindowCommandsTest, QuotesHelpManualAndTaxForms) {
    replies = {QStringLiteral("XYZ")};
    trigger("mnuGetStockQuote");
    trigger("mnuTableOfContents");
    trigger("mnuTutorial");
    ASSERT_EQ(launcher->urls.size(), 3);
    EXPECT_TRUE(
        launcher->urls[0].toString().endsWith(QStringLiteral("stock-price?ocid=qbeb&Symbol=XYZ")));

    // The tax forms of the Display menu carry their Tag.
    QAction* ss4 = nullptr;
    for (QAction* a : window->findChildren<QAction*>())
        if (a->data().toInt() == 1001) ss4 = a;
    ASSERT_TRUE(ss4);
    ss4->trigger();
    EXPECT_EQ(launcher->urls.last(),
              QUrl(QStringLiteral("https://www.irs.gov/pub/irs-pdf/fss4.pdf")));
    EXPECT_TRUE(messages.last().contains(QStringLiteral("IRS web site")));
}

TEST_F(WindowCommandsTest, ZoomScalesEveryPageShown) {
    window->DisplayAPage(0);
    QLineEdit* first = window->pageScreen().panel()->findChildren<QLineEdit*>().value(0);
    ASSERT_TRUE(first);
    // The page may start scaled for a narrow screen: compare with its design.
    const double designed = first->width() / commands->pageScale();
    const auto seen = test::onNextModal([](QWidget* modal) {
        modal->findChild<QSlider*>(QStringLiteral("TrackBar1"))->setValue(150);
        qobject_cast<QDialog*>(modal)->accept();
    });
    trigger("mnuZoom");
    EXPECT_TRUE(*seen);
    EXPECT_DOUBLE_EQ(commands->pageScale(), 1.5);
    EXPECT_NEAR(first->width(), designed * 1.5, 1.0);

    window->DisplayAPage(2800);
    window->DisplayAPage(0);
    first = window->pageScreen().panel()->findChildren<QLineEdit*>().value(0);
    EXPECT_NEAR(first->width(), designed * 1.5, 1.0);
}

TEST_F(WindowCommandsTest, WordProcessorItemsAndGhostPrompts) {
    trigger("mnuForceWord");
    EXPECT_TRUE(session().settings().ForceWord);
    EXPECT_FALSE(session().settings().ForceWordPad);
    EXPECT_TRUE(window->action(QStringLiteral("mnuForceWord"))->isChecked());
    EXPECT_EQ(window->action(QStringLiteral("mnuForceWord"))->text(),
              QStringLiteral("&Force LibreOffice Writer"));
    EXPECT_FALSE(window->action(QStringLiteral("mnuForceWordPad"))->isChecked());

    window->DisplayAPage(0);
    QLineEdit* prompted = nullptr;
    for (QLineEdit* e : window->pageScreen().panel()->findChildren<QLineEdit*>())
        if (!e->placeholderText().isEmpty()) prompted = e;
    ASSERT_TRUE(prompted);
    const QString name = prompted->objectName();
    trigger("mnuGhostPrompts");
    EXPECT_FALSE(window->pageScreen().GhostPrompts);
    EXPECT_FALSE(window->action(QStringLiteral("mnuGhostPrompts"))->isChecked());
    auto* again = window->pageScreen().panel()->findChild<QLineEdit*>(name);
    ASSERT_TRUE(again);
    EXPECT_TRUE(again->placeholderText().isEmpty());
}

}  // namespace
}  // namespace wm4
