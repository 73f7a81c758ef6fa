#pragma once

#include "parktable/parktable.h"

#include <string>
#include <string_view>
#include <vector>

namespace vendrix::seasondiff {

// A park of one season: its table row, and where it stands among the parks of the same name
// (occurrence 1 of namesakes 1 for a name that stands once).
struct ParkPlace {
    int row = 0;
    int occurrence = 1;
    int namesakes = 1;
};

// One value of a matched park that differs, by table column. Texts as compared: numbers and words
// as the cells hold them, the team normalised (empty for no team).
struct ValueChange {
    int column = 0;
    std::string before;
    std::string after;
};

// A park found in both seasons with at least one value changed.
struct ParkChange {
    int oldRow = 0;
    ParkPlace place; // in the new season
    std::vector<ValueChange> changes;
};

struct SeasonComparison {
    std::vector<ParkPlace> added;    // rows of the new season, in its order
    std::vector<ParkPlace> removed;  // rows of the old season, in its order
    std::vector<ParkChange> changed; // in the new season's order
    int matched = 0;                 // parks found in both, changed or not

    bool foundDifferences() const { return !added.empty() || !removed.empty() || !changed.empty(); }
};

// The columns compared for every matched park: the team, the seven fence distances and heights,
// the eight factors and the eight words. The year is not: it differs every season.
std::vector<int> comparedColumns();

// Compares the park rows of two tables. Parks are matched by park name, blanks at both ends
// trimmed and without regard to case; a name that stands more than once pairs its occurrences in
// file order, and the rest are added or removed.
SeasonComparison compareSeasons(const parktable::ParkTable& oldTable, const parktable::ParkTable& newTable);

// The key parks are matched by: the trimmed name with Windows-1252 letters in lower case.
std::string parkMatchKey(std::string_view parkCell);

} // namespace vendrix::seasondiff
