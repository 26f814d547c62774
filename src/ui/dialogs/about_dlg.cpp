#include "ui/dialogs/about_dlg.h"

#include <QEvent>
#include <QIcon>

#include "messages/version.h"
#include "ui/dialogs/button_names.h"
#include "ui_about_dlg.h"

namespace wm4 {

QString AboutCaption() {
    return QStringLiteral(" Wendmoor4 - Version ") + QString::fromLatin1(VersionText);
}

TfrmAboutDlg::TfrmAboutDlg(const QString& iconPath, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfrmAboutDlg>()) {
    ui->setupUi(this);
    setWindowTitle(AboutCaption());
    setFixedSize(500, 400);
    QFont title = ui->lblTitle->font();
    title.setPointSizeF(title.pointSizeF() * 1.5);
    title.setBold(true);
    ui->lblTitle->setFont(title);
    ui->lblVersion->setText(AboutCaption().trimmed());
    const QIcon icon(iconPath);
    if (!icon.isNull()) ui->imgLogo->setPixmap(icon.pixmap(128, 128));
    ui->lblCredits->hide();
    ui->imgLogo->installEventFilter(this);
    connect(ui->buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    NameButtonsByCaptions(this);
}

TfrmAboutDlg::~TfrmAboutDlg() = default;

bool TfrmAboutDlg::creditsShown() const {
    return !ui->lblCredits->isHidden();
}

bool TfrmAboutDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->imgLogo && event->type() == QEvent::MouseButtonDblClick)
        ui->lblCredits->show();
    return QDialog::eventFilter(watched, event);
}

}  // namespace wm4
