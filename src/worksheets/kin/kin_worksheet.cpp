#include "worksheets/kin/kin_worksheet.h"

#include <QMenu>

#include "case/worksheet_columns.h"
#include "session/case_session.h"
#include "ui_kin_worksheet.h"
#include "worksheets/details/detail_summaries.h"
#include "worksheets/grid/grid_columns.h"
#include "worksheets/kin/kin_flags.h"
#include "worksheets/window/flag_boxes.h"
#include "worksheets/window/worksheet_texts.h"

namespace wm4 {

namespace {

const WorksheetTraits KinTraits{
    .caption = "Kin/Beneficiary/Interested Party Worksheet",
    .navigatorTitle = " Navigator Commands",
    .rowCommandsTitle = "Row Commands",
    .clearQuestion = text::ClearKinQuestion,
    .gridName = "Kin worksheet rows",
    .grid = KinGrid,
    .store = &CaseData::KSchedList,
};

// The edits of the panel and the columns they hold.
struct KinEdit {
    QLineEdit* Ui::TfrmKinWorksheet::*edit;
    int column;
};
constexpr KinEdit KinEdits[] = {
    {&Ui::TfrmKinWorksheet::edtName, kinColumn::Name},
    {&Ui::TfrmKinWorksheet::edtAddress, kinColumn::Street},
    {&Ui::TfrmKinWorksheet::edtCityStateZIP, kinColumn::CityStateZip},
    {&Ui::TfrmKinWorksheet::edtRelationship, kinColumn::Relationship},
    {&Ui::TfrmKinWorksheet::datedtBirth, kinColumn::BirthDate},
    {&Ui::TfrmKinWorksheet::edtSSN, kinColumn::SocialSecurity},
    {&Ui::TfrmKinWorksheet::edtPhone, kinColumn::Phone},
};

}  // namespace

TfrmKinWorksheet::TfrmKinWorksheet(CaseSession& session, QWidget* parent)
    : WorksheetWindow(session, KinTraits, parent),
      m_panel(std::make_unique<Ui::TfrmKinWorksheet>()) {
    auto* panel = new QWidget(this);
    m_panel->setupUi(panel);
    setPanel(panel);
    m_flags = BuildFlagBoxes(KinFlags, KinFlagLayout, KinFlagColumns, m_panel->grpSendTo,
                             m_panel->flagsLayout);

    for (const KinEdit& e : KinEdits) addField(m_panel.get()->*e.edit);
    addField(m_panel->radMale);
    addField(m_panel->radFemale);
    for (QCheckBox* box : m_flags) addField(box);

    // The birth date's own popup: one item that empties it.
    m_panel->datedtBirth->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_panel->datedtBirth, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) {
                QMenu menu(this);
                menu.setAccessibleName(QStringLiteral("Birth date menu"));
                connect(menu.addAction(QStringLiteral("Clear Date Field")), &QAction::triggered,
                        this, &TfrmKinWorksheet::ClearDate);
                menu.exec(m_panel->datedtBirth->mapToGlobal(pos));
            });
    start();
}

TfrmKinWorksheet::~TfrmKinWorksheet() = default;

QWidget* TfrmKinWorksheet::firstField() const {
    return m_panel->edtName;
}

void TfrmKinWorksheet::ClearDate() {
    m_panel->datedtBirth->clear();
    ChangeModifiedFlag();
    SaveEntry();
}

void TfrmKinWorksheet::InitNewRow(QStringList& row) const {
    row[kinColumn::Gender] = QStringLiteral("M");
}

void TfrmKinWorksheet::setGender(bool male, bool female) {
    // Radio buttons of one group cannot all be off while they exclude each other.
    for (QRadioButton* button : {m_panel->radMale, m_panel->radFemale})
        button->setAutoExclusive(false);
    m_panel->radMale->setChecked(male);
    m_panel->radFemale->setChecked(female);
    for (QRadioButton* button : {m_panel->radMale, m_panel->radFemale})
        button->setAutoExclusive(true);
}

void TfrmKinWorksheet::RowToPanel(const QStringList& row) {
    for (const KinEdit& e : KinEdits) (m_panel.get()->*e.edit)->setText(row[e.column]);
    const bool male = row[kinColumn::Gender] == u"M";
    setGender(male, !male);
    for (size_t i = 0; i < KinFlags.size(); ++i)
        m_flags[i]->setChecked(row[KinFlags[i].column] == u"X");
}

void TfrmKinWorksheet::PanelToRow(QStringList& row) {
    for (const KinEdit& e : KinEdits) row[e.column] = (m_panel.get()->*e.edit)->text();
    // Neither button selected is saved as "F".
    row[kinColumn::Gender] =
        m_panel->radMale->isChecked() ? QStringLiteral("M") : QStringLiteral("F");
    for (size_t i = 0; i < KinFlags.size(); ++i)
        row[KinFlags[i].column] = m_flags[i]->isChecked() ? QStringLiteral("X") : QString();
    row[kinColumn::SendToSummary] =
        SendToSummary(KinFlags, [&row](int column) { return row[column] == u"X"; });
}

void TfrmKinWorksheet::CompleteSummaries(QStringList& row) const {
    CompleteSendToSummary(KinFlags, kinColumn::SendToSummary, row);
}

void TfrmKinWorksheet::ClearPanel() {
    for (const KinEdit& e : KinEdits) (m_panel.get()->*e.edit)->clear();
    setGender(false, false);
    for (QCheckBox* box : m_flags) box->setChecked(false);
}

}  // namespace wm4
