#pragma once

#include "model/season.h"
#include "parkshape/parkshape.h"
#include "parkshape/seasonshapes.h"

#include <optional>
#include <string>

namespace vendrix::parkdrawing {

// A second outline laid over the park: another park of the season, or the park's own outline of an
// older season. `name` is what the legend calls it (UTF-8), e.g. "Gullwing Field in Northwind 2030".
struct OutlineOverlay {
    std::string name;
    parkshape::FenceMeasures measures;
};

// Everything one park's diagram shows, whatever it is drawn on. Texts are UTF-8.
struct DiagramContent {
    std::string name;
    std::string team;
    parkshape::FenceMeasures measures;
    std::optional<parkshape::FenceMeasures> average; // the league-average park, drawn faintly behind
    std::string averageName = "League average";      // what the legend calls it
    std::optional<OutlineOverlay> compared;
    double extentFeet = parkshape::kDefaultExtentFeet; // the season's common scale

    // A park of a season, with the season's average and scale.
    static DiagramContent of(const model::Park& park, const parkshape::SeasonShapes& season);
};

} // namespace vendrix::parkdrawing
