#pragma once

#include "comparedseason.h"
#include "seasoncomparison.h"

#include <string>

namespace vendrix::seasondiff {

// The comparison as one UTF-8 JSON object: "old" and "new" (each with "league" and "season"),
// "later" (which of them is the later season by year: "old", "new", or null when that is not known),
// "added" (in the new season's order, each {"park": name, "row": n}), "removed" (likewise, in the
// old season's order) and "changed" (in the new season's order, each {"park": name, "old_row": n,
// "new_row": m, "changes": {KEY: [old, new]}}), rows numbered from 1 as in the season export, where
// KEY is the season export's key with a dot between a group and its member ("fence_distance.cf").
// Numbers stay numbers; a team that is gone is null. Ends with a line feed.
std::string comparisonJson(const SeasonComparison& comparison, const ComparedSeason& oldSeason,
                           const ComparedSeason& newSeason);

} // namespace vendrix::seasondiff
