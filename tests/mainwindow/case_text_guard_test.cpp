// Text a case file cannot hold is refused where it is typed or pasted: the
// characters come out again at once and the message names them. What is
// left is saved exactly, so no "?" and no report at the save.
#include "ui/mainwindow/case_text_guard.h"

#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "files/client_file.h"
#include "files/cp1252.h"
#include "forms/page000.h"
#include "window_fixture.h"

namespace wm4::test {
namespace {

// Types text as a keyboard or an input method does: one key event carrying
// it (QTest's key clicks know ASCII only).
void typeText(QWidget* w, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
}

TEST(UnstorableCharacters, EachOnceInOrderAPairAsOne) {
    const QString text = QStringLiteral("Zoë 😀 Kovač – Ελένη 😀 “€”");
    const QList<char32_t> bad = UnstorableCharacters(text);
    EXPECT_EQ(bad, (QList<char32_t>{0x1F600, 0x010D, 0x0395, 0x03BB, 0x03AD, 0x03BD, 0x03B7}));
    EXPECT_EQ(WithoutUnstorable(text), QStringLiteral("Zoë  Kova –   “€”"));
    EXPECT_TRUE(UnstorableCharacters(QStringLiteral("José Núñez, “quoted” – € ½")).isEmpty());
    const QString message = UnstorableMessage({0x1F600, 0x0436});
    EXPECT_TRUE(
        message.startsWith("A case file cannot store these characters: 😀 (U+1F600), "
                           "ж (U+0436)."))
        << message.toStdString();
    EXPECT_TRUE(
        UnstorableMessage({0x5B57}).startsWith("A case file cannot store this character: "));
}

TEST(CaseTextGuard, TypedOrPastedTextLosesWhatTheFileCannotHold) {
    windowApp();
    CaseTextGuard& guard = InstallCaseTextGuard();
    QStringList told;
    guard.setTell([&](QWidget*, const QString& message) { told << message; });

    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* line = new QLineEdit(&dialog);
    auto* memo = new QPlainTextEdit(&dialog);
    auto* combo = new QComboBox(&dialog);
    combo->setEditable(true);
    for (QWidget* w :
         {static_cast<QWidget*>(line), static_cast<QWidget*>(memo), static_cast<QWidget*>(combo)})
        layout->addWidget(w);
    dialog.show();

    // Typed into a line edit: the character is refused, the cursor stays.
    line->setFocus();
    QTest::keyClicks(line, QStringLiteral("Ann "));
    typeText(line, QStringLiteral("ж"));
    EXPECT_EQ(line->text(), "Ann ");
    EXPECT_EQ(line->cursorPosition(), 4);
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].contains("ж (U+0436)")) << told[0].toStdString();

    // Pasted into the middle of a memo and of an editable combo box.
    QApplication::clipboard()->setText(QStringLiteral("Smith 李 😀\nLot 7"));
    memo->setFocus();
    QTest::keyClicks(memo, QStringLiteral("AB"));
    memo->moveCursor(QTextCursor::Left);
    QTest::keySequence(memo, QKeySequence::Paste);
    QApplication::processEvents();
    EXPECT_EQ(memo->toPlainText(), "ASmith  \nLot 7B");
    EXPECT_EQ(memo->textCursor().position(), 14);
    ASSERT_EQ(told.size(), 2);
    EXPECT_TRUE(told[1].contains("李 (U+674E), 😀 (U+1F600)")) << told[1].toStdString();

    QApplication::clipboard()->setText(QStringLiteral("Smith 李 😀 Lot 7"));
    combo->lineEdit()->setFocus();
    QTest::keySequence(combo->lineEdit(), QKeySequence::Paste);
    EXPECT_EQ(combo->currentText(), "Smith   Lot 7");
    EXPECT_EQ(told.size(), 3);

    // What the program sets is not the user's typing; accented Latin is kept.
    line->setText(QStringLiteral("Zoë Núñez"));
    typeText(line, QStringLiteral(" é"));
    EXPECT_EQ(line->text(), "Zoë Núñez é");
    EXPECT_EQ(told.size(), 3);
    guard.setTell({});
}

TEST_F(WindowTest, APageFieldRefusesWhatTheCaseFileCannotStore) {
    QLineEdit* street = field<QLineEdit>(QStringLiteral("Street address (domicile)"));
    ASSERT_NE(street, nullptr);
    street->setFocus();
    QApplication::clipboard()->setText(QStringLiteral("12 Main St 🏠"));
    const QStringList told =
        answerMessageBoxes("OK", [&] { QTest::keySequence(street, QKeySequence::Paste); });
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].contains("🏠 (U+1F3E0)")) << told[0].toStdString();
    window->CommitFocusedEdit();
    EXPECT_EQ(answers().answer(page0::Page, 0, page0::DecedentStreet), "12 Main St ");

    nextSave = path("estate.wm4");
    window->SaveAsClick();
    EXPECT_FALSE(window->CaseModified());
    EXPECT_TRUE(reports.numbers().isEmpty()) << "no report at the save";
}

}  // namespace
}  // namespace wm4::test
