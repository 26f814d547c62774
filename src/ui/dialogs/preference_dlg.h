#pragma once
// "Wendmoor4 Preferences": the default folders (each with a "Change" button
// that chooses a new one), the two tool bars, switched on and off at once,
// one dialog per report instead of the Problems panel, and the options for
// filing electronically.
#include <QDialog>
#include <functional>
#include <memory>

#include "files/filing_options.h"

namespace Ui {
class TfrmPreferenceDlg;
}

namespace wm4 {

struct ProgramSettings;
enum class FileLocation;

class TfrmPreferenceDlg : public QDialog {
    Q_OBJECT
public:
    struct Hooks {
        // Chooses a new folder for a location (true when it changed).
        std::function<bool(FileLocation)> changeFolder;
        // Shows or hides the icon tool bar (false) or the label tool bar (true).
        std::function<void(bool labelBar, bool shown)> showToolBar;
        // Whether a calculation shows each report in its own dialog (true)
        // or lists them in the Problems panel; empty: the box is hidden.
        std::function<bool()> reportDialogs;
        std::function<void(bool dialogs)> setReportDialogs;
        // Keeps the changed filing options (continuation addenda, typed signatures).
        std::function<void(const FilingOptions&)> changeFilingOptions;
    };

    TfrmPreferenceDlg(const ProgramSettings& settings, bool iconBarShown, bool labelBarShown,
                      Hooks hooks, QWidget* parent = nullptr);
    ~TfrmPreferenceDlg() override;

    // Shows the folders as the settings hold them.
    void showFolders();
    // Ticks the filing options' boxes as the options stand.
    void showFilingOptions(const FilingOptions& options);

private:
    const ProgramSettings& m_settings;
    Hooks m_hooks;
    FilingOptions m_filing;
    std::unique_ptr<Ui::TfrmPreferenceDlg> ui;
};

}  // namespace wm4
