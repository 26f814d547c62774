// The file commands through the window: the save prompt, Save As and its
// name rules, the recent list, Open and Reopen, and the mended faults.
#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QMessageBox>

#include "files/client_file.h"
#include "files/file_text.h"
#include "forms/page000.h"
#include "forms/page001.h"
#include "forms/page005.h"
#include "ui/mainwindow/main_menus.h"
#include "ui/mainwindow/status_line.h"
#include "window_fixture.h"

namespace wm4::test {
namespace {

using FileCommands = WindowTest;

// Answers the save prompt with button and records its text.
std::shared_ptr<bool> answerSavePrompt(QMessageBox::StandardButton button, QString* text) {
    return onNextModal([button, text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        if (text) *text = box->text();
        box->button(button)->click();
    });
}

// Closes the fault message and records its text.
std::shared_ptr<bool> closeFault(QString* text) {
    return onNextModal([text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        *text = box->text();
        box->accept();
    });
}

const QString kFirstName = QStringLiteral("First name");

TEST_F(FileCommands, NewAfterCancelInTheSavePromptChangesNothing) {
    typeInto(kFirstName, QStringLiteral("Harold"));
    ASSERT_TRUE(window->CaseModified());
    QString prompt;
    auto came = answerSavePrompt(QMessageBox::Cancel, &prompt);
    window->action(QStringLiteral("mnuNew"))->trigger();
    ASSERT_TRUE(*came);
    EXPECT_EQ(prompt, QStringLiteral("Do You Want To Save Your Changes?"));
    EXPECT_EQ(field<QLineEdit>(kFirstName)->text(), QStringLiteral("Harold"));
    EXPECT_TRUE(window->CaseModified());
}

TEST_F(FileCommands, NewWithNoReturnsToTheTemplateCase) {
    typeInto(kFirstName, QStringLiteral("Harold"));
    auto came = answerSavePrompt(QMessageBox::No, nullptr);
    window->action(QStringLiteral("mnuClose"))->trigger();
    ASSERT_TRUE(*came);
    EXPECT_EQ(field<QLineEdit>(kFirstName)->text(), QString());
    EXPECT_EQ(field<QLineEdit>(QStringLiteral("County of residence"))->text(),
              QStringLiteral("Wendmoor"));
    EXPECT_FALSE(window->CaseModified());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Untitled.wm4[*]"));
}

TEST_F(FileCommands, SaveOnAnUntitledCaseProposesTheNameFromForm1) {
    answers().setAnswer(page1::Page, 0, page1::Persons.start + 7,
                        QStringLiteral("Estate of Harold Green"));
    typeInto(kFirstName, QStringLiteral("Harold"));
    nextSave = path(QStringLiteral("green.wm4"));
    window->action(QStringLiteral("mnuSave"))->trigger();
    EXPECT_EQ(saveRequest.title, QStringLiteral("File|Save As Dialog"));
    EXPECT_EQ(saveRequest.proposedName, QStringLiteral("Estate of Harold Green.wm4"));
    EXPECT_EQ(saveRequest.filter, QStringLiteral("Wendmoor4 Files (*.wm4)"));
    EXPECT_TRUE(QFile::exists(nextSave));
    EXPECT_FALSE(window->CaseModified());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("green.wm4[*]"));
}

// The caption carries the desktop's unsaved-changes mark and the status bar
// says the same in words, with the page and copy on display.
TEST_F(FileCommands, CaptionAndStatusBarFollowTheUnsavedChanges) {
    StatusLine& status = window->statusLine();
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(status.savedText(), QStringLiteral("Not saved yet"));
    EXPECT_TRUE(status.pageText().startsWith(QStringLiteral("Page 0 \u00b7 ")))
        << status.pageText().toStdString();

    typeInto(kFirstName, QStringLiteral("Harold"), /*leave=*/false);
    QApplication::processEvents();
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_EQ(status.savedText(), QStringLiteral("Unsaved changes"));

    nextSave = path(QStringLiteral("green.wm4"));
    window->action(QStringLiteral("mnuSave"))->trigger();
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(status.savedText(), QStringLiteral("Saved"));

    // A worksheet's change marks the case as well (through the session).
    session().setModified(true);
    EXPECT_TRUE(window->isWindowModified());

    window->DisplayAPage(2800);
    EXPECT_EQ(status.pageText(), QStringLiteral("Page 28 \u00b7 6.0 Inventory & Appraisal, front"));
    answers().NoOf6_1 = 3;
    window->DisplayAPage(3001);
    EXPECT_EQ(status.pageText(),
              QStringLiteral("Page 30 \u00b7 6.1 Schedule of Assets, front \u00b7 copy 2 of 3"));
    EXPECT_TRUE(status.activityText().isEmpty());
}

TEST_F(FileCommands, SaveAsWithAnotherExtensionReportsAndSavesAsWm4) {
    nextSave = path(QStringLiteral("estate.txt"));
    window->action(QStringLiteral("mnuSaveAs"))->trigger();
    EXPECT_EQ(reports.numbers(), (QList<int>{11010}));
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("estate.wm4"))));
    EXPECT_FALSE(QFile::exists(nextSave));
    EXPECT_EQ(session().settings().RecentFiles.value(0), path(QStringLiteral("estate.wm4")));
    EXPECT_EQ(window->action(QStringLiteral("HX0"))->text(), QStringLiteral("estate.wm4"));
    EXPECT_TRUE(window->action(QStringLiteral("HX0"))->isVisible());
    EXPECT_FALSE(window->action(QStringLiteral("HX1"))->isVisible());
}

// Mended: cancelling Save As keeps the unsaved-changes mark, so closing still
// asks and the edits are not lost.
TEST_F(FileCommands, CancelledSaveAsKeepsTheChangesMarkedAndExitStillAsks) {
    typeInto(kFirstName, QStringLiteral("Harold"));
    nextSave.clear();
    window->action(QStringLiteral("mnuSaveAs"))->trigger();
    EXPECT_EQ(saveDialogs, 1);
    EXPECT_TRUE(window->CaseModified());
    auto came = answerSavePrompt(QMessageBox::Cancel, nullptr);
    window->action(QStringLiteral("mnuExit"))->trigger();
    ASSERT_TRUE(*came);
    EXPECT_TRUE(window->isVisible());
    // Yes in the prompt whose Save As is cancelled keeps the window open too.
    came = answerSavePrompt(QMessageBox::Yes, nullptr);
    EXPECT_FALSE(window->close());
    ASSERT_TRUE(*came);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(FileCommands, EditSaveAndReopenRoundTripThroughTheWindow) {
    typeInto(kFirstName, QStringLiteral("Harold"));
    typeInto(QStringLiteral("Last name"), QStringLiteral("Green"));
    nextSave = path(QStringLiteral("green.wm4"));
    window->action(QStringLiteral("mnuSave"))->trigger();
    window->action(QStringLiteral("mnuNew"))->trigger();  // not modified: no prompt
    EXPECT_EQ(field<QLineEdit>(kFirstName)->text(), QString());
    window->action(QStringLiteral("HX0"))->trigger();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("green.wm4[*]"));
    EXPECT_EQ(field<QLineEdit>(kFirstName)->text(), QStringLiteral("Harold"));
    EXPECT_EQ(field<QLineEdit>(QStringLiteral("Last name"))->text(), QStringLiteral("Green"));
    EXPECT_FALSE(window->CaseModified());
    // Saved again under its name, without a dialog.
    typeInto(kFirstName, QStringLiteral("Harry"));
    window->action(QStringLiteral("mnuSave"))->trigger();
    EXPECT_EQ(saveDialogs, 1);
    CaseData reread;
    ASSERT_TRUE(ReadClientFile(reread, nextSave));
    EXPECT_EQ(reread.answers.answer(page0::Page, 0, page0::DecedentFirstName),
              QStringLiteral("Harry"));
}

TEST_F(FileCommands, OpeningMovesAKnownFileToTheTopAndKeepsNine) {
    for (int i = 0; i < 10; ++i) {
        nextSave = path(QStringLiteral("case%1.wm4").arg(i));
        window->action(QStringLiteral("mnuSaveAs"))->trigger();
    }
    QStringList& recent = session().settings().RecentFiles;
    ASSERT_EQ(recent.size(), 9);
    EXPECT_EQ(recent.front(), path(QStringLiteral("case9.wm4")));
    nextOpen = path(QStringLiteral("case4.wm4"));
    window->action(QStringLiteral("mnuOpen"))->trigger();
    EXPECT_EQ(openRequest.title, QStringLiteral("Open File Dialog"));
    EXPECT_EQ(recent.front(), nextOpen);
    EXPECT_EQ(recent.size(), 9);
    EXPECT_EQ(window->action(QStringLiteral("HX0"))->text(), QStringLiteral("case4.wm4"));
    EXPECT_EQ(window->action(QStringLiteral("HX8"))->text(), QStringLiteral("case1.wm4"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("case4.wm4[*]"));
}

TEST_F(FileCommands, ReopenDoesNotUseTheTemplateCaseAndOpenDoes) {
    // A template with a second copy of page 5 that the case file lacks.
    CaseData templ;
    templ.answers.PgCt[5] = 1;
    templ.answers.setAnswer(page5::Page, 1, page5::CaseNumber, QStringLiteral("from the template"));
    WriteClientFile(templ, session().settings().ClientFolder + QStringLiteral("/default.wm4"));
    CaseData shortCase;
    shortCase.answers.setAnswer(page0::Page, 0, page0::DecedentFirstName, QStringLiteral("Ida"));
    const QString file = path(QStringLiteral("short.wm4"));
    WriteClientFile(shortCase, file);

    nextOpen = file;
    window->action(QStringLiteral("mnuOpen"))->trigger();
    EXPECT_EQ(field<QLineEdit>(kFirstName)->text(), QStringLiteral("Ida"));
    EXPECT_EQ(answers().answer(page5::Page, 1, page5::CaseNumber),
              QStringLiteral("from the template"));

    window->action(QStringLiteral("HX0"))->trigger();
    EXPECT_EQ(field<QLineEdit>(kFirstName)->text(), QStringLiteral("Ida"));
    EXPECT_EQ(answers().answer(page5::Page, 1, page5::CaseNumber), QString());
}

// Mended: an Open whose read fails partway leaves the case and its name as
// they were; the next Save cannot overwrite the user's file with half a case.
TEST_F(FileCommands, OpenThatFailsPartwayLeavesTheCaseAsItWas) {
    typeInto(kFirstName, QStringLiteral("Harold"));
    nextSave = path(QStringLiteral("mine.wm4"));
    window->action(QStringLiteral("mnuSave"))->trigger();
    typeInto(kFirstName, QStringLiteral("Harold Jr"));

    const QString broken = path(QStringLiteral("broken.wm4"));
    {
        QFile good(nextSave);
        ASSERT_TRUE(good.open(QIODevice::ReadOnly));
        QFile f(broken);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(good.read(4000));  // cut off in the middle of the answers
    }
    nextOpen = broken;
    auto came = answerSavePrompt(QMessageBox::No, nullptr);
    QString fault;
    std::shared_ptr<bool> faultCame;
    QTimer::singleShot(0, [&] { faultCame = closeFault(&fault); });
    window->action(QStringLiteral("mnuOpen"))->trigger();
    ASSERT_TRUE(*came);
    ASSERT_TRUE(faultCame && *faultCame);
    EXPECT_TRUE(fault.contains(QStringLiteral("broken.wm4"))) << fault.toStdString();
    EXPECT_EQ(window->ClientFileName(), nextSave);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("mine.wm4[*]"));
    EXPECT_EQ(field<QLineEdit>(kFirstName)->text(), QStringLiteral("Harold Jr"));
    EXPECT_TRUE(window->CaseModified());
    EXPECT_FALSE(session().settings().RecentFiles.contains(broken));
}

TEST_F(FileCommands, CaseNamedAtStartIsReadBeforeTheFirstPageShows) {
    CaseData c;
    c.answers.setAnswer(page0::Page, 0, page0::DecedentFirstName, QStringLiteral("Olive"));
    const QString file = path(QStringLiteral("olive.wm4"));
    WriteClientFile(c, file);
    window.reset();
    startWindow(file);
    EXPECT_EQ(window->CurrentPage(), 0);
    EXPECT_EQ(field<QLineEdit>(kFirstName)->text(), QStringLiteral("Olive"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("olive.wm4[*]"));
}

TEST_F(FileCommands, DuplicateKeepsTheAnswersUnderNoName) {
    typeInto(kFirstName, QStringLiteral("Harold"));
    nextSave = path(QStringLiteral("a.wm4"));
    window->action(QStringLiteral("mnuSave"))->trigger();
    window->DuplicateClick();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Untitled.wm4[*]"));
    EXPECT_EQ(field<QLineEdit>(kFirstName)->text(), QStringLiteral("Harold"));
}

TEST_F(FileCommands, ClosingWritesTheSettingsFileWithTheRecentList) {
    nextSave = path(QStringLiteral("kept.wm4"));
    window->action(QStringLiteral("mnuSaveAs"))->trigger();
    EXPECT_TRUE(window->close());
    ProgramSettings reread = settings;
    reread.RecentFiles.clear();
    ASSERT_TRUE(ReadINI(reread, SettingsFileUse::ReadOnly));
    EXPECT_EQ(reread.RecentFiles.value(0), nextSave);
    window.reset();
}

TEST_F(FileCommands, ImportReadsThePriorVersionFileAndOffersSaveAs) {
    QStringList lines{"Wendmoor3", "3.2", "0"};
    for (int i = 0; i < 15; ++i) lines << "0";
    PagesText pages;
    CopyText general;
    general.texts = {{6, "Jane"}};
    pages[0] = {general};
    lines << pageLines(pages);
    for (int columns : {44, 88, 25, 5})
        lines << QStringList{"x", "Column Count", QString::number(columns), "Row Count", "1"};
    const QString old = path(QStringLiteral("doe.wm3"));
    {
        QFile f(old);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(fileBytes(lines));
    }
    nextOpen = old;
    nextSave = path(QStringLiteral("doe.wm4"));
    window->action(QStringLiteral("mnuImportWM3"))->trigger();
    EXPECT_EQ(openRequest.filter, QStringLiteral("Wendmoor3 Files (*.wm3)"));
    EXPECT_EQ(saveRequest.proposedName,
              session().settings().ClientFolder + QStringLiteral("/doe.wm4"));
    EXPECT_EQ(field<QLineEdit>(kFirstName)->text(), QStringLiteral("Jane"));
    EXPECT_TRUE(QFile::exists(nextSave));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("doe.wm4[*]"));
    EXPECT_EQ(session().settings().RecentFiles.value(0), nextSave);
}

TEST_F(FileCommands, AFailedSaveNamesTheFileAndKeepsTheChanges) {
    typeInto(kFirstName, QStringLiteral("Harold"));
    nextSave = path(QStringLiteral("no such folder/x.wm4"));
    QString fault;
    auto came = closeFault(&fault);
    window->action(QStringLiteral("mnuSave"))->trigger();
    ASSERT_TRUE(*came);
    EXPECT_TRUE(fault.contains(QStringLiteral("x.wm4"))) << fault.toStdString();
    EXPECT_TRUE(window->CaseModified());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Untitled.wm4[*]"));
    EXPECT_TRUE(session().settings().RecentFiles.isEmpty());
}

TEST_F(FileCommands, ABrokenScreenFileEndsTheCommandWithItsName) {
    typeInto(kFirstName, QStringLiteral("Harold"), /*leave=*/false);
    const QString screens = path(QStringLiteral("PSF"));
    QDir().mkpath(screens);
    {
        QFile f(screens + QStringLiteral("/page3.psf"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("<ui version=\"4.0\"><widget class=");
    }
    window->pageScreen().setPsfFolder(screens);
    QString fault;
    auto came = closeFault(&fault);
    window->action(QStringLiteral("mnuPage300"))->trigger();
    ASSERT_TRUE(*came);
    EXPECT_TRUE(fault.contains(QStringLiteral("page3.psf"))) << fault.toStdString();
    // What was typed on the page left is in the answers.
    EXPECT_EQ(answers().answer(page0::Page, 0, page0::DecedentFirstName), QStringLiteral("Harold"));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace wm4::test
