#include "calc/fees/calc_ttls.h"

#include "calc/checks/category_names.h"
#include "calc/checks/worksheet_marks.h"
#include "case/conversions.h"
#include "messages/report.h"

namespace wm4 {
namespace {

using A = TAnswer;

namespace col {
constexpr int Description = 1;
constexpr int Value = 2;
constexpr int Form3_0 = 16, Form3_0Category = 48;
constexpr int Form4_0 = 17, Form4_0Category = 49;
constexpr int Form5_10 = 21;
constexpr int ExecutorFee = 35, ExecutorFeeCategory = 58;
constexpr int AttorneyFee = 86, AttorneyFeeCategory = 87;
}  // namespace col

// Per-asset forms: one copy per asset row marked in the column.
struct AssetCount {
    int A::*counter;
    int column;
};
constexpr AssetCount kAssetCounts[] = {
    {&A::NoOf9_C, 88},    {&A::NoOf12, 28},       {&A::NoOf3774, 33},
    {&A::NoOfSSA_JS, 31}, {&A::NoOfStockPOA, 34},
};

// A totalled form whose category must be one of its names.
struct CheckedTotal {
    int sendColumn;
    int categoryColumn;
    std::span<const char* const> names;
    quint16 errNo;
};

}  // namespace

bool CalcTtls(CalcContext& ctx) {
    const WorksheetStore& assets = ctx.data.ASchedList;
    A& a = ctx.A();
    CategoryTotals& t = ctx.totals;
    t = CategoryTotals{};
    for (const AssetCount& count : kAssetCounts) a.*(count.counter) = 0;

    const CheckedTotal form3_0{col::Form3_0, col::Form3_0Category, Form3_0Categories, 16010};
    const CheckedTotal form4_0{col::Form4_0, col::Form4_0Category, Form4_0Categories, 16020};
    const CheckedTotal executor{col::ExecutorFee, col::ExecutorFeeCategory, ExecutorFeeCategories,
                                16110};

    for (int row = 0; row < assets.rowCount(); ++row) {
        // Only a row sent somewhere is read, so an unreadable value is
        // reported where it counts, once.
        double valueRead = 0;
        bool haveValue = false;
        auto value = [&] {
            if (!haveValue) valueRead = Str2Float_2(assets.cell(col::Value, row));
            haveValue = true;
            return valueRead;
        };
        // Adds the row to the total of its category; a name the form does
        // not know reports and ends the pass.
        auto addChecked = [&](const CheckedTotal& form, double* totals) {
            if (!isMarked(assets, form.sendColumn, row)) return true;
            const int index = categoryIndex(assets.cell(form.categoryColumn, row), form.names);
            if (index < 0) {
                ReportError(form.errNo, assets.cell(col::Description, row));
                return false;
            }
            totals[index] += value();
            return true;
        };

        if (!addChecked(form3_0, t.form3_0.data())) return false;
        if (!addChecked(form4_0, t.form4_0.data())) return false;
        if (isMarked(assets, col::Form5_10, row)) t.form5_10 += value();
        for (const AssetCount& count : kAssetCounts)
            if (isMarked(assets, count.column, row)) ++(a.*(count.counter));
        if (!addChecked(executor, t.executorFee.data())) return false;
        if (isMarked(assets, col::AttorneyFee, row)) {
            // A category the attorney's computation does not know adds nothing.
            const int index =
                categoryIndex(assets.cell(col::AttorneyFeeCategory, row), AttorneyFeeCategories);
            if (index >= 0) t.attorneyFee[size_t(index)] += value();
        }
    }
    return true;
}

}  // namespace wm4
