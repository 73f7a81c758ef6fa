// Matching parks between two seasons: names, duplicates, what counts as a change. The outputs of a
// whole comparison are checked end to end on the sample season and its changed copy.
#include "seasondiff/seasoncomparison.h"

#include "seasondiff/changenotes.h"
#include "seasondiff/comparisonjson.h"
#include "seasondiff/comparisontext.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vendrix::seasondiff {
namespace {

using parktable::ParkTable;
namespace col = parktable::col;

struct Park {
    std::string name;
    std::string cf = "400";
    std::string team = "Gulls";
    std::string year = "2031";
};

ParkTable tableOf(const std::vector<Park>& parks) {
    ParkTable table = ParkTable::withCaptions();
    for (const Park& park : parks) {
        ParkTable::Row row{};
        row[col::parkName] = park.name;
        row[col::teamName] = park.team;
        row[col::year] = park.year;
        row[col::firstFenceDistance + 3] = park.cf;
        table.appendRow(row);
    }
    return table;
}

std::vector<int> rowsOf(const std::vector<ParkPlace>& places) {
    std::vector<int> rows;
    for (const ParkPlace& place : places)
        rows.push_back(place.row);
    return rows;
}

TEST(SeasonComparison, NamesMatchTrimmedWithoutCaseInWindows1252) {
    const ParkTable before = tableOf({{"  Estadio Pe\xD1"
                                       "asco  "},
                                      {"CAF\xC9 FIELD"},
                                      {"\x8A"
                                       "koda Park"}});
    const ParkTable after = tableOf({{"estadio pe\xF1"
                                      "asco"},
                                     {"Caf\xE9 Field "},
                                     {"\x9A"
                                      "KODA PARK"}});
    const SeasonComparison comparison = compareSeasons(before, after);
    EXPECT_EQ(comparison.matched, 3);
    EXPECT_FALSE(comparison.foundDifferences());
    // x (0xD7) and its neighbour are no letter pair.
    EXPECT_NE(parkMatchKey("\xD7"), parkMatchKey("\xF7"));
}

TEST(SeasonComparison, DuplicatesPairInFileOrderAndTheRestAreAddedOrRemoved) {
    const ParkTable before =
        tableOf({{"Twin", "401"}, {"Other"}, {"Twin", "402"}, {"Twin", "403"}, {"Gone"}});
    const ParkTable after = tableOf({{"Twin", "401"}, {"New"}, {"Twin", "409"}});
    const SeasonComparison comparison = compareSeasons(before, after);
    EXPECT_EQ(comparison.matched, 2);
    ASSERT_EQ(comparison.changed.size(), 1u);
    EXPECT_EQ(comparison.changed[0].oldRow, 4); // the second Twin of the old season, row 4
    EXPECT_EQ(comparison.changed[0].place.row, 4);
    EXPECT_EQ(comparison.changed[0].place.occurrence, 2);
    EXPECT_EQ(comparison.changed[0].place.namesakes, 2);
    EXPECT_EQ(rowsOf(comparison.added), (std::vector<int>{3}));
    EXPECT_EQ(rowsOf(comparison.removed), (std::vector<int>{3, 5, 6})); // Other, third Twin, Gone
    EXPECT_EQ(comparison.removed[1].occurrence, 3);
    EXPECT_EQ(comparison.removed[1].namesakes, 3);
}

TEST(SeasonComparison, YearAndTeamBlanksAreNoChangeButAGoneTeamIs) {
    const ParkTable before = tableOf({{"A", "400", "Harbor City  Gulls ", "2031"}, {"B", "400", "Owls"}});
    const ParkTable after = tableOf({{"A", "400", " Harbor City Gulls", "2032"}, {"B", "400", " "}});
    const SeasonComparison comparison = compareSeasons(before, after);
    ASSERT_EQ(comparison.changed.size(), 1u);
    ASSERT_EQ(comparison.changed[0].changes.size(), 1u);
    const ValueChange& change = comparison.changed[0].changes[0];
    EXPECT_EQ(change.column, col::teamName);
    EXPECT_EQ(change.before, "Owls");
    EXPECT_EQ(change.after, "");
    const ParkTable& oldTable = before;
    const std::string json =
        comparisonJson(comparison, {"L", "2031", "", oldTable}, {"L", "2032", "", after});
    EXPECT_NE(json.find("{\"team\":[\"Owls\",null]}"), std::string::npos) << json;
}

TEST(SeasonComparison, ChangeKeysAreTheExportKeysWithADot) {
    EXPECT_EQ(changeKey(col::teamName), "team");
    EXPECT_EQ(changeKey(col::firstFenceDistance), "fence_distance.lf_line");
    EXPECT_EQ(changeKey(col::firstFenceHeight + 6), "fence_height.rf_line");
    EXPECT_EQ(changeKey(col::firstFactorLHB + 3), "factors_lhb.hr");
    EXPECT_EQ(changeKey(col::firstFactorRHB), "factors_rhb.1b");
    EXPECT_EQ(changeKey(col::firstAttribute + 1), "surface");
    EXPECT_EQ(changeKey(col::lastCaptioned), "rain_freq");
}

// The shown season is the comparison's new one, the other season the old: the words must hold
// whichever of the two is the later.
TEST(SeasonComparison, NotesAndSentenceSayWhatTheOtherSeasonHasWithoutADirection) {
    const ParkTable other = tableOf({{"A", "400"}, {"B", "400", "Owls"}, {"Gone One"}, {"Gone Two"}});
    const ParkTable shown = tableOf({{"A", "405"}, {"B", "400", ""}, {"Caf\xE9 Park"}});
    const SeasonComparison comparison = compareSeasons(other, shown);
    const ChangeNotes notes = changeNotes(comparison, {" Northwind League ", "2030", "", other},
                                          {"Northwind League", "2029", "", shown});
    ASSERT_EQ(notes.notes.size(), 3u);
    EXPECT_EQ(notes.notes[0].row, 2);
    EXPECT_EQ(notes.notes[0].column, col::firstFenceDistance + 3);
    EXPECT_EQ(notes.notes[0].toolTip, "400 in Northwind League 2030");
    EXPECT_EQ(notes.notes[1].toolTip, "Owls in Northwind League 2030");
    EXPECT_TRUE(notes.notes[2].newPark);
    EXPECT_EQ(notes.notes[2].row, 4);
    EXPECT_EQ(notes.notes[2].column, col::parkName);
    EXPECT_EQ(notes.notes[2].toolTip, "Only in this season");
    EXPECT_EQ(notes.summary, "Compared with Northwind League 2030: 2 parks differ, 1 only in this season, "
                             "2 only in 2030 (Gone One, Gone Two)");

    struct Case {
        ComparedSeason other;
        std::string_view shownSeason;
        const ParkTable& shownTable;
        std::string sentence;
    };
    const ParkTable one = tableOf({{"A", "405"}, {"B", "400", "Owls"}});
    const Case cases[] = {
        {{"L", "2031", "", other},
         "2031",
         shown,
         "Compared with L 2031: 2 parks differ, 1 only in this season, 2 only in the other season "
         "(Gone One, Gone Two)"},
        {{"L", " ", "", other},
         "2031",
         shown,
         "Compared with L: 2 parks differ, 1 only in this season, 2 only in the other season (Gone One, Gone "
         "Two)"},
        {{"L", "2032", "", one},
         "2031",
         shown,
         "Compared with L 2032: 1 park differs, 1 only in this season, "
         "0 only in 2032"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(comparisonSentence(compareSeasons(c.other.table, c.shownTable), c.other,
                                     {"L", c.shownSeason, "", c.shownTable}),
                  c.sentence);
}

} // namespace
} // namespace vendrix::seasondiff
