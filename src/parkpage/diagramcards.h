#pragma once

#include "parkdrawing/diagramcontent.h"
#include "parkpage.h"

#include <map>

namespace vendrix::parkpage {

// A park's own outline of another season, by its table row in the season shown.
using PreviousOutlines = std::map<int, parkdrawing::OutlineOverlay>;

// Each park's diagram as the diagram files draw it (the league average behind, every park at the
// season's one scale), as an inline SVG fragment; with the park's old outline behind it where given.
DiagramSource seasonDiagrams(const parktable::ParkTable& table, PreviousOutlines previous = {});

} // namespace vendrix::parkpage
