#pragma once

#include "model/season.h"
#include "parkshape/parkshape.h"
#include "parkshape/seasonshapes.h"

#include <optional>
#include <string>
#include <vector>

namespace vendrix::parkdrawing {

// A second outline laid over the park: another park of the season, or the park's own outline of an
// older season. `name` is what the legend calls it (UTF-8), e.g. "Gullwing Field in Northwind 2030".
struct OutlineOverlay {
    std::string name;
    parkshape::FenceMeasures measures;
};

// A fly ball over the park: its ground track from the launch to the landing, and its side view (the
// height over the distance from home plate along the ground) with the wall where the track meets the
// fence, or where the ball comes down short of it. Feet; the verdict's words in UTF-8.
struct FlyBallPath {
    struct SidePoint {
        double reachFeet = 0.0;
        double heightFeet = 0.0;
    };
    std::vector<parkshape::PlanePoint> track;
    std::vector<SidePoint> side;
    std::optional<SidePoint> wall; // the fence's distance and the wall's height there
    bool landsInside = false;      // it comes down before the fence: the landing is marked on the field
    std::string verdict;           // "Out by 12 ft"
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
    std::optional<FlyBallPath> flyBall;

    // A park of a season, with the season's average and scale.
    static DiagramContent of(const model::Park& park, const parkshape::SeasonShapes& season);
};

} // namespace vendrix::parkdrawing
