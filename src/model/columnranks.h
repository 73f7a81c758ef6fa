#pragma once

#include "columns.h"
#include "leagueaverage.h"
#include "season.h"

#include <array>
#include <string>
#include <vector>

namespace vendrix::model {

// Where each park stands in the number columns: the rank of a value among the values that can be
// real (values that cannot are ranked nowhere, as they are averaged nowhere).
class ColumnRanks {
public:
    ColumnRanks() = default;
    explicit ColumnRanks(const Season& season);

    // How many parks are ranked in the column.
    int ranked(int column) const {
        return static_cast<int>(descending_[static_cast<std::size_t>(column)].size());
    }
    // 1 for the highest value; parks of equal value share a rank; 0 for a value that is not ranked.
    int rankFromTop(int column, int value) const;

private:
    std::array<std::vector<int>, kColumnCount> descending_;
};

// "1st", "22nd", "113th".
std::string ordinal(int n);

// What a number cell's tooltip says of it: where it stands, and for a park factor how far from the
// neutral 100 it is, as its colour shows ("HR, LHB: 112 (12 above neutral), 3rd highest of 30 parks;
// league mean 100.4"), or, for a value that cannot be real, why ("A fence distance of 1200 ft is
// outside 1 to 999 ft; left out of the League average and the ranks"). Empty for the other columns.
std::string valueNote(const Park& park, int column, const ColumnRanks& ranks, const LeagueAverages& averages);

} // namespace vendrix::model
