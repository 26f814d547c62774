#include "worksheets/asset/asset_worksheet.h"

#include "case/conversions.h"
#include "case/worksheet_columns.h"
#include "session/case_session.h"
#include "ui_asset_worksheet.h"
#include "worksheets/details/detail_dialogs.h"
#include "worksheets/details/detail_summaries.h"
#include "worksheets/grid/cell_forms.h"
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

// The summary labels and the record's summaries they show.
struct AssetSummary {
    QLabel* Ui::TfrmAssetWorksheet::*label;
    QString AssetDetail::*summary;
};
constexpr AssetSummary AssetSummaries[] = {
    {&Ui::TfrmAssetWorksheet::lblCategory, &AssetDetail::categorySummary},
    {&Ui::TfrmAssetWorksheet::lblRealty, &AssetDetail::realtySummary},
    {&Ui::TfrmAssetWorksheet::lblVehicle, &AssetDetail::vehicleSummary},
    {&Ui::TfrmAssetWorksheet::lblStock, &AssetDetail::stockSummary},
    {&Ui::TfrmAssetWorksheet::lblPersonalID, &AssetDetail::identifierSummary},
};

}  // namespace

TfrmAssetWorksheet::TfrmAssetWorksheet(CaseSession& session, QWidget* parent)
    : WorksheetWindow(session, AssetTraits, parent),
      m_panel(std::make_unique<Ui::TfrmAssetWorksheet>()) {
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

    // The summary labels are read as "Send to summary" and so on.
    const std::pair<QLabel*, QLabel*> summaries[] = {
        {m_panel->lblCaptionSendTo, m_panel->lblSendTo},
        {m_panel->lblCaptionCategory, m_panel->lblCategory},
        {m_panel->lblCaptionRealty, m_panel->lblRealty},
        {m_panel->lblCaptionVehicle, m_panel->lblVehicle},
        {m_panel->lblCaptionStock, m_panel->lblStock},
        {m_panel->lblCaptionPersonalID, m_panel->lblPersonalID}};
    for (const auto& [caption, summary] : summaries) {
        summary->setAccessibleName(caption->text().chopped(1) + QStringLiteral(" summary"));
        // A long summary (a full address) must not widen the window past the
        // screen: the label takes the width the panel gives it and shows the
        // whole text as its tool tip.
        summary->setSizePolicy(QSizePolicy::Ignored, summary->sizePolicy().verticalPolicy());
        summary->setMinimumWidth(0);
    }
    // Likewise the distributees' names on their button.
    m_panel->btnSelectDistributees->setSizePolicy(
        QSizePolicy::Ignored, m_panel->btnSelectDistributees->sizePolicy().verticalPolicy());

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

QWidget* TfrmAssetWorksheet::firstField() const {
    return m_panel->memDescription;
}

// Each dialog edits the detail record and, on OK, has rebuilt the summary of
// what it edits; the Send To summary follows from the flags when the row is
// written.
void TfrmAssetWorksheet::detailConfirmed() {
    showSummaries();
    SaveEntry();
    session().setModified(true);
}

void TfrmAssetWorksheet::btnSetSendToClick() {
    if (EditSendTo(this, m_detail)) detailConfirmed();
}

void TfrmAssetWorksheet::btnCategoryClick() {
    if (EditCategories(this, m_detail)) detailConfirmed();
}

void TfrmAssetWorksheet::btnRealtyClick() {
    if (EditRealty(this, m_detail)) detailConfirmed();
}

void TfrmAssetWorksheet::btnVehicleClick() {
    if (EditVehicle(this, m_detail)) detailConfirmed();
}

void TfrmAssetWorksheet::btnStockClick() {
    if (EditStock(this, m_detail)) detailConfirmed();
}

void TfrmAssetWorksheet::btnCPIDClick() {
    if (EditIdentifiers(this, m_detail)) detailConfirmed();
}

void TfrmAssetWorksheet::btnSelectDistributeesClick() {
    if (!SelectDistributees(this, session().data().KSchedList,
                            m_panel->memDescription->toPlainText(), m_detail))
        return;
    setDistributees(m_detail.distributees);
    detailConfirmed();
}

void TfrmAssetWorksheet::showSummaries() {
    m_panel->lblSendTo->setText(AssetSendToSummary(m_detail));
    m_panel->lblSendTo->setToolTip(m_panel->lblSendTo->text());
    for (const AssetSummary& s : AssetSummaries) {
        QLabel* label = m_panel.get()->*s.label;
        label->setText(m_detail.*s.summary);
        label->setToolTip(label->text());
    }
}

// Columns 1 and 2 empty, 3 "0", 4 ... 47 empty, 48 ... 57 "0", the rest empty.
void TfrmAssetWorksheet::InitNewRow(QStringList& row) const {
    row[assetColumn::Appraised] = QStringLiteral("0");
    for (int c = assetColumn::Category3_0; c <= assetColumn::Category13_2; ++c)
        row[c] = QStringLiteral("0");
}

void TfrmAssetWorksheet::CompleteSummaries(QStringList& row) const {
    CompleteAssetSummaries(row);
}

void TfrmAssetWorksheet::setDistributees(const QString& names) {
    m_panel->btnSelectDistributees->setText(names.isEmpty() ? QString::fromLatin1(SelectCaption)
                                                            : names);
    m_panel->btnSelectDistributees->setToolTip(names);
}

void TfrmAssetWorksheet::RowToPanel(const QStringList& row) {
    m_panel->memDescription->setPlainText(BarsToMemo(row[assetColumn::Description]));
    m_panel->edtValue->setText(row[assetColumn::Value]);
    m_panel->cbxAppraised->setChecked(row[assetColumn::Appraised] == u"X");
    for (const AssetEdit& e : AssetEdits) (m_panel.get()->*e.edit)->setText(row[e.column]);
    m_detail = AssetDetail::fromRow(row);
    setDistributees(row[assetColumn::Distributees]);
    showSummaries();
    m_panel->lblSendTo->setText(row[assetColumn::SendToSummary]);
    m_panel->lblSendTo->setToolTip(m_panel->lblSendTo->text());
}

void TfrmAssetWorksheet::PanelToRow(QStringList& row) {
    row[assetColumn::Description] = MemoToBars(m_panel->memDescription->toPlainText());
    row[assetColumn::Value] = MoneyCell(m_panel->edtValue->text());
    row[assetColumn::Appraised] =
        m_panel->cbxAppraised->isChecked() ? QStringLiteral("X") : QString();
    for (const AssetEdit& e : AssetEdits) row[e.column] = (m_panel.get()->*e.edit)->text();
    // The button's caption is the selection; "Select" stands for none.
    const QString caption = m_panel->btnSelectDistributees->text();
    m_detail.distributees = caption == QLatin1String(SelectCaption) ? QString() : caption;
    // Flags, categories, details, distributees, the Send To summary from
    // the flags and the five other summaries.
    m_detail.writeToRow(row);
}

// The detail record empties, its categories "Not used for this asset".
void TfrmAssetWorksheet::ClearPanel() {
    m_panel->memDescription->clear();
    m_panel->edtValue->clear();
    m_panel->cbxAppraised->setChecked(false);
    for (const AssetEdit& e : AssetEdits) (m_panel.get()->*e.edit)->clear();
    m_detail = AssetDetail();
    setDistributees(QString());
    showSummaries();
}

}  // namespace wm4
