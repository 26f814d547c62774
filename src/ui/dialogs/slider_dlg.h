#pragma once
// The two slider dialogs of the display adjustments: Zoom (TfrmWindowScale,
// the page scale from 0 to 200%) and Adjust Memo Font (TfrmMemoFontAdjust,
// the measuring-width factor from 0 to 100%). Both show the slider's value
// as a whole percentage and change nothing until "Ok".
#include <QDialog>
#include <memory>

class QSlider;

namespace Ui {
class TfrmSlider;
}

namespace wm4 {

class TfrmSlider : public QDialog {
    Q_OBJECT
public:
    // value and maximum as fractions (1.0 = 100%); the slider moves in steps
    // of one per cent.
    TfrmSlider(const QString& title, const QString& hint, double maximum, double value,
               QWidget* parent = nullptr);
    ~TfrmSlider() override;

    double value() const;
    void setValue(double value);
    QString valueText() const;
    QSlider* slider() const;

private:
    void showValue();
    std::unique_ptr<Ui::TfrmSlider> ui;
};

// Zoom: "Drag the sliding cursor toward -0- to shrink form, ...".
class TfrmWindowScale : public TfrmSlider {
    Q_OBJECT
public:
    TfrmWindowScale(double pageScale, QWidget* parent = nullptr);
};

class TfrmMemoFontAdjust : public TfrmSlider {
    Q_OBJECT
public:
    TfrmMemoFontAdjust(double memoWidthFactor, QWidget* parent = nullptr);
};

}  // namespace wm4
