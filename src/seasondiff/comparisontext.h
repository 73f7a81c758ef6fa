#pragma once

#include "comparedseason.h"
#include "seasoncomparison.h"

#include <string>

namespace vendrix::seasondiff {

// "Northwind Baseball League 2031": the league name and the season, blanks at both ends trimmed,
// as UTF-8.
std::string seasonTitle(std::string_view league, std::string_view season);

// A park's name for a reader, as UTF-8 (model::parkLabel): "Twin Field (2 of 3)".
std::string parkLabel(const model::Season& season, const ParkPlace& place);

// "3 parks changed, 1 new, 1 gone"
std::string comparisonTotals(const SeasonComparison& comparison);

// The totals for a view of one season compared with another, in words without a direction, as UTF-8:
// "Compared with Northwind Baseball League 2032: 5 parks differ, 1 only in this season, 3 only in
// 2032 (Ore Cart Ballpark, Foxfire Grounds, Timberline Park (2 of 2))". The comparison is of the
// other season (old) with the shown one (new); the parks in brackets are those only the other has.
// The other season is called by its season text, or "the other season" when that is empty or the
// same as the shown one's.
std::string comparisonSentence(const SeasonComparison& comparison, const ComparedSeason& other,
                               const ComparedSeason& shown);

// Which season of a comparison is the later by the team files' years: the old one, the new one, or
// neither (a year missing, or both the same).
enum class LaterSeason { Neither, Old, New };
LaterSeason laterSeason(const ComparedSeason& oldSeason, const ComparedSeason& newSeason);

// The comparison for a reader, UTF-8 with a line feed after every line: a heading naming both
// seasons (and, when the old season is the later, a line saying so and what "Added" and "Removed"
// then mean), one line per changed value with the park's rows in both seasons and the column's short
// name ("Gullwing Field (row 1 -> 1): CF, distance 400 -> 405"), the added and the removed parks with their
// numbers ("Added: Ore Cart Ballpark (row 30)"), and the totals.
std::string comparisonText(const SeasonComparison& comparison, const ComparedSeason& oldSeason,
                           const ComparedSeason& newSeason);

} // namespace vendrix::seasondiff
