#pragma once

#include "parktable.h"

#include <optional>
#include <vector>

namespace vendrix::parktable {

// Where each park stands in the number columns (year, fence distances and heights, factors): the
// league's mean and the rank of a value. Values count as stored, nonsense distances included, so
// every park is ranked and averaged; a cell that holds no number counts for nothing.
class ParkColumnStats {
public:
    ParkColumnStats() = default;
    explicit ParkColumnStats(const ParkTable& table);

    static bool isNumberColumn(int column) { return column >= col::year && column < col::firstAttribute; }
    // The number a park cell holds, if it holds one.
    static std::optional<int> number(const ParkTable& table, int row, int column);

    // How many parks hold a number in the column.
    int count(int column) const;
    // The mean over the parks; nothing for a column without numbers (a season without parks).
    std::optional<double> mean(int column) const;
    // 1 for the highest value; parks of equal value share a rank.
    int rankFromTop(int column, int value) const;

private:
    // Per number column, its values from the highest down.
    std::vector<std::vector<int>> descending_;
    std::vector<double> sums_;
};

} // namespace vendrix::parktable
