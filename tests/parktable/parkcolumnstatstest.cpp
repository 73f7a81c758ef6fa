#include "parktable/parkcolumnstats.h"

#include "parktable/cellplausibility.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vendrix::parktable {
namespace {

// Values that cannot be real are named and left out of the league's mean, which says how many parks
// it takes in; ranks still count every park.
TEST(ParkColumnStats, LeagueAverageLeavesOutWhatCannotBeReal) {
    struct Case {
        int column;
        std::vector<std::string> cells;
        std::vector<std::string> reasons; // per cell, empty when plausible
        std::optional<double> mean;
        int averaged;
    };
    const int cf = col::firstFenceDistance + 3;
    const int wall = col::firstFenceHeight;
    const int hr = col::firstFactorLHB + 3;
    const std::vector<Case> cases{
        {cf,
         {"400", "0", "1000", "-1", "32767", "1", "999", "x"},
         {"", "A fence distance of 0 ft is outside 1 to 999 ft",
          "A fence distance of 1000 ft is outside 1 to 999 ft",
          "A fence distance of -1 ft is outside 1 to 999 ft",
          "A fence distance of 32767 ft is outside 1 to 999 ft", "", "", ""},
         (400 + 1 + 999) / 3.0,
         3},
        {wall,
         {"0", "100", "101", "255"},
         {"", "", "A wall of 101 ft is higher than 100 ft", "A wall of 255 ft is higher than 100 ft"},
         50.0,
         2},
        {hr,
         {"0", "-5", "1", "120"},
         {"A park factor of 0 is not above 0", "A park factor of -5 is not above 0", "", ""},
         60.5,
         2},
        {hr, {"0"}, {"A park factor of 0 is not above 0"}, std::nullopt, 0},
        {col::year, {"2031", "-1"}, {"", ""}, std::nullopt, 2},
    };
    for (const Case& c : cases) {
        ParkTable table = ParkTable::withCaptions();
        for (const std::string& cell : c.cells) {
            ParkTable::Row row{};
            row[c.column] = cell;
            table.appendRow(row);
        }
        const ParkColumnStats stats(table);
        for (std::size_t i = 0; i < c.cells.size(); ++i)
            EXPECT_EQ(CellPlausibility::of(table, kFirstParkRow + static_cast<int>(i), c.column).reason(),
                      c.reasons[i])
                << c.column << " " << c.cells[i];
        const LeagueAverage average = stats.leagueAverage(c.column);
        EXPECT_EQ(average.mean, c.mean) << c.column;
        EXPECT_EQ(average.parks, c.column == col::year ? 0 : c.averaged) << c.column;
        EXPECT_EQ(stats.averagedCount(c.column), c.averaged) << c.column;
    }
    EXPECT_TRUE(CellPlausibility::of(col::firstAttribute, 0).plausible());
}

} // namespace
} // namespace vendrix::parktable
