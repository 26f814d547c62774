// wm4_manual_shots OUT_FOLDER CASE: the user manual's pictures of the real
// windows, taken on the offscreen platform.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QScrollArea>
#include <QTemporaryDir>

#include "case/field_codes.h"
#include "files/settings.h"
#include "forms/page028.h"
#include "session/case_session.h"
#include "shots.h"
#include "ui/commands/override_mode.h"
#include "ui/commands/page_zoom.h"
#include "ui/commands/window_commands.h"
#include "ui/dialogs/preference_dlg.h"
#include "ui/dialogs/select_forms_dlg.h"
#include "ui/dialogs/slider_dlg.h"
#include "ui/mainwindow/main_window.h"
#include "ui/pagescreen/page_screen.h"
#include "worksheets/open_worksheet.h"
#include "worksheets/window/worksheet_window.h"

using namespace wm4;

namespace {

// A page screen in a scroll area of the window's proportions.
struct PageView {
    QScrollArea area;
    QWidget* panel = new QWidget;
    PageScreen screen;

    explicit PageView(CaseSession& session)
        : screen(panel, &session.answers(), session.settings().PSFFolder) {
        area.setWidget(panel);
        area.setWidgetResizable(false);
        area.resize(1100, 760);
        panel->setStyleSheet(OverrideStyleSheet());
    }
    void show(int page) {
        screen.LoadPage(page * 100);
        if (QWidget* root = screen.screenRoot()) panel->resize(root->size());
        area.show();
    }
};

}  // namespace

int main(int argc, char** argv) {
    // A 1920 x 1080 offscreen screen: the window sizes itself by the screen.
    QTemporaryDir screens;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        QFile config(screens.filePath(QStringLiteral("screens.json")));
        if (config.open(QIODevice::WriteOnly)) {
            config.write(R"({"screens": [{"name": "wide", "x": 0, "y": 0, "width": 1920,
                "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
            config.close();
            qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
        }
    }
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        qWarning("usage: wm4_manual_shots OUT_FOLDER DATA_FOLDER CASE.wm4");
        return 1;
    }
    QDir().mkpath(args[1]);
    CaseSession session(DefaultSettings(args[2]));
    QString error;
    if (!session.openCase(args[3], &error)) {
        qWarning("%s", qPrintable(error));
        return 1;
    }
    session.calculate();
    const ShotContext ctx{session, args[1]};

    ShootModal(ctx, QStringLiteral("select-forms.png"), [] {
        TfrmSelectedForms dialog(28);
        dialog.exec();
    });
    ShootModal(ctx, QStringLiteral("zoom-dialog.png"), [] {
        TfrmWindowScale dialog(1.25);
        dialog.exec();
    });
    ShootModal(ctx, QStringLiteral("preferences.png"), [&] {
        TfrmPreferenceDlg dialog(session.settings(), true, true, {});
        dialog.exec();
    });

    {  // Form 6.0 with the fiduciary's name overridden, as the manual says.
        PageView view(session);
        view.show(28);
        OverrideMode mode(view.screen, [] {});
        for (QLineEdit* e : view.panel->findChildren<QLineEdit*>())
            if (e->property("StyleLookup").toString() == QLatin1String("EDITOVERRIDEABLE") &&
                SlotOfTag(e->property("Tag").toInt()) == page28::Fiduciary) {
                e->setFocus();
                view.screen.ScrollOnEnter(e);
                mode.OverrideClick();
                break;
            }
        SaveShot(ctx, &view.area, QStringLiteral("overridden-field.png"));
    }
    {  // The main window on General Information, and on Form 6.0 overridden.
        ProgramSettings settings = DefaultSettings(args[2]);
        QTemporaryDir home;
        settings.ClientFolder = home.filePath(QStringLiteral("Files"));
        settings.SettingsFolder = home.filePath(QStringLiteral("config"));
        settings.TempFolder = home.filePath(QStringLiteral("Temp"));
        TfrmMain window(settings);
        window.setFileDialogs({[&](QWidget*, const FileDialogRequest&) { return args[3]; },
                               [](QWidget*, const FileDialogRequest&) { return QString(); }});
        new WindowCommands(window);
        window.start();
        window.resize(1500, 950);
        window.show();
        window.OpenClick();
        window.DisplayAPage(0);
        SaveShot(ctx, &window, QStringLiteral("main-window.png"));
        window.setCaseModified(false);
    }
    {  // General Information at 125%.
        PageView view(session);
        view.show(0);
        ApplyPageScale(view.panel, view.screen.screenRoot(), 1.25);
        SaveShot(ctx, &view.area, QStringLiteral("zoomed-page.png"));
    }
    // The four worksheets over the case.
    const std::pair<WorksheetKind, const char*> worksheets[] = {
        {WorksheetKind::Kin, "kin-worksheet.png"},
        {WorksheetKind::Asset, "asset-worksheet.png"},
        {WorksheetKind::Expense, "expense-worksheet.png"},
        {WorksheetKind::Time, "time-worksheet.png"},
    };
    for (const auto& [kind, name] : worksheets) {
        std::unique_ptr<WorksheetWindow> sheet = CreateWorksheet(kind, session);
        sheet->resize(1500, 900);
        sheet->show();
        SaveShot(ctx, sheet.get(), QString::fromLatin1(name));
        sheet->close();
    }
    return 0;
}
