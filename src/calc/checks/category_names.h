#pragma once
// The category names of the forms whose totals CalcTtls keeps, and the one
// routine that matches a category cell against such a list. The names are
// the category lists' own items (case/worksheet_lists.h) after their "not
// used" first item, in total order.
#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <span>

#include "case/worksheet_lists.h"

namespace wm4 {

// Form 3.0 (assetColumn::Category3_0): readily ascertainable value, real
// estate, personal property without ascertainable value.
inline constexpr auto Form3_0Categories = std::span(categoryItems::Form3_0).subspan<1>();

// Form 4.0 (assetColumn::Category4_0): personal property, annual realty
// rentals, real property.
inline constexpr auto Form4_0Categories = std::span(categoryItems::Form4_0).subspan<1>();

// The executor's fee computation (assetColumn::CategoryExecutorFee): E1 ... E5.
inline constexpr auto ExecutorFeeCategories = std::span(categoryItems::ExecutorFee).subspan<1>();

// The attorney's fee computation (assetColumn::CategoryAttorneyFee): A1 ... A6.
inline constexpr auto AttorneyFeeCategories = std::span(categoryItems::AttorneyFee).subspan<1>();

// The index of the name the cell holds (case ignored), or -1.
int categoryIndex(const QString& cell, std::span<const QStringView> names);

}  // namespace wm4
