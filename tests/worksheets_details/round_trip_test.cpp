// Details entered through the dialogs reach the forms: the rows they make,
// saved to a client file, read back and calculated, fill the transfer forms,
// the BMV forms, the stock power and the identifier sheets exactly as rows
// whose cells were written into the case file directly.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "calc/calc_case.h"
#include "calc/run/calculate_complete.h"
#include "case/worksheet_columns.h"
#include "files/client_file.h"
#include "forms/page000.h"
#include "worksheets/details/detail_dialogs.h"
#include "worksheets/details/detail_records.h"
#include "worksheets_details/dialog_driver.h"

namespace wm4 {
namespace {

using test::control;
using test::whenDialogOpens;

// The kin every case of this test knows.
void addKin(test::CalcCase& c) {
    using namespace test::columns;
    c.addKin({{KinName, "John Smith"},
              {KinSsn, "111-22-3333"},
              {KinStreet, "5 Elm St"},
              {KinCityLine, "Kent, OH  44240"}});
    c.addKin({{KinName, "Mary Smith"}, {KinSsn, "444-55-6666"}, {KinStreet, "9 Oak"}});
    c.addKin({{KinName, "Lee, Ann"}, {KinStreet, "3 Pine"}, {KinCityLine, "Stow, OH"}});
}

void generalInformation(test::CalcCase& c) {
    c.gi(page0::DecedentName, "Carl A. Smith");
    c.gi(page0::DecedentLastName, "Smith");
    c.gi(page0::DecedentFirstName, "Carl");
    c.gi(page0::DecedentMiddleName, "A.");
    c.gi(page0::DecedentStreet, "1 Main St");
    c.gi(page0::DecedentCity, "Akron");
    c.gi(page0::DecedentState, "OH");
    c.gi(page0::DecedentZip, "44300");
    c.gi(page0::DeathDate, "May 1, 2020");
    c.gi(page0::FiduciaryName, "Ann Lee");
}

// Ticks the send-to boxes of the given captions and confirms.
void tick(AssetDetail& detail, std::initializer_list<const char*> captions) {
    whenDialogOpens([captions](QDialog& d) {
        for (const char* caption : captions) {
            QCheckBox* box = control<QCheckBox>(d, QString::fromLatin1(caption));
            ASSERT_NE(box, nullptr) << caption;
            QTest::mouseClick(box, Qt::LeftButton);
        }
        QTest::mouseClick(control<QPushButton>(d, "OK"), Qt::LeftButton);
    });
    ASSERT_TRUE(EditSendTo(nullptr, detail));
}

// Types each value into the edit box of its label and confirms.
using Typed = std::initializer_list<std::pair<const char*, const char*>>;
void type(bool (*edit)(QWidget*, AssetDetail&), AssetDetail& detail, Typed values) {
    whenDialogOpens([values](QDialog& d) {
        for (const auto& [label, text] : values) {
            QLineEdit* box = control<QLineEdit>(d, QString::fromLatin1(label));
            ASSERT_NE(box, nullptr) << label;
            QTest::keyClicks(box, QString::fromLatin1(text));
        }
        QTest::mouseClick(control<QPushButton>(d, "OK"), Qt::LeftButton);
    });
    ASSERT_TRUE(edit(nullptr, detail));
}

// Ticks the kin of the given names in the distributee dialog and confirms.
template <typename Detail>
void choose(const WorksheetStore& kin, Detail& detail, std::initializer_list<const char*> names) {
    whenDialogOpens([names](QDialog& d) {
        QListWidget* list = control<QListWidget>(d, "List compiled from Next of Kin Worksheet");
        for (const char* name : names) {
            const auto found = list->findItems(QString::fromLatin1(name), Qt::MatchExactly);
            ASSERT_EQ(found.size(), 1) << name;
            found[0]->setCheckState(Qt::Checked);
        }
        QTest::mouseClick(control<QPushButton>(d, "OK"), Qt::LeftButton);
    });
    ASSERT_TRUE(SelectDistributees(nullptr, kin, QString(), detail));
}

// An asset row as the worksheet writes it: the panel's description and value
// and the detail record.
void addAssetRow(test::CalcCase& c, const QString& description, const QString& value,
                 const AssetDetail& detail) {
    QStringList row(AssetColumns);
    row[1] = description;
    row[2] = value;
    detail.writeToRow(row);
    const int r = c.addAsset({});
    c.data.ASchedList.setRow(r, row);
}

// The case made through the dialogs.
void enterThroughDialogs(test::CalcCase& c) {
    const WorksheetStore& kin = c.data.KSchedList;

    AssetDetail car;
    tick(car,
         {"BMV 3773 Surviving Spouse Affidavit", "BMV 3774 Application for Certificate of Title",
          "9.C Application for Transfer of Motor Vehicle"});
    type(EditVehicle, car,
         {{"Body type", "Sedan"},
          {"Make", "Ford"},
          {"Year", "2015"},
          {"Manufacturer", "Ford Motor Co."},
          {"Length", "15 ft"},
          {"Model", "Focus"},
          {"Manufacturer's serial no.", "1FADP3F2XFL123456"},
          {"Title no.", "T-77"},
          {"HP", "160"}});
    choose(kin, car, {"Mary Smith", "John Smith"});
    addAssetRow(c, "2015 Ford Focus", "$4,000.00", car);

    AssetDetail house;
    tick(house, {"12.0 Application for Certificate of Transfer", "Surviving Spouse Affidavit"});
    type(EditRealty, house,
         {{"Permanent Parcel No.", "012-34-567"},
          {"City, State & ZIP", "Akron, OH 44300"},
          {"Number", "12"},
          {"Street Name", "Oak Lane"},
          {"Volume", "V1"},
          {"Page", "P2"},
          {"Lot No.", "L3"},
          {"Subdivision", "Oakwood"},
          {"Frontage", "60"},
          {"Depth", "120"},
          {"Sublot", "S4"},
          {"Acreage", "0.17"}});
    choose(kin, house, {"Lee, Ann"});
    addAssetRow(c, "Home | 12 Oak Lane", "$150,000.00", house);

    AssetDetail shares;
    tick(shares, {"Stock Power of Attorney", "Personal Identification Disclosure"});
    type(EditStock, shares,
         {{"No. of shares", "100"},
          {"Class", "Common"},
          {"Corporation Name", "Acme Corp."},
          {"Certificate No.", "C-17"}});
    type(EditIdentifiers, shares,
         {{"Complete Identification", "Acct 987654321"},
          {"Institution", "First Bank"},
          {"Abbreviation", "FB-4321"},
          {"Form No.", "6.0"},
          {"Filing Date", "1/2/2026"}});
    choose(kin, shares, {"John Smith", "Lee, Ann"});
    addAssetRow(c, "100 shares Acme Corp.", "$5,000.00", shares);

    ExpenseDetail bill;
    whenDialogOpens([](QDialog& d) {
        QTest::keyClicks(control<QLineEdit>(d, "Complete Identification"), "Card 4111111111111111");
        QTest::keyClicks(control<QLineEdit>(d, "Institution"), "Card Co.");
        QTest::keyClicks(control<QLineEdit>(d, "Abbreviation"), "CC-1111");
        QTest::mouseClick(control<QPushButton>(d, "OK"), Qt::LeftButton);
    });
    ASSERT_TRUE(EditIdentifiers(nullptr, bill));
    QStringList row(ExpenseColumns);
    row[1] = QStringLiteral("Credit card");
    row[2] = QStringLiteral("$300.00");
    row[10] = QStringLiteral("X");  // the panel's CPID box
    bill.writeToRow(row);
    c.data.ESchedList.setRow(c.addExpense({}), row);
}

// The same case with its cells written into the stores by column number.
void writeDirectly(test::CalcCase& c) {
    const QString X = test::X;
    c.addAsset({{assetColumn::Description, "2015 Ford Focus"},
                {assetColumn::Value, "$4,000.00"},
                {assetColumn::Distributees, "John Smith, Mary Smith"},
                {assetColumn::ToBmv3773, X},
                {assetColumn::ToBmv3774, X},
                {assetColumn::ToForm9_C, X},
                {assetColumn::VehicleBodyType, "Sedan"},
                {assetColumn::VehicleMake, "Ford"},
                {assetColumn::VehicleYear, "2015"},
                {assetColumn::VehicleManufacturer, "Ford Motor Co."},
                {assetColumn::VehicleLength, "15 ft"},
                {assetColumn::VehicleModel, "Focus"},
                {assetColumn::VehicleSerialNumber, "1FADP3F2XFL123456"},
                {assetColumn::VehicleTitleNumber, "T-77"},
                {assetColumn::VehicleHorsepower, "160"}});
    c.addAsset({{assetColumn::Description, "Home | 12 Oak Lane"},
                {assetColumn::Value, "$150,000.00"},
                {assetColumn::Distributees, "Lee, Ann"},
                {assetColumn::ToForm12_0, X},
                {assetColumn::ToSpouseAffidavit, X},
                {assetColumn::RealtyParcelNumber, "012-34-567"},
                {assetColumn::RealtyCityStateZip, "Akron, OH 44300"},
                {assetColumn::RealtyHouseNumber, "12"},
                {assetColumn::RealtyStreetName, "Oak Lane"},
                {assetColumn::RealtyVolume, "V1"},
                {assetColumn::RealtyPage, "P2"},
                {assetColumn::RealtyLotNumber, "L3"},
                {assetColumn::RealtySubdivision, "Oakwood"},
                {assetColumn::RealtyFrontage, "60"},
                {assetColumn::RealtyDepth, "120"},
                {assetColumn::RealtySublot, "S4"},
                {assetColumn::RealtyAcreage, "0.17"}});
    c.addAsset({{assetColumn::Description, "100 shares Acme Corp."},
                {assetColumn::Value, "$5,000.00"},
                {assetColumn::Distributees, "John Smith, Lee, Ann"},
                {assetColumn::ToStockPower, X},
                {assetColumn::ToIdentifiers, X},
                {assetColumn::StockShares, "100"},
                {assetColumn::StockShareClass, "Common"},
                {assetColumn::StockCorporation, "Acme Corp."},
                {assetColumn::StockCertificate, "C-17"},
                {assetColumn::IdentifierComplete, "Acct 987654321"},
                {assetColumn::IdentifierInstitution, "First Bank"},
                {assetColumn::IdentifierAbbreviation, "FB-4321"},
                {assetColumn::IdentifierFormNumber, "6.0"},
                {assetColumn::IdentifierFilingDate, "1/2/2026"}});
    c.addExpense({{expenseColumn::Description, "Credit card"},
                  {expenseColumn::Amount, "$300.00"},
                  {expenseColumn::ToIdentifiers, X},
                  {expenseColumn::IdentifierComplete, "Card 4111111111111111"},
                  {expenseColumn::IdentifierInstitution, "Card Co."},
                  {expenseColumn::IdentifierAbbreviation, "CC-1111"}});
}

TEST(DetailRoundTrip, DialogRowsSavedAndCalculatedFillTheFormsAsWrittenRows) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());

    test::CalcCase entered;
    addKin(entered);
    generalInformation(entered);
    enterThroughDialogs(entered);
    // The details are the stored cells.
    EXPECT_EQ(entered.data.ASchedList.cell(assetColumn::Distributees, 0),
              QStringLiteral("John Smith, Mary Smith"));
    EXPECT_EQ(entered.data.ASchedList.cell(assetColumn::SendToSummary, 0),
              QStringLiteral("9.C, 3773, 3774"));
    EXPECT_EQ(entered.data.ASchedList.cell(assetColumn::Distributees, 2),
              QStringLiteral("John Smith, Lee, Ann"));
    EXPECT_EQ(entered.data.ASchedList.cell(assetColumn::RealtySummary, 1),
              QStringLiteral("12 Oak Lane, Akron, OH 44300, 012-34-567, V1, P2, L3, Oakwood, 60, "
                             "120, S4, 0.17"));
    const QString path = dir.filePath(QStringLiteral("entered.wm4"));
    WriteClientFile(entered.data, path);

    test::CalcCase saved;
    QString error;
    ASSERT_TRUE(ReadClientFile(saved.data, path, &error)) << error.toStdString();
    CalculateComplete(saved.ctx);

    test::CalcCase written;
    addKin(written);
    generalInformation(written);
    writeDirectly(written);
    CalculateComplete(written.ctx);

    EXPECT_EQ(saved.reports.reports().size(), written.reports.reports().size());
    // BMV 3773, BMV 3774, DTE 100, the spouse's affidavit for real estate,
    // the identifier sheets, the stock power, Form 9.C and DTE 100EX.
    for (int page : {97, 98, 100, 102, 111, 115, 127, 196}) {
        EXPECT_EQ(saved.a().PgCt[page], written.a().PgCt[page]) << "page " << page;
        for (int copy = 0; copy <= std::max(saved.a().PgCt[page], 0); ++copy)
            for (int s = 0; s < TAnswer::slotCount(page); ++s)
                EXPECT_EQ(saved.slot(page, copy, s), written.slot(page, copy, s))
                    << "page " << page << " copy " << copy << " slot " << s;
    }
    // And the forms do carry the details.
    const auto onPage = [&](int page, const QString& text) {
        for (int copy = 0; copy <= std::max(saved.a().PgCt[page], 0); ++copy)
            for (int s = 0; s < TAnswer::slotCount(page); ++s)
                if (saved.slot(page, copy, s).contains(text)) return true;
        return false;
    };
    EXPECT_TRUE(onPage(98, "1FADP3F2XFL123456"));
    EXPECT_TRUE(onPage(98, "Mary Smith"));
    EXPECT_TRUE(onPage(97, "Focus"));
    EXPECT_TRUE(onPage(127, "T-77"));
    EXPECT_TRUE(onPage(100, "Oak Lane"));  // the parcel number stands in parts there
    EXPECT_TRUE(onPage(102, "012-34-567"));
    EXPECT_TRUE(onPage(100, "Lee, Ann"));  // the transferee
    EXPECT_TRUE(onPage(115, "Acme Corp."));
    EXPECT_TRUE(onPage(115, "C-17"));
    EXPECT_TRUE(onPage(111, "Acct 987654321"));
    EXPECT_TRUE(onPage(111, "Card 4111111111111111"));
}

}  // namespace
}  // namespace wm4
