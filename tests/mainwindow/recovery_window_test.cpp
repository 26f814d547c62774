// The recovery copy: the window is killed (SIGKILL) while it edits a case;
// started again, it offers the copy, naming the case and the copy's time, and
// restoring it brings back every edit made before the kill. A save keeps the
// previous file as NAME.wm4.bak and removes the copy; declining the offer or
// a clean exit removes it too. Each running copy keeps its own: a second
// copy of the program never offers the live work of a first one that still
// runs, and its clean exit leaves the first one's copy alone.
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "case/worksheet_columns.h"
#include "driver_process.h"
#include "files/backup_generation.h"
#include "files/client_file.h"
#include "forms/page000.h"
#include "support/file_bytes.h"
#include "ui/mainwindow/recovery_keeper.h"
#include "window_fixture.h"

namespace wm4::test {
namespace {

class Recovery : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        casePath = path("estate.wm4");
        CaseData data;
        data.answers.setAnswer(page0::Page, 0, page0::DecedentName,
                               QStringLiteral("Harold James Whitcombe"));
        data.answers.setAnswer(page0::Page, 0, page0::DeathDate, QStringLiteral("1/15/2026"));
        data.KSchedList.setCell(kinColumn::Name, 0, QStringLiteral("Eleanor M. Whitcombe"));
        WriteClientFile(data, casePath);
        original = readAll(casePath);
    }

    // Starts the driver, waits for its edits and for the recovery copy made
    // after them. False when a step did not come.
    bool startEditing(DriverProcess& driver) {
        if (!driver.startAndEdit(dir.path(), casePath)) return false;
        const RecoveryCopy copy(settings.SettingsFolder);
        return eventually([&] { return !copy.all().isEmpty(); });
    }

    // The same, then kills it.
    bool editAndKill() {
        DriverProcess driver;
        return startEditing(driver) && driver.kill();
    }

    QString casePath;
    QByteArray original;
};

TEST_F(Recovery, AKilledWindowsEditsComeBackAndASaveKeepsOneBackup) {
    ASSERT_TRUE(editAndKill());
    EXPECT_EQ(readAll(casePath), original) << "the case file itself was written";

    startWindow();
    RecoveryKeeper* keeper = InstallRecoveryKeeper(*window);
    const std::optional<RecoveryInfo> left = keeper->copy().pending();
    ASSERT_TRUE(left);
    EXPECT_EQ(left->caseFile, casePath);
    QString question;
    keeper->setAsk([&question](const QString& q) {
        question = q;
        return true;
    });
    ASSERT_TRUE(keeper->offerRestore());
    EXPECT_TRUE(question.contains("estate.wm4")) << question.toStdString();
    EXPECT_LE(qAbs(left->written.secsTo(QDateTime::currentDateTime())), 120);
    EXPECT_TRUE(question.contains(QLocale().toString(left->written, QLocale::ShortFormat)));
    // The restored edits are this window's own now: the copy left is gone,
    // this window's copy keeps them.
    EXPECT_FALSE(QFileInfo::exists(left->copyPath));
    EXPECT_FALSE(keeper->copy().pending());
    ASSERT_EQ(keeper->copy().all().size(), 1);
    EXPECT_EQ(keeper->copy().all()[0].pid, QCoreApplication::applicationPid());

    EXPECT_EQ(answers().answer(page0::Page, 0, page0::DeathDate),
              "February 1, 2026");  // typed and left (long form after the run)
    EXPECT_EQ(answers().answer(page0::Page, 0, page0::DecedentStreet),
              "99 Recovered Road");  // still in the field
    EXPECT_EQ(session().data().KSchedList.cell(kinColumn::Name, 0), "Edited Kin Name");
    EXPECT_EQ(answers().answer(page0::Page, 0, page0::DecedentName), "Harold James Whitcombe");
    EXPECT_EQ(window->ClientFileName(), casePath);
    EXPECT_TRUE(window->CaseModified());

    // Saving: the file as it was becomes the .bak; the copy is gone.
    window->SaveClick();
    EXPECT_FALSE(window->CaseModified());
    EXPECT_EQ(window->ClientFileName(), casePath);
    EXPECT_TRUE(QFileInfo::exists(BackupPath(casePath))) << BackupPath(casePath).toStdString();
    EXPECT_EQ(readAll(BackupPath(casePath)), original);
    EXPECT_TRUE(keeper->copy().all().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(keeper->copy().copyPath()));
    const QByteArray firstSave = readAll(casePath);
    EXPECT_NE(firstSave, original);
    // One generation: the next save keeps the first save's file.
    answers().setAnswer(page0::Page, 0, page0::DecedentStreet, QStringLiteral("100 Second Street"));
    session().setModified(true);
    window->SaveClick();
    EXPECT_EQ(readAll(BackupPath(casePath)), firstSave);
}

TEST_F(Recovery, DecliningTheOfferOrACleanExitRemovesTheCopy) {
    ASSERT_TRUE(editAndKill());
    startWindow();
    RecoveryKeeper* keeper = InstallRecoveryKeeper(*window);
    keeper->setAsk([](const QString&) { return false; });
    EXPECT_FALSE(keeper->offerRestore());
    EXPECT_FALSE(keeper->copy().pending());
    EXPECT_NE(answers().answer(page0::Page, 0, page0::DecedentStreet), "99 Recovered Road");

    // A copy written during editing goes with a clean exit.
    answers().setAnswer(page0::Page, 0, page0::DecedentStreet, QStringLiteral("1 Any Street"));
    window->setCaseModified(true);
    keeper->writeNow();
    const RecoveryCopy copy(settings.SettingsFolder);
    ASSERT_EQ(copy.all().size(), 1);
    EXPECT_FALSE(copy.pending()) << "this window still runs";
    window->setCaseModified(false);  // the user chose not to save
    window->close();
    window.reset();
    EXPECT_TRUE(copy.all().isEmpty());
}

TEST_F(Recovery, TwoRunningCopiesKeepTheirOwnCopies) {
    // The first copy of the program edits the case and keeps its copy.
    DriverProcess first;
    ASSERT_TRUE(startEditing(first));
    const RecoveryCopy copies(settings.SettingsFolder);
    ASSERT_EQ(copies.all().size(), 1);
    const RecoveryInfo firsts = copies.all()[0];
    EXPECT_EQ(firsts.pid, first.pid());
    EXPECT_EQ(firsts.caseFile, casePath);

    // A second copy starts while the first runs: nothing to offer, no
    // "did not close normally".
    RecoveryKeeper* keeper = InstallRecoveryKeeper(*window);
    int asked = 0;
    keeper->setAsk([&asked](const QString&) {
        ++asked;
        return false;
    });
    EXPECT_FALSE(keeper->offerRestore());
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(QFileInfo::exists(firsts.copyPath));

    // It edits another case: two copies side by side, one each.
    answers().setAnswer(page0::Page, 0, page0::DecedentStreet,
                        QStringLiteral("2 Second Copy Lane"));
    window->setCaseModified(true);
    keeper->writeNow();
    EXPECT_EQ(copies.all().size(), 2);
    EXPECT_NE(keeper->copy().copyPath(), firsts.copyPath);

    // Its clean exit removes its own copy only.
    window->setCaseModified(false);
    window->close();
    window.reset();
    ASSERT_EQ(copies.all().size(), 1);
    EXPECT_EQ(copies.all()[0].copyPath, firsts.copyPath);

    // The first copy is killed: now its work is offered, and comes back.
    ASSERT_TRUE(first.kill());
    startWindow();
    keeper = InstallRecoveryKeeper(*window);
    keeper->setAsk([](const QString&) { return true; });
    ASSERT_TRUE(keeper->offerRestore());
    EXPECT_EQ(answers().answer(page0::Page, 0, page0::DecedentStreet), "99 Recovered Road");
    EXPECT_EQ(window->ClientFileName(), casePath);
}

TEST(RecoveryCopyNames, OnePerCaseAndRunningCopy) {
    QTemporaryDir dir;
    const RunningCopy a{"Ann", "ann", "office-1", 100}, b{"Ann", "ann", "office-1", 101};
    const RecoveryCopy first(dir.path(), a), second(dir.path(), b);
    const QString estate = dir.filePath("cases/estate.wm4");
    EXPECT_NE(first.copyPathFor(estate), second.copyPathFor(estate));
    EXPECT_NE(first.copyPathFor(estate), first.copyPathFor(dir.filePath("other/estate.wm4")));
    EXPECT_EQ(first.copyPathFor(estate), first.copyPathFor(estate));
    EXPECT_TRUE(QFileInfo(first.copyPathFor(estate)).fileName().startsWith("estate-"));
    EXPECT_TRUE(QFileInfo(first.copyPathFor(estate)).fileName().endsWith(".office-1.100.wm4"));
    EXPECT_TRUE(QFileInfo(first.copyPathFor(QString())).fileName().startsWith("untitled-"));
}

TEST_F(Recovery, NothingIsWrittenWithoutUnsavedChanges) {
    RecoveryKeeper* keeper = InstallRecoveryKeeper(*window);
    EXPECT_EQ(keeper->interval(), RecoveryIntervalMs());
    window->setCaseModified(false);
    keeper->writeNow();
    EXPECT_FALSE(keeper->copy().pending());
}

TEST(RecoveryInterval, TwoMinutesUnlessTheEnvironmentSaysOtherwise) {
    qunsetenv("WM4_RECOVERY_INTERVAL_MS");
    EXPECT_EQ(RecoveryIntervalMs(), 120'000);
    qputenv("WM4_RECOVERY_INTERVAL_MS", "250");
    EXPECT_EQ(RecoveryIntervalMs(), 250);
    qputenv("WM4_RECOVERY_INTERVAL_MS", "soon");
    EXPECT_EQ(RecoveryIntervalMs(), 120'000);
    qunsetenv("WM4_RECOVERY_INTERVAL_MS");
}

}  // namespace
}  // namespace wm4::test
