// The recovery copy: the window is killed (SIGKILL) while it edits a case;
// started again, it offers the copy, naming the case and the copy's time, and
// restoring it brings back every edit made before the kill. A save keeps the
// previous file as NAME.wm4.bak and removes the copy; declining the offer or
// a clean exit removes it too.
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include "case/worksheet_columns.h"
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
    // after them, then kills it. False when a step did not come.
    bool editAndKill() {
        QProcess driver;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM"));
        env.insert("WM4_RECOVERY_INTERVAL_MS", "100");
        driver.setProcessEnvironment(env);
        driver.start(QStringLiteral(WM4_RECOVERY_DRIVER), {dir.path(), casePath});
        if (!driver.waitForStarted(10'000)) return false;
        QByteArray out;
        while (!out.contains("EDITED")) {
            if (!driver.waitForReadyRead(30'000)) {
                ADD_FAILURE() << "no edits: " << driver.readAllStandardError().toStdString();
                return false;
            }
            out += driver.readAllStandardOutput();
        }
        const RecoveryCopy copy(settings.SettingsFolder);
        for (int i = 0; i < 300 && !copy.pending(); ++i) QThread::msleep(20);
        if (!copy.pending()) return false;
        driver.kill();  // SIGKILL: no clean exit, nothing removed
        driver.waitForFinished(10'000);
        return driver.exitStatus() == QProcess::CrashExit;
    }

    QString casePath;
    QByteArray original;
};

TEST_F(Recovery, AKilledWindowsEditsComeBackAndASaveKeepsOneBackup) {
    ASSERT_TRUE(editAndKill());
    EXPECT_EQ(readAll(casePath), original) << "the case file itself was written";

    startWindow();
    RecoveryKeeper* keeper = InstallRecoveryKeeper(*window);
    QString question;
    keeper->setAsk([&question](const QString& q) {
        question = q;
        return true;
    });
    ASSERT_TRUE(keeper->offerRestore());
    EXPECT_TRUE(question.contains("estate.wm4")) << question.toStdString();
    const QDateTime written = keeper->copy().pending()->written;
    EXPECT_LE(qAbs(written.secsTo(QDateTime::currentDateTime())), 120);
    EXPECT_TRUE(question.contains(QLocale().toString(written, QLocale::ShortFormat)));

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
    EXPECT_FALSE(keeper->copy().pending());
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
    ASSERT_TRUE(copy.pending());
    window->setCaseModified(false);  // the user chose not to save
    window->close();
    window.reset();
    EXPECT_FALSE(copy.pending());
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
