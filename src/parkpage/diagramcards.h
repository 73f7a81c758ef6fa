#pragma once

#include "parkdrawing/diagramcontent.h"
#include "parkpage.h"
#include "seasondiff/seasoncomparison.h"

#include <map>

namespace vendrix::parkpage {

// A park's own outline of another season, by its row (from 1) in the season shown.
using PreviousOutlines = std::map<int, parkdrawing::OutlineOverlay>;

// The old outline of every park the comparison found changed, by its row in the new season, named
// for the legend: "Gullwing Field in Northwind Baseball League 2031".
PreviousOutlines previousOutlines(const seasondiff::SeasonComparison& comparison, const model::Season& older);

// Each park's diagram as the diagram files draw it (the league average behind, every park at the
// season's one scale), as an inline SVG fragment; with the park's old outline behind it where given.
DiagramSource seasonDiagrams(const model::Season& season, PreviousOutlines previous = {});

} // namespace vendrix::parkpage
