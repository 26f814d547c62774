// A user's first start: an empty settings folder and LibreOffice Writer on
// the PATH. The window finds Writer, stores it in the new settings file, and
// Print and Print Forms open their documents in it.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QPushButton>

#include "commands/commands_fixture.h"
#include "files/settings.h"
#include "mainwindow/window_fixture.h"
#include "support/file_bytes.h"
#include "ui/commands/window_commands.h"
#include "ui/dialogs/select_forms_dlg.h"

namespace wm4 {
namespace {

class FirstStartTest : public test::WindowTest {
protected:
    void SetUp() override {
        // A stand-in "soffice" first on the PATH: the one a search finds first.
        ASSERT_TRUE(QDir().mkpath(programs.path()));
        writer = QDir(programs.path()).filePath(QStringLiteral("soffice"));
        QFile script(writer);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nexit 0\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        oldPath = qgetenv("PATH");
        qputenv("PATH", programs.path().toLocal8Bit() + ':' + oldPath);
    }

    void TearDown() override {
        WindowTest::TearDown();
        qputenv("PATH", oldPath);
    }

    // The window over the settings folder as it stands, with recorded programs.
    void start() {
        WindowTest::SetUp();
        auto recording = std::make_unique<RecordingLauncher>();
        launcher = recording.get();
        UserPrompts prompts;
        prompts.inform = [this](const QString& text) { messages << text; };
        new WindowCommands(*window, std::move(recording), prompts);
    }

    QString settingsFile() const { return dir.filePath(QStringLiteral("config/wendmoor4.ini")); }

    QTemporaryDir programs;
    QString writer;
    QByteArray oldPath;
    RecordingLauncher* launcher = nullptr;
    QStringList messages;
};

TEST_F(FirstStartTest, WriterIsFoundStoredAndStartedByEveryPrint) {
    ASSERT_FALSE(QFile::exists(settingsFile()));
    start();
    EXPECT_TRUE(window->wordFound());
    EXPECT_EQ(session().settings().WordProcessorExe, writer);
    ASSERT_TRUE(QFile::exists(settingsFile()));
    EXPECT_TRUE(test::readAll(settingsFile()).contains(writer.toLocal8Bit()));

    window->DisplayAPage(0);
    window->action(QStringLiteral("cbtnPrint"))->trigger();
    const auto seen = test::onNextModal(
        [](QWidget* modal) { modal->findChild<QPushButton*>(QStringLiteral("cbtnOk"))->click(); });
    window->action(QStringLiteral("mnuPrint"))->trigger();
    EXPECT_TRUE(*seen);
    window->action(QStringLiteral("mnuPrintKinWorksheet"))->trigger();

    ASSERT_EQ(launcher->programs.size(), 3) << messages.join('\n').toStdString();
    for (const auto& started : launcher->programs) {
        EXPECT_EQ(started.program, writer);
        EXPECT_EQ(started.folder, settings.TempFolder);
    }
    // Nothing says the word processor is missing (the calculation of the
    // empty case may report what it lacks).
    EXPECT_FALSE(reports.numbers().contains(11550));
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

// A settings file written by a start that never looked (its word-processor
// line empty), or naming a program since removed, takes the one found now.
TEST_F(FirstStartTest, AnUnusableStoredWordProcessorGivesWayToTheOneFound) {
    for (const QString stored : {QString(), QStringLiteral("/opt/removed/program/soffice")}) {
        ProgramSettings old = settings;
        old.WordProcessorExe = stored;
        ASSERT_TRUE(WriteINI(old));
        start();
        EXPECT_EQ(session().settings().WordProcessorExe, writer) << stored.toStdString();
        window->DisplayAPage(0);
        window->action(QStringLiteral("cbtnPrint"))->trigger();
        ASSERT_EQ(launcher->programs.size(), 1) << messages.join('\n').toStdString();
        EXPECT_EQ(launcher->programs[0].program, writer);
        WindowTest::TearDown();
        window.reset();
    }
    // A program the user chose that is there stays.
    ProgramSettings chosen = settings;
    chosen.WordProcessorExe = QStringLiteral("/bin/sh");
    ASSERT_TRUE(WriteINI(chosen));
    start();
    EXPECT_EQ(session().settings().WordProcessorExe, QStringLiteral("/bin/sh"));
}

}  // namespace
}  // namespace wm4
