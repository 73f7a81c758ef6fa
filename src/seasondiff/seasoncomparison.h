#pragma once

#include "model/parknames.h"
#include "model/season.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vendrix::seasondiff {

// A park of one season: its row (from 1), and where it stands among the parks of the same name
// (occurrence 1 of namesakes 1 for a name that stands once).
struct ParkPlace {
    int row = 0;
    int occurrence = 1;
    int namesakes = 1;

    model::Namesake namesake() const { return {occurrence, namesakes}; }
};

// A value as compared: a number, or a text in Windows-1252 bytes (a word; the team normalised, empty
// for no team).
struct ComparedValue {
    std::optional<int> number;
    std::string text;

    bool operator==(const ComparedValue&) const = default;
};

// One value of a matched park that differs, by catalogue column.
struct ValueChange {
    int column = 0;
    ComparedValue before;
    ComparedValue after;
};

// A park found in both seasons with at least one value changed.
struct ParkChange {
    int oldRow = 0;  // in the old season
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
const std::vector<int>& comparedColumns();

// Compares the parks of two seasons. Parks are matched by name (model::nameKey: blanks at both ends
// trimmed, without regard to case); a name that stands more than once pairs its occurrences in file
// order, and the rest are added or removed.
SeasonComparison compareSeasons(const model::Season& oldSeason, const model::Season& newSeason);

// How a compared value reads: the number's decimal text, or the text as UTF-8, "(no team)" for none.
std::string shownValue(int column, const ComparedValue& value);

} // namespace vendrix::seasondiff
