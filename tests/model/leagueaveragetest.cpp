#include "model/columnranks.h"
#include "model/leagueaverage.h"
#include "seasonmaker.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vendrix::model {
namespace {

// A season whose parks differ only in one column's value.
Season seasonWith(int column, const std::vector<int>& values) {
    std::vector<season::ParkRecord> parks;
    for (const int value : values) {
        season::ParkRecord park = test::parkRecord("Park " + std::to_string(parks.size() + 1));
        if (column == col::year)
            park.seasonYear = static_cast<std::int16_t>(value);
        else if (column < col::firstFenceHeight)
            park.fenceDistance[static_cast<std::size_t>(column - col::firstFenceDistance)] = static_cast<std::int16_t>(value);
        else if (column < col::firstFactorLHB)
            park.fenceHeight[static_cast<std::size_t>(column - col::firstFenceHeight)] = static_cast<std::uint8_t>(value);
        else
            park.factorsLHB[static_cast<std::size_t>(column - col::firstFactorLHB)] = static_cast<std::int16_t>(value);
        parks.push_back(park);
    }
    return test::seasonOf(parks);
}

// Values that cannot be real are named, left out of the League average (which says how many parks it
// takes in, rounded half away from zero) and ranked nowhere.
TEST(LeagueAverage, TakesInOnlyWhatCanBeRealAndSaysOverHowManyParks) {
    struct Case {
        int column;
        std::vector<int> values;
        std::vector<std::string> reasons; // per value, empty when it can be real
        std::string average;              // as shown; empty for none
        std::string note;
    };
    const int cf = col::firstFenceDistance + 3;
    const int wall = col::firstFenceHeight;
    const int hr = col::firstFactorLHB + 3;
    const std::vector<Case> cases{
        {cf,
         {400, 0, 1000, -1, 32767, 1, 999},
         {"", "A fence distance of 0 ft is outside 1 to 999 ft", "A fence distance of 1000 ft is outside 1 to 999 ft",
          "A fence distance of -1 ft is outside 1 to 999 ft", "A fence distance of 32767 ft is outside 1 to 999 ft",
          "", ""},
         "466.7",
         "mean over 3 of 7 parks; 4 left out, as their values cannot be real"},
        {wall,
         {0, 100, 101, 255},
         {"", "", "A wall of 101 ft is higher than 100 ft", "A wall of 255 ft is higher than 100 ft"},
         "50.0",
         "mean over 2 of 4 parks; 2 left out, as their values cannot be real"},
        {hr, {0, 1, 120}, {"A park factor of 0 is not above 0", "", ""}, "60.5",
         "mean over 2 of 3 parks; 1 left out, as its value cannot be real"},
        {hr, {105, 106}, {"", ""}, "105.5", "mean over all 2 parks"},
        {hr, {-5}, {"A park factor of -5 is not above 0"}, "", ""},
        {col::year, {2031, 2030}, {"", ""}, "", ""},
    };
    for (const Case& c : cases) {
        const Season season = seasonWith(c.column, c.values);
        const LeagueAverages averages(season);
        const LeagueAverage& average = averages.of(c.column);
        EXPECT_EQ(average.text(), c.average) << c.column;
        EXPECT_EQ(average.note(), c.note) << c.column;
        const ColumnRanks ranks(season);
        for (std::size_t i = 0; i < c.values.size(); ++i) {
            EXPECT_EQ(column(c.column).whyNotReal(c.values[i]), c.reasons[i]) << c.column << " " << c.values[i];
            EXPECT_EQ(ranks.rankFromTop(c.column, c.values[i]) == 0, !c.reasons[i].empty()) << c.values[i];
        }
    }
}

TEST(LeagueAverage, RoundsTenthsHalfAwayFromZeroExactly) {
    // 0.05 and -0.05 are not exact in floating point; the sums are.
    EXPECT_EQ(LeagueAverage(1, 20, 20).text(), "0.1");
    EXPECT_EQ(LeagueAverage(-1, 20, 20).text(), "-0.1");
    EXPECT_EQ(LeagueAverage(6601, 20, 20).text(), "330.1");
    EXPECT_EQ(LeagueAverage(6603, 20, 20).text(), "330.2");
    EXPECT_EQ(LeagueAverage(6603, 20, 20).whole(), 330);
    EXPECT_EQ(LeagueAverage(6610, 20, 20).whole(), 331);
}

TEST(ColumnRanks, RankAmongRealValuesWithTheirNote) {
    const int hr = col::firstFactorLHB + 3;
    const Season season = seasonWith(hr, {112, 0, 98, 112, 130});
    const ColumnRanks ranks(season);
    const LeagueAverages averages(season);
    EXPECT_EQ(valueNote(season.parkAtRow(1), hr, ranks, averages), "HR, LHB: 112 (12 above neutral), 2nd highest of 4 parks; league mean 113.0");
    EXPECT_EQ(valueNote(season.parkAtRow(2), hr, ranks, averages),
              "A park factor of 0 is not above 0; left out of the League average and the ranks");
    EXPECT_EQ(valueNote(season.parkAtRow(3), hr, ranks, averages),
              "HR, LHB: 98 (2 below neutral), 4th highest of 4 parks; league mean 113.0");
    EXPECT_EQ(valueNote(season.parkAtRow(5), hr, ranks, averages), "HR, LHB: 130 (30 above neutral), 1st highest of 4 parks; league mean 113.0");
    EXPECT_EQ(valueNote(season.parkAtRow(1), col::parkName, ranks, averages), "");
}

} // namespace
} // namespace vendrix::model
