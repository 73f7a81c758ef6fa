#pragma once

#include "comparedseason.h"
#include "seasoncomparison.h"

#include <string>
#include <vector>

namespace vendrix::seasondiff {

// What a view of the new season shows of a comparison, as UTF-8 texts: a note on every changed
// cell saying what it was, a mark on the park cell of every new park, and one line of totals that
// names the parks that are gone.
struct ChangeNote {
    int row = 0;    // in the new season's table
    int column = 0; // a compared column, or the park column of a new park
    std::string toolTip;
    bool newPark = false;
};

struct ChangeNotes {
    std::vector<ChangeNote> notes;
    // "5 parks changed, 3 new, 1 gone since Northwind Baseball League 2031. Gone: Ore Cart Yard"
    std::string summary;
};

ChangeNotes changeNotes(const SeasonComparison& comparison, const ComparedSeason& oldSeason);

} // namespace vendrix::seasondiff
