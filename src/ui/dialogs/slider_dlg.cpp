#include "ui/dialogs/slider_dlg.h"

#include <QPushButton>
#include <cmath>

#include "ui/dialogs/button_names.h"
#include "ui_slider_dlg.h"

namespace wm4 {

TfrmSlider::TfrmSlider(const QString& title, const QString& hint, double maximum, double value,
                       QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfrmSlider>()) {
    ui->setupUi(this);
    setWindowTitle(title);
    ui->lblHint->setText(hint);
    ui->lblMax->setText(QString::number(std::lround(maximum * 100)) + QStringLiteral("%"));
    ui->TrackBar1->setRange(0, int(std::lround(maximum * 100)));
    ui->TrackBar1->setTickInterval(25);
    ui->TrackBar1->setPageStep(10);
    ui->TrackBar1->setAccessibleName(title);
    ui->buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Ok"));
    NameButtonsByCaptions(this);
    connect(ui->TrackBar1, &QSlider::valueChanged, this, &TfrmSlider::showValue);
    connect(ui->buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ui->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    setValue(value);
    showValue();
}

TfrmSlider::~TfrmSlider() = default;

double TfrmSlider::value() const {
    return ui->TrackBar1->value() / 100.0;
}

void TfrmSlider::setValue(double value) {
    ui->TrackBar1->setValue(int(std::lround(value * 100)));
}

QString TfrmSlider::valueText() const {
    return ui->lblValue->text();
}

QSlider* TfrmSlider::slider() const {
    return ui->TrackBar1;
}

void TfrmSlider::showValue() {
    ui->lblValue->setText(QString::number(ui->TrackBar1->value()) + QStringLiteral("%"));
}

TfrmWindowScale::TfrmWindowScale(double pageScale, QWidget* parent)
    : TfrmSlider(QStringLiteral("Zoom"),
                 QStringLiteral("Drag the sliding cursor toward -0- to shrink form, toward 200% "
                                "to enlarge. Try to stay near 100%."),
                 2.0, pageScale, parent) {
    setObjectName(QStringLiteral("TfrmWindowScale"));
}

TfrmMemoFontAdjust::TfrmMemoFontAdjust(double memoWidthFactor, QWidget* parent)
    : TfrmSlider(QStringLiteral("Adjust Memo Font"),
                 QStringLiteral("If text in forms like the inventory or accounting is clipped or "
                                "missing words, try moving the slider (usually to the left toward "
                                "'0'). 75% is normal."),
                 1.0, memoWidthFactor, parent) {
    setObjectName(QStringLiteral("TfrmMemoFontAdjust"));
}

}  // namespace wm4
