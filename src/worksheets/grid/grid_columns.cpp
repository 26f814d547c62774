#include "worksheets/grid/grid_columns.h"

#include <array>

#include "case/worksheet_columns.h"

namespace wm4 {

namespace {

constexpr Qt::Alignment Left = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment Right = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment Centre = Qt::AlignCenter;

// c = width / 7 - 5.
constexpr std::array AssetColumnsShown = {
    GridColumn{assetColumn::Description, "Description", 1.25, Left, SortKind::Text},
    GridColumn{assetColumn::Value, "Value", 0.75, Right, SortKind::Money},
    GridColumn{assetColumn::SendToSummary, "Send To", 1, Centre, SortKind::Text},
    GridColumn{assetColumn::CategorySummary, "Category", 1, Centre, SortKind::Text},
    GridColumn{assetColumn::RealtySummary, "Realty", 1, Centre, SortKind::Text},
    GridColumn{assetColumn::VehicleSummary, "Vehicle", 1, Centre, SortKind::Text},
    GridColumn{assetColumn::StockSummary, "Stock", 1, Centre, SortKind::Text},
};

// c = width / 7 - 5. After a sort the category headers name their forms and
// Check No gains its period.
constexpr std::array ExpenseColumnsShown = {
    GridColumn{expenseColumn::Description, "Description", 1.8, Left, SortKind::Text},
    GridColumn{expenseColumn::Amount, "Amount", 0.6, Right, SortKind::Money},
    GridColumn{expenseColumn::CheckNumber, "Check No", 0.6, Centre, SortKind::Text, nullptr,
               "Check No. "},
    GridColumn{expenseColumn::NatureOfDebt, "Nature of Debt", 1, Centre, SortKind::Text},
    GridColumn{expenseColumn::SendToSummary, "Send to ...", 1, Centre, SortKind::Text},
    GridColumn{expenseColumn::Category13_0, "13.0 Category", 1, Left, SortKind::Text,
               "Form 13 Category"},
    GridColumn{expenseColumn::Category24_4, "24 Category", 1, Centre, SortKind::Text,
               "Form 24 Category"},
};

// e = width / 8 - 10.
constexpr std::array KinColumnsShown = {
    GridColumn{kinColumn::Name, "Name", 1.2, Left, SortKind::Text},
    GridColumn{kinColumn::Street, "Street Address", 1.3, Left, SortKind::Text},
    GridColumn{kinColumn::CityStateZip, "City, State ZIP", 1.4, Left, SortKind::Text},
    GridColumn{kinColumn::Relationship, "Relationship", 0.8, Centre, SortKind::Text},
    GridColumn{kinColumn::BirthDate, "Birthdate", 0.7, Centre, SortKind::KinDate},
    GridColumn{kinColumn::Gender, "Gender", 0.5, Centre, SortKind::Text},
    GridColumn{kinColumn::SocialSecurity, "Soc Sec No", 0.8, Centre, SortKind::Text},
    GridColumn{kinColumn::SendToSummary, "Send To ...", 1.4, Centre, SortKind::Text},
};

// b = width / 4; the unit is b - 10: Date, Time Spent and Hourly Rate are
// half a unit, Description two and a half.
constexpr std::array TimeColumnsShown = {
    GridColumn{timeColumn::Date, "Date", 0.5, Centre, SortKind::TimeDate},
    GridColumn{timeColumn::Description, "Description", 2.5, Left, SortKind::Text},
    GridColumn{timeColumn::Hours, "Time Spent", 0.5, Centre, SortKind::Number},
    GridColumn{timeColumn::Rate, "Hourly Rate", 0.5, Right, SortKind::Money},
};

}  // namespace

const GridLayout AssetGrid{7, 5, AssetColumnsShown};
const GridLayout ExpenseGrid{7, 5, ExpenseColumnsShown};
const GridLayout KinGrid{8, 10, KinColumnsShown};
const GridLayout TimeGrid{4, 10, TimeColumnsShown};

}  // namespace wm4
