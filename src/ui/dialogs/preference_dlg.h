#pragma once
// "Wendmoor4 Preferences": the default folders (each with a "Change" button
// that chooses a new one), the two tool bars and the options for filing
// electronically, each switched on and off at once.
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
