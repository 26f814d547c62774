#include "ui/dialogs/select_forms_dlg.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QVBoxLayout>

#include "output/document/packet_table.h"
#include "ui/dialogs/select_forms_layout.h"
#include "ui_select_forms_dlg.h"

namespace wm4 {

TfrmSelectedForms::TfrmSelectedForms(int currentPage, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfrmSelectedForms>()) {
    ui->setupUi(this);
    buildTabs();

    m_tabMenu = new QMenu(this);
    m_tabMenu->addAction(QStringLiteral("Test - Check All"), this,
                         &TfrmSelectedForms::CheckAllClick);
    connect(ui->tbctrlMain, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { m_tabMenu->popup(ui->tbctrlMain->mapToGlobal(pos)); });
    m_boxMenu = new QMenu(this);
    popHint = m_boxMenu->addAction(QString());
    popHint->setObjectName(QStringLiteral("popHint"));

    connect(ui->cbtnClearAll, &QPushButton::clicked, this, &TfrmSelectedForms::ClearAllClick);
    connect(ui->cbtnOk, &QPushButton::clicked, this, [this] { finish(Choice::Print); });
    connect(ui->cbtnPdf, &QPushButton::clicked, this, [this] { finish(Choice::SavePdf); });
    connect(ui->cbtnClose, &QPushButton::clicked, this, &QDialog::reject);

    ui->tbctrlMain->setCurrentIndex(OpeningTab(currentPage));
    if (QCheckBox* ticked = box(PreTickedBox(currentPage))) ticked->setChecked(true);
}

TfrmSelectedForms::~TfrmSelectedForms() = default;

void TfrmSelectedForms::buildTabs() {
    for (const SelectFormsTab& tab : SelectFormsTabs()) {
        auto* scroll = new QScrollArea;
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        auto* page = new QWidget;
        auto* column = new QVBoxLayout(page);
        for (const SelectFormsGroup& group : tab.groups) {
            auto* frame = new QGroupBox(QString::fromUtf16(group.caption));
            frame->setAccessibleName(frame->title());
            auto* boxes = new QVBoxLayout(frame);
            boxes->setSpacing(2);
            for (const SelectFormsBox& item : group.boxes) {
                const PacketEntry& entry = EntryOfBox(item.checkBox);
                const QString caption = QString::fromUtf16(entry.caption).trimmed();
                // "&" in a caption ("Assets & Liabilities") is text, not a
                // keyboard mnemonic.
                auto* check =
                    new QCheckBox(QString(caption).replace(QLatin1Char('&'), QStringLiteral("&&")));
                check->setObjectName(QString::fromUtf16(item.checkBox));
                check->setAccessibleName(caption);
                check->setContextMenuPolicy(Qt::CustomContextMenu);
                connect(check, &QWidget::customContextMenuRequested, this,
                        [this, check](const QPoint& pos) { showHint(check, pos); });
                boxes->addWidget(check);
                m_boxes.insert(check->objectName(), check);
            }
            column->addWidget(frame);
        }
        if (*tab.note) {
            auto* note = new QLabel(QString::fromUtf16(tab.note));
            note->setWordWrap(true);
            note->setAccessibleName(note->text());
            column->addWidget(note);
        }
        column->addStretch();
        scroll->setWidget(page);
        ui->tbctrlMain->addTab(scroll, QString::fromUtf16(tab.caption));
    }
}

QSet<QString> TfrmSelectedForms::tickedForms() const {
    QSet<QString> ticked;
    for (auto it = m_boxes.cbegin(); it != m_boxes.cend(); ++it)
        if (it.value()->isChecked()) ticked.insert(it.key());
    return ticked;
}

void TfrmSelectedForms::tickForms(const QSet<QString>& checkBoxes) {
    for (const QString& name : checkBoxes)
        if (QCheckBox* check = box(name)) check->setChecked(true);
}

int TfrmSelectedForms::currentTab() const {
    return ui->tbctrlMain->currentIndex();
}

void TfrmSelectedForms::ClearAllClick() {
    for (QCheckBox* check : std::as_const(m_boxes)) check->setChecked(false);
}

void TfrmSelectedForms::CheckAllClick() {
    for (QCheckBox* check : std::as_const(m_boxes)) check->setChecked(true);
}

// The pop-up of a check box repeats its text, for captions too long to read
// at a glance.
void TfrmSelectedForms::showHint(QCheckBox* check, const QPoint& pos) {
    check->setFocus(Qt::PopupFocusReason);
    // The menu item shows its text as the box does: "&&" for "&".
    popHint->setText(check->text() + QStringLiteral("   ."));
    popHint->setVisible(true);
    m_boxMenu->popup(check->mapToGlobal(pos));
}

void TfrmSelectedForms::finish(Choice choice) {
    m_choice = choice;
    accept();
}

bool TfrmSelectedForms::pdfPerForm() const {
    return ui->cbxPdfPerForm->isChecked();
}

}  // namespace wm4
