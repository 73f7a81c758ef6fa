#pragma once

#include "comparedseason.h"
#include "seasoncomparison.h"

#include <string>

namespace vendrix::seasondiff {

// The comparison as one UTF-8 JSON object: "old" and "new" (each with "league" and "season"),
// "added" (park names in the new season's order), "removed" (in the old season's order) and
// "changed" (in the new season's order, each {"park": name, "changes": {KEY: [old, new]}}), where
// KEY is the season export's key with a dot between a group and its member ("fence_distance.cf").
// Numbers stay numbers; a team that is gone is null. Ends with a line feed.
std::string comparisonJson(const SeasonComparison& comparison, const ComparedSeason& oldSeason,
                           const ComparedSeason& newSeason);

// The key a changed value of that column has in the JSON.
std::string changeKey(int column);

} // namespace vendrix::seasondiff
