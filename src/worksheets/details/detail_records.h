#pragma once
// The detail records of the asset and expense worksheets: the values of the
// current row that the detail dialogs edit rather than the edit panel. The
// worksheet loads its record from the row on every selection change, hands
// it to a dialog, and writes it back into the row on every save; the row
// clipboard holds a copy of it.
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>

#include "case/worksheet_columns.h"
#include "case/worksheet_lists.h"

namespace wm4 {

// One free-text detail value: its column, its label in the dialog and the
// dialog's name for its edit box. The tables list the values in dialog order.
struct DetailField {
    int column;
    QStringView label;
    const char* objectName;
};

inline constexpr std::array<DetailField, 12> RealtyFields{{
    {assetColumn::RealtyParcelNumber, u"Permanent Parcel No.", "edtPPN"},
    {assetColumn::RealtyCityStateZip, u"City, State & ZIP", "edtCity"},
    {assetColumn::RealtyHouseNumber, u"Number", "edtNumber"},
    {assetColumn::RealtyStreetName, u"Street Name", "edtStreetName"},
    {assetColumn::RealtyVolume, u"Volume", "edtVolume"},
    {assetColumn::RealtyPage, u"Page", "edtPage"},
    {assetColumn::RealtyLotNumber, u"Lot No.", "edtLotNo"},
    {assetColumn::RealtySubdivision, u"Subdivision", "edtSubdivision"},
    {assetColumn::RealtyFrontage, u"Frontage", "edtFrontage"},
    {assetColumn::RealtyDepth, u"Depth", "edtDepth"},
    {assetColumn::RealtySublot, u"Sublot", "edtSublot"},
    {assetColumn::RealtyAcreage, u"Acreage", "edtAcreage"},
}};

inline constexpr std::array<DetailField, 9> VehicleFields{{
    {assetColumn::VehicleBodyType, u"Body type", "edtBodyType"},
    {assetColumn::VehicleMake, u"Make", "edtMake"},
    {assetColumn::VehicleYear, u"Year", "edtYear"},
    {assetColumn::VehicleManufacturer, u"Manufacturer", "edtManufacturer"},
    {assetColumn::VehicleLength, u"Length", "edtLength"},
    {assetColumn::VehicleModel, u"Model", "edtModel"},
    {assetColumn::VehicleSerialNumber, u"Manufacturer's serial no.", "edtManufacturerSerNo"},
    {assetColumn::VehicleTitleNumber, u"Title no.", "edtTitleNo"},
    {assetColumn::VehicleHorsepower, u"HP", "edtHP"},
}};

inline constexpr std::array<DetailField, 4> StockFields{{
    {assetColumn::StockShares, u"No. of shares", "edtNoOfShares"},
    {assetColumn::StockShareClass, u"Class", "edtClass"},
    {assetColumn::StockCorporation, u"Corporation Name", "edtCorporationName"},
    {assetColumn::StockCertificate, u"Certificate No.", "edtCertificateNo"},
}};

// The personal identifiers sit in different columns of the two worksheets;
// column is the asset column, expenseColumn the expense one.
struct IdentifierField {
    int column;
    int expenseColumn;
    QStringView label;
    const char* objectName;
};

inline constexpr std::array<IdentifierField, 5> IdentifierFields{{
    {assetColumn::IdentifierComplete, expenseColumn::IdentifierComplete, u"Complete Identification",
     "edtCompleteID"},
    {assetColumn::IdentifierInstitution, expenseColumn::IdentifierInstitution, u"Institution",
     "edtInstitution"},
    {assetColumn::IdentifierAbbreviation, expenseColumn::IdentifierAbbreviation, u"Abbreviation",
     "edtAbbreviation"},
    {assetColumn::IdentifierFormNumber, expenseColumn::IdentifierFormNumber, u"Form No.",
     "edtFormNo"},
    {assetColumn::IdentifierFilingDate, expenseColumn::IdentifierFilingDate, u"Filing Date",
     "edtFilingDate"},
}};

// Values indexed like IdentifierFields.
using Identifiers = std::array<QString, IdentifierFields.size()>;

// The asset row's dialog-edited values. A default-constructed record is the
// cleared one (the edit panel's ClearPanel): every category "Not used for
// this asset", everything else empty.
struct AssetDetail {
    AssetDetail();

    // Flag cells as stored, indexed like AssetSendToFlags; only "X" is set.
    std::array<QString, AssetSendToFlags.size()> sendTo;
    // Category texts, indexed like AssetCategoryLists.
    std::array<QString, AssetCategoryLists.size()> categories;
    std::array<QString, RealtyFields.size()> realty;    // like RealtyFields
    std::array<QString, VehicleFields.size()> vehicle;  // like VehicleFields
    std::array<QString, StockFields.size()> stock;      // like StockFields
    Identifiers identifiers;                            // like IdentifierFields
    // The chosen distributees, kin names joined by ", "; empty when none.
    QString distributees;
    // The summaries the worksheet shows (the Send To summary is not kept:
    // it is rebuilt from the flags whenever the row is written).
    QString categorySummary;
    QString realtySummary;
    QString vehicleSummary;
    QString stockSummary;
    QString identifierSummary;

    // Every field from its column of the row's cells (an asset row).
    static AssetDetail fromRow(const QStringList& cells);
    // Writes every field into its column, the distributees into column 5, the
    // Send To summary built from the flags into column 10 and the five other
    // summaries into columns 11 to 15. Columns the edit panel holds (1 to 4,
    // 6 to 9) and those without a field are left alone.
    void writeToRow(QStringList& cells) const;

    // The flag of a send-to column is "X".
    bool isSent(int column) const;
    void setSent(int column, bool sent);
    // The category text of a category column.
    const QString& category(int column) const;

    bool operator==(const AssetDetail&) const = default;
};

// The expense row's dialog-edited values: the personal identifiers and the
// interested persons of Form 24.2. Default-constructed: all empty.
struct ExpenseDetail {
    Identifiers identifiers;  // like IdentifierFields
    // The chosen interested persons, kin names joined by ", "; empty when none.
    QString parties;

    static ExpenseDetail fromRow(const QStringList& cells);
    // Writes the identifiers into columns 16 to 20 and the parties into
    // column 25; every other column is left alone.
    void writeToRow(QStringList& cells) const;

    bool operator==(const ExpenseDetail&) const = default;
};

}  // namespace wm4
