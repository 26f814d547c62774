#include "ui/pagescreen/page_screen.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "support/qt_app.h"
#include "support/report_recorder.h"

namespace wm4 {
namespace {

// A small screen in Qt Designer XML: one control per line of `controls`,
// each "Class name Tag [StyleLookup]".
QByteArray screenXml(const QList<QStringList>& controls) {
    QByteArray xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ui version=\"4.0\"><class>s</class>\n"
        "<widget class=\"QWidget\" name=\"s\">"
        "<property "
        "name=\"geometry\"><rect><x>0</x><y>0</y><width>600</width><height>600</height></rect></"
        "property>\n";
    int y = 0;
    for (const QStringList& c : controls) {
        xml += QStringLiteral(
                   "<widget class=\"%1\" name=\"%2\">"
                   "<property "
                   "name=\"geometry\"><rect><x>0</x><y>%3</y><width>300</width><height>24</"
                   "height></rect></property>"
                   "<property name=\"Tag\" stdset=\"0\"><number>%4</number></property>")
                   .arg(c[0], c[1])
                   .arg(y)
                   .arg(c[2])
                   .toUtf8();
        if (c.size() > 3 && !c[3].isEmpty())
            xml += QStringLiteral(
                       "<property name=\"StyleLookup\" stdset=\"0\"><string>%1</string></property>")
                       .arg(c[3])
                       .toUtf8();
        if (c.size() > 4)  // a text or prompt
            xml += QStringLiteral("<property name=\"%1\"><string>%2</string></property>")
                       .arg(c[4], c[5])
                       .toUtf8();
        if (c[0] == QLatin1String("QPushButton"))
            xml +=
                "<widget class=\"QFrame\" name=\"pnlCallout\"><property name=\"callout\" "
                "stdset=\"0\"><bool>true</bool></property>"
                "<property name=\"visible\"><bool>false</bool></property></widget>";
        xml += "</widget>\n";
        y += 30;
    }
    xml += "</widget><resources/><connections/></ui>\n";
    return xml;
}

// Creates the application before the fixture's widgets.
struct WithApp {
    WithApp() { test::widgetApp(); }
};

class PageScreenTest : public ::testing::Test, private WithApp {
protected:
    void SetUp() override {
        test::widgetApp();
        ASSERT_TRUE(dir.isValid());
        screen = std::make_unique<PageScreen>(&panel, &answers, dir.path());
    }

    void writeScreen(int page, const QList<QStringList>& controls) {
        QFile f(dir.path() + QStringLiteral("/page%1.psf").arg(page));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(screenXml(controls));
    }

    template <class T>
    T* control(const char* name) {
        T* w = panel.findChild<T*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    QTemporaryDir dir;
    QWidget panel;
    TAnswer answers;
    std::unique_ptr<PageScreen> screen;
};

TEST_F(PageScreenTest, AmountOnBlankZeroPageAndElsewhere) {
    for (int page : {60, 61}) writeScreen(page, {{"QLineEdit", "edtAmount", "2015"}});
    screen->LoadPage(6000);
    EXPECT_EQ(control<QLineEdit>("edtAmount")->text(), QString());
    screen->LoadPage(6100);
    EXPECT_EQ(control<QLineEdit>("edtAmount")->text(), QStringLiteral("0.00"));
}

TEST_F(PageScreenTest, EditKindsRoundTripThroughTheControls) {
    writeScreen(12, {{"QLineEdit", "edtRate", "3007"}, {"QLineEdit", "edtCount", "5003"}});
    // The screen binds the rate to slot 7 (tag 3007) and the count to slot 3 (tag 5003).
    constexpr int RateSlot = 7, CountSlot = 3;
    answers.setAnswer(12, 1, RateSlot, QStringLiteral("0.05"));
    screen->LoadPage(1201);
    QLineEdit* rate = control<QLineEdit>("edtRate");
    QLineEdit* count = control<QLineEdit>("edtCount");
    EXPECT_EQ(rate->text(), QStringLiteral("5.00%"));
    screen->CalcOnExit(rate);
    EXPECT_EQ(answers.answer(12, 1, RateSlot), QStringLiteral("0.05"));

    count->setText(QStringLiteral("1234"));
    screen->CalcOnExit(count);
    EXPECT_EQ(count->text(), QStringLiteral("1,234"));
    EXPECT_EQ(answers.answer(12, 1, CountSlot), QStringLiteral("1,234"));
    EXPECT_TRUE(screen->CaseModified);
}

TEST_F(PageScreenTest, CheckBoxesLabelsMemosAndRadioButtons) {
    writeScreen(20, {{"QCheckBox", "cbxEst", "1012"},
                     {"QLabel", "lblFixed", "0", "", "text", "Designed text"},
                     {"QLabel", "lblBound", "3"},
                     {"QPlainTextEdit", "memLines", "9"},
                     {"QRadioButton", "rbnUnbound", "0"},
                     {"QRadioButton", "rbnBound", "5"}});
    // The slots of the controls above: the check box 12, the bound label 3, the
    // memo 9 and the bound radio button 5; slot 0 is bound to nothing.
    constexpr int EstSlot = 12, LabelSlot = 3, MemoSlot = 9, RadioSlot = 5, UnboundSlot = 0;
    answers.setAnswer(20, 0, EstSlot, QStringLiteral("X"));
    answers.setAnswer(20, 0, LabelSlot, QStringLiteral("Answer three"));
    answers.setAnswer(20, 0, UnboundSlot, QStringLiteral("2021 EST 0001"));
    answers.setAnswer(20, 0, RadioSlot, QStringLiteral("X"));
    screen->LoadPage(2000);

    QCheckBox* est = control<QCheckBox>("cbxEst");
    EXPECT_TRUE(est->isChecked());
    EXPECT_EQ(est->text(), QStringLiteral("EST"));
    EXPECT_EQ(control<QLabel>("lblFixed")->text(), QStringLiteral("Designed text"));
    EXPECT_EQ(control<QLabel>("lblBound")->text(), QStringLiteral("Answer three"));
    EXPECT_TRUE(control<QRadioButton>("rbnBound")->isChecked());

    est->setChecked(false);
    control<QPlainTextEdit>("memLines")->setPlainText(QStringLiteral("a\nb"));
    control<QRadioButton>("rbnUnbound")->setChecked(true);
    screen->Components2Answers(&panel);
    EXPECT_EQ(answers.answer(20, 0, EstSlot), QString());
    EXPECT_EQ(answers.answer(20, 0, MemoSlot), QStringLiteral("a | b"));
    // An unbound radio button never writes slot 0.
    EXPECT_EQ(answers.answer(20, 0, UnboundSlot), QStringLiteral("2021 EST 0001"));
    EXPECT_EQ(answers.answer(20, 0, RadioSlot), QString());
}

TEST_F(PageScreenTest, LoadingNeverMarksTheCaseChangedAndHonoursGhostPrompts) {
    writeScreen(4, {{"QLineEdit", "edtName", "1001", "", "placeholderText", "Name"},
                    {"QCheckBox", "cbxMark", "2"}});
    constexpr int NameSlot = 1, MarkSlot = 2;  // tags 1001 and 2
    answers.setAnswer(4, 0, NameSlot, QStringLiteral("Jane"));
    answers.setAnswer(4, 0, MarkSlot, QStringLiteral("X"));
    screen->CaseModified = false;
    screen->LoadPage(400);
    EXPECT_FALSE(screen->CaseModified);
    EXPECT_EQ(control<QLineEdit>("edtName")->placeholderText(), QStringLiteral("Name"));

    screen->GhostPrompts = false;
    screen->LoadPage(400);
    EXPECT_EQ(control<QLineEdit>("edtName")->placeholderText(), QString());
}

TEST_F(PageScreenTest, OverridableEditFollowsTheOverrideFlag) {
    writeScreen(45, {{"QLineEdit", "edtNames", "1012", "EDITOVERRIDEABLE"}});
    screen->LoadPage(4500);
    QLineEdit* names = control<QLineEdit>("edtNames");
    EXPECT_TRUE(names->isReadOnly());
    EXPECT_EQ(names->property("StyleLookup").toString(), QStringLiteral("EDITOVERRIDEABLE"));

    constexpr int NamesSlot = 12;  // tag 1012
    answers.setOvRide(45, 0, NamesSlot, true);
    screen->Answer2Components(&panel);
    EXPECT_FALSE(names->isReadOnly());
    EXPECT_EQ(names->property("StyleLookup").toString(), QStringLiteral("EDITOVERRIDDEN"));
}

TEST_F(PageScreenTest, HelpButtonTogglesItsCallout) {
    writeScreen(9, {{"QPushButton", "btnHelp4", "0"}});
    screen->LoadPage(900);
    QPushButton* help = control<QPushButton>("btnHelp4");
    QWidget* callout = panel.findChild<QWidget*>(QStringLiteral("pnlCallout"));
    ASSERT_NE(callout, nullptr);
    EXPECT_FALSE(callout->isVisibleTo(&panel));
    help->click();
    EXPECT_TRUE(callout->isVisibleTo(&panel));
    help->click();
    EXPECT_FALSE(callout->isVisibleTo(&panel));
}

// An open help text closes when another opens, when the user goes on to
// another control, and on Escape.
TEST_F(PageScreenTest, AnOpenHelpTextClosesAsTheUserGoesOn) {
    writeScreen(9, {{"QPushButton", "btnHelp4", "0"},
                    {"QPushButton", "btnHelp5", "0"},
                    {"QLineEdit", "edt6", "906"}});
    screen->LoadPage(900);
    panel.show();
    QApplication::setActiveWindow(&panel);
    QPushButton* first = control<QPushButton>("btnHelp4");
    QPushButton* second = control<QPushButton>("btnHelp5");
    // The open help texts (the callouts move out of their buttons to show).
    auto openHelps = [this] {
        int shown = 0;
        for (QWidget* w : panel.findChildren<QWidget*>(QStringLiteral("pnlCallout")))
            shown += !w->isHidden();
        return shown;
    };
    first->click();
    EXPECT_EQ(openHelps(), 1);
    second->click();
    EXPECT_EQ(openHelps(), 1) << "the first closed as the second opened";
    control<QLineEdit>("edt6")->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(openHelps(), 0) << "going on to a field closes it";
    first->click();
    EXPECT_EQ(openHelps(), 1);
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Escape);
    EXPECT_EQ(openHelps(), 0) << "Escape closes it";
}

TEST_F(PageScreenTest, TagBeyondThePageReportsAndStopsTheWalk) {
    test::ReportRecorder recorder;
    writeScreen(7, {{"QLineEdit", "edtFar", "1099"}});  // page 7 ends at slot 25
    screen->LoadPage(700);
    EXPECT_EQ(recorder.numbers(), QList<int>{14020});
}

TEST_F(PageScreenTest, ShippedScreenFocusesItsFirstControl) {
    // Page 7 focuses the edit box of slot 4 (Tag 1004), the entry's date.
    screen->setPsfFolder(QStringLiteral(WM4_SOURCE_DATA_DIR "/PSF"));
    panel.show();
    screen->LoadPage(700);
    QWidget* focused = panel.focusWidget();
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(focused->property("Tag").toInt(), 1004);
}

TEST_F(PageScreenTest, MissingScreenFileThrowsAndKeepsCaseModified) {
    screen->CaseModified = true;
    EXPECT_THROW(screen->LoadPage(15000), std::runtime_error);
    EXPECT_TRUE(screen->CaseModified);
    EXPECT_EQ(screen->CurrentPage, 150);
}

}  // namespace
}  // namespace wm4
