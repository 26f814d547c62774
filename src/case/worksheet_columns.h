#pragma once
// The columns of the four worksheet stores: the one place every reader takes
// a column number from. The numbers are the stored layout of the client file,
// so they never change.
//
// Conventions of the cells:
//  - a flag ("To..." send-to columns and the other marks) counts only when it
//    holds exactly "X"; empty otherwise;
//  - money cells hold the money form "$1,234.56" or nothing;
//  - a category cell holds the text of the item picked in the form's list,
//    compared without regard to case;
//  - a summary cell is derived text the worksheet shows in its grid; no form
//    reads it.
// Column 0 of the asset, expense and kin stores carries no field.

namespace wm4 {

// The asset worksheet (100 columns).
namespace assetColumn {
inline constexpr int Description = 1;  // multi-line: "|" separates the lines
inline constexpr int Value = 2;        // money "$"
inline constexpr int Appraised = 3;    // flag "X"; a new row holds "0" until first saved
inline constexpr int VoucherNumber = 4;
inline constexpr int Distributees = 5;  // kin names joined by ", "
inline constexpr int PublicPrivate = 6;
inline constexpr int FixedBest = 7;
inline constexpr int CashTerms = 8;
inline constexpr int DistributionDate = 9;    // free text
inline constexpr int SendToSummary = 10;      // summary
inline constexpr int CategorySummary = 11;    // summary
inline constexpr int RealtySummary = 12;      // summary
inline constexpr int VehicleSummary = 13;     // summary
inline constexpr int StockSummary = 14;       // summary
inline constexpr int IdentifierSummary = 15;  // summary
// Send-to flags "X".
inline constexpr int ToForm3_0 = 16;
inline constexpr int ToForm4_0 = 17;
inline constexpr int ToForm5_1 = 18;
inline constexpr int ToForm5_6 = 19;
inline constexpr int ToForm5_9 = 20;
inline constexpr int ToForm5_10 = 21;
inline constexpr int ToForm6_0 = 22;
inline constexpr int ToForm7_1 = 23;
inline constexpr int ToForm7_2 = 24;
inline constexpr int ToForm9_0 = 25;
inline constexpr int ToForm10_0 = 26;
inline constexpr int ToForm11_0 = 27;
inline constexpr int ToForm12_0 = 28;  // also the tax forms DTE 100 and DTE 100EX
inline constexpr int ToForm13_0 = 29;
inline constexpr int ToForm13_2 = 30;
inline constexpr int ToSpouseAffidavit = 31;  // surviving spouse's affidavit for real estate
inline constexpr int ToBmv3773 = 32;
inline constexpr int ToBmv3774 = 33;
inline constexpr int ToStockPower = 34;
inline constexpr int ToExecutorFee = 35;
inline constexpr int ToIdentifiers = 36;  // confidential personal identifiers
inline constexpr int ToCommissionersReport = 37;
inline constexpr int ToScheduleA = 38;
inline constexpr int ToScheduleB = 39;
inline constexpr int ToScheduleC = 40;
inline constexpr int ToScheduleD = 41;
inline constexpr int ToScheduleE1 = 42;
inline constexpr int ToScheduleE2 = 43;
inline constexpr int ToScheduleF = 44;
inline constexpr int ToScheduleG = 45;
inline constexpr int ToScheduleH = 46;
inline constexpr int ToScheduleI = 47;
// Categories, one per form. A new row holds "0" in 48 ... 57 until first
// saved; neither "0" nor empty is an item text.
inline constexpr int Category3_0 = 48;
inline constexpr int Category4_0 = 49;
inline constexpr int Category5_1 = 50;
inline constexpr int Category5_6 = 51;
inline constexpr int Category5_10 = 52;
inline constexpr int Category6_0 = 53;  // Forms 6.0 and 6.1
inline constexpr int Category7_1 = 54;
inline constexpr int Category7_2 = 55;
inline constexpr int Category13_0 = 56;  // Forms 13.0 and 13.1
inline constexpr int Category13_2 = 57;
inline constexpr int CategoryExecutorFee = 58;
// Realty details (free text, as typed).
inline constexpr int RealtyParcelNumber = 59;
inline constexpr int RealtyCityStateZip = 60;
inline constexpr int RealtyHouseNumber = 61;
inline constexpr int RealtyStreetName = 62;
inline constexpr int RealtyVolume = 63;
inline constexpr int RealtyPage = 64;
inline constexpr int RealtyLotNumber = 65;
inline constexpr int RealtySubdivision = 66;
inline constexpr int RealtyFrontage = 67;
inline constexpr int RealtyDepth = 68;
inline constexpr int RealtySublot = 69;
inline constexpr int RealtyAcreage = 70;
// Vehicle details (more follow at 89 ... 91).
inline constexpr int VehicleYear = 71;
inline constexpr int VehicleSerialNumber = 72;
inline constexpr int VehicleMake = 73;
inline constexpr int VehicleBodyType = 74;
inline constexpr int VehicleModel = 75;
inline constexpr int VehicleTitleNumber = 76;
// Stock details.
inline constexpr int StockShares = 77;
inline constexpr int StockShareClass = 78;
inline constexpr int StockCorporation = 79;
inline constexpr int StockCertificate = 80;
// Confidential personal identifier.
inline constexpr int IdentifierFilingDate = 81;
inline constexpr int IdentifierFormNumber = 82;
inline constexpr int IdentifierInstitution = 83;
inline constexpr int IdentifierAbbreviation = 84;
inline constexpr int IdentifierComplete = 85;
// Columns added after the first layout.
inline constexpr int ToAttorneyFee = 86;        // flag "X"
inline constexpr int CategoryAttorneyFee = 87;  // category
inline constexpr int ToForm9_C = 88;            // flag "X"
inline constexpr int VehicleManufacturer = 89;
inline constexpr int VehicleLength = 90;
inline constexpr int VehicleHorsepower = 91;
inline constexpr int ToNewlyDiscovered = 92;  // flag "X"; 93 ... 99 carry no field
}  // namespace assetColumn

// The expense worksheet (26 columns).
namespace expenseColumn {
inline constexpr int Description = 1;  // multi-line: "|" separates the lines
inline constexpr int Amount = 2;       // money "$"
inline constexpr int CheckNumber = 3;  // voucher or check number
inline constexpr int NatureOfDebt = 4;
inline constexpr int SendToSummary = 5;  // summary
inline constexpr int Category13_0 = 6;   // category, Forms 13.0 and 13.1
// Send-to flags "X".
inline constexpr int ToForm5_1 = 7;
inline constexpr int ToForm5_6 = 8;
inline constexpr int ToForm13_0 = 9;
inline constexpr int ToIdentifiers = 10;  // confidential personal identifiers
inline constexpr int ToCommissionersReport = 11;
inline constexpr int ToScheduleJ = 12;
inline constexpr int ToScheduleK = 13;
inline constexpr int ToScheduleM1 = 14;
inline constexpr int ToScheduleM2 = 15;
// Confidential personal identifier.
inline constexpr int IdentifierFilingDate = 16;
inline constexpr int IdentifierFormNumber = 17;
inline constexpr int IdentifierInstitution = 18;
inline constexpr int IdentifierAbbreviation = 19;
inline constexpr int IdentifierComplete = 20;
inline constexpr int ToForm24_4 = 21;         // flag "X"
inline constexpr int Category24_4 = 22;       // category: the priority class of the claim
inline constexpr int EstimatedPayment = 23;   // as typed; readers convert it
inline constexpr int ClaimRejected = 24;      // flag "X"
inline constexpr int InterestedPersons = 25;  // Form 24.2: kin names joined by ", "
}  // namespace expenseColumn

// The kin worksheet (48 columns).
namespace kinColumn {
inline constexpr int Name = 1;
inline constexpr int Street = 2;
inline constexpr int CityStateZip = 3;
inline constexpr int Relationship = 4;
inline constexpr int BirthDate = 5;
inline constexpr int Gender = 6;  // "M" or "F"
inline constexpr int SocialSecurity = 7;
inline constexpr int Unused = 8;         // no field (the kin printout still prints it)
inline constexpr int SendToSummary = 9;  // summary
// Send-to flags "X" (13 and 14 carry no field).
inline constexpr int ToForm1_0Front = 10;
inline constexpr int ToForm1_0Back = 11;
inline constexpr int ToAttorneyFeeApplication = 12;
inline constexpr int ToForm6_4C = 15;
inline constexpr int ToForm24_2 = 16;
inline constexpr int ToForm2_0 = 17;
inline constexpr int ToForm2_1 = 18;
inline constexpr int ToForm2_2 = 19;
inline constexpr int ToForm4_0 = 20;
inline constexpr int ToForm4_3 = 21;
inline constexpr int ToForm4_4 = 22;
inline constexpr int ToForm5_0 = 23;
inline constexpr int ToForm5_9 = 24;
inline constexpr int ToForm5_2 = 25;
inline constexpr int ToForm5_3 = 26;
inline constexpr int ToForm5_6 = 27;
inline constexpr int ToForm6_0 = 28;
inline constexpr int ToForm6_2 = 29;
inline constexpr int ToForm6_3 = 30;
inline constexpr int ToForm7_2 = 31;
inline constexpr int ToForm9_0 = 32;
inline constexpr int ToForm10_0 = 33;
inline constexpr int ToForm10_2 = 34;
inline constexpr int ToForm10_4 = 35;
inline constexpr int ToForm11_0 = 36;
inline constexpr int ToForm13_4 = 37;
inline constexpr int ToForm13_5 = 38;
inline constexpr int ToForm13_7b = 39;
inline constexpr int ToScheduleE2 = 40;
inline constexpr int ToBmv3774 = 41;
inline constexpr int ToWillLetter = 42;
inline constexpr int ToInventoryLetter = 43;
inline constexpr int ToAccountLetter = 44;
inline constexpr int ToAppraiserLetter = 45;
inline constexpr int ToInsuranceLetter = 46;
inline constexpr int Phone = 47;
}  // namespace kinColumn

// The time worksheet (4 columns; column 0 carries a field here).
namespace timeColumn {
inline constexpr int Date = 0;         // as typed
inline constexpr int Description = 1;  // multi-line: "|" separates the lines
inline constexpr int Hours = 2;        // "1,250.00": two decimals, no "$"
inline constexpr int Rate = 3;         // money "$"
}  // namespace timeColumn

}  // namespace wm4
