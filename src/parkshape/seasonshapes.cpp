#include "seasonshapes.h"

#include "model/leagueaverage.h"

#include <algorithm>
#include <limits>

namespace vendrix::parkshape {

namespace col = model::col;

FenceMeasures measuresOf(const model::Park& park) {
    FenceMeasures measures;
    for (int i = 0; i < kFencePointCount; ++i) {
        measures.distance[static_cast<std::size_t>(i)] = park.fenceDistance(i);
        measures.height[static_cast<std::size_t>(i)] = park.fenceHeight(i);
    }
    return measures;
}

SeasonShapes SeasonShapes::of(const model::Season& season) {
    SeasonShapes shapes;
    int longest = 0;
    bool anyDrawable = false;
    for (const model::Park& park : season.parks()) {
        const FenceMeasures measures = measuresOf(park);
        const bool drawable =
            std::all_of(measures.distance.begin(), measures.distance.end(), [](int distance) {
                return distance >= kShortestDistance && distance <= kLongestDistance;
            });
        if (!drawable)
            continue;
        anyDrawable = true;
        longest = std::max(longest, *std::max_element(measures.distance.begin(), measures.distance.end()));
    }
    shapes.extentFeet = anyDrawable ? longest : kDefaultExtentFeet;

    const model::LeagueAverages averages(season);
    FenceMeasures average;
    int fewest = std::numeric_limits<int>::max();
    int most = 0;
    for (int i = 0; i < kFencePointCount; ++i) {
        for (const int column : {col::firstFenceDistance + i, col::firstFenceHeight + i}) {
            const model::LeagueAverage& mean = averages.of(column);
            if (!mean.exists())
                return shapes;
            fewest = std::min(fewest, mean.taken());
            most = std::max(most, mean.taken());
        }
        average.distance[static_cast<std::size_t>(i)] = averages.of(col::firstFenceDistance + i).whole();
        average.height[static_cast<std::size_t>(i)] = averages.of(col::firstFenceHeight + i).whole();
    }
    shapes.average = average;
    shapes.averageFewestParks = fewest;
    shapes.averageMostParks = most;
    return shapes;
}

std::string SeasonShapes::averageName() const {
    if (!average)
        return {};
    const std::string most = std::to_string(averageMostParks) + (averageMostParks == 1 ? " park" : " parks");
    if (averageFewestParks == averageMostParks)
        return "League average of " + most;
    return "League average of " + std::to_string(averageFewestParks) + " to " + most;
}

} // namespace vendrix::parkshape
