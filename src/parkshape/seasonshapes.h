#pragma once

#include "model/season.h"
#include "parkshape.h"

#include <optional>
#include <string>

namespace vendrix::parkshape {

// The fourteen measures of a park.
FenceMeasures measuresOf(const model::Park& park);

// What every diagram of one season shares: the league-average park and one scale, the longest
// distance of the parks that can be drawn, so that every park is drawn to the same feet per inch and
// shapes compare. The average park stands at each point at the League average of that point's
// distance and height, to the nearest foot: the numbers of the table's League average row.
struct SeasonShapes {
    std::optional<FenceMeasures> average; // none unless every point has a League average
    // How many parks the average's points take in: the fewest and the most of its fourteen columns.
    int averageFewestParks = 0;
    int averageMostParks = 0;
    double extentFeet = 0.0;

    static SeasonShapes of(const model::Season& season);
    // What the legend calls the average park: "League average of 31 parks", "League average of 29 to
    // 32 parks".
    std::string averageName() const;
};

// The extent used when a season gives none: a little beyond the deepest usual centre field.
inline constexpr double kDefaultExtentFeet = 420.0;

} // namespace vendrix::parkshape
