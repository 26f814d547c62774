#include "worksheets/time/time_worksheet.h"

#include <cmath>

#include "case/conversions.h"
#include "case/worksheet_columns.h"
#include "session/case_session.h"
#include "ui_time_worksheet.h"
#include "worksheets/grid/cell_forms.h"
#include "worksheets/window/worksheet_texts.h"

namespace wm4 {

namespace {

// No Find and no Cut button; the sort is always ascending and leaves the
// headers alone; an empty store opens as an empty grid.
const WorksheetTraits TimeTraits{
    .caption = "Time Worksheet",
    .navigatorTitle = " Navigator ",
    .rowCommandsTitle = " Copy/Paste Row ",
    .clearQuestion = text::ClearTimeQuestion,
    .gridName = "Time worksheet rows",
    .grid = TimeGrid,
    .store = &CaseData::TSchedList,
    .hasFind = false,
    .hasCutButton = false,
    .sortWithMarkers = false,
    .addsRowWhenEmpty = false,
    .navigationFocusesPanel = false,
    .sortHint = false,
};

}  // namespace

TfrmTimeWorksheet::TfrmTimeWorksheet(CaseSession& session, QWidget* parent)
    : WorksheetWindow(session, TimeTraits, parent),
      m_panel(std::make_unique<Ui::TfrmTimeWorksheet>()) {
    auto* panel = new QWidget(this);
    m_panel->setupUi(panel);
    setPanel(panel);
    addField(m_panel->memDescription, FieldKind::Memo);
    addField(m_panel->edtDate);
    // Entering the hours or the rate shows them as plain numbers.
    addField(m_panel->edtTimeSpent, FieldKind::Plain, [this] {
        m_panel->edtTimeSpent->setText(PlainAmount(m_panel->edtTimeSpent->text()));
    });
    addField(m_panel->edtHourlyRate, FieldKind::Plain, [this] {
        // The row's rate; a new row without one keeps the rate carried over
        // from the row shown before.
        const QString rate = currentCells()[timeColumn::Rate];
        m_panel->edtHourlyRate->setText(
            PlainAmount(rate.isEmpty() ? m_panel->edtHourlyRate->text() : rate));
    });
    start();
}

TfrmTimeWorksheet::~TfrmTimeWorksheet() = default;

QWidget* TfrmTimeWorksheet::firstField() const {
    return m_panel->memDescription;
}

bool TfrmTimeWorksheet::defaultRateSet() const {
    return std::llround(session().settings().DefaultRate * 100) != 0;
}

QString TfrmTimeWorksheet::defaultRate() const {
    return FormatAmount(session().settings().DefaultRate);
}

void TfrmTimeWorksheet::InitNewRow(QStringList& row) const {
    if (defaultRateSet()) row[timeColumn::Rate] = u'$' + defaultRate();
}

// The inserted row's rate without "$"; its first save writes the money form.
void TfrmTimeWorksheet::InitInsertedRow(QStringList& row) const {
    if (defaultRateSet()) row[timeColumn::Rate] = defaultRate();
}

void TfrmTimeWorksheet::afterFirstShow() {
    if (m_panel->edtHourlyRate->text().isEmpty() && defaultRateSet())
        m_panel->edtHourlyRate->setText(u'$' + defaultRate());
}

void TfrmTimeWorksheet::RowToPanel(const QStringList& row) {
    m_panel->edtDate->setText(row[timeColumn::Date]);
    m_panel->memDescription->setPlainText(BarsToMemo(row[timeColumn::Description]));
    m_panel->edtTimeSpent->setText(row[timeColumn::Hours]);
    m_panel->edtHourlyRate->setText(row[timeColumn::Rate]);
}

void TfrmTimeWorksheet::PanelToRow(QStringList& row) {
    row[timeColumn::Date] = m_panel->edtDate->text();  // as typed
    row[timeColumn::Description] = MemoToBars(m_panel->memDescription->toPlainText());
    row[timeColumn::Hours] = HoursCell(m_panel->edtTimeSpent->text());
    row[timeColumn::Rate] = MoneyCell(m_panel->edtHourlyRate->text());
}

// Without a default rate the rate box keeps its text, so the rate of the row
// shown before carries over to the next entry.
void TfrmTimeWorksheet::ClearPanel() {
    m_panel->memDescription->clear();
    m_panel->edtDate->clear();
    m_panel->edtTimeSpent->clear();
    if (defaultRateSet()) m_panel->edtHourlyRate->setText(u'$' + defaultRate());
}

}  // namespace wm4
