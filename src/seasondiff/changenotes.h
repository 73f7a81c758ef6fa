#pragma once

#include "comparedseason.h"
#include "seasoncomparison.h"

#include <string>
#include <string_view>
#include <vector>

namespace vendrix::seasondiff {

// What a view of one season shows of its comparison with another, as UTF-8 texts: a note on every
// changed cell saying what it is in the other season, a mark on the park cell of every park only
// the shown season has, and one line of totals that names the parks only the other season has.
struct ChangeNote {
    int row = 0;    // the park's row in the shown season, from 1
    int column = 0; // a compared column, or the park column of a park only in the shown season
    std::string toolTip;
    bool newPark = false; // only in the shown season: "Only in this season"
};

inline constexpr std::string_view kOnlyInThisSeason = "Only in this season";

struct ChangeNotes {
    std::vector<ChangeNote> notes;
    // comparisonSentence: "Compared with Northwind Baseball League 2032: 5 parks differ, 1 only in
    // this season, 3 only in 2032 (Ore Cart Ballpark, Foxfire Grounds, Timberline Park (2 of 2))"
    std::string summary;
};

// The notes for the shown season compared with another; the comparison is of the other season
// (old) with the shown one (new).
ChangeNotes changeNotes(const SeasonComparison& comparison, const ComparedSeason& other,
                        const ComparedSeason& shown);

} // namespace vendrix::seasondiff
