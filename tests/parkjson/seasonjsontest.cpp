// The JSON export's arithmetic and its hook for further park members; the mapping of every cell is
// checked end to end by reading the exporter's JSON back in Python.
#include "parkjson/seasonjson.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vendrix::parkjson {
namespace {

using parktable::ParkTable;

// A table of parks whose every number cell holds the given value.
ParkTable tableOfNumbers(const std::vector<std::string>& values) {
    ParkTable table = ParkTable::withCaptions();
    for (const std::string& value : values) {
        ParkTable::Row row{};
        row[parktable::col::parkName] = "Park";
        for (int column = parktable::col::year; column < parktable::col::firstAttribute; ++column)
            row[static_cast<std::size_t>(column)] = value;
        for (int column = parktable::col::firstAttribute; column <= parktable::col::lastCaptioned; ++column)
            row[static_cast<std::size_t>(column)] = "Word";
        table.appendRow(row);
    }
    return table;
}

std::string averageOfCf(const std::vector<std::string>& values) {
    const std::string json = seasonJson(tableOfNumbers(values), {"L", "2031"});
    const std::string average = json.substr(json.find("\"league_average\""));
    const auto cf = average.find("\"cf\":") + 5;
    return average.substr(cf, average.find(',', cf) - cf);
}

TEST(SeasonJson, LeagueAverageRoundsHalfAwayFromZeroExactly) {
    EXPECT_EQ(averageOfCf({"100", "101"}), "100.5");
    EXPECT_EQ(averageOfCf({"1", "0", "0", "0", "0", "0", "0", "0", "0", "0",
                           "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"}),
              "0.1"); // 0.05
    EXPECT_EQ(averageOfCf({"-1", "0", "0", "0", "0", "0", "0", "0", "0", "0",
                           "0",  "0", "0", "0", "0", "0", "0", "0", "0", "0"}),
              "-0.1"); // -0.05
    EXPECT_EQ(averageOfCf({"-1", "0", "0"}), "-0.3");
    EXPECT_EQ(averageOfCf({"32767", "32767", "32766"}), "32766.7");
    EXPECT_EQ(averageOfCf({"-32768", "32767"}), "-0.5");
}

TEST(SeasonJson, ExtraMembersFollowTheSchemasOwnInEveryPark) {
    std::vector<int> rows;
    const std::string json =
        seasonJson(tableOfNumbers({"7", "8"}), {"  League  ", " 2031 "}, [&](int row, JsonWriter& writer) {
            rows.push_back(row);
            writer.key("extra");
            writer.tenths(row * 10 + 5);
        });
    EXPECT_EQ(rows, (std::vector<int>{2, 3}));
    EXPECT_NE(json.find("\"rain_freq\":\"Word\",\"extra\":2.5}"), std::string::npos) << json;
    EXPECT_NE(json.find("\"rain_freq\":\"Word\",\"extra\":3.5}"), std::string::npos) << json;
    EXPECT_TRUE(json.starts_with("{\n  \"league\": \"League\",\n  \"season\": \"2031\",\n")) << json;
}

TEST(SeasonJson, TeamBlanksCollapseAndAnEmptyTeamIsNull) {
    ParkTable table = ParkTable::withCaptions();
    for (const char* team : {"  Harbor   City  Gulls ", " ", ""}) {
        ParkTable::Row row{};
        row[parktable::col::teamName] = team;
        table.appendRow(row);
    }
    const std::string json = seasonJson(table, {"L", "1"});
    EXPECT_NE(json.find("\"team\":\"Harbor City Gulls\""), std::string::npos);
    EXPECT_EQ(json.find("\"team\":\"\""), std::string::npos);
    // Cells that hold no number are null, and the average counts only the numbers.
    EXPECT_NE(json.find("\"year\":null"), std::string::npos);
    EXPECT_NE(json.find("\"cf\":null"), std::string::npos);
}

} // namespace
} // namespace vendrix::parkjson
