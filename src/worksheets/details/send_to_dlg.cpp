#include "worksheets/details/send_to_dlg.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>

#include "ui_send_to_dlg.h"
#include "worksheets/details/detail_dialogs.h"

namespace wm4 {

namespace {

namespace col = assetColumn;

// A box of the dialog: which grid column of its group it stands in, the flag
// it shows and its control name. Boxes of one grid column are listed top to
// bottom; the caption comes from the send-to table.
struct Box {
    int gridColumn;
    int flagColumn;
    const char* objectName;
};

constexpr Box StandardForms[] = {
    {0, col::ToForm3_0, "cbxForm3_0"},   {0, col::ToForm4_0, "cbxForm4_0"},
    {0, col::ToForm5_1, "cbxForm5_1"},   {0, col::ToForm5_6, "cbxForm5_6"},
    {1, col::ToForm5_9, "cbxForm5_9"},   {1, col::ToForm5_10, "cbxForm5_10"},
    {1, col::ToForm6_0, "cbxForm6_0"},   {1, col::ToForm7_1, "cbxForm7_1"},
    {2, col::ToForm7_2, "cbxForm7_2"},   {2, col::ToForm9_0, "cbxForm9_0"},
    {2, col::ToForm9_C, "cbxForm9_C"},   {2, col::ToForm10_0, "cbxForm10_0"},
    {3, col::ToForm11_0, "cbxForm11_0"}, {3, col::ToForm12_0, "cbxForm12_0"},
    {3, col::ToForm13_0, "cbxForm13_0"}, {3, col::ToForm13_2, "cbxForm13_2"},
};

constexpr Box MiscForms[] = {
    {0, col::ToSpouseAffidavit, "cbxSurvSpouseAff"},
    {0, col::ToStockPower, "cbxStockPOA"},
    {0, col::ToExecutorFee, "cbxExecFee"},
    {0, col::ToIdentifiers, "cbxCPID"},
    {1, col::ToBmv3773, "cbxBMV3773"},
    {1, col::ToBmv3774, "cbxBMV3774"},
    {1, col::ToAttorneyFee, "cbxAttyFee"},
    {1, col::ToCommissionersReport, "cbxCommRep"},
    {2, col::ToNewlyDiscovered, "cbxNewlyDiscovered"},
};

constexpr Box TaxSchedules[] = {
    {0, col::ToScheduleA, "cbxScheduleA"},   {0, col::ToScheduleE1, "cbxScheduleE1"},
    {0, col::ToScheduleH, "cbxScheduleH"},   {1, col::ToScheduleB, "cbxScheduleB"},
    {1, col::ToScheduleE2, "cbxScheduleE2"}, {1, col::ToScheduleI, "cbxScheduleI"},
    {2, col::ToScheduleC, "cbxScheduleC"},   {2, col::ToScheduleF, "cbxScheduleF"},
    {3, col::ToScheduleD, "cbxScheduleD"},   {3, col::ToScheduleG, "cbxScheduleG"},
};

// A column of boxes is this wide; longer captions are shortened, and the
// right-click hint, the tool tip and the accessible name give them whole.
constexpr int BoxWidth = 280;

const SendToFlag& flagOf(int column) {
    for (const SendToFlag& flag : AssetSendToFlags)
        if (flag.column == column) return flag;
    Q_UNREACHABLE();
}

}  // namespace

TfrmSendToDlg::TfrmSendToDlg(const AssetDetail& detail, QWidget* parent)
    : QDialog(parent), ui(new Ui::TfrmSendToDlg) {
    ui->setupUi(this);
    details::nameControl(ui->grpStandardForms, ui->grpStandardForms->title());
    details::nameControl(ui->grpMiscForms, u"Miscellaneous Forms & Letters");
    details::nameControl(ui->grpTaxSchedules, ui->grpTaxSchedules->title());

    const auto fill = [&](QGroupBox* group, QGridLayout* grid, std::span<const Box> boxes) {
        std::map<int, int> rows;  // next row of each grid column
        for (const Box& b : boxes) {
            const SendToFlag& flag = flagOf(b.flagColumn);
            auto* box = new QCheckBox(group);
            box->setObjectName(QString::fromLatin1(b.objectName));
            const QString caption = flag.caption.toString();
            box->setText(details::shownText(
                box->fontMetrics().elidedText(caption, Qt::ElideRight, BoxWidth - 24)));
            box->setMinimumWidth(BoxWidth);
            box->setToolTip(caption);
            details::nameControl(box, caption);
            // The right-click hint: the full caption, as a menu item that
            // does nothing.
            box->setContextMenuPolicy(Qt::ActionsContextMenu);
            box->addAction(new QAction(caption + QStringLiteral("   ."), box));
            box->setChecked(detail.isSent(b.flagColumn));
            connect(box, &QCheckBox::toggled, this, [this] { m_modified.set(); });
            grid->addWidget(box, rows[b.gridColumn]++, b.gridColumn);
            m_boxes[b.flagColumn] = box;
        }
    };
    fill(ui->grpStandardForms, ui->layStandardForms, StandardForms);
    fill(ui->grpMiscForms, ui->layMiscForms, MiscForms);
    fill(ui->grpTaxSchedules, ui->layTaxSchedules, TaxSchedules);
    // The grid column of fewer boxes would otherwise keep a narrower width.
    for (QGridLayout* grid : {ui->layStandardForms, ui->layMiscForms, ui->layTaxSchedules})
        for (int c = 0; c < 4; ++c) grid->setColumnMinimumWidth(c, BoxWidth);
    details::wireButtons(this, ui->buttonBox);
}

TfrmSendToDlg::~TfrmSendToDlg() {
    delete ui;
}

void TfrmSendToDlg::writeTo(AssetDetail& detail) const {
    for (const auto& [column, box] : m_boxes) detail.setSent(column, box->isChecked());
}

bool EditSendTo(QWidget* parent, AssetDetail& detail) {
    TfrmSendToDlg dialog(detail, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    dialog.writeTo(detail);
    return true;
}

}  // namespace wm4
