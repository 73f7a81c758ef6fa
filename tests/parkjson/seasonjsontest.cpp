// The JSON export's League average and its hook for further park members; the mapping of every value
// is checked end to end by reading the exporter's JSON back in Python.
#include "parkjson/seasonjson.h"

#include "seasonmaker.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vendrix::parkjson {
namespace {

// The text after `"key":` in the part of the JSON from `from` on.
std::string valueAfter(const std::string& json, const std::string& from, const std::string& key) {
    const std::string part = json.substr(json.find(from));
    const auto at = part.find("\"" + key + "\":") + key.size() + 3;
    return part.substr(at, part.find_first_of(",}", at) - at);
}

TEST(SeasonJson, LeagueAverageTakesInOnlyWhatCanBeRealAndNamesTheCount) {
    std::vector<season::ParkRecord> parks;
    for (const int cf : {400, 401, -1, 32767}) {
        parks.push_back(test::parkRecord("Park"));
        parks.back().fenceDistance[3] = static_cast<std::int16_t>(cf);
    }
    const std::string json = seasonJson(test::seasonOf(parks));
    EXPECT_EQ(valueAfter(json, "\"league_average\"", "cf"), "400.5");
    EXPECT_EQ(valueAfter(json, "\"league_average_parks\"", "cf"), "2");
    EXPECT_EQ(valueAfter(json, "\"league_average_parks\"", "lf"), "4");
    // The year is no measure of a park: it has no average.
    EXPECT_EQ(json.substr(json.find("\"league_average\"")).find("\"year\""), std::string::npos);
}

TEST(SeasonJson, ExtraMembersFollowTheSchemasOwnInEveryPark) {
    std::vector<int> rows;
    const std::string json =
        seasonJson(test::seasonOf({test::parkRecord("A"), test::parkRecord("B")}, {}, "  League  "),
                   [&](const model::Park& park, JsonWriter& writer) {
                       rows.push_back(park.row());
                       writer.key("extra");
                       writer.tenths(park.row() * 10 + 5);
                   });
    EXPECT_EQ(rows, (std::vector<int>{1, 2}));
    EXPECT_NE(json.find("\"rain_freq\":\"Frequent\",\"fair_area_sqft\":110597,\"extra\":1.5}"),
              std::string::npos)
        << json;
    EXPECT_NE(json.find("\"extra\":2.5}"), std::string::npos) << json;
    EXPECT_TRUE(json.starts_with("{\n  \"league\": \"League\",\n  \"season\": \"2031\",\n")) << json;
}

TEST(SeasonJson, TeamBlanksCollapseAndAnEmptyTeamIsNull) {
    const std::string json = seasonJson(
        test::seasonOf({test::parkRecord("A", 1), test::parkRecord("B", 2), test::parkRecord("C", 3)},
                       {{1, "  Harbor   City  Gulls "}, {2, " "}}));
    EXPECT_NE(json.find("\"team\":\"Harbor City Gulls\""), std::string::npos);
    EXPECT_EQ(json.find("\"team\":\"\""), std::string::npos);
    EXPECT_EQ(valueAfter(json, "\"park\":\"B\"", "team"), "null");
    EXPECT_EQ(valueAfter(json, "\"park\":\"C\"", "team"), "null");
}

} // namespace
} // namespace vendrix::parkjson
