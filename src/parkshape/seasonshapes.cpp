#include "seasonshapes.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace vendrix::parkshape {

namespace {

int numberIn(std::string_view cell) {
    int value = 0;
    const auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), value);
    if (error != std::errc() || end != cell.data() + cell.size())
        return 0;
    return value;
}

bool allDrawable(const FenceMeasures& measures) {
    return std::all_of(measures.distance.begin(), measures.distance.end(), [](int distance) {
        return distance >= kShortestDistance && distance <= kLongestDistance;
    });
}

} // namespace

FenceMeasures measuresOfRow(const parktable::ParkTable& table, int row) {
    FenceMeasures measures;
    for (int i = 0; i < kFencePointCount; ++i) {
        measures.distance[i] = numberIn(table.cell(row, parktable::col::firstFenceDistance + i));
        measures.height[i] = numberIn(table.cell(row, parktable::col::firstFenceHeight + i));
    }
    return measures;
}

SeasonShapes SeasonShapes::of(const parktable::ParkTable& table) {
    std::array<double, kFencePointCount> distanceSum{};
    std::array<double, kFencePointCount> heightSum{};
    int counted = 0;
    int longest = 0;
    for (int row = parktable::kFirstParkRow; row < table.rowCount(); ++row) {
        const FenceMeasures measures = measuresOfRow(table, row);
        if (!allDrawable(measures))
            continue;
        ++counted;
        for (int i = 0; i < kFencePointCount; ++i) {
            distanceSum[i] += measures.distance[i];
            heightSum[i] += measures.height[i];
            longest = std::max(longest, measures.distance[i]);
        }
    }
    SeasonShapes shapes;
    shapes.extentFeet = counted == 0 ? kDefaultExtentFeet : longest;
    if (counted > 0) {
        FenceMeasures average;
        for (int i = 0; i < kFencePointCount; ++i) {
            average.distance[i] = static_cast<int>(std::lround(distanceSum[i] / counted));
            average.height[i] = static_cast<int>(std::lround(heightSum[i] / counted));
        }
        shapes.average = average;
    }
    return shapes;
}

} // namespace vendrix::parkshape
