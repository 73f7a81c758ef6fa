#pragma once

#include "model/columns.h"

#include <array>
#include <string_view>

namespace vendrix::parkshape {

// How a park's seven fence points lie, written here once for every drawing and figure:
// home plate at the origin, feet as the unit, x to the right-field side, y straight out to centre
// field. Angles are in degrees from the centre-field line, negative towards left field. The foul
// lines run at -45 and +45 degrees; the seven points stand on rays 15 degrees apart:
// LFL -45 (on the left-field line), LF -30, LCF -15, CF 0, RCF +15, RF +30, RFL +45 (on the
// right-field line). Parks measure their alleys at different angles; this is the one we draw.
inline constexpr int kFencePointCount = 7;
inline constexpr double kFoulLineDegrees = 45.0;
inline constexpr double kFenceStepDegrees = 15.0;
// The point's name as the fence columns' captions give it: "LFL", "LF", ... "RFL".
inline std::string_view fencePointName(int index) {
    return model::column(model::col::firstFenceDistance + index).trimmedCaption();
}

// The angle of fence point `index` (0 = LFL ... 6 = RFL).
constexpr double fencePointDegrees(int index) {
    return -kFoulLineDegrees + kFenceStepDegrees * index;
}

// The distance between bases of the infield diamond, in feet.
inline constexpr double kBaseDistanceFeet = 90.0;

// Distances a wall can be drawn at, the distances that can be real; anything else marks the point as
// not drawable.
inline constexpr int kShortestDistance = model::kShortestFence;
inline constexpr int kLongestDistance = model::kLongestFence;

} // namespace vendrix::parkshape
