#pragma once

#include "parkshape/parkshape.h"
#include "parkshape/seasonshapes.h"
#include "parktable/parktable.h"

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
    std::optional<OutlineOverlay> compared;
    double extentFeet = parkshape::kDefaultExtentFeet; // the season's common scale

    // The park of a table row (Windows-1252 cells), with the season's average and scale.
    static DiagramContent ofRow(const parktable::ParkTable& table, int row,
                                const parkshape::SeasonShapes& season);
    // The park name of a row for display in UTF-8: trimmed, "(no name)" when blank.
    static std::string nameOfRow(const parktable::ParkTable& table, int row);
};

} // namespace vendrix::parkdrawing
