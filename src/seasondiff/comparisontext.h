#pragma once

#include "comparedseason.h"
#include "seasoncomparison.h"

#include <string>

namespace vendrix::seasondiff {

// "Northwind Baseball League 2031": the league name and the season, blanks at both ends trimmed,
// as UTF-8.
std::string seasonTitle(std::string_view league, std::string_view season);

// A park's name for a reader, as UTF-8: trimmed, and for a name that stands more than once in its
// season, which of them ("Twin Field (2 of 3)").
std::string parkLabel(const parktable::ParkTable& table, const ParkPlace& place);

// What a changed value is called in the text: "CF", "CF height", "HR LHB", "Team", "Surface".
std::string_view valueLabel(int column);

// "3 parks changed, 1 new, 1 gone"
std::string comparisonTotals(const SeasonComparison& comparison);

// The comparison for a reader, UTF-8 with a line feed after every line: a heading naming both
// seasons, one line per changed value ("Gullwing Field: CF 400 -> 405"), the added and the removed
// parks, and the totals.
std::string comparisonText(const SeasonComparison& comparison, const ComparedSeason& oldSeason,
                           const ComparedSeason& newSeason);

} // namespace vendrix::seasondiff
