// Rows typed in the worksheet windows, the case saved, reopened and
// calculated give every form the same answers as the same rows written into
// the case file directly.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QTemporaryDir>

#include "case/worksheet_columns.h"
#include "support/report_recorder.h"
#include "support/rich_sample.h"
#include "worksheets/kin/kin_flags.h"
#include "worksheets/worksheet_driver.h"

namespace wm4::test {
namespace {

// Every answer that differs between two calculated cases, "page/copy/slot".
QStringList differentAnswers(const TAnswer& a, const TAnswer& b) {
    QStringList differences;
    for (int page = 0; page < 200; ++page)
        for (int copy = 0; copy < 100; ++copy) {
            if (!a.copyTouched(page, copy) && !b.copyTouched(page, copy)) continue;
            for (int slot = 0; slot < TAnswer::slotCount(page); ++slot)
                if (a.answer(page, copy, slot) != b.answer(page, copy, slot))
                    differences.append(
                        QStringLiteral("%1/%2/%3: '%4' vs '%5'")
                            .arg(page)
                            .arg(copy)
                            .arg(slot)
                            .arg(a.answer(page, copy, slot), b.answer(page, copy, slot)));
        }
    return differences;
}

// The kin rows of the rich sample as the kin window saves them: a row
// without a gender is saved "F", and cells without a field stay empty.
void asTyped(WorksheetStore& kin) {
    for (int r = 0; r < kin.rowCount(); ++r) {
        if (kin.cell(kinColumn::Gender, r).isEmpty()) kin.setCell(kinColumn::Gender, r, "F");
        for (int column : {kinColumn::Unused, kinColumn::SendToSummary, 13, 14})
            kin.setCell(column, r, "");
    }
}

// Types the reference's kin rows into the kin window.
void typeKin(CaseSession& session, const WorksheetStore& reference) {
    session.data().KSchedList.clear();
    WorksheetDriver d(WorksheetKind::Kin);
    std::swap(d.session().data().KSchedList, session.data().KSchedList);
    d.open();
    const std::pair<const char*, int> fields[] = {{"Name", kinColumn::Name},
                                                  {"Address", kinColumn::Street},
                                                  {"City/State/ZIP", kinColumn::CityStateZip},
                                                  {"Relation", kinColumn::Relationship},
                                                  {"Birth date", kinColumn::BirthDate},
                                                  {"SSN", kinColumn::SocialSecurity},
                                                  {"Phone no.", kinColumn::Phone}};
    for (int r = 0; r < reference.rowCount(); ++r) {
        if (r > 0) d.click("Add");
        for (const auto& [field, column] : fields)
            if (!reference.cell(column, r).isEmpty()) d.enter(field, reference.cell(column, r));
        d.clickCheck(reference.cell(kinColumn::Gender, r) == u"M" ? "Male" : "Female");
        for (const SendToFlag& flag : KinFlags)
            if (reference.cell(flag.column, r) == u"X") d.clickCheck(flag.caption.toString());
        d.tab();
    }
    d.close();
    std::swap(d.session().data().KSchedList, session.data().KSchedList);
}

void typeTime(CaseSession& session, const WorksheetStore& reference) {
    WorksheetDriver d(WorksheetKind::Time);
    d.store().setRowCount(0);
    d.open();
    for (int r = 0; r < reference.rowCount(); ++r) {
        d.click("Add");
        QString description = reference.cell(timeColumn::Description, r);
        d.enter("Description of services", description.replace(" | ", "\n"));
        d.enter("Date (MM/DD/YY)", reference.cell(timeColumn::Date, r));
        d.enter("Time spent", reference.cell(timeColumn::Hours, r));
        d.enter("Hourly rate", reference.cell(timeColumn::Rate, r));
    }
    d.close();
    std::swap(d.session().data().TSchedList, session.data().TSchedList);
}

// One more asset: a typed row sent to the inventory and the account, with
// its categories chosen in the category dialog.
void typeAsset(CaseSession& session) {
    WorksheetDriver d(WorksheetKind::Asset);
    std::swap(d.session().data().ASchedList, session.data().ASchedList);
    d.open();
    d.click("Last");
    d.click("Add");
    d.enter("Description", "Coin collection\nin the bank box");
    d.enter("Value (all forms)", "2,400");
    confirmNextDialog("OK", [](QWidget* dialog) {
        byName<QAbstractButton>(dialog, "6.0 Inventory & Appraisal")->click();
        byName<QAbstractButton>(dialog, "13.0 Fiduciary's Account")->click();
    });
    d.click("Send to");
    confirmNextDialog("OK", [](QWidget* dialog) {
        auto* inventory = byName<QComboBox>(dialog, "Form 6.0 & 6.1");
        inventory->setCurrentIndex(inventory->findText("Tangible personal property"));
        auto* account = byName<QComboBox>(dialog, "Form 13.0 & 13.1");
        account->setCurrentIndex(account->findText("Personal property not sold"));
    });
    d.click("Category");
    d.close();
    std::swap(d.session().data().ASchedList, session.data().ASchedList);
}

void writeAsset(WorksheetStore& assets) {
    const int r = assets.rowCount();
    assets.setRowCount(r + 1);
    const std::pair<int, QString> cells[] = {
        {assetColumn::Description, "Coin collection | in the bank box"},
        {assetColumn::Value, "$2,400.00"},
        {assetColumn::ToForm6_0, "X"},
        {assetColumn::ToForm13_0, "X"},
        {assetColumn::Category6_0, "Tangible personal property"},
        {assetColumn::Category13_0, "Personal property not sold"}};
    for (const auto& [column, text] : cells) assets.setCell(column, r, text);
    for (int c = assetColumn::Category3_0; c <= assetColumn::CategoryExecutorFee; ++c)
        if (assets.cell(c, r).isEmpty()) assets.setCell(c, r, "Not used for this asset");
    assets.setCell(assetColumn::CategoryAttorneyFee, r, "Not used for this asset");
}

// Saves, reopens and calculates; returns the reports of the run.
QList<int> saveReopenCalculate(CaseSession& session, const QString& path) {
    ReportRecorder reports;
    session.saveCase(path);
    QString error;
    EXPECT_TRUE(session.openCase(path, &error)) << error.toStdString();
    session.calculate();
    return reports.numbers();
}

TEST(WorksheetRoundTrip, TypedRowsCalculateLikeRowsWrittenIntoTheFile) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());

    CaseSession written{ProgramSettings{}};
    fillRichSample(written.data());
    asTyped(written.data().KSchedList);
    writeAsset(written.data().ASchedList);

    CaseSession typed{ProgramSettings{}};
    fillRichSample(typed.data());
    typeKin(typed, written.data().KSchedList);
    typeTime(typed, written.data().TSchedList);
    typeAsset(typed);

    // The typed stores hold what the file would: same cells but the
    // summaries, which only the windows build.
    auto withoutSummaries = [](WorksheetStore store, std::initializer_list<int> summaries) {
        for (int r = 0; r < store.rowCount(); ++r)
            for (int c : summaries) store.setCell(c, r, "");
        return store;
    };
    for (int r = 0; r < written.data().TSchedList.rowCount(); ++r)
        EXPECT_EQ(typed.data().TSchedList.row(r), written.data().TSchedList.row(r)) << r;
    const WorksheetStore typedKin =
        withoutSummaries(typed.data().KSchedList, {kinColumn::SendToSummary});
    ASSERT_EQ(typedKin.rowCount(), written.data().KSchedList.rowCount());
    for (int r = 0; r < typedKin.rowCount(); ++r)
        EXPECT_EQ(typedKin.row(r), written.data().KSchedList.row(r)) << "kin row " << r;
    const int last = typed.data().ASchedList.rowCount() - 1;
    EXPECT_EQ(typed.data().ASchedList.cell(assetColumn::SendToSummary, last), "6.0, 13.0");
    EXPECT_EQ(typed.data().ASchedList.cell(assetColumn::CategorySummary, last),
              "Tangible personal property/Personal property not s");  // cut at 50

    const QList<int> typedReports = saveReopenCalculate(typed, folder.filePath("typed.wm4"));
    const QList<int> writtenReports = saveReopenCalculate(written, folder.filePath("written.wm4"));
    EXPECT_EQ(typedReports, writtenReports);
    EXPECT_EQ(differentAnswers(typed.answers(), written.answers()), QStringList());
    // The run did use the rows: the typed asset is on the inventory.
    bool onInventory = false;
    for (int slot = 0; slot < TAnswer::slotCount(30); ++slot)
        onInventory |= typed.answers().answer(30, 0, slot).contains("Coin collection");
    EXPECT_TRUE(onInventory);
}

}  // namespace
}  // namespace wm4::test
