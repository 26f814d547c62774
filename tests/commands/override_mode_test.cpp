#include "ui/commands/override_mode.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

#include "case/field_codes.h"
#include "commands/commands_fixture.h"
#include "forms/page028.h"

namespace wm4 {
namespace {

using test::CommandsTest;

// Form 6.0 shows the fiduciary's name, taken from General Information, as a
// computed answer the user may override.
constexpr int InventoryPage = page28::Page;
constexpr int OverridableSlot = page28::Fiduciary;

class OverrideModeTest : public CommandsTest {
protected:
    void SetUp() override {
        CommandsTest::SetUp();
        mode = std::make_unique<OverrideMode>(*screen, [this] { recalculate(); });
        overrideButton = std::make_unique<QAction>(QStringLiteral("Override"));
        cancelButton = std::make_unique<QAction>(QStringLiteral("Cancel Override"));
        mode->addOverrideTrigger(overrideButton.get());
        mode->addCancelTrigger(cancelButton.get());
        session->calculate();
        screen->LoadPage(InventoryPage * 100);
    }

    // The overridable box (found afresh: a reload replaces it).
    QLineEdit* overridable() {
        for (QLineEdit* e : panel->findChildren<QLineEdit*>())
            if (e->property("StyleLookup").toString().startsWith(QLatin1String("EDITOVERRID")) &&
                SlotOfTag(e->property("Tag").toInt()) == OverridableSlot)
                return e;
        return nullptr;
    }

    void enter(QWidget* w) {
        panel->show();
        w->setFocus();
        screen->ScrollOnEnter(w);
    }

    std::unique_ptr<OverrideMode> mode;
    // Created in SetUp, once the application exists.
    std::unique_ptr<QAction> overrideButton;
    std::unique_ptr<QAction> cancelButton;
};

TEST_F(OverrideModeTest, DoubleClickOverridesAndTheFlagSurvivesSaveAndReopen) {
    QLineEdit* field = overridable();
    ASSERT_TRUE(field) << "no overridable field on page 28";
    const QString computed = field->text();
    enter(field);
    EXPECT_TRUE(field->isReadOnly());
    EXPECT_TRUE(overrideButton->isVisible());
    EXPECT_FALSE(cancelButton->isVisible());

    QTest::mouseDClick(field, Qt::LeftButton);
    field = overridable();
    EXPECT_FALSE(field->isReadOnly());
    EXPECT_EQ(field->property("StyleLookup").toString(), QStringLiteral("EDITOVERRIDDEN"));
    EXPECT_EQ(field->palette().color(QPalette::Text), QColor(0xFF, 0, 0));
    EXPECT_TRUE(session->answers().ovRide(InventoryPage, 0, OverridableSlot));
    EXPECT_FALSE(overrideButton->isVisible());
    EXPECT_TRUE(cancelButton->isVisible());
    EXPECT_TRUE(screen->CaseModified);

    // The user's figure stays through a calculation run.
    field->setText(QStringLiteral("Ann Typed Over"));
    recalculate();
    EXPECT_EQ(session->answers().answer(InventoryPage, 0, OverridableSlot),
              QStringLiteral("Ann Typed Over"));

    const QString saved = temp.filePath(QStringLiteral("overridden.wm4"));
    session->saveCase(saved);
    ASSERT_TRUE(session->openCase(saved));
    screen->setAnswers(&session->answers());
    screen->LoadPage(InventoryPage * 100);
    field = overridable();
    EXPECT_FALSE(field->isReadOnly());
    EXPECT_EQ(field->property("StyleLookup").toString(), QStringLiteral("EDITOVERRIDDEN"));
    EXPECT_EQ(field->palette().color(QPalette::Text), QColor(0xFF, 0, 0));

    // Cancel Override gives the answer back to the next calculation.
    enter(field);
    EXPECT_TRUE(mode->OverrideClick());
    field = overridable();
    EXPECT_TRUE(field->isReadOnly());
    EXPECT_EQ(field->palette().color(QPalette::Text), QColor(0, 0, 0));
    EXPECT_FALSE(session->answers().ovRide(InventoryPage, 0, OverridableSlot));
    EXPECT_EQ(session->answers().answer(InventoryPage, 0, OverridableSlot).trimmed(),
              computed.trimmed());
}

TEST_F(OverrideModeTest, OrdinaryBoxesHideBothTriggersAndAreNotOverridden) {
    QLineEdit* plain = nullptr;
    for (QLineEdit* e : panel->findChildren<QLineEdit*>())
        if (!e->isReadOnly() && e->property("StyleLookup").toString().isEmpty() &&
            e->property("Tag").toInt() > 0)
            plain = e;
    ASSERT_TRUE(plain);
    overrideButton->setVisible(true);
    cancelButton->setVisible(true);
    enter(plain);
    EXPECT_FALSE(overrideButton->isVisible());
    EXPECT_FALSE(cancelButton->isVisible());
    const int slot = SlotOfTag(plain->property("Tag").toInt());
    EXPECT_FALSE(mode->OverrideClick());
    EXPECT_FALSE(session->answers().ovRide(InventoryPage, 0, slot));
}

TEST_F(OverrideModeTest, NothingEnteredOnTheNewPageMeansNothingToToggle) {
    EXPECT_EQ(screen->FocusedBoundControl, nullptr);
    EXPECT_FALSE(mode->OverrideClick());
    EXPECT_FALSE(session->answers().ovRide(InventoryPage, 0, OverridableSlot));
}

TEST_F(OverrideModeTest, AnOverridableCheckBoxTogglesItsStyleAndFlag) {
    screen->LoadPage(26 * 100);
    QCheckBox* box = nullptr;
    for (QCheckBox* c : panel->findChildren<QCheckBox*>())
        if (c->property("StyleLookup").toString().toUpper() ==
            QStringLiteral("CHECKBOXOVERRIDEABLE"))
            box = c;
    ASSERT_TRUE(box);
    const int slot = box->property("Tag").toInt();
    enter(box);
    EXPECT_TRUE(overrideButton->isVisible());
    EXPECT_FALSE(cancelButton->isVisible());
    EXPECT_TRUE(mode->OverrideClick());
    EXPECT_TRUE(session->answers().ovRide(26, 0, slot));
    EXPECT_TRUE(cancelButton->isVisible());
    EXPECT_FALSE(overrideButton->isVisible());
    EXPECT_EQ(box->property("StyleLookup").toString().toUpper(),
              QStringLiteral("CHECKBOXOVERRIDDEN"));
}

TEST(OverrideOffer, Table) {
    test::widgetApp();
    struct Case {
        const char* kind;
        const char* style;
        bool readOnly;
        OverrideOffer offer;
    };
    const Case cases[] = {
        {"edit", "EDITOVERRIDEABLE", true, {true, true, false}},
        {"edit", "EditOverridden", false, {true, false, true}},
        {"edit", "", false, {true, false, false}},
        {"check", "CheckBoxOverrideable", false, {true, true, false}},
        {"check", "CHECKBOXOVERRIDDEN", false, {true, false, true}},
        {"check", "", false, {true, false, false}},
        {"label", "EDITOVERRIDEABLE", false, {false, false, false}},
    };
    for (const Case& c : cases) {
        std::unique_ptr<QWidget> w;
        if (QByteArray(c.kind) == "edit") {
            auto* e = new QLineEdit;
            e->setReadOnly(c.readOnly);
            w.reset(e);
        } else if (QByteArray(c.kind) == "check") {
            w.reset(new QCheckBox);
        } else {
            w.reset(new QWidget);
        }
        w->setProperty("StyleLookup", QString::fromLatin1(c.style));
        const OverrideOffer got = OverrideOfferFor(w.get());
        EXPECT_EQ(got.known, c.offer.known) << c.kind << " " << c.style;
        EXPECT_EQ(got.override, c.offer.override) << c.kind << " " << c.style;
        EXPECT_EQ(got.cancel, c.offer.cancel) << c.kind << " " << c.style;
    }
}

}  // namespace
}  // namespace wm4
