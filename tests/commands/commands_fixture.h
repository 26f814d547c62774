#pragma once
// A case session over the rich sample case and the program's own data
// folder, with a page panel, for the window command tests.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QWidget>
#include <memory>

#include "files/settings.h"
#include "session/case_session.h"
#include "support/qt_app.h"
#include "support/report_recorder.h"
#include "ui/commands/launcher.h"
#include "ui/pagescreen/page_screen.h"

namespace wm4::test {

inline QString richSamplePath() {
    return QStringLiteral(WM4_TEST_FIXTURES_DIR "/rich_sample.wm4");
}

class CommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        widgetApp();
        ASSERT_TRUE(temp.isValid());
        ProgramSettings settings = DefaultSettings(QStringLiteral(WM4_SOURCE_DATA_DIR));
        settings.TempFolder = temp.path();
        settings.ClientFolder = temp.path();
        session = std::make_unique<CaseSession>(settings);
        QString error;
        ASSERT_TRUE(session->openCase(richSamplePath(), &error)) << error.toStdString();
        panel = std::make_unique<QWidget>();
        panel->setStyleSheet(OverrideStyleSheet());
        screen = std::make_unique<PageScreen>(panel.get(), &session->answers(),
                                              session->settings().PSFFolder);
    }

    // The window's recalculation: the screen's values first, then the run.
    void recalculate() {
        screen->Components2Answers(panel.get());
        session->calculate();
        screen->Answer2Components(panel.get());
    }

    QTemporaryDir temp;
    ReportRecorder reports;
    std::unique_ptr<CaseSession> session;
    std::unique_ptr<QWidget> panel;
    std::unique_ptr<PageScreen> screen;
    RecordingLauncher launcher;
};

}  // namespace wm4::test
