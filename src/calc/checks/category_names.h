#pragma once
// The category names of the forms whose totals CalcTtls keeps, and the one
// routine that matches a category cell against such a list.
#include <QString>
#include <QtGlobal>
#include <array>
#include <span>

namespace wm4 {

// Form 3.0 (assetColumn::Category3_0), in total order.
inline constexpr std::array<const char*, 3> Form3_0Categories = {
    "Readily Ascertainable Value", "Real Estate", "Personal Property Without Ascertainable Value"};

// Form 4.0 (assetColumn::Category4_0).
inline constexpr std::array<const char*, 3> Form4_0Categories = {
    "Personal Property", "Annual Realty Rentals", "Real Property"};

// The executor's fee computation (assetColumn::CategoryExecutorFee): E1 ... E5.
inline constexpr std::array<const char*, 5> ExecutorFeeCategories = {
    "Personal Property", "Gross Realty Proceeds", "Income Received", "Real Estate Not Sold",
    "Non probate and non joint"};

// The attorney's fee computation (assetColumn::CategoryAttorneyFee): A1 ... A6.
inline constexpr std::array<const char*, 6> AttorneyFeeCategories = {
    "Personal Property",    "Gross Realty Proceeds",    "Income Received",
    "Real Estate Not Sold", "Other - 706 Not Required", "Other - 706 Required"};

// The index of the name the cell holds (case ignored), or -1.
int categoryIndex(const QString& cell, std::span<const char* const> names);

}  // namespace wm4
