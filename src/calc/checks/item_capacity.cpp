#include "calc/checks/item_capacity.h"

#include "case/worksheet_columns.h"
#include "messages/report.h"

namespace wm4 {
namespace {

using enum ItemOverflow;

constexpr ItemCapacity kCapacities[] = {
    {34, "7.1, property for the family allowance", Grid::Asset, assetColumn::ToForm7_1, nullptr, 5,
     30189, EndsPage},
    {36, "7.2 back, apportionment to others", Grid::Asset, assetColumn::ToForm7_2, "Others", 6,
     30209, EndsPage},
    {58, "12.1 back, persons entitled", Grid::Kin, -1, nullptr, 15, 30279, EndsPage},
    {72, "5.10 front, motor vehicles", Grid::Asset, assetColumn::ToForm5_10, "Motor Vehicle", 2,
     30019, ListStops},
    {73, "5.10 back, accounts", Grid::Asset, assetColumn::ToForm5_10, "Accounts", 2, 30029,
     EndsPage},
    {73, "5.10 back, stocks and bonds", Grid::Asset, assetColumn::ToForm5_10, "Stocks & Bonds", 2,
     30039, EndsPage},
    {73, "5.10 back, other assets", Grid::Asset, assetColumn::ToForm5_10, "Other", 2, 30049,
     EndsPage},
};

}  // namespace

std::span<const ItemCapacity> ItemCapacities() {
    return kCapacities;
}

const ItemCapacity* itemCapacity(quint16 errNo) {
    for (const ItemCapacity& capacity : kCapacities)
        if (capacity.errNo == errNo) return &capacity;
    return nullptr;
}

bool ItemFits(const ItemCapacity& capacity, int index) {
    if (index < capacity.limit) return true;
    if (index == capacity.limit) ReportError(capacity.errNo);
    return false;
}

}  // namespace wm4
