#include "worksheets/grid/row_sort.h"

#include <algorithm>
#include <numeric>
#include <optional>

#include "case/conversions.h"

namespace wm4 {

namespace {

// One row's sort key. Text keys compare the cell itself; the others a number
// with a rank that puts "no value" rows (rank 0) before every value.
struct Key {
    int rank = 1;
    double number = 0;
};

Key keyOf(const QString& cell, SortKind kind) {
    switch (kind) {
        case SortKind::Text:
            return {};
        case SortKind::Money:
            return {1, Str2Float_2(cell)};
        case SortKind::Number: {
            bool ok = false;
            const double value = cell.trimmed().toDouble(&ok);
            return {1, ok ? value : 0};
        }
        case SortKind::KinDate: {
            // Empty and unreadable birth dates compare earlier than every date
            // and among themselves keep their row order.
            const std::optional<QDate> date = ParseShortDate(ShortDateText(cell.trimmed()));
            if (!date) return {0, 0};
            return {1, double(date->toJulianDay())};
        }
        case SortKind::TimeDate:
            // Empty dates sort as the empty text: first.
            if (cell.isEmpty()) return {0, 0};
            return {1, double(Str2Date(cell).toJulianDay())};
    }
    return {};
}

}  // namespace

void SortRows(std::vector<QStringList>& rows, int column, SortKind kind, SortDirection direction) {
    if (rows.size() < 2) return;
    std::vector<Key> keys(rows.size());
    if (kind != SortKind::Text)
        for (size_t r = 0; r < rows.size(); ++r) keys[r] = keyOf(rows[r].at(column), kind);

    // less(a, b): row a belongs above row b in ascending order.
    auto less = [&](size_t a, size_t b) {
        if (kind == SortKind::Text) return rows[a].at(column) < rows[b].at(column);
        if (keys[a].rank != keys[b].rank) return keys[a].rank < keys[b].rank;
        return keys[a].number < keys[b].number;
    };
    std::vector<size_t> order(rows.size());
    std::iota(order.begin(), order.end(), size_t(0));
    if (direction == SortDirection::Ascending)
        std::stable_sort(order.begin(), order.end(), less);
    else
        std::stable_sort(order.begin(), order.end(),
                         [&](size_t a, size_t b) { return less(b, a); });

    std::vector<QStringList> sorted;
    sorted.reserve(rows.size());
    for (size_t r : order) sorted.push_back(std::move(rows[r]));
    rows = std::move(sorted);
}

}  // namespace wm4
