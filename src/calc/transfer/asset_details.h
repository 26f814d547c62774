#pragma once
// The worksheet cells the transfer forms read: the send-to columns that give
// each form its rows, and the detail cells the asset's realty, vehicle, stock
// and identifier dialogs store.
namespace wm4::transfer {

// Asset send-to columns.
namespace sendTo {
inline constexpr int Form12 = 28;           // Form 12.0, also DTE100 and DTE100EX
inline constexpr int SpouseAffidavit = 31;  // surviving spouse's affidavit for real estate
inline constexpr int Bmv3773 = 32;
inline constexpr int Bmv3774 = 33;
inline constexpr int StockPower = 34;
inline constexpr int Identifiers = 36;  // confidential personal identifiers
inline constexpr int Form9C = 88;
}  // namespace sendTo

// Asset detail cells.
namespace realty {
inline constexpr int ParcelNumber = 59;
inline constexpr int CityStateZip = 60;
inline constexpr int HouseNumber = 61;
inline constexpr int StreetName = 62;
inline constexpr int Volume = 63;
inline constexpr int Page = 64;
inline constexpr int LotNumber = 65;
inline constexpr int Subdivision = 66;
inline constexpr int Frontage = 67;
inline constexpr int Depth = 68;
inline constexpr int Sublot = 69;
inline constexpr int Acreage = 70;
}  // namespace realty

namespace vehicle {
inline constexpr int Year = 71;
inline constexpr int SerialNumber = 72;
inline constexpr int Make = 73;
inline constexpr int BodyType = 74;
inline constexpr int Model = 75;
inline constexpr int TitleNumber = 76;
inline constexpr int Manufacturer = 89;
inline constexpr int Length = 90;
inline constexpr int Horsepower = 91;
}  // namespace vehicle

namespace stock {
inline constexpr int Shares = 77;
inline constexpr int ShareClass = 78;
inline constexpr int Corporation = 79;
inline constexpr int Certificate = 80;
}  // namespace stock

// The five cells of a confidential personal identifier, in the asset and in
// the expense worksheet.
struct IdentifierCells {
    int filingDate, formNumber, institution, abbreviation, completeIdentifier;
};
inline constexpr IdentifierCells AssetIdentifier{81, 82, 83, 84, 85};
inline constexpr IdentifierCells ExpenseIdentifier{16, 17, 18, 19, 20};
inline constexpr int ExpenseIdentifiersSendTo = 10;

}  // namespace wm4::transfer
