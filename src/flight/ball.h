#pragma once

#include "hand.h"
#include "spin.h"
#include "valueproblem.h"

#include <optional>

namespace vendrix::flight {

// A batted ball as it leaves the bat: speed in mph, launch angle in degrees above the ground,
// direction in degrees (0 straight to centre field, -45 the left-field line, +45 the right-field
// line), the batter's hand, and the spins when they were measured. A spin left out comes from the
// usual spin for that launch (Spin::typical); a given one is used as given, so a sidespin of 0 flies
// straight.
struct Ball {
    double speedMph = 0.0;
    double angleDegrees = 0.0;
    double directionDegrees = 0.0;
    std::optional<double> backspinRpm;
    std::optional<double> sidespinRpm;
    Hand batter = Hand::Right;

    static constexpr double kMaxSpeedMph = 200.0;
    static constexpr double kMaxAngleDegrees = 90.0;
    static constexpr double kMaxDirectionDegrees = 180.0;
    static constexpr double kMaxSpinRpm = 10000.0;

    // The spin it flies with: the given spins, the usual ones for those left out.
    Spin spin() const;

    // The first value outside its range (speed 0 to 200 mph, angle -90 to 90, direction -180 to 180,
    // spins within 10,000 rpm either way, every value finite); none for a ball that can fly.
    std::optional<ValueProblem> problem() const;

    // The same ball hit the mirror way: direction and sidespin of opposite sign, the other hand.
    Ball mirrored() const;

    bool operator==(const Ball&) const = default;
};

} // namespace vendrix::flight
