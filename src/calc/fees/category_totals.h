#pragma once
// The category totals CalcTtls keeps: the values of the asset rows sent to
// Forms 3.0, 4.0 and 5.10 and to the two fee computations, summed by the
// category chosen for each form. Recomputed in every calculation run (stage
// 2); read by the page units of those forms and by the fee pages.
#include <array>

#include "calc/checks/category_names.h"

namespace wm4 {

struct CategoryTotals {
    // Indexed like Form3_0Categories: readily ascertainable value, real
    // estate, personal property without ascertainable value.
    std::array<double, Form3_0Categories.size()> form3_0{};
    // Indexed like Form4_0Categories: personal property, annual realty
    // rentals, real property.
    std::array<double, Form4_0Categories.size()> form4_0{};
    // Every row sent to Form 5.10, whatever its category.
    double form5_10 = 0;
    // E1 ... E5, indexed like ExecutorFeeCategories.
    std::array<double, ExecutorFeeCategories.size()> executorFee{};
    // A1 ... A6, indexed like AttorneyFeeCategories.
    std::array<double, AttorneyFeeCategories.size()> attorneyFee{};
};

}  // namespace wm4
