#pragma once

#include "parkshape.h"
#include "parktable/parktable.h"

#include <optional>

namespace vendrix::parkshape {

// The fourteen measures of a park row of the table. A cell that holds no whole number reads as 0,
// which no wall is drawn at.
FenceMeasures measuresOfRow(const parktable::ParkTable& table, int row);

// What every diagram of one season shares: the league-average park (the mean distance and height at
// each point over the parks that can be drawn) and one scale, the longest drawable distance of the
// season, so that every park is drawn to the same feet per inch and shapes compare.
struct SeasonShapes {
    std::optional<FenceMeasures> average; // none when no park of the season can be drawn
    double extentFeet = 0.0;

    static SeasonShapes of(const parktable::ParkTable& table);
};

// The extent used when a season gives none: a little beyond the deepest usual centre field.
inline constexpr double kDefaultExtentFeet = 420.0;

} // namespace vendrix::parkshape
