#pragma once
// The real main window over a private set of folders (client files,
// settings, temporary files), started on General Information, with file
// dialogs that return what the test chose and report what they were asked.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "files/settings.h"
#include "session/case_session.h"
#include "support/qt_app.h"
#include "support/report_recorder.h"
#include "ui/mainwindow/main_window.h"
#include "ui/pagescreen/page_screen.h"

namespace wm4::test {

// Runs act on the next modal dialog as soon as it is open (a dialog's exec()
// blocks the test until act closes it). Returns a flag that tells whether a
// dialog came.
inline std::shared_ptr<bool> onNextModal(std::function<void(QWidget*)> act) {
    auto seen = std::make_shared<bool>(false);
    auto* timer = new QTimer(qApp);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, qApp, [timer, act, seen] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        timer->stop();
        timer->deleteLater();
        *seen = true;
        act(modal);
    });
    timer->start();
    // A dialog that never comes must not act on a later test's dialog.
    QTimer::singleShot(3000, timer, [timer] { timer->deleteLater(); });
    return seen;
}

// Runs `act`, answering every message box that comes meanwhile with its
// button captioned `answer` ("Yes", "Open Read-Only"; one without it is
// rejected); returns their texts. Nothing is left waiting for a later test.
inline QStringList answerMessageBoxes(const QString& answer, const std::function<void()>& act) {
    QStringList texts;
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        texts << box->text();
        for (QAbstractButton* b : box->buttons())
            if (b->text().remove(u'&') == answer) return b->click();
        box->reject();
    });
    timer.start();
    act();
    return texts;
}

// The window sizes itself by the screen: the tests run on a 1920 x 1080
// offscreen screen (the platform's default is 800 x 600, "too narrow").
inline void useWideOffscreenScreen() {
    if (qApp) return;
    static QTemporaryDir configDir;
    const QString config = configDir.filePath(QStringLiteral("screens.json"));
    QFile f(config);
    if (!f.open(QIODevice::WriteOnly)) return;
    f.write(R"({"screens": [{"name": "wide", "x": 0, "y": 0, "width": 1920, "height": 1080,
                "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    f.close();
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen")
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
}

// The application of these tests, on the wide screen.
inline QApplication& windowApp() {
    useWideOffscreenScreen();
    return widgetApp();
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        windowApp();
        settings = DefaultSettings(QStringLiteral(WM4_SOURCE_DATA_DIR));
        settings.ClientFolder = dir.filePath(QStringLiteral("Files"));
        settings.WM3Folder = dir.filePath(QStringLiteral("WM3"));
        settings.TempFolder = dir.filePath(QStringLiteral("Temp"));
        settings.SettingsFolder = dir.filePath(QStringLiteral("config"));
        settings.RecentFiles.clear();
        startWindow();
    }

    void startWindow(const QString& caseFile = QString()) {
        window = std::make_unique<TfrmMain>(settings);
        window->setFileDialogs({
            [this](QWidget*, const FileDialogRequest& r) {
                openRequest = r;
                return nextOpen;
            },
            [this](QWidget*, const FileDialogRequest& r) {
                saveRequest = r;
                ++saveDialogs;
                return nextSave;
            },
        });
        window->start(caseFile);
        window->show();
        QApplication::setActiveWindow(window.get());
    }

    void TearDown() override {
        if (window) {
            window->setCaseModified(false);
            window->close();
        }
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    // A control of the page on display, by its accessible name.
    template <typename W = QWidget>
    W* field(const QString& name) const {
        for (W* w : window->pageScreen().panel()->findChildren<W*>())
            if (w->accessibleName() == name) return w;
        ADD_FAILURE() << "no field named " << name.toStdString();
        return nullptr;
    }

    // Types text into a page field and leaves it, as a user does.
    void typeInto(const QString& name, const QString& text, bool leave = true) {
        auto* edit = field<QLineEdit>(name);
        ASSERT_NE(edit, nullptr);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        if (leave) window->CommitFocusedEdit();
    }

    CaseSession& session() { return window->session(); }
    TAnswer& answers() { return window->session().answers(); }

    ReportRecorder reports;
    QTemporaryDir dir;
    ProgramSettings settings;
    std::unique_ptr<TfrmMain> window;
    QString nextOpen;
    QString nextSave;
    FileDialogRequest openRequest;
    FileDialogRequest saveRequest;
    int saveDialogs = 0;
};

}  // namespace wm4::test
