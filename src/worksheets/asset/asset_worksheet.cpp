#include "worksheets/asset/asset_worksheet.h"

#include "case/worksheet_columns.h"
#include "session/case_session.h"
#include "ui_asset_worksheet.h"
#include "worksheets/asset/asset_send_to.h"
#include "worksheets/grid/cell_forms.h"
#include "worksheets/grid/worksheet_model.h"
#include "worksheets/window/worksheet_texts.h"

namespace wm4 {

namespace {

const WorksheetTraits AssetTraits{
    .caption = "Asset/Income/Receipt Worksheet",
    .navigatorTitle = " Navigator ",
    .rowCommandsTitle = "Row Commands",
    .clearQuestion = text::ClearAssetQuestion,
    .gridName = "Asset worksheet rows",
    .grid = AssetGrid,
    .store = &CaseData::ASchedList,
};

constexpr const char* SelectCaption = "Select";
constexpr const char* NotUsed = "Not used for this asset";

// The columns the detail dialogs edit (send-to flags, categories, realty,
// vehicle, stock and identifier details).
bool isDetailColumn(int column) {
    return (column >= assetColumn::ToForm3_0 && column <= assetColumn::IdentifierComplete) ||
           (column >= assetColumn::ToAttorneyFee && column <= assetColumn::ToNewlyDiscovered);
}

constexpr int CategoryColumns[] = {
    assetColumn::Category3_0,  assetColumn::Category4_0,  assetColumn::Category5_1,
    assetColumn::Category5_6,  assetColumn::Category5_10, assetColumn::Category6_0,
    assetColumn::Category7_1,  assetColumn::Category7_2,  assetColumn::Category13_0,
    assetColumn::Category13_2, assetColumn::CategoryExecutorFee, assetColumn::CategoryAttorneyFee};

// The plain edits of the panel and their columns.
struct AssetEdit {
    QLineEdit* Ui::TfrmAssetWorksheet::*edit;
    int column;
};
constexpr AssetEdit AssetEdits[] = {
    {&Ui::TfrmAssetWorksheet::edtVoucherNo, assetColumn::VoucherNumber},
    {&Ui::TfrmAssetWorksheet::edtPublicPrivate, assetColumn::PublicPrivate},
    {&Ui::TfrmAssetWorksheet::edtFixedBest, assetColumn::FixedBest},
    {&Ui::TfrmAssetWorksheet::edtCashTerms, assetColumn::CashTerms},
    {&Ui::TfrmAssetWorksheet::edtDistributionDate, assetColumn::DistributionDate},
};

// The summary labels and their columns.
struct AssetSummary {
    QLabel* Ui::TfrmAssetWorksheet::*label;
    int column;
};
constexpr AssetSummary AssetSummaries[] = {
    {&Ui::TfrmAssetWorksheet::lblCategory, assetColumn::CategorySummary},
    {&Ui::TfrmAssetWorksheet::lblRealty, assetColumn::RealtySummary},
    {&Ui::TfrmAssetWorksheet::lblVehicle, assetColumn::VehicleSummary},
    {&Ui::TfrmAssetWorksheet::lblStock, assetColumn::StockSummary},
    {&Ui::TfrmAssetWorksheet::lblPersonalID, assetColumn::IdentifierSummary},
};

}  // namespace

TfrmAssetWorksheet::TfrmAssetWorksheet(CaseSession& session, QWidget* parent)
    : WorksheetWindow(session, AssetTraits, parent), m_panel(std::make_unique<Ui::TfrmAssetWorksheet>()) {
    auto* panel = new QWidget(this);
    m_panel->setupUi(panel);
    setPanel(panel);

    addField(m_panel->memDescription, FieldKind::Memo);
    // While edited the value is a plain number: "$1,234.56" reads "1234.56".
    addField(m_panel->edtValue, FieldKind::Plain, [this] {
        m_panel->edtValue->setText(PlainAmount(currentCells()[assetColumn::Value]));
    });
    addField(m_panel->cbxAppraised);
    for (const AssetEdit& e : AssetEdits) addField(m_panel.get()->*e.edit);

    using A = TfrmAssetWorksheet;
    connect(m_panel->btnSetSendTo, &QPushButton::clicked, this, &A::btnSetSendToClick);
    connect(m_panel->btnCategory, &QPushButton::clicked, this, &A::btnCategoryClick);
    connect(m_panel->btnRealty, &QPushButton::clicked, this, &A::btnRealtyClick);
    connect(m_panel->btnVehicle, &QPushButton::clicked, this, &A::btnVehicleClick);
    connect(m_panel->btnStock, &QPushButton::clicked, this, &A::btnStockClick);
    connect(m_panel->btnCPID, &QPushButton::clicked, this, &A::btnCPIDClick);
    connect(m_panel->btnSelectDistributees, &QPushButton::clicked, this,
            &A::btnSelectDistributeesClick);
    start();
}

TfrmAssetWorksheet::~TfrmAssetWorksheet() = default;

QWidget* TfrmAssetWorksheet::firstField() const { return m_panel->memDescription; }

void TfrmAssetWorksheet::btnSetSendToClick() {}
void TfrmAssetWorksheet::btnCategoryClick() {}
void TfrmAssetWorksheet::btnRealtyClick() {}
void TfrmAssetWorksheet::btnVehicleClick() {}
void TfrmAssetWorksheet::btnStockClick() {}
void TfrmAssetWorksheet::btnCPIDClick() {}
void TfrmAssetWorksheet::btnSelectDistributeesClick() {}

// Columns 1 and 2 empty, 3 "0", 4 ... 47 empty, 48 ... 57 "0", the rest empty.
void TfrmAssetWorksheet::InitNewRow(QStringList& row) const {
    row[assetColumn::Appraised] = QStringLiteral("0");
    for (int c = assetColumn::Category3_0; c <= assetColumn::Category13_2; ++c)
        row[c] = QStringLiteral("0");
}

void TfrmAssetWorksheet::setDistributees(const QString& names) {
    m_panel->btnSelectDistributees->setText(names.isEmpty() ? QString::fromLatin1(SelectCaption)
                                                            : names);
}

void TfrmAssetWorksheet::RowToPanel(const QStringList& row) {
    m_panel->memDescription->setPlainText(CellToMemo(row[assetColumn::Description]));
    m_panel->edtValue->setText(row[assetColumn::Value]);
    m_panel->cbxAppraised->setChecked(row[assetColumn::Appraised] == u"X");
    for (const AssetEdit& e : AssetEdits) (m_panel.get()->*e.edit)->setText(row[e.column]);
    setDistributees(row[assetColumn::Distributees]);
    m_panel->lblSendTo->setText(row[assetColumn::SendToSummary]);
    for (const AssetSummary& s : AssetSummaries) (m_panel.get()->*s.label)->setText(row[s.column]);
    m_detail = row;
}

void TfrmAssetWorksheet::PanelToRow(QStringList& row) {
    row[assetColumn::Description] = MemoToCell(m_panel->memDescription->toPlainText());
    row[assetColumn::Value] = MoneyCell(m_panel->edtValue->text());
    row[assetColumn::Appraised] = m_panel->cbxAppraised->isChecked() ? QStringLiteral("X") : QString();
    for (const AssetEdit& e : AssetEdits) row[e.column] = (m_panel.get()->*e.edit)->text();
    const QString distributees = m_panel->btnSelectDistributees->text();
    row[assetColumn::Distributees] = distributees == QLatin1String(SelectCaption) ? QString() : distributees;
    for (int c = 0; c < row.size(); ++c)
        if (isDetailColumn(c)) row[c] = m_detail.value(c);
    row[assetColumn::SendToSummary] = SendToSummary(AssetSendToFlags, row);
    for (const AssetSummary& s : AssetSummaries) row[s.column] = (m_panel.get()->*s.label)->text();
}

// The detail record empties, its categories "Not used for this asset".
void TfrmAssetWorksheet::ClearPanel() {
    m_panel->memDescription->clear();
    m_panel->edtValue->clear();
    m_panel->cbxAppraised->setChecked(false);
    for (const AssetEdit& e : AssetEdits) (m_panel.get()->*e.edit)->clear();
    setDistributees(QString());
    m_panel->lblSendTo->clear();
    for (const AssetSummary& s : AssetSummaries) (m_panel.get()->*s.label)->clear();
    m_detail = model().emptyRow();
    for (int c : CategoryColumns) m_detail[c] = QString::fromLatin1(NotUsed);
}

}  // namespace wm4
