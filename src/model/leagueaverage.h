#pragma once

#include "columns.h"
#include "season.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace vendrix::model {

// The League average of one column: the mean of the values that can be real, over the parks that
// hold one, and how many parks that is of how many. Columns that are not averaged (the year, texts,
// words) have none. Every view and output shows this one mean: the window's row and tooltips, the
// JSON's league_average, the page's row, the diagrams' average outline.
class LeagueAverage {
public:
    LeagueAverage() = default;
    LeagueAverage(std::int64_t sum, int taken, int parks) : sum_(sum), taken_(taken), parks_(parks) {}

    bool exists() const { return taken_ > 0; }
    // How many parks the mean takes in, and how many parks the season has.
    int taken() const { return taken_; }
    int parks() const { return parks_; }
    int leftOut() const { return parks_ - taken_; }

    double mean() const { return taken_ == 0 ? 0.0 : static_cast<double>(sum_) / taken_; }
    // The mean in tenths, rounded half away from zero, exactly: 1004 for 100.4.
    std::int64_t tenths() const { return rounded(10); }
    // The mean rounded to a whole number, half away from zero.
    int whole() const { return static_cast<int>(rounded(1)); }
    // The mean as shown: "100.4", "-0.5".
    std::string text() const;
    // Over how many parks, for a tooltip: "mean over all 30 parks", "mean over 29 of 30 parks; 1 left
    // out, as its value cannot be real".
    std::string note() const;

private:
    std::int64_t rounded(std::int64_t scale) const;

    std::int64_t sum_ = 0;
    int taken_ = 0;
    int parks_ = 0;
};

// The League averages of every column of a season.
class LeagueAverages {
public:
    LeagueAverages() = default;
    explicit LeagueAverages(const Season& season);

    // A view's column (viewcolumns.h) has no average.
    const LeagueAverage& of(int column) const {
        return column < kColumnCount ? averages_[static_cast<std::size_t>(column)] : none_;
    }

private:
    std::array<LeagueAverage, kColumnCount> averages_{};
    LeagueAverage none_{};
};

// "12.3" from tenths.
std::string tenthsText(std::int64_t tenths);

} // namespace vendrix::model
