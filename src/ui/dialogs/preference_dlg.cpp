#include "ui/dialogs/preference_dlg.h"

#include <QSignalBlocker>

#include "files/settings.h"
#include "ui/commands/tools_commands.h"
#include "ui/dialogs/button_names.h"
#include "ui_preference_dlg.h"

namespace wm4 {

TfrmPreferenceDlg::TfrmPreferenceDlg(const ProgramSettings& settings, bool iconBarShown,
                                     bool labelBarShown, Hooks hooks, QWidget* parent)
    : QDialog(parent),
      m_settings(settings),
      m_hooks(std::move(hooks)),
      ui(std::make_unique<Ui::TfrmPreferenceDlg>()) {
    ui->setupUi(this);
    setWindowTitle(QStringLiteral("Wendmoor4 Preferences"));
    showFolders();
    ui->cbxShowIconToolBar->setChecked(iconBarShown);
    ui->cbxShowLabelToolbar->setChecked(labelBarShown);

    auto change = [this](FileLocation which) {
        if (m_hooks.changeFolder && m_hooks.changeFolder(which)) showFolders();
    };
    connect(ui->btnChangeClient, &QPushButton::clicked, this,
            [change] { change(FileLocation::ClientFiles); });
    connect(ui->btnChangeWM3, &QPushButton::clicked, this,
            [change] { change(FileLocation::WM3Files); });
    connect(ui->btnChangeTemp, &QPushButton::clicked, this,
            [change] { change(FileLocation::TemporaryFiles); });
    connect(ui->cbxShowIconToolBar, &QCheckBox::toggled, this, [this](bool on) {
        if (m_hooks.showToolBar) m_hooks.showToolBar(false, on);
    });
    connect(ui->cbxShowLabelToolbar, &QCheckBox::toggled, this, [this](bool on) {
        if (m_hooks.showToolBar) m_hooks.showToolBar(true, on);
    });
    ui->cbxReportDialogs->setVisible(bool(m_hooks.reportDialogs));
    if (m_hooks.reportDialogs) ui->cbxReportDialogs->setChecked(m_hooks.reportDialogs());
    connect(ui->cbxReportDialogs, &QCheckBox::toggled, this, [this](bool on) {
        if (m_hooks.setReportDialogs) m_hooks.setReportDialogs(on);
    });
    auto filingChanged = [this] {
        m_filing.addenda = ui->cbxAddenda->isChecked();
        m_filing.typedSignatures = ui->cbxTypedSignatures->isChecked();
        if (m_hooks.changeFilingOptions) m_hooks.changeFilingOptions(m_filing);
    };
    connect(ui->cbxAddenda, &QCheckBox::toggled, this, filingChanged);
    connect(ui->cbxTypedSignatures, &QCheckBox::toggled, this, filingChanged);
    connect(ui->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    NameButtonsByCaptions(this);
}

TfrmPreferenceDlg::~TfrmPreferenceDlg() = default;

void TfrmPreferenceDlg::showFolders() {
    ui->lblClientFiles->setText(m_settings.ClientFolder);
    ui->lblWM3Files->setText(m_settings.WM3Folder);
    ui->lblRTFWorkPath->setText(m_settings.TempFolder);
}

void TfrmPreferenceDlg::showFilingOptions(const FilingOptions& options) {
    m_filing = options;
    const QSignalBlocker addenda(ui->cbxAddenda);
    const QSignalBlocker typed(ui->cbxTypedSignatures);
    ui->cbxAddenda->setChecked(options.addenda);
    ui->cbxTypedSignatures->setChecked(options.typedSignatures);
}

}  // namespace wm4
