// Matching parks between two seasons: names, duplicates, what counts as a change. The outputs of a
// whole comparison are checked end to end on the sample season and its changed copy.
#include "seasondiff/seasoncomparison.h"

#include "model/parknames.h"
#include "seasondiff/changenotes.h"
#include "seasondiff/comparisonjson.h"
#include "seasondiff/comparisontext.h"
#include "seasonmaker.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace vendrix::seasondiff {
namespace {

using model::Season;
namespace col = model::col;

struct Park {
    std::string name;
    int cf = 400;
    std::string team = "Gulls";
    int year = 2031;
};

// A season of the parks, each with a team of its own, under the league and season text given.
Season seasonOf(const std::vector<Park>& parks, const std::string& league = "L",
                const std::string& seasonText = "2031") {
    auto teams = std::make_shared<season::TeamByPark>();
    std::vector<season::ParkRecord> records;
    for (const Park& park : parks) {
        const int id = static_cast<int>(records.size()) + 1;
        teams->set(id, park.team);
        records.push_back(test::parkRecord(park.name, id, park.year));
        records.back().fenceDistance[3] = static_cast<std::int16_t>(park.cf);
    }
    Season season({}, league, seasonText, 2031, std::move(teams));
    for (const season::ParkRecord& record : records)
        season.addPark(record);
    return season;
}

std::vector<int> rowsOf(const std::vector<ParkPlace>& places) {
    std::vector<int> rows;
    for (const ParkPlace& place : places)
        rows.push_back(place.row);
    return rows;
}

TEST(SeasonComparison, NamesMatchTrimmedWithoutCaseInWindows1252) {
    const Season before = seasonOf({{"  Estadio Pe\xD1"
                                     "asco  "},
                                    {"CAF\xC9 FIELD"},
                                    {"\x8A"
                                     "koda Park"}});
    const Season after = seasonOf({{"estadio pe\xF1"
                                    "asco"},
                                   {"Caf\xE9 Field "},
                                   {"\x9A"
                                    "KODA PARK"}});
    const SeasonComparison comparison = compareSeasons(before, after);
    EXPECT_EQ(comparison.matched, 3);
    EXPECT_FALSE(comparison.foundDifferences());
    // x (0xD7) and its neighbour are no letter pair.
    EXPECT_NE(model::nameKey("\xD7"), model::nameKey("\xF7"));
}

TEST(SeasonComparison, DuplicatesPairInFileOrderAndTheRestAreAddedOrRemoved) {
    const Season before = seasonOf({{"Twin", 401}, {"Other"}, {"Twin", 402}, {"Twin", 403}, {"Gone"}});
    const Season after = seasonOf({{"Twin", 401}, {"New"}, {"Twin", 409}});
    const SeasonComparison comparison = compareSeasons(before, after);
    EXPECT_EQ(comparison.matched, 2);
    ASSERT_EQ(comparison.changed.size(), 1u);
    EXPECT_EQ(comparison.changed[0].oldRow, 3); // the second Twin of the old season
    EXPECT_EQ(comparison.changed[0].place.row, 3);
    EXPECT_EQ(comparison.changed[0].place.occurrence, 2);
    EXPECT_EQ(comparison.changed[0].place.namesakes, 2);
    EXPECT_EQ(rowsOf(comparison.added), (std::vector<int>{2}));
    EXPECT_EQ(rowsOf(comparison.removed), (std::vector<int>{2, 4, 5})); // Other, third Twin, Gone
    EXPECT_EQ(comparison.removed[1].occurrence, 3);
    EXPECT_EQ(comparison.removed[1].namesakes, 3);
}

TEST(SeasonComparison, YearAndTeamBlanksAreNoChangeButAGoneTeamIs) {
    const Season before = seasonOf({{"A", 400, "Harbor City  Gulls ", 2031}, {"B", 400, "Owls"}});
    const Season after = seasonOf({{"A", 400, " Harbor City Gulls", 2032}, {"B", 400, " "}});
    const SeasonComparison comparison = compareSeasons(before, after);
    ASSERT_EQ(comparison.changed.size(), 1u);
    ASSERT_EQ(comparison.changed[0].changes.size(), 1u);
    const ValueChange& change = comparison.changed[0].changes[0];
    EXPECT_EQ(change.column, col::teamName);
    EXPECT_EQ(change.before.text, "Owls");
    EXPECT_EQ(change.after.text, "");
    const std::string json = comparisonJson(comparison, {before, ""}, {after, ""});
    EXPECT_NE(json.find("{\"team\":[\"Owls\",null]}"), std::string::npos) << json;
}

// The shown season is the comparison's new one, the other season the old: the words must hold
// whichever of the two is the later.
TEST(SeasonComparison, NotesAndSentenceSayWhatTheOtherSeasonHasWithoutADirection) {
    const Season other =
        seasonOf({{"A", 400}, {"B", 400, "Owls"}, {"Gone One"}, {"Gone Two"}}, " Northwind League ", "2030");
    const Season shown = seasonOf({{"A", 405}, {"B", 400, ""}, {"Caf\xE9 Park"}}, "Northwind League", "2029");
    const SeasonComparison comparison = compareSeasons(other, shown);
    const ChangeNotes notes = changeNotes(comparison, {other, ""}, {shown, ""});
    ASSERT_EQ(notes.notes.size(), 3u);
    EXPECT_EQ(notes.notes[0].row, 1);
    EXPECT_EQ(notes.notes[0].column, col::firstFenceDistance + 3);
    EXPECT_EQ(notes.notes[0].toolTip, "400 in Northwind League 2030");
    EXPECT_EQ(notes.notes[1].toolTip, "Owls in Northwind League 2030");
    EXPECT_TRUE(notes.notes[2].newPark);
    EXPECT_EQ(notes.notes[2].row, 3);
    EXPECT_EQ(notes.notes[2].column, col::parkName);
    EXPECT_EQ(notes.notes[2].toolTip, "Only in this season");
    EXPECT_EQ(notes.summary, "Compared with Northwind League 2030: 2 parks differ, 1 only in this season, "
                             "2 only in 2030 (Gone One, Gone Two)");

    struct Case {
        Season other;
        std::string sentence;
    };
    const std::vector<Park> gone{{"A", 400}, {"B", 400, "Owls"}, {"Gone One"}, {"Gone Two"}};
    const Season shownIn2031 = seasonOf({{"A", 405}, {"B", 400, ""}, {"Caf\xE9 Park"}}, "L", "2031");
    const Case cases[] = {
        {seasonOf(gone, "L", "2031"),
         "Compared with L 2031: 2 parks differ, 1 only in this season, 2 only in the other season "
         "(Gone One, Gone Two)"},
        {seasonOf(gone, "L", " "),
         "Compared with L: 2 parks differ, 1 only in this season, 2 only in the other season (Gone One, Gone "
         "Two)"},
        {seasonOf({{"A", 405}, {"B", 400, "Owls"}}, "L", "2032"),
         "Compared with L 2032: 1 park differs, 1 only in this season, 0 only in 2032"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(comparisonSentence(compareSeasons(c.other, shownIn2031), {c.other, ""}, {shownIn2031, ""}),
                  c.sentence);
}

} // namespace
} // namespace vendrix::seasondiff
