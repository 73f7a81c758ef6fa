#pragma once

#include "parktable.h"

#include <optional>
#include <vector>

namespace vendrix::parktable {

// The League average of a column: the mean over the parks whose value can be real, and how many
// parks that is. No mean for the Year column, nor for a column where no park's value can be real.
struct LeagueAverage {
    std::optional<double> mean;
    int parks = 0;
};

// Where each park stands in the number columns (year, fence distances and heights, factors): the
// league's mean and the rank of a value. Every park with a number is ranked, nonsense included; the
// mean leaves out the values that cannot be real (CellPlausibility). A cell that holds no number
// counts for nothing.
class ParkColumnStats {
public:
    ParkColumnStats() = default;
    explicit ParkColumnStats(const ParkTable& table);

    static bool isNumberColumn(int column) { return column >= col::year && column < col::firstAttribute; }
    // The number a park cell holds, if it holds one.
    static std::optional<int> number(const ParkTable& table, int row, int column);

    // How many parks hold a number in the column.
    int count(int column) const;
    // How many parks the mean takes in: those whose value can be real.
    int averagedCount(int column) const;
    // The mean over the parks whose value can be real; nothing when there are none (a season
    // without parks).
    std::optional<double> mean(int column) const;
    // What the League average row shows: the mean and its count, none for the year.
    LeagueAverage leagueAverage(int column) const;
    // 1 for the highest value; parks of equal value share a rank.
    int rankFromTop(int column, int value) const;

private:
    // Per number column, its values from the highest down.
    std::vector<std::vector<int>> descending_;
    std::vector<double> sums_;  // of the plausible values
    std::vector<int> averaged_; // how many plausible values
};

} // namespace vendrix::parktable
