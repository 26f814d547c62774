#include "calc/checks/line_capacity.h"

#include "case/worksheet_columns.h"
#include "messages/report.h"

namespace wm4 {
namespace {

constexpr const char* Arial = "Arial";
constexpr const char* Narrow = "Arial Narrow";
using enum LineOverflow;

constexpr LineCapacity kCapacities[] = {
    {10, "3.0 back, assets with readily ascertainable value", Grid::Asset, assetColumn::ToForm3_0,
     "Readily Ascertainable Value", Arial, 11, 6.75, 13, 29299, KeepWhole},
    {10, "3.0 back, real estate", Grid::Asset, assetColumn::ToForm3_0, "Real Estate", Arial, 11,
     6.75, 13, 29309, KeepWhole},
    {10, "3.0 back, personal property without ascertainable value", Grid::Asset,
     assetColumn::ToForm3_0, "Personal Property Without Ascertainable Value", Arial, 11, 6.75, 13,
     29319, KeepWhole},
    {20, "5.1 front, other assets", Grid::Asset, assetColumn::ToForm5_1, "Other", Narrow, 11, 5.79,
     22, 29170, EndsPage},
    {21, "5.1 back, debts", Grid::Expense, expenseColumn::ToForm5_1, nullptr, Narrow, 11, 2.89, 30,
     29190, EndsPage},
    {26, "5.6 front, personal property to be sold", Grid::Asset, assetColumn::ToForm5_6,
     "Personalty to be sold", Narrow, 11, 6.75, 2, 29200, EndsRow},
    {26, "5.6 front, accounts to be released", Grid::Asset, assetColumn::ToForm5_6,
     "Accounts to be released", Narrow, 11, 6.75, 3, 29210, EndsRow},
    {26, "5.6 front, debts to be paid", Grid::Expense, expenseColumn::ToForm5_6, nullptr, Narrow,
     11, 6.75, 2, 29220, EndsRow},
    {27, "5.6 back, remainder to be distributed", Grid::Asset, assetColumn::ToForm5_6,
     "Remainder to be distributed", Narrow, 11, 2.75, 32, 29230, EndsPage},
    {41, "9.0 back, property to be sold", Grid::Asset, assetColumn::ToForm9_0, nullptr, Narrow, 11,
     3.9, 20, 29250, EndsPage},
    {47, "10.0 back, property distributed in kind", Grid::Asset, assetColumn::ToForm10_0, nullptr,
     Narrow, 11, 2.8, 12, 29260, EndsPage},
    {54, "11.0 back, legal description", Grid::Asset, assetColumn::ToForm11_0, nullptr, Narrow, 11,
     7.0, 41, 29270, EndsPage},
    {58, "12.1 back, legal description", Grid::Asset, assetColumn::ToForm12_0, nullptr, Narrow, 10,
     7.09, 32, 29280, EndsPage},
    {75, "5.9 report of distribution", Grid::Asset, assetColumn::ToForm5_9, nullptr, Narrow, 11,
     2.4, 24, 30379, EndsPage},
};

}  // namespace

std::span<const LineCapacity> LineCapacities() {
    return kCapacities;
}

const LineCapacity* lineCapacity(quint16 errNo) {
    for (const LineCapacity& capacity : kCapacities)
        if (capacity.errNo == errNo) return &capacity;
    return nullptr;
}

LinePlacement PlaceLines(const LineCapacity& capacity, int used, int wanted) {
    LinePlacement placement;
    const int room = qMax(0, capacity.lines - used);
    if (wanted <= room) {
        placement.lines = wanted;
        return placement;
    }
    ReportError(capacity.errNo);
    placement.overflow = true;
    switch (capacity.after) {
        case KeepWhole:
            placement.lines = wanted;
            break;
        case EndsPage:
            placement.lines = room;
            placement.endsPage = true;
            break;
        case EndsRow:
            placement.lines = room;
            break;
    }
    return placement;
}

}  // namespace wm4
