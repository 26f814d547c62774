#pragma once
// The confidential personal identifier cells the identifier sheets read, in
// the asset and in the expense worksheet.
#include "case/worksheet_columns.h"

namespace wm4::transfer {

// The five cells of a confidential personal identifier.
struct IdentifierCells {
    int filingDate, formNumber, institution, abbreviation, completeIdentifier;
};
inline constexpr IdentifierCells AssetIdentifier{
    assetColumn::IdentifierFilingDate, assetColumn::IdentifierFormNumber,
    assetColumn::IdentifierInstitution, assetColumn::IdentifierAbbreviation,
    assetColumn::IdentifierComplete};
inline constexpr IdentifierCells ExpenseIdentifier{
    expenseColumn::IdentifierFilingDate, expenseColumn::IdentifierFormNumber,
    expenseColumn::IdentifierInstitution, expenseColumn::IdentifierAbbreviation,
    expenseColumn::IdentifierComplete};

}  // namespace wm4::transfer
