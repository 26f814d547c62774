#include "calc/fees/calc_ttls.h"

#include "calc/checks/category_names.h"
#include "calc/checks/worksheet_marks.h"
#include "case/conversions.h"
#include "case/worksheet_columns.h"
#include "messages/report.h"

namespace wm4 {
namespace {

using A = TAnswer;

namespace col = assetColumn;

// Per-asset forms: one copy per asset row marked in the column.
struct AssetCount {
    int A::*counter;
    int column;
};
constexpr AssetCount kAssetCounts[] = {
    {&A::NoOf9_C, col::ToForm9_C},         {&A::NoOf12, col::ToForm12_0},
    {&A::NoOf3774, col::ToBmv3774},        {&A::NoOfSSA_JS, col::ToSpouseAffidavit},
    {&A::NoOfStockPOA, col::ToStockPower},
};

// A totalled form whose category must be one of its names.
struct CheckedTotal {
    int sendColumn;
    int categoryColumn;
    std::span<const QStringView> names;
    quint16 errNo;
};

}  // namespace

bool CalcTtls(CalcContext& ctx) {
    const WorksheetStore& assets = ctx.data.ASchedList;
    A& a = ctx.A();
    CategoryTotals& t = ctx.totals;
    t = CategoryTotals{};
    for (const AssetCount& count : kAssetCounts) a.*(count.counter) = 0;

    const CheckedTotal form3_0{col::ToForm3_0, col::Category3_0, Form3_0Categories, 16010};
    const CheckedTotal form4_0{col::ToForm4_0, col::Category4_0, Form4_0Categories, 16020};
    const CheckedTotal executor{col::ToExecutorFee, col::CategoryExecutorFee, ExecutorFeeCategories,
                                16110};

    for (int row = 0; row < assets.rowCount(); ++row) {
        const ScopedReportPlace place(ReportPlace::worksheetRow(1, row));  // the asset worksheet
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
        if (isMarked(assets, col::ToForm5_10, row)) t.form5_10 += value();
        for (const AssetCount& count : kAssetCounts)
            if (isMarked(assets, count.column, row)) ++(a.*(count.counter));
        if (!addChecked(executor, t.executorFee.data())) return false;
        if (isMarked(assets, col::ToAttorneyFee, row)) {
            // A category the attorney's computation does not know adds nothing.
            const int index =
                categoryIndex(assets.cell(col::CategoryAttorneyFee, row), AttorneyFeeCategories);
            if (index >= 0) t.attorneyFee[size_t(index)] += value();
        }
    }
    return true;
}

}  // namespace wm4
