#include "ui/dialogs/shrink_font_dlg.h"

#include <cmath>

#include "ui_shrink_font_dlg.h"

namespace wm4 {

namespace {
constexpr int ReductionSteps = 7;  // 0.0 .. 3.0
}

TfrmShrinkFont::TfrmShrinkFont(double reduction, std::function<void()> openHelp, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfrmShrinkFont>()) {
    ui->setupUi(this);
    for (int i = 0; i < ReductionSteps; ++i)
        ui->ListBox1->addItem(QString::number(i * 0.5, 'f', 1));
    ui->ListBox1->setCurrentRow(qBound(0, int(std::trunc(reduction / 0.5)), ReductionSteps - 1));
    connect(ui->btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->btnHelp, &QPushButton::clicked, this, [openHelp] {
        if (openHelp) openHelp();
    });
    connect(ui->ListBox1, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

TfrmShrinkFont::~TfrmShrinkFont() = default;

double TfrmShrinkFont::reduction(double unchanged) const {
    const int row = ui->ListBox1->currentRow();
    return row < 0 ? unchanged : row * 0.5;
}

void TfrmShrinkFont::selectItem(int row) {
    ui->ListBox1->setCurrentRow(row);
}

}  // namespace wm4
