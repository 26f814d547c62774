// Every control of the program's dialogs and of the Problems panel carries an
// accessible name: screen readers read it, and the window tests find controls
// by it. A control added without one fails here, named by its object name.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <functional>
#include <memory>

#include "case/answers.h"
#include "files/settings.h"
#include "messages/report.h"
#include "ui/dialogs/about_dlg.h"
#include "ui/dialogs/error_dlg.h"
#include "ui/dialogs/multiple_dlg.h"
#include "ui/dialogs/preference_dlg.h"
#include "ui/dialogs/select_forms_dlg.h"
#include "ui/dialogs/shrink_font_dlg.h"
#include "ui/dialogs/slider_dlg.h"
#include "ui/problems/problems_panel.h"
#include "window_fixture.h"

namespace wm4::test {
namespace {

// The controls a user reaches (buttons, boxes, lists, sliders) without an
// accessible name, by object name (or class, where it has none).
QStringList unnamedControls(const QWidget& top) {
    QStringList unnamed;
    for (QWidget* w : top.findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                             qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
                             qobject_cast<QAbstractSlider*>(w) ||
                             qobject_cast<QAbstractItemView*>(w) ||
                             qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QTextEdit*>(w);
        // A combo box's own line edit and list, a spin box's line edit and a
        // view's header are read through their owner.
        const bool part = qobject_cast<QComboBox*>(w->parentWidget()) ||
                          qobject_cast<QAbstractSpinBox*>(w->parentWidget()) ||
                          w->inherits("QComboBoxListView") || w->inherits("QScrollBar") ||
                          w->inherits("QHeaderView");
        if (!control || part || !w->accessibleName().trimmed().isEmpty()) continue;
        unnamed << (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                              : w->objectName());
    }
    return unnamed;
}

struct Window {
    const char* name;
    std::function<std::unique_ptr<QWidget>()> make;
};

const Window kWindows[] = {
    {"About", [] { return std::make_unique<TfrmAboutDlg>(QString()); }},
    {"Error", [] { return std::make_unique<TfrmErrorDlg>(buildReport(29299, QString())); }},
    {"Multiple copies",
     [] {
         static TAnswer answers;
         return std::make_unique<TfrmMultiple>(answers, 1);
     }},
    {"Preferences",
     [] {
         static const ProgramSettings settings =
             DefaultSettings(QStringLiteral(WM4_SOURCE_DATA_DIR));
         TfrmPreferenceDlg::Hooks hooks;
         // Every optional box shown.
         hooks.reportDialogs = [] { return false; };
         hooks.setReportDialogs = [](bool) {};
         hooks.changeFilingOptions = [](const FilingOptions&) {};
         return std::make_unique<TfrmPreferenceDlg>(settings, true, true, hooks);
     }},
    {"Select Forms", [] { return std::make_unique<TfrmSelectedForms>(0); }},
    {"Shrink Font", [] { return std::make_unique<TfrmShrinkFont>(0.1, [] {}); }},
    {"Zoom", [] { return std::make_unique<TfrmWindowScale>(1.0); }},
    {"Adjust Memo Font", [] { return std::make_unique<TfrmMemoFontAdjust>(1.0); }},
    {"Problems panel", [] { return std::make_unique<ProblemsPanel>(); }},
};

TEST(AccessibleNames, EveryControlOfTheDialogsAndTheProblemsPanel) {
    windowApp();
    for (const Window& window : kWindows) {
        SCOPED_TRACE(window.name);
        const std::unique_ptr<QWidget> widget = window.make();
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(unnamedControls(*widget).join(QStringLiteral(", ")).toStdString(), "");
    }
}

}  // namespace
}  // namespace wm4::test
