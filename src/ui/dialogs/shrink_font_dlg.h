#pragma once
// "Shrink Font Amount": the points taken off every label of the page
// screens, 0.0 to 3.0 in half points. The choice counts when the dialog
// closes by either button; only "Ok" rebuilds the screen on display.
#include <QDialog>
#include <functional>
#include <memory>

namespace Ui {
class TfrmShrinkFont;
}

namespace wm4 {

class TfrmShrinkFont : public QDialog {
    Q_OBJECT
public:
    // openHelp: opens the dialog's help page ("?").
    TfrmShrinkFont(double reduction, std::function<void()> openHelp, QWidget* parent = nullptr);
    ~TfrmShrinkFont() override;

    // The reduction of the selected item (item i gives i x 0.5 points), or
    // `unchanged` with no selection.
    double reduction(double unchanged) const;
    void selectItem(int row);

private:
    std::unique_ptr<Ui::TfrmShrinkFont> ui;
};

}  // namespace wm4
